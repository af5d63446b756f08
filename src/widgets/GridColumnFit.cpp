#include "widgets/GridColumnFit.h"

#include <QHeaderView>
#include <QTableView>

namespace nimbo {

void GridColumnFit::fitHeadings(QTableView* grid)
{
    QHeaderView* h = grid->horizontalHeader();
    for (int c = 0; c < h->count(); ++c)
        if (!grid->isColumnHidden(c))
            grid->setColumnWidth(c, qMax(grid->columnWidth(c), h->sectionSizeHint(c)));
}

void GridColumnFit::fitValues(QTableView* grid, int maxWidth)
{
    QAbstractItemView* view = grid; // the table's own hint (rows in view) is reached through its base
    for (int c = 0; c < grid->horizontalHeader()->count(); ++c) {
        if (grid->isColumnHidden(c))
            continue;
        const int wanted = qMin(view->sizeHintForColumn(c), maxWidth);
        if (wanted > grid->columnWidth(c))
            grid->setColumnWidth(c, wanted);
    }
}

} // namespace nimbo
