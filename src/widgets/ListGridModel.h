#pragma once
#include "model/ListPager.h"
#include "widgets/ListColumn.h"

#include <QAbstractTableModel>
#include <QSqlRecord>

namespace nimbo {

// A read-only grid model over a list: the rows a ListPager holds, a page read as the view
// scrolls; shows only the declared columns, formatted by kind (the year's money format,
// dd.MM.yyyy dates).
class ListGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setColumns(const QList<ListColumn>& columns);
    const QList<ListColumn>& columns() const { return m_columns; }
    void setPageSize(int n) { m_pager.setPageSize(n); }
    // Runs the query and reads its first page; throws DbError (the rows shown stay).
    void run(const Db& db, const ListQuery& q);
    const ListQuery& query() const { return m_pager.query(); }
    const ListPager& pager() const { return m_pager; }

    // The row of this key, seeking it in the list when it is not held; -1 when it is not in it.
    int locate(const QVariant& key);
    bool canFetchBefore() const { return !m_pager.atStart(); }
    // Reads the page before the first row held; returns how many rows came in at the top.
    int fetchBefore();
    // Reads every remaining row in both directions.
    void fetchAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;

    // The row's raw values, every field of the query.
    QSqlRecord record(int row) const;
    // The raw value of a field in a row, by field name.
    QVariant fieldValue(int row, const QString& field) const { return record(row).value(field); }
    QString displayText(int row, int column) const;
    // A declared column's text for a raw value (also for rows read elsewhere: prints, exports).
    static QString displayText(const ListColumn& c, const QVariant& v);

private:
    ListPager m_pager;
    QList<ListColumn> m_columns;
};

} // namespace nimbo
