#include "db/DbTransaction.h"
#include "db/ConnectionState.h"
#include "db/Errors.h"

#include <QSqlError>

namespace nimbo {

namespace {
// The whole body of an outer SQLite transaction; rolling back to it keeps the write lock,
// so writes kept on rollback are replayed before anybody else can write.
const QString kBody = QStringLiteral("NIMBO_GOVDE");

ConnectionState& stateOf(const Db& db) { return ConnectionState::of(db.connectionName()); }
} // namespace

int DbTransaction::depth(const QString& connectionName) { return ConnectionState::of(connectionName).depth; }

DbTransaction::DbTransaction(const Db& db, Nesting nesting) : m_db(db)
{
    db.ensureUsable();
    ConnectionState& st = stateOf(db);
    if (st.depth == 0) {
        // SQLite: take the write lock up front so two writers wait on the busy timeout
        // instead of failing half-way with a lock upgrade error.
        if (db.dialect().isSqlite()) {
            db.exec(QStringLiteral("BEGIN IMMEDIATE"));
            try {
                db.exec(QStringLiteral("SAVEPOINT ") + kBody);
            } catch (...) {
                QSqlQuery(db.sql()).exec(QStringLiteral("ROLLBACK"));
                throw;
            }
        } else {
            db.exec(QStringLiteral("BEGIN"));
        }
        st.aborted = false;
        st.rollbackOnly = false;
        st.keep.clear();
    } else if (nesting == Nesting::Join) {
        m_joined = true;
    } else {
        m_savepoint = QStringLiteral("NIMBO_SP%1").arg(++st.nextSavepoint);
        db.exec(QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    m_depth = ++st.depth;
    m_generation = st.generation;
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

void DbTransaction::finish()
{
    m_done = true;
    ConnectionState& st = stateOf(m_db);
    st.depth = m_depth - 1;
    if (st.depth == 0)
        st.nextSavepoint = 0;
}

void DbTransaction::commit()
{
    if (m_done)
        return;
    ConnectionState& st = stateOf(m_db);
    if (st.generation != m_generation || st.lost) {
        finish();
        throw DbError(QSqlError(connectionLostMessage(), QString(), QSqlError::ConnectionError, QStringLiteral("08003")),
                      QStringLiteral("COMMIT"));
    }
    if (m_joined) {
        finish();
        return;
    }
    if (!isOuter()) {
        m_db.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
        for (ConnectionState::KeepAction& k : st.keep)
            k.depth = qMin(k.depth, m_depth - 1);
        finish();
        return;
    }
    if (st.aborted || st.rollbackOnly) {
        // PostgreSQL would answer COMMIT with a silent ROLLBACK; a joined scope gave up.
        rollback();
        throw DbError(QSqlError(QStringLiteral("İşlem yarıda kalan bir hata yüzünden geri alındı."), QString(),
                                QSqlError::TransactionError, QStringLiteral("25P02")),
                      QStringLiteral("COMMIT"));
    }
    try {
        m_db.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        // A commit that failed must not leave the transaction open behind the caller
        // (PostgreSQL has already ended it).
        if (m_db.dialect().isPostgres()) {
            st.keep.clear();
            st.aborted = st.rollbackOnly = false;
            finish();
        } else {
            rollback();
        }
        throw;
    }
    st.keep.clear();
    finish();
}

void DbTransaction::replayKept()
{
    ConnectionState& st = stateOf(m_db);
    const QVector<ConnectionState::KeepAction> all = st.keep;
    st.keep.clear();
    for (const ConnectionState::KeepAction& k : all) {
        if (k.depth >= m_depth)
            k.run(m_db);
        st.keep.push_back({qMin(k.depth, m_depth - 1), k.run});
    }
}

void DbTransaction::rollback()
{
    if (m_done)
        return;
    ConnectionState& st = stateOf(m_db);
    if (st.generation != m_generation || st.lost) {
        finish(); // the server ended the transaction with the connection
        return;
    }
    if (m_joined) {
        st.rollbackOnly = true;
        finish();
        return;
    }
    QSqlQuery q(m_db.sql());
    if (!isOuter()) {
        q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_savepoint);
        q.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
        st.aborted = false;
        try {
            replayKept();
        } catch (...) {
            finish();
            throw;
        }
        finish();
        return;
    }
    if (!st.keep.isEmpty()) {
        if (m_db.dialect().isSqlite()) {
            q.exec(QStringLiteral("ROLLBACK TO ") + kBody);
        } else {
            q.exec(QStringLiteral("ROLLBACK"));
            q.exec(QStringLiteral("BEGIN"));
        }
        try {
            replayKept();
            m_db.exec(QStringLiteral("COMMIT"));
        } catch (...) {
            q.exec(QStringLiteral("ROLLBACK"));
            st.keep.clear();
            finish();
            throw;
        }
    } else {
        q.exec(QStringLiteral("ROLLBACK"));
    }
    st.keep.clear();
    st.aborted = false;
    st.rollbackOnly = false;
    finish();
}

void DbTransaction::keepOnRollback(const Db& db, const std::function<void(const Db&)>& write)
{
    write(db);
    ConnectionState& st = stateOf(db);
    if (st.depth > 0)
        st.keep.push_back({st.depth, write});
}

} // namespace nimbo
