#pragma once
#include "ledger/MuhasebeKodGrubu.h"
#include "widgets/CardWindow.h"

class QComboBox;

namespace nimbo {

// The account-code group cards: "MUHASEBE HESAP KODU GRUP KAYIT KARTI" (TFormMuhStk, items),
// "MASRAFLARIN HAZIR MUHASEBE HESAP KODU GRUP KARTI" (TFormMuhMasrf, expenses) and
// "İŞÇİLİK VE HİZMETLERİN HAZIR MUHASEBE HESAP KODU GRUP KARTI" (TFormMuhIsci, services).
// A saved group is picked from the list at the top; "Kodları Yaz" writes its codes to the
// cards it selects.
class TFormMuhGrup : public CardWindow {
    Q_OBJECT
public:
    explicit TFormMuhGrup(MuhasebeKodGrubu::Tur tur, QWidget* parent = nullptr);
    static QString sinifAdi(MuhasebeKodGrubu::Tur tur);

    // "Kodları Yaz": saves unsaved changes first, then writes the codes and tells how many
    // cards took them. False when nothing was written.
    bool kodlariYaz();
    void grupAc(const QString& ad);

protected:
    void afterSave() override;

private:
    void gruplariDoldur();

    MuhasebeKodGrubu m_kart;
    MuhasebeKodGrubu::Tur m_tur;
    QComboBox* m_gruplar;
};

} // namespace nimbo
