#pragma once
#include "db/Db.h"
#include "db/Errors.h"

namespace nimbo {

// An update found no row: another workstation deleted the record after it was opened.
class RecordGoneError : public UserError {
public:
    RecordGoneError() : UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor.")) {}
};

// Writes one row of a table from a column->value map, ignoring keys that are not columns
// of the table (joined names, helper values). Text of only blanks is stored as NULL so that
// a required column left empty fails as a missing value.
class RecordWriter {
public:
    RecordWriter(const Db& db, const QString& table);

    void insert(const QVariantMap& values) const;
    // An insert that returns the value the engine gave a column (a numbered key).
    QVariant insert(const QVariantMap& values, const QString& returning) const;
    // Updates the row whose columns hold keyValues, setting only the columns whose value
    // differs from before (what was loaded): two workstations changing different fields of
    // one record keep both changes. A row gone meanwhile throws RecordGoneError, also when
    // nothing changed. Key columns may change too (a renamed branch).
    void update(const QVariantMap& values, const QVariantMap& before, const QVariantMap& keyValues) const;
    const QStringList& columns() const { return m_columns; }

private:
    QString insertSql(const QVariantMap& values, Params& p) const;
    QString where(const QVariantMap& keyValues, Params& p) const;

    Db m_db;
    QString m_table;
    QStringList m_columns;
};

// The first row of a query as a map (upper-case column names), empty when there is none.
QVariantMap readRow(const Db& db, const QString& sql, const Params& params = {});

} // namespace nimbo
