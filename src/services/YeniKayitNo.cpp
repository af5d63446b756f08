#include "services/YeniKayitNo.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QRegularExpression>
#include <QSqlError>

namespace nimbo {

namespace {

int g_lockTimeoutMs = 1500;

QString counterConnectionName(const Db& yearDb) { return yearDb.connectionName() + QStringLiteral("_SAYAC"); }

bool sameTarget(const QSqlDatabase& a, const QSqlDatabase& b)
{
    return a.driverName() == b.driverName() && a.databaseName() == b.databaseName() && a.hostName() == b.hostName()
           && a.port() == b.port();
}

// A private connection to the same database as the year connection, kept open for reuse.
Db counterConnection(const Db& yearDb)
{
    const QString name = counterConnectionName(yearDb);
    if (QSqlDatabase::contains(name)) {
        Db existing = Db::existing(name);
        if (existing.isValid() && sameTarget(existing.sql(), yearDb.sql()))
            return existing;
        Db::close(name);
    }
    {
        QSqlDatabase clone = QSqlDatabase::cloneDatabase(yearDb.sql(), name);
        if (!clone.open()) {
            const QSqlError err = clone.lastError();
            clone = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw DbError(err);
        }
    }
    Db c = Db::existing(name);
    if (c.dialect().isSqlite())
        c.exec(QStringLiteral("PRAGMA synchronous=NORMAL")); // as the year connection: WAL, no sync per commit
    return c;
}

bool isLockConflict(const DbError& e)
{
    const QSqlError& err = e.sqlError();
    const QString code = err.nativeErrorCode();
    if (code == QLatin1String("55P03") || code == QLatin1String("40P01") || code == QLatin1String("40001"))
        return true; // lock_not_available, deadlock, serialization failure
    const QString text = err.text().toLower();
    return code == QLatin1String("5") || code == QLatin1String("6") || text.contains(QLatin1String("database is locked"))
           || text.contains(QLatin1String("lock timeout"));
}

// Hands out the stored number and stores the next one.
double advance(const Db& c, const QString& table)
{
    QSqlQuery q = c.exec(QStringLiteral("UPDATE %1 SET YENINO = COALESCE(YENINO, 1) + 1 RETURNING YENINO").arg(table));
    if (q.next())
        return q.value(0).toDouble() - 1;
    q.finish();
    c.exec(QStringLiteral("INSERT INTO %1 (YENINO) VALUES (2)").arg(table));
    return 1;
}

void runOnce(const Db& c, const std::function<void(const Db&)>& fn)
{
    const bool pg = c.dialect().isPostgres();
    if (pg) {
        c.exec(QStringLiteral("BEGIN"));
        c.exec(QStringLiteral("SET LOCAL lock_timeout = %1").arg(g_lockTimeoutMs));
    } else {
        c.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(g_lockTimeoutMs));
        c.exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    try {
        fn(c);
        c.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            c.exec(QStringLiteral("ROLLBACK"));
        } catch (const DbError&) {
        }
        throw;
    }
}

} // namespace

void setCounterLockTimeout(int ms) { g_lockTimeoutMs = qMax(1, ms); }
int counterLockTimeout() { return g_lockTimeoutMs; }

void closeCounterConnection(const Db& yearDb) { Db::close(counterConnectionName(yearDb)); }

double YeniKayitNo(const QString& counterTable) { return YeniKayitNo(SessionContext::current().db(), counterTable); }

void withCounterLock(const Db& yearDb, const std::function<void(const Db&)>& fn, bool joinOpenTransaction)
{
    if (!yearDb.isValid())
        throw UserError(QStringLiteral("Yıl veritabanı açık değil"));
    for (;;) {
        // SQLite has one writer per file: inside the caller's write transaction a second
        // connection could never get in, and nobody else can either, so the counter is
        // advanced right there.
        const bool joinCaller = (joinOpenTransaction || yearDb.dialect().isSqlite()) && yearDb.inTransaction();
        try {
            if (joinCaller)
                fn(yearDb);
            else
                runOnce(counterConnection(yearDb), fn);
            return;
        } catch (const DbError& e) {
            if (!isLockConflict(e))
                throw;
            Prompter::instance().error(
                QStringLiteral("Diğer Kullanıcı Dosyaya Yazıyor.2-3 saniye sonra OK tuşuna basın."));
        }
    }
}

double YeniKayitNo(const Db& yearDb, const QString& counterTable)
{
    // The name goes into the statement text: only counter table names pass.
    static const QRegularExpression valid(QStringLiteral("^NEW[A-Z0-9_]{1,27}$"));
    const QString table = counterTable.trimmed().toUpper();
    if (!valid.match(table).hasMatch())
        throw UserError(QStringLiteral("Geçersiz sayaç tablosu: %1").arg(counterTable));
    double number = 0;
    withCounterLock(yearDb, [&](const Db& c) { number = advance(c, table); });
    return number;
}

} // namespace nimbo
