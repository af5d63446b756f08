#include "BenchRunner.h"

namespace nimbo::bench {

// Each subsystem's scenarios are declared in its own file and registered here.
void registerAllScenarios() {}

} // namespace nimbo::bench
