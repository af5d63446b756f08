#pragma once
#include "db/Db.h"

namespace nimbo {

// Writes one row of a table from a column->value map, ignoring keys that are not columns
// of the table (joined names, helper values). Empty text is stored as NULL so that a
// required column left empty fails as a missing value.
class RecordWriter {
public:
    RecordWriter(const Db& db, const QString& table);

    void insert(const QVariantMap& values) const;
    // Update where the key columns equal keyValues; a row gone meanwhile is reported as
    // "Diğer Kullanıcı bu kaydı değiştiriyor.".
    void update(const QVariantMap& values, const QVariantMap& keyValues) const;
    QStringList columns() const { return m_columns; }
    // The row as a map (upper-case column names), empty when there is none.
    static QVariantMap readRow(const Db& db, const QString& sql, const Params& params);

private:
    Params bound(const QVariantMap& values, QStringList& cols) const;

    Db m_db;
    QString m_table;
    QStringList m_columns;
};

} // namespace nimbo
