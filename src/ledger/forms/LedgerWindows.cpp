#include "ledger/forms/LedgerWindows.h"
#include "ledger/FisListesi.h"
#include "ledger/MuhasebeKurulumu.h"
#include "ledger/TDMuh.h"
#include "ledger/forms/TFormFis.h"
#include "ledger/forms/TFormFisBr.h"
#include "ledger/forms/TFormFisDok.h"
#include "ledger/forms/TFormHesap.h"
#include "ledger/forms/TFormHspAylik.h"
#include "ledger/forms/TFormHspBr.h"
#include "ledger/forms/TFormHspEkstre.h"
#include "ledger/forms/TFormMizan.h"
#include "ledger/forms/TFormMuhGrup.h"
#include "ledger/forms/TFormTopluMuh.h"
#include "services/SessionContext.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>

namespace nimbo {

namespace {
double sonFis() { return FisListesi::sonFisNo(SessionContext::current().db()); }
} // namespace

void registerLedgerWindows(WindowRegistry& r)
{
    r.add({QStringLiteral("Hesap Planı"), QStringLiteral("TFormHspBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormHspBr(p); }});
    r.add({QStringLiteral("Hesap Kodları Tanımı"), QStringLiteral("TFormHesap"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormHesap({}, true, p); }, true});
    r.add({QStringLiteral("Hesap Aylık Dökümü"), QStringLiteral("TFormHspAylik"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormHspAylik({}, p); }});
    r.add({QStringLiteral("Muhasebe Fişleri"), QStringLiteral("TFormFisBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormFisBr(p); }});
    r.add({QStringLiteral("Muhasebe Fişi"), QStringLiteral("TFormFis"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormFis(0, false, p); }, true});
    r.add({QStringLiteral("Muhasebe Fişi Görüntüleme"), QStringLiteral("TFormFisBak"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormFis(sonFis(), true, p); }, true});
    r.add({QStringLiteral("Mizan"), QStringLiteral("TFormMizan"), [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormMizan(p); }});
    r.add({QStringLiteral("Hesap Ekstresi"), QStringLiteral("TFormHspEkstre"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormHspEkstre({}, p); }});
    r.add({QStringLiteral("Fiş Dökumleri"), QStringLiteral("TFormFisDok"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormFisDok(sonFis(), p); }, true});

    r.add({QStringLiteral("Toplu Muhasebeleştirme"), QStringLiteral("TFormTopluMuh"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormTopluMuh(p); }});

    for (const auto tur : {MuhasebeKodGrubu::Tur::Stok, MuhasebeKodGrubu::Tur::Masraf, MuhasebeKodGrubu::Tur::Hizmet})
        r.add({MuhasebeKodGrubu::baslik(tur), TFormMuhGrup::sinifAdi(tur),
               [tur](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormMuhGrup(tur, p); }});

    muhasebeyiKur();
    TDMuh::fisGoruntuleyici() = [](QChar tur, double belgeNo) {
        const double fisNo = FisListesi::belgeFisNo(SessionContext::current().db(), tur, belgeNo);
        if (fisNo > 0)
            TFormFis(fisNo, true, QApplication::activeWindow()).exec();
    };
}

} // namespace nimbo
