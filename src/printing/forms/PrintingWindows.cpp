#include "printing/forms/PrintingWindows.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerPrintingWindows(WindowRegistry& r)
{
}

} // namespace nimbo
