#pragma once
#include "model/CardModel.h"

#include <QStringList>

namespace nimbo {

// An account-code group card: one set of ledger codes under a name that is written onto many
// cards at once. MUHSTK writes to the items' STOKMUH rows (the items of the card's main group,
// group, sub-group, brand and VAT rate, when it names them), MUHMASRF to the expense cards
// (MASRAF) and MUHISCI to the service cards (ARIZA). KODATAMA "O" writes only to cards that
// have no code yet, "H" to every selected card.
class MuhasebeKodGrubu : public CardModel {
public:
    enum class Tur { Stok, Masraf, Hizmet };

    MuhasebeKodGrubu(const Db& db, Tur tur);
    QString table() const override;

    void yeni();
    bool ac(const QString& ad);
    // Writes the card's filled codes to the selected cards; returns how many were changed.
    // At least one code must be filled (UserError).
    int kodlariYaz() const;
    // Deletes a group card (asks "Kayıt Silinsin mi?"); false on No.
    static bool sil(const Db& db, Tur tur, const QString& ad);

    static QString tablo(Tur tur);
    // The names of the group cards of a kind, in name order.
    static QStringList adlar(const Db& db, Tur tur);
    static QString baslik(Tur tur);
    // The code columns a group card carries, in the order the card shows them.
    static const QStringList& kodKolonlari();
    // The screen label of a code column ("Satış Kodu", ...).
    static QString etiket(const QString& kolon);

protected:
    // Name required, every filled code a posting account of the chart, a new name not taken.
    void store() override;

private:
    Db m_db;
    Tur m_tur;
};

} // namespace nimbo
