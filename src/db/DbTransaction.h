#pragma once
#include "db/Db.h"

#include <functional>

namespace nimbo {

// Every write runs inside one of these. It commits on commit() and rolls back when it
// goes out of scope without one (an exception escaped).
//
// A scope opened inside another is a savepoint: its rollback undoes exactly what ran in it
// and leaves the outer transaction usable (also on PostgreSQL, where a failed statement
// otherwise poisons the rest of the transaction), its commit keeps its work for the outer
// scope to commit or roll back. To go on after an expected database error inside a save,
// run the statement in an inner scope and catch the error outside it.
// A statement that failed on PostgreSQL outside any inner scope makes the outer commit
// throw instead of reporting a commit that wrote nothing. A failed commit rolls back.
//
// A service that only needs to be inside some transaction (one row per call, called many
// times within a document save) joins the caller's instead: no savepoint is set (a
// PostgreSQL transaction with many subtransactions slows every session down), and a
// rollback of the joined scope marks the whole transaction to fail at its commit.
class DbTransaction {
public:
    enum class Nesting { Savepoint, Join };
    explicit DbTransaction(const Db& db, Nesting nesting = Nesting::Savepoint);
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    void commit();
    void rollback();
    bool isOuter() const { return m_depth == 1; }

    static int depth(const QString& connectionName);

    // Runs a write now and again after any rollback of the scopes open on the connection,
    // before their locks are released (a counter number handed out stays used up). Outside
    // a transaction it simply runs.
    static void keepOnRollback(const Db& db, const std::function<void(const Db&)>& write);

private:
    void replayKept();
    void finish();

    Db m_db;
    int m_depth = 0;
    int m_generation = 0;
    QString m_savepoint;
    bool m_joined = false;
    bool m_done = false;
};

} // namespace nimbo
