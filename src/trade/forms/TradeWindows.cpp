#include "trade/forms/TradeWindows.h"
#include "trade/SatisBelgesi.h"
#include "trade/SatisListesi.h"
#include "services/SessionContext.h"
#include "trade/forms/TFormAlisA.h"
#include "trade/forms/TFormAlisBak.h"
#include "trade/forms/TFormSatisA.h"
#include "trade/forms/TFormSatisBak.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerTradeWindows(WindowRegistry& r)
{
    // The sales list lives for the whole session, created hidden after login: the saved
    // sales are opened, corrected and deleted through it, and its filters stay as left.
    WindowEntry satislar{QStringLiteral("Satış İşlemleri"), QStringLiteral("TFormSatisBak"),
                         [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormSatisBak(p); }};
    satislar.resident = true;
    r.add(satislar);
    // Opened by name alone the entry window shows the latest sale (a new one when there is none).
    r.add({QStringLiteral("Satış"), QStringLiteral("TFormSatisA"), [](QWidget* p, const WindowArgs& a) -> QWidget* {
               SatisBelgesi::acilisDenetimi(SessionContext::current());
               double no = a.value(QStringLiteral("SATIS_NO")).toDouble();
               if (no <= 0)
                   no = SatisListesi::sonBelgeNo(SessionContext::current().db(), TicariTaraf::satis());
               return new TFormSatisA(no > 0 ? no : -1, false, p);
           }});
    r.add({QStringLiteral("Alış İşlemleri"), QStringLiteral("TFormAlisBak"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormAlisBak(p); }});
    r.add({QStringLiteral("Alış"), QStringLiteral("TFormAlisA"), [](QWidget* p, const WindowArgs& a) -> QWidget* {
               double no = a.value(QStringLiteral("ALIS_NO")).toDouble();
               if (no <= 0)
                   no = SatisListesi::sonBelgeNo(SessionContext::current().db(), TicariTaraf::alis());
               return new TFormAlisA(no > 0 ? no : -1, false, p);
           }});
}

} // namespace nimbo
