#pragma once
#include "db/AliasStore.h"
#include "db/Db.h"

namespace nimbo {

class SessionContext;

// The shared data module (TDataMPC): opens the year database through the session's year
// alias, finds the firm-year in the firm register, loads the company parameters and the
// shared lists. Returns false when the program must end.
class TDataMPC {
public:
    TDataMPC(SessionContext& s, AliasStore& aliases) : m_s(s), m_aliases(aliases) {}
    bool create();
    void destroy();
    Db firms() const;

private:
    SessionContext& m_s;
    AliasStore& m_aliases;
};

// The lookup-and-parameter data module (TDM1): session folders, the server's names for
// itself and the database, the parameter loaders, the initialisation script, and the
// check that the database name ends with the fiscal year. Returns false when the
// program must end.
class TDM1 {
public:
    explicit TDM1(SessionContext& s) : m_s(s) {}
    bool create();

private:
    SessionContext& m_s;
};

// Both modules in start-up order.
bool openYearDatabase(SessionContext& s, AliasStore& aliases);
void closeYearDatabase();

} // namespace nimbo
