#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "db/ServerObjects.h"

#include <QSqlError>

namespace nimbo {

namespace {

QVariant stored(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return v;
}

QString conditions(const QStringList& columns)
{
    QStringList parts;
    for (const QString& c : columns)
        parts << QStringLiteral("%1=:K_%1").arg(c);
    return parts.join(QStringLiteral(" AND "));
}

} // namespace

DocumentWriter::DocumentWriter(const Db& db) : m_db(db) {}

const QStringList& DocumentWriter::columnsOf(const QString& table)
{
    auto it = m_columns.find(table);
    if (it == m_columns.end())
        it = m_columns.insert(table, m_db.columns(table));
    return *it;
}

Params DocumentWriter::bind(const QString& table, const QVariantMap& values, QStringList& columns)
{
    auto known = m_columnSets.find(table);
    if (known == m_columnSets.end()) {
        const QStringList& all = columnsOf(table);
        known = m_columnSets.insert(table, QSet<QString>(all.begin(), all.end()));
    }
    Params p;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString c = it.key().toUpper();
        if (!known->contains(c))
            continue;
        columns << c;
        p.insert(c, stored(it.value()));
    }
    return p;
}

QSqlQuery& DocumentWriter::prepared(const QString& key, const QString& sql)
{
    auto it = m_statements.find(key);
    if (it == m_statements.end()) {
        QSqlQuery q(m_db.sql());
        if (!q.prepare(sql))
            throw DbError(q.lastError(), sql);
        it = m_statements.insert(key, q);
    }
    return *it;
}

void DocumentWriter::insert(const QString& table, const QVariantMap& values)
{
    QStringList cols;
    const Params p = bind(table, values, cols);
    QStringList holders;
    for (const QString& c : cols)
        holders << QLatin1Char(':') + c;
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, cols.join(QLatin1Char(',')), holders.join(QLatin1Char(',')));
    QSqlQuery& q = prepared(sql, sql);
    for (const QString& c : cols)
        q.bindValue(QLatin1Char(':') + c, p.value(c));
    if (!q.exec())
        throw DbError(q.lastError(), sql);
}

void DocumentWriter::upsert(const QString& table, const QStringList& keyColumns, const QVariantMap& values)
{
    QStringList cols;
    const Params p = bind(table, values, cols);
    QStringList sets;
    Params bound;
    for (const QString& c : cols) {
        if (keyColumns.contains(c))
            continue;
        sets << QStringLiteral("%1=:%1").arg(c);
        bound.insert(c, p.value(c));
    }
    for (const QString& k : keyColumns)
        bound.insert(QStringLiteral("K_") + k, values.value(k));
    if (!sets.isEmpty()) {
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                .arg(table, sets.join(QLatin1Char(',')), conditions(keyColumns));
        if (m_db.exec(sql, bound).numRowsAffected() > 0)
            return;
    } else {
        const QString sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2").arg(table, conditions(keyColumns));
        Params keys;
        for (const QString& k : keyColumns)
            keys.insert(QStringLiteral("K_") + k, values.value(k));
        if (m_db.any(sql, keys))
            return;
    }
    insert(table, values);
}

int DocumentWriter::remove(const QString& table, const QVariantMap& where)
{
    QStringList cols;
    Params p;
    for (auto it = where.begin(); it != where.end(); ++it) {
        cols << it.key().toUpper();
        p.insert(QStringLiteral("K_") + it.key().toUpper(), it.value());
    }
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, conditions(cols));
    return m_db.exec(sql, p).numRowsAffected();
}

void DocumentWriter::replace(const QString& table, const QVariantMap& where, const QList<QVariantMap>& rows)
{
    remove(table, where);
    for (const QVariantMap& r : rows)
        insert(table, r);
}

void DocumentWriter::insertFinhrk(const Params& params) { ServerObjects::SP_INS_FINHRK(m_db, params); }

} // namespace nimbo
