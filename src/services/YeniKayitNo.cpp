#include "services/YeniKayitNo.h"
#include "db/DbTransaction.h"
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

// Hands out the stored number (and the count - 1 after it) and stores the next one.
double advance(const Db& c, const QString& table, int count = 1)
{
    const Params n{{QStringLiteral("n"), count}};
    const QVariant next =
        c.scalar(QStringLiteral("UPDATE %1 SET YENINO = COALESCE(YENINO, 1) + :n RETURNING YENINO").arg(table), n);
    if (next.isValid())
        return next.toDouble() - count;
    c.exec(QStringLiteral("INSERT INTO %1 (YENINO) VALUES (1 + :n)").arg(table), n);
    return 1;
}

// The counter stands at least past the number handed out (a rollback may have set it back).
void keepPast(const Db& c, const QString& table, double handedOut)
{
    const Params p{{QStringLiteral("n"), handedOut + 1}};
    if (c.execAffected(QStringLiteral("UPDATE %1 SET YENINO = :n WHERE COALESCE(YENINO, 1) < :n").arg(table), p) == 0
        && !c.any(QStringLiteral("SELECT 1 FROM %1").arg(table)))
        c.exec(QStringLiteral("INSERT INTO %1 (YENINO) VALUES (:n)").arg(table), p);
}

// SQLite has one writer per file: inside the caller's write transaction no second connection
// can get in (nor can anybody else), so the counter is advanced right there, and the advance
// is replayed should the caller roll back, before the write lock is let go.
double advanceInCallersTransaction(const Db& c, const QString& table, int count = 1)
{
    const double number = advance(c, table, count);
    const double last = number + count - 1;
    DbTransaction::keepOnRollback(c, [table, last](const Db& d) { keepPast(d, table, last); });
    return number;
}

double takeOnce(const Db& c, const QString& table)
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
        const double number = advance(c, table);
        c.exec(QStringLiteral("COMMIT"));
        return number;
    } catch (...) {
        try {
            c.exec(QStringLiteral("ROLLBACK"));
        } catch (const DbError&) {
        }
        throw;
    }
}

// fn in a short transaction of its own on the counter connection, under the lock timeout.
void runOnce(const Db& c, const std::function<void(const Db&)>& fn)
{
    if (c.dialect().isPostgres()) {
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

void withCounterLock(const Db& yearDb, const std::function<void(const Db&)>& fn, bool joinOpenTransaction)
{
    if (!yearDb.isValid())
        throw UserError(QStringLiteral("Yıl veritabanı açık değil"));
    for (;;) {
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

void setCounterLockTimeout(int ms) { g_lockTimeoutMs = qMax(1, ms); }
int counterLockTimeout() { return g_lockTimeoutMs; }

void closeCounterConnection(const Db& yearDb) { Db::close(counterConnectionName(yearDb)); }

double YeniKayitNo(const QString& counterTable) { return YeniKayitNo(SessionContext::current().db(), counterTable); }

namespace {
// The name goes into the statement text: only counter table names pass.
QString counterName(const QString& counterTable)
{
    static const QRegularExpression valid(QStringLiteral("^NEW[A-Z0-9_]{1,27}$"));
    const QString table = counterTable.trimmed().toUpper();
    if (!valid.match(table).hasMatch())
        throw UserError(QStringLiteral("Geçersiz sayaç tablosu: %1").arg(counterTable));
    return table;
}
} // namespace

QList<double> YeniKayitNolari(const Db& yearDb, const QList<SayacIstegi>& istekler)
{
    QList<std::pair<QString, int>> sayaclar;
    for (const SayacIstegi& i : istekler)
        sayaclar << std::pair{counterName(i.tablo), qMax(1, i.adet)};
    if (!yearDb.isValid())
        throw UserError(QStringLiteral("Yıl veritabanı açık değil"));
    QList<double> out;
    if (yearDb.dialect().isSqlite() && yearDb.inTransaction()) {
        for (const auto& [t, n] : sayaclar)
            out << advanceInCallersTransaction(yearDb, t, n);
        return out;
    }
    withCounterLock(yearDb, [&](const Db& c) {
        out.clear();
        for (const auto& [t, n] : sayaclar)
            out << advance(c, t, n);
    });
    return out;
}

double YeniKayitNo(const Db& yearDb, const QString& counterTable)
{
    const QString table = counterName(counterTable);
    if (!yearDb.isValid())
        throw UserError(QStringLiteral("Yıl veritabanı açık değil"));
    for (;;) {
        const bool joinCaller = yearDb.dialect().isSqlite() && yearDb.inTransaction();
        const Db c = joinCaller ? yearDb : counterConnection(yearDb);
        try {
            return joinCaller ? advanceInCallersTransaction(c, table) : takeOnce(c, table);
        } catch (const DbError& e) {
            if (!isLockConflict(e))
                throw;
            Prompter::instance().error(
                QStringLiteral("Diğer Kullanıcı Dosyaya Yazıyor.2-3 saniye sonra OK tuşuna basın."));
        }
    }
}

} // namespace nimbo
