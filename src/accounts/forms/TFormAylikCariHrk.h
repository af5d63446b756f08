#pragma once
#include <QDialog>

class QSpinBox;
class QTableWidget;
class QLabel;

namespace nimbo {

// "Aylık Borç-Alacak Tutarı": an account's debit and credit per month of a year; months
// without movement show zero.
class TFormAylikCariHrk : public QDialog {
    Q_OBJECT
public:
    TFormAylikCariHrk(const QString& cariKod, QWidget* parent = nullptr);
    void setCariKod(const QString& kod);
    QTableWidget* tablo() const { return m_tablo; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void doldur();

    QString m_kod;
    QLabel* m_baslik;
    QSpinBox* m_yil;
    QTableWidget* m_tablo;
};

} // namespace nimbo
