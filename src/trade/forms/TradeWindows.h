#pragma once

namespace nimbo {

class WindowRegistry;

// The sales windows: the document list "Satış İşlemleri" (menu entry) and the entry
// window "Satış".
void registerTradeWindows(WindowRegistry& r);

} // namespace nimbo
