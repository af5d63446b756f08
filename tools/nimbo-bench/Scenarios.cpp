#include "BenchRunner.h"

namespace nimbo::bench {

void registerServicesScenarios();
void registerAccountsScenarios();
void registerStockScenarios();
void registerSlipScenarios();

// Each subsystem's scenarios are declared in its own file and registered here.
void registerAllScenarios()
{
    registerServicesScenarios();
    registerAccountsScenarios();
    registerStockScenarios();
    registerSlipScenarios();
}

} // namespace nimbo::bench
