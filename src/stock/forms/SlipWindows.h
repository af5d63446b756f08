#pragma once

namespace nimbo {

class WindowRegistry;

// Registers the stock slip and warehouse windows with the main form's dispatch.
void registerSlipWindows(WindowRegistry& r);

} // namespace nimbo
