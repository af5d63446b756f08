#include "db/RowStream.h"
#include "db/Errors.h"
#include "db/SqliteExtensions.h"

#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace nimbo {

namespace {
QSqlError sqliteError(sqlite3* h)
{
    return QSqlError(QStringLiteral("RowStream"), QString::fromUtf8(sqlite3_errmsg(h)), QSqlError::StatementError,
                     QString::number(sqlite3_errcode(h)));
}
} // namespace

void RowStream::read(const Db& db, const QString& sql, const std::function<void(const RowStream&)>& row)
{
    sqlite3* h = db.dialect().isSqlite() ? SqliteExtensions::handle(db.sql()) : nullptr;
    RowStream r;
    if (!h) {
        QSqlQuery q = db.exec(sql);
        r.m_query = &q;
        while (q.next())
            row(r);
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(h, text.constData(), int(text.size()), &r.m_stmt, nullptr) != SQLITE_OK)
        throw DbError(sqliteError(h), sql);
    struct Finalize {
        sqlite3_stmt* s;
        ~Finalize() { sqlite3_finalize(s); }
    } finalize{r.m_stmt};
    int rc;
    while ((rc = sqlite3_step(r.m_stmt)) == SQLITE_ROW)
        row(r);
    if (rc != SQLITE_DONE)
        throw DbError(sqliteError(h), sql);
}

QString RowStream::text(int column) const
{
    if (m_query)
        return toText(m_query->value(column));
    const auto* s = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    qsizetype n = sqlite3_column_bytes(m_stmt, column);
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return QString::fromUtf8(s, n);
}

double RowStream::number(int column) const
{
    if (m_query)
        return m_query->value(column).toDouble();
    return sqlite3_column_double(m_stmt, column);
}

} // namespace nimbo
