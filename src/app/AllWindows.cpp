#include "app/AllWindows.h"
#include "accounts/forms/AccountsWindows.h"
#include "finance/forms/FinanceWindows.h"
#include "ledger/forms/LedgerWindows.h"
#include "printing/forms/PrintingWindows.h"
#include "services/forms/ServicesWindows.h"
#include "session/forms/SessionWindows.h"
#include "stock/forms/SlipWindows.h"
#include "stock/forms/StockWindows.h"
#include "trade/forms/TradeWindows.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerAllWindows()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WindowRegistry& r = WindowRegistry::instance();
    registerSessionWindows(r);
    registerServicesWindows(r);
    registerPrintingWindows(r);
    registerAccountsWindows(r);
    registerStockWindows(r);
    registerFinanceWindows(r);
    registerLedgerWindows(r);
    registerSlipWindows(r);
    registerTradeWindows(r);
}

} // namespace nimbo
