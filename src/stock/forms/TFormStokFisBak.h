#pragma once
#include "stock/StokFisListesi.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace nimbo {

// The stock slip list ("Stok Fişleri"): filters and orders, new slip, correction and delete
// with their rights.
class TFormStokFisBak : public ListWindow {
    Q_OBJECT
public:
    explicit TFormStokFisBak(QWidget* parent = nullptr);
    StokFisListesi::Filtre filtre() const;
    // Opens the slip for correction (rights and the window limit first); true when saved.
    bool duzelt(double hrkNo, const QString& tip);

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    QWidget* filtreAlani();
    QComboBox* m_sorumlu;
    QComboBox* m_tip;
    QDateEdit* m_ilk;
    QDateEdit* m_son;
    QLineEdit* m_ilkNo;
    QLineEdit* m_sonNo;
    QComboBox* m_durum;
    QLineEdit* m_stok;
    QComboBox* m_sira;
};

} // namespace nimbo
