#pragma once
#include "widgets/LineColumn.h"

#include <QAbstractTableModel>

namespace nimbo {

class DocumentModel;

// Adapts one LineTable of a document to a grid. An edit goes to DocumentModel::setLine(),
// which recomputes the document; every cell is then shown again (a change can move others).
class LineGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LineGridModel(DocumentModel& doc, const QString& lines, const QList<LineColumn>& columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const LineColumn& column(int c) const { return m_columns.at(c); }
    int columnOf(const QString& field) const;
    QString lines() const { return m_lines; }
    DocumentModel& document() { return m_doc; }
    // The lines were added, removed or reloaded.
    void reload();
    void setColumnReadOnly(const QString& field, bool readOnly);

Q_SIGNALS:
    void edited(); // a cell was changed by the user

private:
    DocumentModel& m_doc;
    QString m_lines;
    QList<LineColumn> m_columns;
};

} // namespace nimbo
