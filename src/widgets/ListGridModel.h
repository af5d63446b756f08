#pragma once
#include "model/CardModel.h"
#include "widgets/ListColumn.h"

#include <QSqlQueryModel>
#include <QSqlRecord>

namespace nimbo {

// A read-only grid model over a list query with bound values; shows only the declared
// columns, formatted by kind (Turkish amounts, dd.MM.yyyy dates).
class ListGridModel : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;

    void setColumns(const QList<ListColumn>& columns);
    const QList<ListColumn>& columns() const { return m_columns; }
    // Runs the query; throws DbError.
    void run(const Db& db, const ListQuery& q);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // The row's raw values, every field of the query (the base class's record(row) would read
    // them through data(), which shows only the declared columns).
    QSqlRecord record(int row) const;
    QSqlRecord record() const { return QSqlQueryModel::record(); }
    // The raw value of a field in a row, by field name.
    QVariant fieldValue(int row, const QString& field) const;
    QString displayText(int row, int column) const;

private:
    QList<ListColumn> m_columns;
    QList<int> m_fieldIndex; // query column of each declared column
};

} // namespace nimbo
