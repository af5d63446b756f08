#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// What differs between the engines, kept in one small place.
class Dialect {
public:
    enum class Engine { Sqlite, Postgres };

    Dialect() = default;
    explicit Dialect(Engine e) : m_engine(e) {}
    // "SQLITE" (also empty), "PGSQL"; anything else throws UserError.
    static Dialect forDriver(const QString& driverType);

    Engine engine() const { return m_engine; }
    bool isSqlite() const { return m_engine == Engine::Sqlite; }
    bool isPostgres() const { return m_engine == Engine::Postgres; }
    QString driverType() const;   // "SQLITE" / "PGSQL"
    QString qtDriver() const;     // "QSQLITE" / "QPSQL"

    // Portable column type (VARCHAR(n), CHAR(n), INTEGER, SMALLINT, BIGINT, FLOAT,
    // DATETIME, DATE, BOOLEAN, MEMO, BLOB, AUTOINC) to this engine's type.
    QString columnType(const QString& portableType) const;
    // "SELECT ..." limited to n rows.
    QString limit(const QString& selectSql, int n) const;
    QString isNull(const QString& expr, const QString& fallback) const;
    // Text concatenation of expressions (NULLs count as empty).
    QString concat(const QStringList& exprs) const;
    // Expression of the date part of a timestamp column, comparable with a bound QDate.
    QString datePart(const QString& expr) const;
    // The equivalents of "SELECT db_name()" and "SELECT @@SERVERNAME".
    QString dbNameQuery() const;
    QString serverNameQuery() const;
    // Statements run once on a freshly opened year connection.
    QStringList initScript() const;
    // Case-insensitive LIKE operator.
    QString ilike() const;

private:
    Engine m_engine = Engine::Sqlite;
};

} // namespace nimbo
