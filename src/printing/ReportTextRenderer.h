#pragma once
#include "printing/ReportPaginator.h"

namespace nimbo {

// The report as plain text with aligned columns. With lines per page it is cut into pages
// as on paper (a form feed starts each page after the first) with page totals and
// "Nakli Yekün"; without, it is one continuous listing.
class ReportTextRenderer {
public:
    explicit ReportTextRenderer(const ReportModel& model);
    QString render(int linesPerPage = 0) const;
    QStringList pageLines(const ReportPage& page, int pageCount) const;

    int lineWidth() const { return m_lineWidth; }
    static int bandLines(const ReportModel& model, const Band& band);

private:
    QString cells(const QStringList& texts) const;
    QString totalsLine(const Band& band) const;
    QString padRight(const QString& s, int width) const;
    QString padLeft(const QString& s, int width) const;

    const ReportModel& m_model;
    QList<int> m_cols;       // visible columns
    QVector<int> m_widths;   // characters per visible column
    int m_lineWidth = 0;
};

} // namespace nimbo
