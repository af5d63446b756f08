#pragma once

namespace nimbo {

class WindowRegistry;
void registerFinanceWindows(WindowRegistry& r);

} // namespace nimbo
