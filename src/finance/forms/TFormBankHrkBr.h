#pragma once
#include "finance/BankaHareketListesi.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;

namespace nimbo {

// "BANKA HAREKETLERİ": the bank movement documents with type, date and posting filters;
// new documents of every type start here.
class TFormBankHrkBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormBankHrkBr(QWidget* parent = nullptr);
    void yeniBelge(const QString& tip);
    BankaHareketFiltre filtre() const;

protected:
    ListQuery query() const override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    QComboBox* m_tip;
    QComboBox* m_muhasebe;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
};

} // namespace nimbo
