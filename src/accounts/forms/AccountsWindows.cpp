#include "accounts/forms/AccountsWindows.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerAccountsWindows(WindowRegistry& r)
{
}

} // namespace nimbo
