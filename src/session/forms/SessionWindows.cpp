#include "session/forms/SessionWindows.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerSessionWindows(WindowRegistry& r)
{
}

} // namespace nimbo
