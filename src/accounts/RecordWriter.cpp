#include "accounts/RecordWriter.h"
#include "db/Errors.h"

#include <QHash>
#include <QSqlQuery>

namespace nimbo {

namespace {
// Columns do not change while the program runs; reading them once per engine and table.
QStringList tableColumns(const Db& db, const QString& table)
{
    static QHash<QString, QStringList> cache;
    const QString key = db.dialect().driverType() + QLatin1Char('.') + table.toUpper();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, db.columns(table));
    return it.value();
}

QVariant stored(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return v;
}
} // namespace

RecordWriter::RecordWriter(const Db& db, const QString& table)
    : m_db(db), m_table(table.toUpper()), m_columns(tableColumns(db, table))
{
}

Params RecordWriter::bound(const QVariantMap& values, QStringList& cols) const
{
    Params p;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString c = it.key().toUpper();
        if (!m_columns.contains(c) || c == QLatin1String("ROW_ID"))
            continue;
        cols << c;
        p.insert(c, stored(it.value()));
    }
    return p;
}

void RecordWriter::insert(const QVariantMap& values) const
{
    QStringList cols;
    const Params p = bound(values, cols);
    QStringList holders;
    for (const QString& c : cols)
        holders << QLatin1Char(':') + c;
    m_db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(m_table, cols.join(QStringLiteral(", ")), holders.join(QStringLiteral(", "))),
              p);
}

void RecordWriter::update(const QVariantMap& values, const QVariantMap& keyValues) const
{
    QStringList cols;
    Params p = bound(values, cols);
    QStringList sets, where;
    // Key columns are set too: a satellite row may change its own key (a renamed branch).
    for (const QString& c : cols)
        sets << QStringLiteral("%1 = :%1").arg(c);
    for (auto it = keyValues.begin(); it != keyValues.end(); ++it) {
        where << QStringLiteral("%1 = :K_%1").arg(it.key());
        p.insert(QStringLiteral("K_") + it.key(), it.value());
    }
    if (sets.isEmpty())
        return;
    QSqlQuery q = m_db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                .arg(m_table, sets.join(QStringLiteral(", ")), where.join(QStringLiteral(" AND "))),
                            p);
    if (q.numRowsAffected() == 0)
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
}

QVariantMap RecordWriter::readRow(const Db& db, const QString& sql, const Params& params)
{
    QVariantMap out;
    const auto rows = db.records(sql, params);
    if (rows.isEmpty())
        return out;
    const QSqlRecord& r = rows.first();
    for (int i = 0; i < r.count(); ++i)
        out.insert(r.fieldName(i).toUpper(), r.value(i));
    return out;
}

} // namespace nimbo
