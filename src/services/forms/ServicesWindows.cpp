#include "services/forms/ServicesWindows.h"
#include "services/SessionContext.h"
#include "services/forms/TFormDoviz.h"
#include "services/forms/TFormDovizBr.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerServicesWindows(WindowRegistry& r)
{
    WindowEntry rates;
    rates.caption = QStringLiteral("Döviz Kurları");
    rates.className = QStringLiteral("TFormDoviz");
    rates.create = [](QWidget* parent, const WindowArgs&) -> QWidget* { return new TFormDoviz(SessionContext::current().db(), parent); };
    r.add(rates);

    WindowEntry currencies;
    currencies.caption = QStringLiteral("Döviz Tanımları");
    currencies.className = QStringLiteral("TFormDovizBr");
    currencies.create = [](QWidget* parent, const WindowArgs&) -> QWidget* {
        return new TFormDovizBr(SessionContext::current().db(), parent);
    };
    r.add(currencies);
}

} // namespace nimbo
