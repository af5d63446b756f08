#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

namespace nimbo::bench {

// "WITH ... G(I)" yielding 1..n, for generating rows in the database itself.
QString numbers(const Db& db, int n);
// An empty year database with the full schema, opened as the session's year connection
// (dropped first when a run before left it behind).
Db freshYear(const ConnectionParams& p);
// What a list does: run the query and read its first page (all: every row, as a print does).
qint64 readRows(const Db& db, const ListQuery& q, bool all);
// Prints the plan of a list query to stderr; on PostgreSQL the plan is executed too
// (EXPLAIN ANALYZE), so its time tells the server's share from the client's.
void explain(const Db& db, const QString& what, const ListQuery& q);

} // namespace nimbo::bench
