#pragma once
#include "db/Db.h"

namespace nimbo {

// One statement prepared once and executed many times with new values, e.g. a line writer:
//   DbStatement ins = db.prepare("INSERT INTO STOKHRK (STOK_NO, MIKTAR) VALUES (:s, :m)");
//   for (const Line& l : lines) ins.exec({{"s", l.stokNo}, {"m", l.miktar}});
// On PostgreSQL it is prepared on the server once instead of per row. Keys with or without
// the colon. Use it inside the caller's DbTransaction like any other write.
class DbStatement {
public:
    DbStatement(const Db& db, const QString& sql);

    // Binds and runs; returns the rows affected.
    int exec(const Params& params = {});
    // Binds and runs a read; every row read before it returns.
    QVector<QSqlRecord> records(const Params& params = {});
    // The same rows as column (upper case) -> value.
    QList<QVariantMap> rowMaps(const Params& params = {});
    const QString& sql() const { return m_sql; }

private:
    void run(const Params& params);

    Db m_db;
    QString m_sql;
    QSqlQuery m_query;
    int m_generation = 0;
};

} // namespace nimbo
