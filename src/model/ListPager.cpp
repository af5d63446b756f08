#include "model/ListPager.h"

#include <algorithm>

namespace nimbo {

ListBoundary ListPager::boundary(const QSqlRecord& r) const
{
    return {r.value(m_query.effectiveSortField()), r.value(m_query.keyField)};
}

// A capped list reads no further than its cap.
int ListPager::nextLimit() const
{
    if (m_query.maxRows <= 0)
        return m_pageSize;
    return qMax(0, qMin(m_pageSize, m_query.maxRows - int(m_rows.size())));
}

void ListPager::run(const Db& db, const ListQuery& q)
{
    QVector<QSqlRecord> rows;
    bool atEnd = true;
    if (q.isKeyed()) {
        const int n = q.maxRows > 0 ? qMin(m_pageSize, q.maxRows) : m_pageSize;
        const ListQuery first = q.page(db.dialect(), n, nullptr);
        rows = db.records(first.sql, first.params);
        atEnd = rows.size() < n || (q.maxRows > 0 && rows.size() >= q.maxRows);
    } else {
        rows = db.records(q.sql, q.params);
    }
    m_db = db;
    m_query = q;
    m_rows = std::move(rows);
    m_atEnd = atEnd;
    m_atStart = true;
}

void ListPager::clear()
{
    m_rows.clear();
    m_atEnd = m_atStart = true;
}

QVector<QSqlRecord> ListPager::nextPage() const
{
    const int n = nextLimit();
    if (m_atEnd || n == 0 || m_rows.isEmpty())
        return {};
    const ListBoundary b = boundary(m_rows.last());
    return read(m_query.page(m_db.dialect(), n, &b));
}

void ListPager::append(const QVector<QSqlRecord>& page)
{
    const int asked = nextLimit();
    m_rows += page;
    m_atEnd = m_atEnd || page.size() < asked || asked == 0
              || (m_query.maxRows > 0 && m_rows.size() >= m_query.maxRows);
}

QVector<QSqlRecord> ListPager::previousPage() const
{
    if (m_atStart || m_rows.isEmpty())
        return {};
    const ListBoundary b = boundary(m_rows.first());
    QVector<QSqlRecord> before = read(m_query.page(m_db.dialect(), m_pageSize, &b, true));
    std::reverse(before.begin(), before.end());
    return before;
}

void ListPager::prepend(const QVector<QSqlRecord>& page)
{
    m_atStart = page.size() < m_pageSize;
    m_rows = page + m_rows;
}

int ListPager::indexOf(const QVariant& key) const
{
    if (!key.isValid() || m_query.keyField.isEmpty())
        return -1;
    const QString k = toText(key);
    for (int r = 0; r < m_rows.size(); ++r)
        if (toText(m_rows.at(r).value(m_query.keyField)) == k)
            return r;
    return -1;
}

ListPager::Window ListPager::seek(const QVariant& key) const
{
    Window w;
    if (!key.isValid() || !m_query.isKeyed())
        return w;
    // Is the row in the list at all, and where does it sort? (A capped list is not capped
    // for a row the user asked for: a card just saved shows wherever it sorts.)
    ListQuery q = m_query;
    q.maxRows = 0;
    const QVector<QSqlRecord> target = read(q.row(key));
    if (target.isEmpty())
        return w;
    const ListBoundary b = {target.first().value(q.effectiveSortField()), target.first().value(q.keyField)};
    const int half = m_pageSize / 2;
    QVector<QSqlRecord> before = read(q.page(m_db.dialect(), half, &b, true));
    const QVector<QSqlRecord> after = read(q.page(m_db.dialect(), m_pageSize, &b));
    std::reverse(before.begin(), before.end());
    w.atStart = before.size() < half;
    w.atEnd = after.size() < m_pageSize;
    w.row = int(before.size());
    w.rows = before;
    w.rows << target.first() << after;
    return w;
}

void ListPager::setWindow(const Window& w)
{
    m_query.maxRows = 0;
    m_rows = w.rows;
    m_atStart = w.atStart;
    m_atEnd = w.atEnd;
}

QVector<QSqlRecord> ListPager::all() const
{
    if (m_query.sql.isEmpty())
        return {};
    const ListQuery q = m_query.whole(m_db.dialect());
    return read(q);
}

} // namespace nimbo
