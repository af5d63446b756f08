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
    rates.create = [](QWidget* parent) -> QWidget* { return new TFormDoviz(SessionContext::current().db(), parent); };
    rates.rightColumn = QStringLiteral("DOVIZ");
    rates.rightTest = WindowEntry::RightTest::ViewOrFull;
    r.add(rates);

    WindowEntry currencies;
    currencies.caption = QStringLiteral("Döviz Tanımları");
    currencies.className = QStringLiteral("TFormDovizBr");
    currencies.create = [](QWidget* parent) -> QWidget* {
        return new TFormDovizBr(SessionContext::current().db(), parent);
    };
    currencies.rightColumn = QStringLiteral("DOVIZ");
    currencies.rightTest = WindowEntry::RightTest::ViewOrFull;
    r.add(currencies);
}

} // namespace nimbo
