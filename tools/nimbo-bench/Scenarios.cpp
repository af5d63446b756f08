#include "BenchRunner.h"

namespace nimbo::bench {

void registerServicesScenarios();

// Each subsystem's scenarios are declared in its own file and registered here.
void registerAllScenarios()
{
    registerServicesScenarios();
}

} // namespace nimbo::bench
