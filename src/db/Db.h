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

// A logical connection with its dialect. Copies share the same Qt connection.
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
    // A new, empty database; or, with a template, a copy of it (same server).
    static void createDatabase(const ConnectionParams& p, const QString& templateDatabase = {});
    static void dropDatabase(const ConnectionParams& p);
    // Tests give every process its own PostgreSQL name space: names get this prefix.
    static void setPgNamespace(const QString& prefix);
    static QString physicalName(const Dialect& d, const QString& databaseName);
    static QString sqliteFile(const ConnectionParams& p);

    bool isValid() const { return m_db.isValid() && m_db.isOpen(); }
    QSqlDatabase sql() const { return m_db; }
    const Dialect& dialect() const { return m_dialect; }
    QString connectionName() const { return m_db.connectionName(); }
    const ConnectionParams& params() const { return m_params; }

    // Runs one statement with bound parameters; throws DbError on failure.
    QSqlQuery exec(const QString& sql, const Params& params = {}) const;
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {}) const;
    bool any(const QString& sql, const Params& params = {}) const;
    QVector<QSqlRecord> records(const QString& sql, const Params& params = {}) const;
    void execAll(const QStringList& statements) const;

    bool tableExists(const QString& table) const;
    QStringList columns(const QString& table) const; // upper case

    bool inTransaction() const;

private:
    QSqlDatabase m_db;
    Dialect m_dialect;
    ConnectionParams m_params;
};

// Conversions that behave the same on both engines (SQLite hands dates back as text).
QDate toDate(const QVariant& v);
QDateTime toDateTime(const QVariant& v);
QString toText(const QVariant& v); // trailing blanks of fixed-width columns removed

} // namespace nimbo
