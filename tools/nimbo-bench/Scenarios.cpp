#include "BenchRunner.h"

namespace nimbo::bench {

void registerDbScenarios();
void registerServicesScenarios();
void registerAccountsScenarios();
void registerStockScenarios();
void registerStatementScenarios();
void registerLedgerScenarios();
void registerPostingScenarios();
void registerTradePostingScenarios();
void registerBankScenarios();
void registerBankPostingScenarios();
void registerMailScenarios();
void registerSlipScenarios();
void registerSalesScenarios();
void registerPurchaseScenarios();
void registerFinanceScenarios();
void registerFinanceListScenarios();
void registerSalesListScenarios();

// Each subsystem's scenarios are declared in its own file and registered here.
void registerAllScenarios()
{
    registerDbScenarios();
    registerServicesScenarios();
    registerAccountsScenarios();
    registerStockScenarios();
    registerStatementScenarios();
    registerLedgerScenarios();
    registerPostingScenarios();
    registerTradePostingScenarios();
    registerBankScenarios();
    registerBankPostingScenarios();
    registerMailScenarios();
    registerSlipScenarios();
    registerSalesScenarios();
    registerPurchaseScenarios();
    registerFinanceScenarios();
    registerFinanceListScenarios();
    registerSalesListScenarios();
}

} // namespace nimbo::bench
