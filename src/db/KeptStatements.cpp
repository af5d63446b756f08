#include "db/KeptStatements.h"
#include "db/ConnectionState.h"

#include <QSqlError>

namespace nimbo {

namespace {

// Distinct statements beyond what a session runs over and over (filters assembled from
// the user's fields): start afresh rather than grow.
const int kMaxKept = 400;

QStringView firstWord(const QString& sql)
{
    const QStringView v = QStringView(sql).trimmed();
    qsizetype n = 0;
    while (n < v.size() && v[n].isLetter())
        ++n;
    return v.left(n);
}

bool startsWithOneOf(const QString& sql, std::initializer_list<const char*> words)
{
    const QStringView w = firstWord(sql);
    for (const char* k : words)
        if (w.compare(QLatin1String(k), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

bool KeptStatements::worthKeeping(const QString& sql)
{
    return startsWithOneOf(sql, {"SELECT", "INSERT", "UPDATE", "DELETE", "WITH"});
}

bool KeptStatements::changesSchema(const QString& sql) { return startsWithOneOf(sql, {"CREATE", "ALTER", "DROP"}); }

QSqlQuery& KeptStatements::of(const Db& db, const QString& sql)
{
    db.ensureUsable();
    ConnectionState& st = ConnectionState::of(db.connectionName());
    auto it = st.statements.find(sql);
    if (it != st.statements.end())
        return *it;
    QSqlQuery q(db.sql());
    q.setForwardOnly(!db.dialect().isPostgres());
    if (!q.prepare(sql))
        db.fail(q.lastError(), sql);
    if (st.statements.size() >= kMaxKept)
        st.statements.clear();
    return *st.statements.insert(sql, q);
}

} // namespace nimbo
