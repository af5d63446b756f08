#pragma once
#include "finance/FinansHareketListesi.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace nimbo {

class RowPrintCommand;

// "Finans Hareketleri": the finance transactions with type, date and code filters; new
// documents of every kind and operation start here. Opened for one main kind (cash, account,
// bank or cheque/note mode) it lists and makes only documents of that kind.
class TFormFinansHrkBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormFinansHrkBr(const QString& anaTur = {}, QWidget* parent = nullptr);
    void yeniBelge(const QString& tip, const QString& tip2);
    FinansHareketFiltre filtre() const;
    // "Makbuz Yazdır": the receipt of the current document.
    void makbuzYazdir(const QString& output = QStringLiteral("Önizleme"));

protected:
    ListQuery query() const override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    QString m_anaTur;
    QComboBox* m_tur;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
    QLineEdit* m_kod;
    QLineEdit* m_kod2;
    RowPrintCommand* m_makbuz;
};

} // namespace nimbo
