#pragma once
#include "db/Db.h"

#include <functional>

struct sqlite3_stmt;

namespace nimbo {

// A read of tens of thousands of rows that the caller folds into its own structure at once
// (every code's balance): each row is handed over as it comes and its values are read
// straight from the engine. On SQLite that skips the QVariant Qt's driver builds for every
// value of every row, which costs more than the query; on PostgreSQL the rows come through
// Qt's driver, read whole. The statement is read through and closed before read() returns.
class RowStream {
public:
    static void read(const Db& db, const QString& sql, const std::function<void(const RowStream&)>& row);

    QString text(int column) const; // trailing blanks removed, as toText()
    double number(int column) const; // null as 0

private:
    sqlite3_stmt* m_stmt = nullptr;
    const QSqlQuery* m_query = nullptr;
};

} // namespace nimbo
