#include "stock/forms/SlipWindows.h"
#include "services/SessionContext.h"
#include "stock/forms/TFormDepoBr.h"
#include "stock/forms/TFormDepoSakla.h"
#include "stock/forms/TFormDepoStoklari.h"
#include "stock/forms/TFormStkFis.h"
#include "stock/forms/TFormStokDepoHareketleri.h"
#include "stock/forms/TFormStokFisBak.h"
#include "widgets/WindowRegistry.h"
#include "stock/StockItems.h"
#include "stock/Depolar.h"

namespace nimbo {

void registerSlipWindows(WindowRegistry& r)
{
    r.add({QStringLiteral("Stok Fişleri"), QStringLiteral("TFormStokFisBak"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormStokFisBak(p); }});
    r.add({QStringLiteral("Depo Tanımları"), QStringLiteral("TFormDepoBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormDepoBr(p); }});
    r.add({QStringLiteral("Depo Stokları"), QStringLiteral("TFormDepoStoklari"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormDepoStoklari(p); }});

    // Not menu entries: the lists open these. By name alone the slip form starts a new
    // opening slip, the card shows the first warehouse and the history the first item that
    // moved (or the item given as "STOK_NO").
    auto db = [] { return SessionContext::current().db(); };
    r.add({QStringLiteral("Stok Fişi Kayıt Formu"), QStringLiteral("TFormStkFis"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormStkFis(0, QStringLiteral("D"), p); },
           true});
    r.add({QStringLiteral("Depo Kartı"), QStringLiteral("TFormDepoSakla"),
           [db](QWidget* p, const WindowArgs&) -> QWidget* {
               return new TFormDepoSakla(Depolar(db()).ilkDepo(), p);
           },
           true});
    r.add({QStringLiteral("Stok Depo Hareketleri"), QStringLiteral("TFormStokDepoHareketleri"),
           [db](QWidget* p, const WindowArgs& a) -> QWidget* {
               const double stokNo = a.contains(QStringLiteral("STOK_NO"))
                                         ? a.value(QStringLiteral("STOK_NO")).toDouble()
                                         : StockItems::ilkStokNo(db(), true);
               return new TFormStokDepoHareketleri(stokNo, p);
           },
           true});
}

} // namespace nimbo
