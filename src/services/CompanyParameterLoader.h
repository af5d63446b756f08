#pragma once
#include "db/Db.h"

namespace nimbo {

class SessionContext;

// Loads every company parameter into the session, in start-up order. Throws DbError.
void loadCompanyParameters(const Db& db, SessionContext& s);
// The company identity (name, address, tax office) of the branch the user chose.
void loadBranchIdentity(const Db& db, SessionContext& s);

} // namespace nimbo
