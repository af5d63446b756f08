#pragma once
#include "db/Db.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace nimbo {

// Writes one document inside the caller's transaction: the header by key, the lines as a
// whole, and the derived rows in the shared movement tables (FINHRK, CARIHRK, KASAHRKT,
// STOKHRK, ...) that belong to the document through its number and writer type.
// Values whose names are not columns of the table are left out; empty text is stored as
// NULL. Statements stay prepared on the connection from one save to the next
// (KeptStatements); many rows of one table go in a few multi-row INSERTs.
class DocumentWriter {
public:
    explicit DocumentWriter(const Db& db);

    const Db& db() const { return m_db; }

    // UPDATE by the key columns; INSERT when no row had that key.
    void upsert(const QString& table, const QStringList& keyColumns, const QVariantMap& values);
    void insert(const QString& table, const QVariantMap& values);
    // Many rows of one table: one statement for 16 rows at a time, then 8, 4, 2 and 1, so
    // a document of any length runs a handful of statements, each kept prepared. Keys are
    // the upper-case column names; a column one row leaves out is NULL in it.
    void insertRows(const QString& table, const QList<QVariantMap>& rows);
    // Deletes the rows whose columns equal the given values (e.g. a document's lines, or the
    // derived rows of one writer type and number). Returns how many went.
    int remove(const QString& table, const QVariantMap& where);
    // remove() then insert() of every row.
    void replace(const QString& table, const QVariantMap& where, const QList<QVariantMap>& rows);

    // One FINHRK row through SP_INS_FINHRK (parameters named after the columns).
    void insertFinhrk(const Params& params);
    // The rows SP_INS_FINHRK would write for each, in multi-row INSERTs (values as given:
    // empty text stays empty, as the procedure stores it).
    void insertFinhrkRows(const QList<Params>& params);

    // The columns of a table, upper case (read once per writer).
    const QStringList& columnsOf(const QString& table);

private:
    Params bind(const QString& table, const QVariantMap& values, QStringList& columns);
    const QSet<QString>& columnSet(const QString& table);
    enum class EmptyText { Null, AsGiven };
    void insertRows(const QString& table, const QList<QVariantMap>& rows, EmptyText empty);
    void insertChunk(const QString& table, const QStringList& columns, const QList<QVariantMap>& rows, int from, int n,
                     EmptyText empty);

    Db m_db;
    QHash<QString, QStringList> m_columns;
    QHash<QString, QSet<QString>> m_columnSets; // the same, for the per-value look-up of bind()
};

} // namespace nimbo
