#pragma once
#include "db/Dialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QDateTime>
#include <QSqlRecord>
#include <QVariantMap>
#include <QVector>

namespace nimbo {

struct Alias;
class DbStatement;

// Where one database lives: driver, server (SQLite: a folder; PostgreSQL: host[:port]) and name.
struct ConnectionParams {
    QString driver;   // SQLITE, PGSQL
    QString server;
    QString database;
    QString user = QStringLiteral("NIMB");
    QString password;

    static ConnectionParams fromAlias(const Alias& alias);
};

// Named parameters; keys with or without the leading colon.
using Params = QVariantMap;

// How long a session waits before it gives up (milliseconds, 0 = no limit). Applied to
// every connection opened (or reopened) afterwards.
struct DbTimeouts {
    int lock = 5000;                 // a row or file held by another workstation
    int statement = 300000;          // PostgreSQL: any one statement
    int idleInTransaction = 600000;  // PostgreSQL: a transaction left open and idle
};

// A logical connection with its dialect. Copies share the same Qt connection.
//
// Reads: records(), scalar() and any() read their whole result before they return, so a
// loop over the rows may run other statements on the same connection (a forward-only
// PostgreSQL result would otherwise stop silently after the first row). exec() also hands
// PostgreSQL results back fully fetched; prefer records() for reads.
// Writes: execAffected() returns the rows the statement changed; a writer that runs the
// same statement row after row prepares it once with prepare() (see DbStatement).
// Errors: every failed statement is logged with its SQL (DbLog) and thrown as DbError; a
// dropped server connection is recognised (DbError::isConnectionLost) and reopened before
// the next statement once no transaction scope is open on it.
class Db {
public:
    Db() = default;

    // Opens (or reopens) the Qt connection of that name. Throws DbError when the server
    // refuses, UserError when a SQLite file is missing and create is false.
    static Db open(const QString& connectionName, const ConnectionParams& p, bool create = false);
    // The connection already opened under that name (invalid Db when there is none).
    static Db existing(const QString& connectionName);
    static void close(const QString& connectionName);

    // Server-level administration (nimbo-admin, tests).
    static bool databaseExists(const ConnectionParams& p);
    // A new, empty database (PostgreSQL: byte-order collation, so codes sort as on SQLite);
    // or, with a template, a copy of it (same server).
    static void createDatabase(const ConnectionParams& p, const QString& templateDatabase = {});
    static void dropDatabase(const ConnectionParams& p);
    // Tests give every process its own PostgreSQL name space: names get this prefix.
    static void setPgNamespace(const QString& prefix);
    static QString physicalName(const Dialect& d, const QString& databaseName);
    static QString sqliteFile(const ConnectionParams& p);

    static void setTimeouts(const DbTimeouts& t);
    static DbTimeouts timeouts();

    bool isValid() const { return m_db.isValid() && m_db.isOpen(); }
    QSqlDatabase sql() const { return m_db; }
    const Dialect& dialect() const { return m_dialect; }
    QString connectionName() const { return m_db.connectionName(); }
    const ConnectionParams& params() const { return m_params; }

    // Runs one statement with bound parameters; throws DbError on failure.
    QSqlQuery exec(const QString& sql, const Params& params = {}) const;
    // A write; the number of rows it inserted, changed or deleted.
    int execAffected(const QString& sql, const Params& params = {}) const;
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {}) const;
    // Whether the SELECT returns a row, asked as SELECT EXISTS(...) so no row is transferred.
    bool any(const QString& sql, const Params& params = {}) const;
    // Every row of the result, read completely.
    QVector<QSqlRecord> records(const QString& sql, const Params& params = {}) const;
    // The same rows as column (upper case) -> value, the column names read once.
    QList<QVariantMap> rowMaps(const QString& sql, const Params& params = {}) const;
    void execAll(const QStringList& statements) const;
    // One statement prepared once for many executions (line and movement writers).
    DbStatement prepare(const QString& sql) const;

    bool tableExists(const QString& table) const;
    QStringList columns(const QString& table) const; // upper case

    bool inTransaction() const;
    // Closes and opens the Qt connection again and repeats the session setup.
    void reopen() const;

    // Logs the error with its statement, notes a lost connection or an aborted
    // transaction, and throws it. Used by everything that runs statements on a Db.
    [[noreturn]] void fail(const QSqlError& error, const QString& sql) const;
    // Reopens a connection the server dropped, when no transaction scope is open on it.
    void ensureUsable() const;

private:
    void setUpSession() const;

    QSqlDatabase m_db;
    mutable Dialect m_dialect; // learns at session setup whether the server has a Turkish collation
    ConnectionParams m_params;
};

// Conversions that behave the same on both engines (SQLite hands dates back as text).
QDate toDate(const QVariant& v);
QDateTime toDateTime(const QVariant& v);
QString toText(const QVariant& v); // trailing blanks of fixed-width columns removed

} // namespace nimbo

#include "db/DbStatement.h"
