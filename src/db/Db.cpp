#include "db/Db.h"
#include "db/SqlValues.h"
#include "db/AliasStore.h"
#include "db/ConnectionState.h"
#include "db/DbLog.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/KeptStatements.h"
#include "db/SqliteExtensions.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QFile>
#include <QSqlError>
#include <QTimeZone>
#include <QUuid>

namespace nimbo {

namespace {
QString g_pgNamespace;
DbTimeouts g_timeouts;

void splitHostPort(const QString& server, QString& host, int& port)
{
    host = server.trimmed();
    port = 5432;
    const int colon = host.lastIndexOf(QLatin1Char(':'));
    if (colon > 0) {
        bool ok = false;
        const int p = host.mid(colon + 1).toInt(&ok);
        if (ok) {
            port = p;
            host = host.left(colon);
        }
    }
    if (host.isEmpty())
        host = QStringLiteral("127.0.0.1");
}

QSqlDatabase configurePg(const QString& connectionName, const ConnectionParams& p, const QString& dbName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    QString host;
    int port = 5432;
    splitHostPort(p.server, host, port);
    db.setHostName(host);
    db.setPort(port);
    db.setDatabaseName(dbName);
    db.setUserName(p.user.isEmpty() ? QStringLiteral("NIMB") : p.user);
    db.setPassword(p.password);
    db.setConnectOptions(QStringLiteral("connect_timeout=3"));
    return db;
}

QString bindKey(const QString& k) { return k.startsWith(QLatin1Char(':')) ? k : QLatin1Char(':') + k; }

// Runs a statement kept prepared on the connection.
QSqlQuery& runKept(const Db& db, const QString& sql, const Params& params)
{
    QSqlQuery& q = KeptStatements::of(db, sql);
    for (auto p = params.begin(); p != params.end(); ++p)
        q.bindValue(bindKey(p.key()), p.value());
    if (!q.exec())
        db.fail(q.lastError(), sql);
    return q;
}
} // namespace

ConnectionParams ConnectionParams::fromAlias(const Alias& alias)
{
    ConnectionParams p;
    p.driver = alias.driver;
    p.server = alias.param(QStringLiteral("SERVER NAME"));
    p.database = alias.param(QStringLiteral("DATABASE NAME"));
    const QString user = alias.param(QStringLiteral("USER NAME"));
    if (!user.isEmpty())
        p.user = user;
    p.password = alias.param(QStringLiteral("PASSWORD"));
    return p;
}

void Db::setPgNamespace(const QString& prefix) { g_pgNamespace = prefix.toLower(); }

QString Db::physicalName(const Dialect& d, const QString& databaseName)
{
    if (d.isPostgres() && !g_pgNamespace.isEmpty())
        return g_pgNamespace + databaseName.toLower();
    return d.isPostgres() ? databaseName.toLower() : databaseName;
}

QString Db::sqliteFile(const ConnectionParams& p)
{
    QString folder = p.server.trimmed();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    return QDir(folder).filePath(p.database.trimmed() + QStringLiteral(".sqlite"));
}

Db Db::open(const QString& connectionName, const ConnectionParams& p, bool create)
{
    const Dialect dialect = Dialect::forDriver(p.driver);
    close(connectionName);
    QSqlDatabase db;
    if (dialect.isSqlite()) {
        const QString file = sqliteFile(p);
        if (!create && !QFileInfo::exists(file))
            throw DbError(QSqlError(QStringLiteral("Veritabanı bulunamadı: %1").arg(file), QString(),
                                    QSqlError::ConnectionError));
        if (create)
            QDir().mkpath(QFileInfo(file).absolutePath());
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db = configurePg(connectionName, p, physicalName(dialect, p.database));
    }
    if (!db.open()) {
        const QSqlError err = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw DbError(err);
    }
    ConnectionState::forget(connectionName);
    Db out;
    out.m_db = db;
    out.m_dialect = dialect;
    out.m_params = p;
    out.setUpSession();
    return out;
}

void Db::setUpSession() const
{
    if (m_dialect.isSqlite()) {
        SqliteExtensions::install(m_db);
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        // The indexes a save touches stay in memory (the 2 MB default reads a year's
        // movement indexes back from the file page by page).
        exec(QStringLiteral("PRAGMA cache_size=-32768"));
        exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(g_timeouts.lock));
        return;
    }
    exec(QStringLiteral("SET client_min_messages TO WARNING"));
    // Compiling a plan costs more than these interactive queries gain from it (an aggregate
    // over a large table passes the planner's threshold and waits a second or more for it).
    try {
        exec(QStringLiteral("SET jit TO off"));
    } catch (const DbError&) {
        // a server older than the setting: nothing to switch off
    }
    const QByteArray tz = QTimeZone::systemTimeZoneId();
    if (!tz.isEmpty())
        exec(QStringLiteral("SET TIME ZONE '%1'").arg(QString::fromLatin1(tz).remove(QLatin1Char('\''))));
    // A save blocked by another workstation's row lock ends after a few seconds instead of
    // freezing the window; a transaction left idle is ended by the server.
    exec(QStringLiteral("SET lock_timeout = %1").arg(g_timeouts.lock));
    exec(QStringLiteral("SET statement_timeout = %1").arg(g_timeouts.statement));
    exec(QStringLiteral("SET idle_in_transaction_session_timeout = %1").arg(g_timeouts.idleInTransaction));
    ConnectionState::of(connectionName()).turkishCollation =
        scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_collation WHERE collname = :c)"),
               {{QStringLiteral("c"), Dialect::pgTurkishCollation()}})
            .toBool();
    m_dialect.setTurkishCollation(ConnectionState::of(connectionName()).turkishCollation);
}

void Db::setTimeouts(const DbTimeouts& t) { g_timeouts = t; }
DbTimeouts Db::timeouts() { return g_timeouts; }

void Db::reopen() const
{
    ConnectionState::of(connectionName()).forgetStatements();
    QSqlDatabase db = m_db;
    db.close();
    if (!db.open()) {
        const QSqlError err = db.lastError();
        DbError e(err, QStringLiteral("(yeniden bağlanma)"));
        DbLog::error(e, connectionName());
        throw DbError(QSqlError(connectionLostMessage(), err.text(), QSqlError::ConnectionError,
                                QStringLiteral("08006")),
                      QStringLiteral("(yeniden bağlanma)"));
    }
    ConnectionState& st = ConnectionState::of(connectionName());
    st.lost = false;
    st.aborted = false;
    st.keep.clear();
    ++st.generation;
    setUpSession();
}

void Db::ensureUsable() const
{
    ConnectionState& st = ConnectionState::of(connectionName());
    if (!st.lost)
        return;
    if (st.depth > 0) // the open scopes died with the old connection; they must end first
        throw DbError(QSqlError(connectionLostMessage(), QString(), QSqlError::ConnectionError, QStringLiteral("08003")));
    reopen();
}

void Db::fail(const QSqlError& error, const QString& sql) const
{
    DbError e(error, sql);
    DbLog::error(e, connectionName());
    ConnectionState& st = ConnectionState::of(connectionName());
    if (e.isConnectionLost())
        st.lost = true;
    else if (m_dialect.isPostgres() && st.depth > 0)
        st.aborted = true; // the server refuses every further statement until a rollback
    throw e;
}

Db Db::existing(const QString& connectionName)
{
    Db out;
    if (!QSqlDatabase::contains(connectionName))
        return out;
    out.m_db = QSqlDatabase::database(connectionName, false);
    out.m_dialect = Dialect(out.m_db.driverName() == QLatin1String("QPSQL") ? Dialect::Engine::Postgres
                                                                             : Dialect::Engine::Sqlite);
    out.m_dialect.setTurkishCollation(out.m_dialect.isSqlite() || ConnectionState::of(connectionName).turkishCollation);
    return out;
}

void Db::close(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    ConnectionState::of(connectionName).forgetStatements(); // before the driver goes
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    ConnectionState::forget(connectionName);
}

namespace {
// A short-lived connection to the server's maintenance database.
template <typename F> void withPgAdmin(const ConnectionParams& p, F&& f)
{
    const QString name = QStringLiteral("pgadmin_") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = configurePg(name, p, QStringLiteral("postgres"));
        if (!db.open()) {
            const QSqlError err = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw DbError(err);
        }
        try {
            f(db);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

bool Db::databaseExists(const ConnectionParams& p)
{
    const Dialect d = Dialect::forDriver(p.driver);
    if (d.isSqlite())
        return QFileInfo::exists(sqliteFile(p));
    bool found = false;
    withPgAdmin(p, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = :n"));
        q.bindValue(QStringLiteral(":n"), physicalName(d, p.database));
        if (!q.exec())
            throw DbError(q.lastError());
        found = q.next();
    });
    return found;
}

void Db::createDatabase(const ConnectionParams& p, const QString& templateDatabase)
{
    const Dialect d = Dialect::forDriver(p.driver);
    if (d.isSqlite() && !templateDatabase.isEmpty()) {
        ConnectionParams src = p;
        src.database = templateDatabase;
        QDir().mkpath(QFileInfo(sqliteFile(p)).absolutePath());
        if (!QFile::copy(sqliteFile(src), sqliteFile(p)))
            throw UserError(QStringLiteral("Veritabanı kopyalanamadı: %1").arg(sqliteFile(p)));
        return;
    }
    if (d.isSqlite()) {
        const QString name = QStringLiteral("create_") + QUuid::createUuid().toString(QUuid::Id128);
        open(name, p, true);
        close(name);
        return;
    }
    const QString name = physicalName(d, p.database);
    static const QRegularExpression ok(QStringLiteral("^[a-z0-9_]+$"));
    if (!ok.match(name).hasMatch())
        throw UserError(QStringLiteral("Geçersiz veritabanı adı: %1").arg(p.database));
    const QString tmpl = templateDatabase.isEmpty() ? QStringLiteral("template0") : physicalName(d, templateDatabase);
    if (!ok.match(tmpl).hasMatch())
        throw UserError(QStringLiteral("Geçersiz veritabanı adı: %1").arg(templateDatabase));
    withPgAdmin(p, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        // Identifiers cannot be bound; the names were checked against a strict pattern above.
        // Byte-order collation: codes sort, compare and MAX() as on SQLite. A copy keeps its template's.
        const QString collate = templateDatabase.isEmpty() ? QStringLiteral(" LC_COLLATE 'C'") : QString();
        if (!q.exec(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8'%3 TEMPLATE %2").arg(name, tmpl, collate)))
            throw DbError(q.lastError());
    });
}

void Db::dropDatabase(const ConnectionParams& p)
{
    const Dialect d = Dialect::forDriver(p.driver);
    if (d.isSqlite()) {
        const QString f = sqliteFile(p);
        QFile::remove(f);
        QFile::remove(f + QStringLiteral("-wal"));
        QFile::remove(f + QStringLiteral("-shm"));
        return;
    }
    const QString name = physicalName(d, p.database);
    static const QRegularExpression ok(QStringLiteral("^[a-z0-9_]+$"));
    if (!ok.match(name).hasMatch())
        throw UserError(QStringLiteral("Geçersiz veritabanı adı: %1").arg(p.database));
    withPgAdmin(p, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name)))
            throw DbError(q.lastError());
    });
}

QSqlQuery Db::exec(const QString& sql, const Params& params) const
{
    ensureUsable();
    if (params.isEmpty() && KeptStatements::changesSchema(sql))
        ConnectionState::of(connectionName()).forgetStatements(); // their plans and columns may not hold
    QSqlQuery q(m_db);
    // PostgreSQL: a forward-only result is read row by row from the socket and is cut off
    // by the next statement on the connection; fetch it whole.
    q.setForwardOnly(!m_dialect.isPostgres());
    if (params.isEmpty()) {
        if (!q.exec(sql))
            fail(q.lastError(), sql);
        return q;
    }
    if (!q.prepare(sql))
        fail(q.lastError(), sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.bindValue(bindKey(it.key()), it.value());
    if (!q.exec())
        fail(q.lastError(), sql);
    return q;
}

int Db::execAffected(const QString& sql, const Params& params) const
{
    if (!KeptStatements::worthKeeping(sql))
        return exec(sql, params).numRowsAffected();
    QSqlQuery& q = runKept(*this, sql, params);
    const int n = q.numRowsAffected();
    q.finish();
    return n;
}

QVariant Db::scalar(const QString& sql, const Params& params) const
{
    QSqlQuery q = KeptStatements::worthKeeping(sql) ? runKept(*this, sql, params) : exec(sql, params);
    const QVariant v = q.next() ? q.value(0) : QVariant();
    q.finish();
    return v;
}

bool Db::any(const QString& sql, const Params& params) const
{
    return scalar(QStringLiteral("SELECT EXISTS (%1)").arg(sql), params).toBool();
}

QVector<QSqlRecord> Db::records(const QString& sql, const Params& params) const
{
    QSqlQuery q = KeptStatements::worthKeeping(sql) ? runKept(*this, sql, params) : exec(sql, params);
    QVector<QSqlRecord> out;
    while (q.next())
        out.push_back(q.record());
    q.finish();
    return out;
}

QList<QVariantMap> Db::rowMaps(const QString& sql, const Params& params) const
{
    QSqlQuery q = KeptStatements::worthKeeping(sql) ? runKept(*this, sql, params) : exec(sql, params);
    QList<QVariantMap> out = readRowMaps(q);
    q.finish();
    return out;
}

void Db::execAll(const QStringList& statements) const
{
    for (const QString& s : statements)
        exec(s);
}

DbStatement Db::prepare(const QString& sql) const { return DbStatement(*this, sql); }

bool Db::tableExists(const QString& table) const
{
    const QStringList tables = m_db.tables(QSql::Tables);
    for (const QString& t : tables)
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList Db::columns(const QString& table) const
{
    QHash<QString, QStringList>& known = ConnectionState::of(connectionName()).columns;
    const QString key = table.toUpper();
    auto it = known.find(key);
    if (it != known.end())
        return *it;
    QStringList out;
    const QSqlRecord r = m_db.record(m_dialect.isPostgres() ? table.toLower() : table);
    for (int i = 0; i < r.count(); ++i)
        out << r.fieldName(i).toUpper();
    if (!out.isEmpty()) // a table that is not there yet may be created later
        known.insert(key, out);
    return out;
}

bool Db::inTransaction() const { return DbTransaction::depth(connectionName()) > 0; }

QDate toDate(const QVariant& v)
{
    if (v.isNull())
        return {};
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate();
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString s = v.toString();
    return QDate::fromString(s.left(10), Qt::ISODate);
}

QDateTime toDateTime(const QVariant& v)
{
    if (v.isNull())
        return {};
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().startOfDay();
    const QString s = v.toString();
    QDateTime dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        if (d.isValid())
            dt = d.startOfDay();
    }
    return dt;
}

QString toText(const QVariant& v)
{
    QString s = v.toString();
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

} // namespace nimbo
