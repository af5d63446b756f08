#include "widgets/ListGridModel.h"
#include "printing/ReportModel.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace nimbo {

void ListGridModel::setColumns(const QList<ListColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    m_fieldIndex.clear();
    endResetModel();
}

void ListGridModel::run(const Db& db, const ListQuery& q)
{
    QSqlQuery query(db.sql());
    if (!query.prepare(q.sql))
        throw DbError(query.lastError(), q.sql);
    for (auto it = q.params.begin(); it != q.params.end(); ++it)
        query.bindValue(it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key(), it.value());
    if (!query.exec())
        throw DbError(query.lastError(), q.sql);
    beginResetModel();
    setQuery(std::move(query));
    m_fieldIndex.clear();
    const QSqlRecord r = record();
    for (const ListColumn& c : m_columns)
        m_fieldIndex << r.indexOf(c.field);
    endResetModel();
    if (lastError().isValid())
        throw DbError(lastError(), q.sql);
}

int ListGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QSqlRecord ListGridModel::record(int row) const
{
    QSqlRecord rec = QSqlQueryModel::record();
    for (int i = 0; i < rec.count(); ++i)
        rec.setValue(i, QSqlQueryModel::data(createIndex(row, i), Qt::DisplayRole));
    return rec;
}

QVariant ListGridModel::fieldValue(int row, const QString& field) const
{
    const int i = QSqlQueryModel::record().indexOf(field);
    return i < 0 ? QVariant() : QSqlQueryModel::data(createIndex(row, i), Qt::DisplayRole);
}

QString ListGridModel::displayText(int row, int column) const
{
    const ListColumn& c = m_columns.at(column);
    const int fi = column < m_fieldIndex.size() ? m_fieldIndex.at(column) : -1;
    if (fi < 0)
        return {};
    // Query columns beyond the declared ones are not reachable through index(): make it here.
    const QVariant v = QSqlQueryModel::data(createIndex(row, fi), Qt::DisplayRole);
    if (c.display)
        return c.display(v);
    if (v.isNull())
        return {};
    switch (c.kind) {
    case ListColumn::Kind::Amount: return ReportModel::formatAmount(v.toDouble());
    case ListColumn::Kind::Integer: return QString::number(v.toLongLong());
    case ListColumn::Kind::Date: {
        const QDate d = toDate(v);
        return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    }
    case ListColumn::Kind::Text: break;
    }
    return toText(v);
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
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
    return QSqlQueryModel::headerData(section, o, role);
}

} // namespace nimbo
