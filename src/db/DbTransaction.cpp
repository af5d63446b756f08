#include "db/DbTransaction.h"
#include "db/Errors.h"

#include <QHash>
#include <QSqlError>

namespace nimbo {

namespace {
QHash<QString, int>& depths()
{
    static QHash<QString, int> d;
    return d;
}
} // namespace

int DbTransaction::depth(const QString& connectionName) { return depths().value(connectionName); }

DbTransaction::DbTransaction(const Db& db) : m_db(db)
{
    int& d = depths()[db.connectionName()];
    m_outer = (d == 0);
    if (m_outer) {
        QSqlDatabase s = db.sql();
        // SQLite: take the write lock up front so two writers wait on the busy timeout
        // instead of failing half-way with a lock upgrade error.
        if (db.dialect().isSqlite())
            db.exec(QStringLiteral("BEGIN IMMEDIATE"));
        else if (!s.transaction())
            throw DbError(s.lastError(), QStringLiteral("BEGIN"));
    }
    ++d;
}

DbTransaction::~DbTransaction()
{
    if (!m_done) {
        try {
            rollback();
        } catch (...) {
        }
    }
}

void DbTransaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    int& d = depths()[m_db.connectionName()];
    --d;
    if (!m_outer)
        return;
    if (m_db.dialect().isSqlite()) {
        m_db.exec(QStringLiteral("COMMIT"));
    } else {
        QSqlDatabase s = m_db.sql();
        if (!s.commit())
            throw DbError(s.lastError(), QStringLiteral("COMMIT"));
    }
}

void DbTransaction::rollback()
{
    if (m_done)
        return;
    m_done = true;
    int& d = depths()[m_db.connectionName()];
    --d;
    if (!m_outer)
        return; // the outer scope decides
    if (m_db.dialect().isSqlite()) {
        QSqlQuery q(m_db.sql());
        q.exec(QStringLiteral("ROLLBACK"));
    } else {
        QSqlDatabase s = m_db.sql();
        s.rollback();
    }
}

} // namespace nimbo
