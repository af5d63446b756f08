#pragma once
#include "db/Db.h"
#include "services/CompanyParameters.h"

namespace nimbo {

class SessionContext;

// Loads every company parameter into the session, in start-up order: money format,
// PARAMETRE, company identity, posting switches, operating figures, main-form switch.
// Throws DbError.
void loadCompanyParameters(const Db& db, SessionContext& s);
// The company identity (name, address, tax office) of the branch the user chose.
void loadBranchIdentity(const Db& db, SessionContext& s);

// The single loaders, for callers that need one of them again.
void loadMoneyFormat(SessionContext& s);
void loadParametre(const Db& db, SessionContext& s);
void loadPostingSwitches(const Db& db, SessionContext& s);
void loadOperatingFigures(const Db& db, SessionContext& s);
void loadMainFormSwitches(const Db& db, SessionContext& s);

// The coded PARAMET settings as they are in the database now.
OperatingSettings readOperatingSettings(const Db& db);

} // namespace nimbo
