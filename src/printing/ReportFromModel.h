#pragma once
#include "printing/ReportModel.h"

class QAbstractItemModel;

namespace nimbo {

// How a list becomes a report; every field is optional.
struct ReportOptions {
    QStringList headings;        // lines under the title
    QList<int> columns;          // source columns in print order; empty: all
    QList<int> totalColumns;     // summed; empty: every column whose values are all floating point
    QList<int> amountColumns;    // printed as money even when the source hands text
    int groupColumn = -1;        // source column to group by
    QStringList signatures;
    QString headerLeft;          // empty: the firm's name from the session
};

// Builds a report from any item model (a list window's grid): its header texts become the
// column titles, its rows the detail rows, widths follow the texts.
ReportModel reportFromModel(const QAbstractItemModel* model, const QString& title, const ReportOptions& options = {});

} // namespace nimbo
