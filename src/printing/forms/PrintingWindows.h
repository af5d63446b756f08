#pragma once

namespace nimbo {

class WindowRegistry;

// Registers the windows of this subsystem with the main form's dispatch.
void registerPrintingWindows(WindowRegistry& r);

} // namespace nimbo
