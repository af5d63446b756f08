#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// What differs between the engines, kept in one small place.
class Dialect {
public:
    enum class Engine { Sqlite, Postgres };

    Dialect() = default;
    explicit Dialect(Engine e) : m_engine(e), m_turkishCollation(e == Engine::Sqlite) {}
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

    // Turkish upper-case fold of a text expression, the same on both engines (i→İ, ı→I,
    // ş→Ş, ğ→Ğ, ü→Ü, ö→Ö, ç→Ç and the rest), for searches that ignore case:
    //   foldUpper("CARI_ADI") + " LIKE :s" with :s bound to foldText(typed) + "%".
    // SQLite calls TRUPPER, a function registered on every connection the program opens.
    QString foldUpper(const QString& expr) const;
    // The same fold in C++, for the values bound against foldUpper().
    static QString foldText(const QString& text);

    // A text expression in Turkish alphabetical order (Ç after C, Ş after S, İ after I),
    // usable in ORDER BY and in comparisons of keyset pages. SQLite uses the TRNAME collation
    // registered on every connection (QCollator order); PostgreSQL the ICU Turkish collation
    // when the server has one, else byte order.
    QString turkishOrder(const QString& expr) const;
    static QString pgTurkishCollation() { return QStringLiteral("tr-x-icu"); }
    void setTurkishCollation(bool available) { m_turkishCollation = available; }

private:
    Engine m_engine = Engine::Sqlite;
    bool m_turkishCollation = true;
};

} // namespace nimbo
