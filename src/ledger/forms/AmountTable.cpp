#include "ledger/forms/AmountTable.h"
#include "printing/ReportModel.h"

#include <QHeaderView>

namespace nimbo {

AmountTable::AmountTable(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(22);
    setAlternatingRowColors(true);
}

void AmountTable::setColumns(const QList<Column>& columns)
{
    m_columns = columns;
    setColumnCount(int(columns.size()));
    QStringList titles;
    for (const Column& c : columns)
        titles << c.title;
    setHorizontalHeaderLabels(titles);
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns.at(i).width);
}

void AmountTable::clearRows() { setRowCount(0); }

void AmountTable::addRow(const QVariantList& values, bool bold)
{
    const int r = rowCount();
    insertRow(r);
    for (int c = 0; c < m_columns.size() && c < values.size(); ++c) {
        const QVariant& v = values.at(c);
        const bool amount = m_columns.at(c).amount;
        auto* item = new QTableWidgetItem(amount ? (v.isNull() ? QString() : ReportModel::formatAmount(v.toDouble()))
                                                 : v.toString());
        if (amount)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (bold) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        setItem(r, c, item);
    }
}

QString AmountTable::text(int row, int column) const
{
    const QTableWidgetItem* i = item(row, column);
    return i ? i->text() : QString();
}

} // namespace nimbo
