#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"
#include "BenchRunner.h"

namespace nimbo::bench {

// "WITH ... G(I)" yielding 1..n, for generating rows in the database itself.
QString numbers(const Db& db, int n);
// An empty year database with the full schema, opened as the session's year connection
// (dropped first when a run before left it behind).
Db freshYear(const ConnectionParams& p);
// What a list does: run the query and read its first page (all: every row, as a print does).
qint64 readRows(const Db& db, const ListQuery& q, bool all);
// A list's first page read `reps` times, as the user waits for it when he filters again.
Timing firstPageTiming(const Db& db, const QString& what, const ListQuery& q, int reps);
// Prints the plan of a list query to stderr; on PostgreSQL the plan is executed too
// (EXPLAIN ANALYZE), so its time tells the server's share from the client's.
void explain(const Db& db, const QString& what, const ListQuery& q);
// A plain statement with its values.
void explain(const Db& db, const QString& what, const QString& sql, const Params& params = {});

// The rows one saved document wrote, per table (table, column carrying its number).
using BelgeSatirlari = QList<std::pair<QString, QList<QVariantMap>>>;
BelgeSatirlari rowsOfDocument(const Db& db, double no, const QList<std::pair<QString, QString>>& tables);
// Seconds to insert the rows of the given documents again as plain prepared inserts, one
// transaction per document, each under a new number from `firstNo` on.
double rawInsertSeconds(const Db& db, const QList<BelgeSatirlari>& documents,
                        const QList<std::pair<QString, QString>>& tables, double firstNo);

} // namespace nimbo::bench
