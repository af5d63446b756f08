#pragma once
#include "finance/BankaKart.h"
#include "widgets/CardWindow.h"

class QLineEdit;
class QTableWidget;

namespace nimbo {

// The bank card: the bank's fields and a grid of its accounts. "Muhasebe Kodları" shows the
// accounts' ledger codes once the bank has accounts.
class TFormBankaSakla : public CardWindow {
    Q_OBJECT
public:
    TFormBankaSakla(const QString& kod, QWidget* parent = nullptr);
    static QString ac(QWidget* parent, const QString& kod);
    QString savedCode() const { return m_kart.kaydedilenKod(); }
    QTableWidget* hesapGrid() const { return m_grid; }
    void hesapEkle();
    void muhasebeKodlari();

protected:
    bool beforeSave() override;

private:
    void kodAyrildi();
    void hesaplariGoster();
    void hesapSil();

    BankaKart m_kart;
    QLineEdit* m_kod;
    QTableWidget* m_grid;
};

} // namespace nimbo
