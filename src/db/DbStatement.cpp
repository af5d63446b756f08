#include "db/DbStatement.h"
#include "db/ConnectionState.h"
#include "db/SqlValues.h"

#include <QSqlError>

namespace nimbo {

DbStatement::DbStatement(const Db& db, const QString& sql) : m_db(db), m_sql(sql), m_query(db.sql())
{
    db.ensureUsable();
    m_query.setForwardOnly(!db.dialect().isPostgres());
    if (!m_query.prepare(sql))
        db.fail(m_query.lastError(), sql);
    m_generation = ConnectionState::of(db.connectionName()).generation;
}

void DbStatement::run(const Params& params)
{
    if (ConnectionState::of(m_db.connectionName()).generation != m_generation) {
        // The connection was reopened: the server forgot the prepared statement.
        m_db.ensureUsable();
        m_query = QSqlQuery(m_db.sql());
        m_query.setForwardOnly(!m_db.dialect().isPostgres());
        if (!m_query.prepare(m_sql))
            m_db.fail(m_query.lastError(), m_sql);
        m_generation = ConnectionState::of(m_db.connectionName()).generation;
    }
    for (auto it = params.begin(); it != params.end(); ++it)
        m_query.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(),
                          it.value());
    if (!m_query.exec())
        m_db.fail(m_query.lastError(), m_sql);
}

int DbStatement::exec(const Params& params)
{
    run(params);
    const int n = m_query.numRowsAffected();
    m_query.finish();
    return n;
}

QVector<QSqlRecord> DbStatement::records(const Params& params)
{
    run(params);
    QVector<QSqlRecord> out;
    while (m_query.next())
        out.push_back(m_query.record());
    m_query.finish();
    return out;
}

QList<QVariantMap> DbStatement::rowMaps(const Params& params)
{
    run(params);
    QList<QVariantMap> out = readRowMaps(m_query);
    m_query.finish();
    return out;
}

} // namespace nimbo
