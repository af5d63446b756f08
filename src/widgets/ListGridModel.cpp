#include "widgets/ListGridModel.h"
#include "services/MoneyFormat.h"

namespace nimbo {

void ListGridModel::setColumns(const QList<ListColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void ListGridModel::run(const Db& db, const ListQuery& q)
{
    beginResetModel();
    try {
        m_pager.run(db, q);
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

bool ListGridModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && !m_pager.atEnd(); }

void ListGridModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || m_pager.atEnd())
        return;
    const QVector<QSqlRecord> page = m_pager.nextPage();
    if (page.isEmpty()) {
        m_pager.append(page);
        return;
    }
    const int n = rowCount();
    beginInsertRows({}, n, n + int(page.size()) - 1);
    m_pager.append(page);
    endInsertRows();
}

int ListGridModel::fetchBefore()
{
    const QVector<QSqlRecord> page = m_pager.previousPage();
    if (page.isEmpty()) {
        m_pager.prepend(page);
        return 0;
    }
    beginInsertRows({}, 0, int(page.size()) - 1);
    m_pager.prepend(page);
    endInsertRows();
    return int(page.size());
}

void ListGridModel::fetchAll()
{
    while (canFetchBefore())
        fetchBefore();
    while (canFetchMore())
        fetchMore();
}

int ListGridModel::locate(const QVariant& key)
{
    if (const int r = m_pager.indexOf(key); r >= 0 || !m_pager.query().isKeyed())
        return r;
    if (m_pager.atStart() && m_pager.atEnd())
        return -1;
    const ListPager::Window w = m_pager.seek(key);
    if (w.row < 0)
        return -1;
    beginResetModel();
    m_pager.setWindow(w);
    endResetModel();
    return w.row;
}

QSqlRecord ListGridModel::record(int row) const
{
    return row >= 0 && row < m_pager.rows().size() ? m_pager.rows().at(row) : QSqlRecord();
}

int ListGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_pager.rows().size()); }

int ListGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString ListGridModel::displayText(const ListColumn& c, const QVariant& v)
{
    if (c.display)
        return c.display(v);
    if (v.isNull())
        return {};
    switch (c.kind) {
    case ListColumn::Kind::Amount: return MoneyFormat::current().format(v.toDouble());
    case ListColumn::Kind::Integer: return QString::number(v.toLongLong());
    case ListColumn::Kind::Date: {
        const QDate d = toDate(v);
        return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    }
    case ListColumn::Kind::Text: break;
    }
    return toText(v);
}

QString ListGridModel::displayText(int row, int column) const
{
    return displayText(m_columns.at(column), fieldValue(row, m_columns.at(column).field));
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return displayText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const auto k = m_columns.at(index.column()).kind;
        if (k == ListColumn::Kind::Amount || k == ListColumn::Kind::Integer)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ListGridModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, o, role);
}

} // namespace nimbo
