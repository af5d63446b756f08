#pragma once
#include "trade/SatisListesi.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace nimbo {

// "Satış İşlemleri": the saved sales documents with type, date, customer and invoiced
// filters; new documents start here, saved ones open for correction (or only for viewing
// when their payments are matched) and are deleted with everything they wrote.
class TFormSatisBak : public ListWindow {
    Q_OBJECT
public:
    explicit TFormSatisBak(QWidget* parent = nullptr);
    SatisListeFiltre filtre() const;
    // Opens a saved document in the sales window, keeping to three open at once.
    void belgeAc(double no);
    void faturaYazdir(const QString& output = QStringLiteral("Önizleme"));

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    QComboBox* m_tip;
    QComboBox* m_fatura;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
    QLineEdit* m_cari;
};

} // namespace nimbo
