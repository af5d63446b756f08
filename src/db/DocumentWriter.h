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
// NULL. Inserts into one table with one column set reuse one prepared statement.
class DocumentWriter {
public:
    explicit DocumentWriter(const Db& db);

    const Db& db() const { return m_db; }

    // UPDATE by the key columns; INSERT when no row had that key.
    void upsert(const QString& table, const QStringList& keyColumns, const QVariantMap& values);
    void insert(const QString& table, const QVariantMap& values);
    // Deletes the rows whose columns equal the given values (e.g. a document's lines, or the
    // derived rows of one writer type and number). Returns how many went.
    int remove(const QString& table, const QVariantMap& where);
    // remove() then insert() of every row.
    void replace(const QString& table, const QVariantMap& where, const QList<QVariantMap>& rows);

    // One FINHRK row through SP_INS_FINHRK (parameters named after the columns).
    void insertFinhrk(const Params& params);

    // The columns of a table, upper case (read once per writer).
    const QStringList& columnsOf(const QString& table);

private:
    QSqlQuery& prepared(const QString& key, const QString& sql);
    Params bind(const QString& table, const QVariantMap& values, QStringList& columns);

    Db m_db;
    QHash<QString, QStringList> m_columns;
    QHash<QString, QSet<QString>> m_columnSets; // the same, for the per-value look-up of bind()
    QHash<QString, QSqlQuery> m_statements;
};

} // namespace nimbo
