#include "db/RecordWriter.h"
#include "db/SqlValues.h"

#include <QHash>
#include <QMutex>
#include <QSqlQuery>

namespace nimbo {

namespace {
// Columns do not change while the program runs; read once per engine and table.
QStringList tableColumns(const Db& db, const QString& table)
{
    static QMutex lock;
    static QHash<QString, QStringList> cache;
    const QString key = db.dialect().driverType() + QLatin1Char('.') + table;
    QMutexLocker locked(&lock);
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
    : m_db(db), m_table(table.toUpper()), m_columns(tableColumns(db, table.toUpper()))
{
}

QString RecordWriter::insertSql(const QVariantMap& values, Params& p) const
{
    QStringList cols, holders;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString c = it.key().toUpper();
        // Numbered keys are the engine's to give.
        if (!m_columns.contains(c) || c == QLatin1String("ROW_ID"))
            continue;
        cols << c;
        holders << QLatin1Char(':') + c;
        p.insert(c, stored(it.value()));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(m_table, cols.join(QStringLiteral(", ")), holders.join(QStringLiteral(", ")));
}

void RecordWriter::insert(const QVariantMap& values) const
{
    Params p;
    m_db.exec(insertSql(values, p), p);
}

QVariant RecordWriter::insert(const QVariantMap& values, const QString& returning) const
{
    Params p;
    // Both engines return the inserted row's values.
    return m_db.scalar(insertSql(values, p) + QStringLiteral(" RETURNING ") + returning, p);
}

QString RecordWriter::where(const QVariantMap& keyValues, Params& p) const
{
    QStringList parts;
    for (auto it = keyValues.begin(); it != keyValues.end(); ++it) {
        const QString c = it.key().toUpper();
        parts << QStringLiteral("%1 = :K_%1").arg(c);
        p.insert(QStringLiteral("K_") + c, it.value());
    }
    return parts.join(QStringLiteral(" AND "));
}

void RecordWriter::update(const QVariantMap& values, const QVariantMap& before, const QVariantMap& keyValues) const
{
    QStringList sets;
    Params p;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString c = it.key().toUpper();
        if (!m_columns.contains(c) || c == QLatin1String("ROW_ID") || sameValue(it.value(), before.value(it.key())))
            continue;
        sets << QStringLiteral("%1 = :%1").arg(c);
        p.insert(c, stored(it.value()));
    }
    const QString cond = where(keyValues, p);
    if (sets.isEmpty()) {
        if (!m_db.any(QStringLiteral("SELECT 1 FROM %1 WHERE %2").arg(m_table, cond), p))
            throw RecordGoneError();
        return;
    }
    QSqlQuery q = m_db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(m_table, sets.join(QStringLiteral(", ")), cond),
                            p);
    if (q.numRowsAffected() == 0)
        throw RecordGoneError();
}

QVariantMap readRow(const Db& db, const QString& sql, const Params& params)
{
    const auto rows = db.records(sql, params);
    return rows.isEmpty() ? QVariantMap{} : rowMap(rows.first());
}

} // namespace nimbo
