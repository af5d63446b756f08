#pragma once

namespace nimbo {

// Every subsystem's windows, registered once at program start.
void registerAllWindows();

} // namespace nimbo
