#include "services/forms/ServicesWindows.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerServicesWindows(WindowRegistry& r)
{
}

} // namespace nimbo
