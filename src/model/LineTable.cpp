#include "model/LineTable.h"
#include "db/Db.h"

#include <atomic>

namespace nimbo {

quint64 LineTable::nextGeneration()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

QString LineTable::text(int row, const QString& column) const { return toText(value(row, column)).trimmed(); }

void LineTable::set(int row, const QString& column, const QVariant& v)
{
    Line& l = m_rows[row];
    l.values.insert(column, v);
    l.generation = nextGeneration();
    if (l.state != State::Added)
        l.state = l.values == l.loaded ? State::Loaded : State::Changed;
}

int LineTable::append(const QVariantMap& values) { return insert(count(), values); }

int LineTable::insert(int before, const QVariantMap& values)
{
    Line l;
    l.values = values;
    l.state = State::Added;
    l.generation = nextGeneration();
    before = qBound(0, before, count());
    m_rows.insert(before, l);
    return before;
}

void LineTable::remove(int row)
{
    const Line l = m_rows.takeAt(row);
    if (l.state != State::Added)
        m_deleted.append(l.loaded);
}

void LineTable::load(const QList<QVariantMap>& rows)
{
    clear();
    for (const QVariantMap& r : rows)
        m_rows.append(Line{r, r, State::Loaded, nextGeneration()});
}

void LineTable::clear()
{
    m_rows.clear();
    m_deleted.clear();
}

void LineTable::markClean()
{
    m_deleted.clear();
    for (Line& l : m_rows) {
        l.loaded = l.values;
        l.state = State::Loaded;
    }
}

bool LineTable::isModified() const
{
    if (!m_deleted.isEmpty())
        return true;
    for (const Line& l : m_rows)
        if (l.state != State::Loaded)
            return true;
    return false;
}

QList<QVariantMap> LineTable::removedForLog() const
{
    QList<QVariantMap> out = m_deleted;
    for (const Line& l : m_rows)
        if (l.state == State::Changed)
            out.append(l.loaded);
    return out;
}

QList<QVariantMap> LineTable::addedForLog() const
{
    QList<QVariantMap> out;
    for (const Line& l : m_rows)
        if (l.state != State::Loaded)
            out.append(l.values);
    return out;
}

QList<QVariantMap> LineTable::rows() const
{
    QList<QVariantMap> out;
    for (const Line& l : m_rows)
        out.append(l.values);
    return out;
}

int LineTable::nextNumber(const QString& column) const
{
    int highest = 0;
    for (const Line& l : m_rows)
        highest = qMax(highest, l.values.value(column).toInt());
    for (const QVariantMap& d : m_deleted)
        highest = qMax(highest, d.value(column).toInt());
    return highest + 1;
}

} // namespace nimbo
