#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"

namespace nimbo {

void loadCompanyParameters(const Db& db, SessionContext& s)
{
    s.param = CompanyParameters();
}

void loadBranchIdentity(const Db& db, SessionContext& s) {}

} // namespace nimbo
