#pragma once
#include "printing/ReportModel.h"

#include <QByteArray>

namespace nimbo {

// A user's layout of a list window's report, kept in RBSAYFA.TEMPLATE as JSON:
//   {"version":1,"title":"...","columns":[{"key":"KOD","title":"Kod","width":25,"visible":true}],
//    "titleFont":{...},"bodyFont":{...},"bands":{"pageTotals":true,...},"signatures":[...]}
struct ReportTemplate {
    struct Column {
        QString key;
        QString title;
        double widthMm = 30;
        bool visible = true;
    };
    QString title;
    QList<Column> columns;
    ReportFont titleFont{QStringLiteral("DejaVu Sans"), 13, true, {}};
    ReportFont bodyFont;
    bool pageTotals = true;
    bool carriedTotals = true;
    bool grandTotal = true;
    QStringList signatures;

    static ReportTemplate fromReport(const ReportModel& model);
    // Throws UserError on a layout that is no JSON of ours.
    static ReportTemplate fromJson(const QByteArray& json);
    QByteArray toJson() const;

    // Puts the layout on a report: columns in the layout's order with its titles, widths
    // and visibility; columns the layout does not know go last, hidden.
    void applyTo(ReportModel& model) const;
};

} // namespace nimbo
