#include "finance/forms/FinanceWindows.h"
#include "finance/forms/TFormKasaBr.h"
#include "finance/forms/TFormKasaSakla.h"
#include "services/SessionContext.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerFinanceWindows(WindowRegistry& r)
{
    r.add({QStringLiteral("Kasa Tanımları"), QStringLiteral("TFormKasaBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormKasaBr(p); }});
    // Opened from the list; by name alone it shows the first desk.
    r.add({QStringLiteral("Kasa Tanım Kayıt"), QStringLiteral("TFormKasaSakla"),
           [](QWidget* p, const WindowArgs&) -> QWidget* {
               const QString kod = toText(SessionContext::current().db().scalar(
                   QStringLiteral("SELECT MIN(KASAKOD) FROM KASA WHERE KASAKOD<>'PK'")));
               return new TFormKasaSakla(kod, p);
           },
           true});
}

} // namespace nimbo
