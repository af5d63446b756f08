#include "model/ListQuery.h"

namespace nimbo {

void ListQuery::addWhere(const QString& condition, const QString& name, const QVariant& value)
{
    sql += QStringLiteral(" AND (%1)").arg(condition);
    if (!name.isEmpty())
        params.insert(name, value);
}

bool ListQuery::sortBy(const QString& field, bool desc)
{
    const QString f = field.toUpper();
    if (f == keyField.toUpper()) {
        sortExpr.clear();
        sortField.clear();
    } else if (sortable.contains(f)) {
        sortExpr = sortable.value(f);
        sortField = f;
        sortNullable = true;
    } else {
        return false;
    }
    descending = desc;
    return true;
}

QString ListQuery::orderBy(const Dialect& d, bool reverse) const
{
    const bool desc = descending != reverse;
    const QString dir = desc ? QStringLiteral(" DESC") : QString();
    QString s = QStringLiteral(" ORDER BY ");
    if (!sortExpr.isEmpty()) {
        // Empties sort lowest on both engines; PostgreSQL would put them highest.
        const QString nulls = !sortNullable || !d.isPostgres() ? QString()
                              : desc                            ? QStringLiteral(" NULLS LAST")
                                                                : QStringLiteral(" NULLS FIRST");
        s += sortExpr + dir + nulls + QStringLiteral(", ");
    }
    return s + keyExpr + dir;
}

QString ListQuery::seek(const Dialect& d, const ListBoundary& b, bool reverse, ListQuery& out) const
{
    const bool desc = descending != reverse;
    const QString op = desc ? QStringLiteral("<") : QStringLiteral(">");
    out.params.insert(QStringLiteral("LQ_KEY"), b.key);
    if (sortExpr.isEmpty())
        return QStringLiteral("%1 %2 :LQ_KEY").arg(keyExpr, op);
    if (sortNullable && b.sort.isNull()) {
        // Among the empties by key; past them every non-empty row follows ascending (and
        // nothing follows descending, where empties come last).
        const QString tail = desc ? QString() : QStringLiteral(" OR %1 IS NOT NULL").arg(sortExpr);
        return QStringLiteral("(%1 IS NULL AND %2 %3 :LQ_KEY)%4").arg(sortExpr, keyExpr, op, tail);
    }
    out.params.insert(QStringLiteral("LQ_SORT"), b.sort);
    const QString rowValue = QStringLiteral("(%1, %2) %3 (:LQ_SORT, :LQ_KEY)").arg(sortExpr, keyExpr, op);
    if (sortNullable && desc)
        return QStringLiteral("(%1 OR %2 IS NULL)").arg(rowValue, sortExpr);
    return rowValue;
}

ListQuery ListQuery::whole(const Dialect& d) const
{
    ListQuery q = *this;
    q.sql = orderedSql(d);
    if (maxRows > 0)
        q.sql = d.limit(q.sql, maxRows);
    q.keyExpr.clear();
    return q;
}

QString ListQuery::orderedSql(const Dialect& d) const { return isKeyed() ? sql + orderBy(d, false) : sql; }

ListQuery ListQuery::page(const Dialect& d, int n, const ListBoundary* after, bool backwards) const
{
    ListQuery q = *this;
    if (after)
        q.sql += QStringLiteral(" AND (%1)").arg(seek(d, *after, backwards, q));
    q.sql = d.limit(q.sql + orderBy(d, backwards), n);
    return q;
}

ListQuery ListQuery::part(bool empties) const
{
    ListQuery q = *this;
    q.sql += QStringLiteral(" AND (%1 IS %2NULL)").arg(sortExpr, empties ? QString() : QStringLiteral("NOT "));
    if (empties) {
        q.sortExpr.clear();
        q.sortField.clear();
    }
    q.sortNullable = false;
    return q;
}

ListQuery ListQuery::row(const QVariant& key) const
{
    ListQuery q = *this;
    q.sql += QStringLiteral(" AND (%1 = :LQ_KEY)").arg(keyExpr);
    q.params.insert(QStringLiteral("LQ_KEY"), key);
    return q;
}

} // namespace nimbo
