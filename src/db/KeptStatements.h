#pragma once
#include "db/Db.h"

namespace nimbo {

// Statements kept prepared on their connection, by their text, for the next run: a save
// runs the same few dozen statements every time, and PostgreSQL would otherwise prepare,
// execute and deallocate each one (three round trips instead of one). The statements of
// a connection are dropped when its schema changes, when it is reopened or closed.
class KeptStatements {
public:
    // The prepared statement of that text on the connection, prepared on first use.
    // Bind, exec() and finish() it before the next statement of the same text runs.
    static QSqlQuery& of(const Db& db, const QString& sql);
    // Reads and writes are kept; DDL and session commands (PRAGMA, SET, BEGIN) are not.
    static bool worthKeeping(const QString& sql);
    static bool changesSchema(const QString& sql);
};

} // namespace nimbo
