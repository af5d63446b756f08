#include "stock/forms/StockWindows.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerStockWindows(WindowRegistry& r)
{
}

} // namespace nimbo
