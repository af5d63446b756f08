#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "db/KeptStatements.h"
#include "db/ServerObjects.h"

#include <QDateTime>
#include <QSqlError>

#include <algorithm>
#include <iterator>

namespace nimbo {

namespace {

QVariant stored(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString && QStringView(*static_cast<const QString*>(v.constData())).trimmed().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return v;
}

// A document binds the same few dates on every line. SQLite keeps a date as the text the Qt
// driver writes for it (ISO with milliseconds); the PostgreSQL driver sends it in UTC, and a
// local time's conversion asks the C library for the zone each time. Either form is made
// once per run of equal values instead of once per value.
QVariant storedDate(const QVariant& v, bool sqlite)
{
    const QDateTime& d = *static_cast<const QDateTime*>(v.constData());
    if (!d.isValid() || (!sqlite && d.timeSpec() == Qt::UTC))
        return v;
    const auto bicimle = [sqlite](const QDateTime& t) {
        return sqlite ? QVariant(t.toString(Qt::ISODateWithMs)) : QVariant(t.toUTC());
    };
    // Only local times are kept: an offset or a zone is not part of the key.
    if (d.timeSpec() != Qt::LocalTime)
        return bicimle(d);
    thread_local QDate gun;
    thread_local QTime saat;
    thread_local bool metinMi = false;
    thread_local QVariant bicim;
    if (d.date() != gun || d.time() != saat || metinMi != sqlite || !bicim.isValid()) {
        gun = d.date();
        saat = d.time();
        metinMi = sqlite;
        bicim = bicimle(d);
    }
    return bicim;
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

const QSet<QString>& DocumentWriter::columnSet(const QString& table)
{
    auto known = m_columnSets.find(table);
    if (known == m_columnSets.end()) {
        const QStringList& all = columnsOf(table);
        known = m_columnSets.insert(table, QSet<QString>(all.begin(), all.end()));
    }
    return *known;
}

Params DocumentWriter::bind(const QString& table, const QVariantMap& values, QStringList& columns)
{
    const QSet<QString>& known = columnSet(table);
    Params p;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString c = it.key().toUpper();
        if (!known.contains(c))
            continue;
        columns << c;
        p.insert(c, stored(it.value()));
    }
    return p;
}

void DocumentWriter::insert(const QString& table, const QVariantMap& values)
{
    // Upper-case keys (the usual case) bind as a one-row insertRows: a walk over the row
    // instead of a name look-up and a placeholder name per value.
    const bool upper = std::none_of(values.keyBegin(), values.keyEnd(), [](const QString& k) {
        return std::any_of(k.begin(), k.end(), [](QChar c) { return c.isLower(); });
    });
    if (upper) {
        insertRows(table, {values});
        return;
    }
    QStringList cols;
    const Params p = bind(table, values, cols);
    QStringList holders;
    for (const QString& c : cols)
        holders << QLatin1Char(':') + c;
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, cols.join(QLatin1Char(',')), holders.join(QLatin1Char(',')));
    m_db.execAffected(sql, p);
}

void DocumentWriter::insertRows(const QString& table, const QList<QVariantMap>& rows)
{
    insertRows(table, rows, EmptyText::Null);
}

void DocumentWriter::insertRows(const QString& table, const QList<QVariantMap>& rows, EmptyText empty)
{
    if (rows.isEmpty())
        return;
    // The columns any row gives, in name order (the order of a row's keys, so binding walks
    // each row once), so the statement text repeats.
    // Lines of one document mostly have the same keys: a row is merged only when it differs.
    QStringList keys;
    for (const QVariantMap& r : rows) {
        if (r.size() == keys.size() && std::equal(r.keyBegin(), r.keyEnd(), keys.cbegin()))
            continue;
        QStringList merged;
        std::set_union(keys.cbegin(), keys.cend(), r.keyBegin(), r.keyEnd(), std::back_inserter(merged));
        keys = std::move(merged);
    }
    const QSet<QString>& known = columnSet(table);
    QStringList cols;
    for (const QString& k : std::as_const(keys))
        if (known.contains(k))
            cols << k;
    int from = 0;
    for (int chunk = 16; chunk >= 1; chunk /= 2)
        while (rows.size() - from >= chunk) {
            insertChunk(table, cols, rows, from, chunk, empty);
            from += chunk;
        }
}

// Placeholder names ":v0", ":v1", ... made once. Qt binds a name with one look-up, where a
// position is first formatted into a name of its own on every bind.
namespace {
const QStringList& placeholders(int n)
{
    thread_local QStringList names;
    while (names.size() < n)
        names << QStringLiteral(":v%1").arg(names.size());
    return names;
}

// "(:v0,:v1),(:v2,:v3)" for n rows of the given width, made once per shape.
const QString& valuesClause(int width, int n)
{
    thread_local QHash<quint64, QString> made;
    const quint64 key = (quint64(width) << 32) | quint32(n);
    auto it = made.find(key);
    if (it == made.end()) {
        const QStringList& names = placeholders(width * n);
        QStringList rows;
        for (int r = 0; r < n; ++r)
            rows << QLatin1Char('(') + names.mid(r * width, width).join(QLatin1Char(',')) + QLatin1Char(')');
        it = made.insert(key, rows.join(QLatin1Char(',')));
    }
    return *it;
}
} // namespace

void DocumentWriter::insertChunk(const QString& table, const QStringList& columns, const QList<QVariantMap>& rows,
                                 int from, int n, EmptyText empty)
{
    const QStringList& names = placeholders(columns.size() * n);
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                            .arg(table, columns.join(QLatin1Char(',')), valuesClause(columns.size(), n));
    QSqlQuery& q = KeptStatements::of(m_db, sql);
    const bool sqlite = m_db.dialect().isSqlite();
    int pos = 0;
    for (int r = from; r < from + n; ++r) {
        const QVariantMap& row = rows[r];
        auto it = row.constBegin();
        for (const QString& c : columns) {
            while (it != row.constEnd() && it.key() < c)
                ++it;
            const bool has = it != row.constEnd() && it.key() == c;
            const QVariant v = has ? it.value() : QVariant();
            if (v.typeId() == QMetaType::QDateTime)
                q.bindValue(names[pos++], storedDate(v, sqlite));
            else
                q.bindValue(names[pos++], empty == EmptyText::Null ? stored(v) : v);
        }
    }
    if (!q.exec())
        m_db.fail(q.lastError(), sql);
    q.finish();
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
        if (m_db.execAffected(sql, bound) > 0)
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
    return m_db.execAffected(sql, p);
}

void DocumentWriter::replace(const QString& table, const QVariantMap& where, const QList<QVariantMap>& rows)
{
    remove(table, where);
    insertRows(table, rows);
}

void DocumentWriter::insertFinhrk(const Params& params) { ServerObjects::SP_INS_FINHRK(m_db, params); }

void DocumentWriter::insertFinhrkRows(const QList<Params>& params)
{
    QList<QVariantMap> rows;
    rows.reserve(params.size());
    for (const Params& p : params)
        rows << ServerObjects::finhrkRow(p);
    insertRows(QStringLiteral("FINHRK"), rows, EmptyText::AsGiven);
}

} // namespace nimbo
