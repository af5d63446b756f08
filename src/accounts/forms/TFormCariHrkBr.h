#pragma once
#include "accounts/CariHareketListesi.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;

namespace nimbo {

class RowPrintCommand;

// "Cari Hareketler": the manual movement documents, with type, date, posting and account
// filters; new documents of every type start here, a cash document prints its receipt.
class TFormCariHrkBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormCariHrkBr(QWidget* parent = nullptr);
    // Opens a new document of the type (cash: side "A" payment, "B" collection).
    void yeniBelge(const QString& tip, const QString& taraf = {});
    void makbuzYazdir(const QString& output = QStringLiteral("Önizleme"));
    CariHareketListeFiltre filtre() const;

protected:
    ListQuery query() const override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    QComboBox* m_tip;
    QComboBox* m_muhasebe;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
    QLineEdit* m_cari;
    RowPrintCommand* m_makbuz;
};

} // namespace nimbo
