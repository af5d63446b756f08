#pragma once

namespace nimbo {

class WindowRegistry;

// Registers the windows of this subsystem with the main form's dispatch.
void registerServicesWindows(WindowRegistry& r);

} // namespace nimbo
