#pragma once
#include "db/Db.h"

namespace nimbo {

// Every write runs inside one of these. It commits on commit() and rolls back when it
// goes out of scope without one (an exception escaped). Nested scopes join the outer
// transaction, so a service called from inside a save writes inside the caller's.
class DbTransaction {
public:
    explicit DbTransaction(const Db& db);
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    void commit();
    void rollback();
    bool isOuter() const { return m_outer; }

    static int depth(const QString& connectionName);

private:
    Db m_db;
    bool m_outer = false;
    bool m_done = false;
};

} // namespace nimbo
