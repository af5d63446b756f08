#pragma once
#include "db/Db.h"
#include "widgets/CardModel.h"

namespace nimbo::bench {

// "WITH ... G(I)" yielding 1..n, for generating rows in the database itself.
QString numbers(const Db& db, int n);
// An empty year database with the full schema, opened as the session's year connection
// (dropped first when a run before left it behind).
Db freshYear(const ConnectionParams& p);
// What a list window does: runs the query and reads up to `limit` rows.
qint64 readRows(const Db& db, const ListQuery& q, qint64 limit);
// Prints the plan of a list query to stderr; on PostgreSQL the plan is executed too
// (EXPLAIN ANALYZE), so its time tells the server's share from the client's.
void explain(const Db& db, const QString& what, const ListQuery& q);

} // namespace nimbo::bench
