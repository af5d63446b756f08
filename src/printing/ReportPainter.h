#pragma once
#include "printing/ReportPaginator.h"

#include <QFont>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace nimbo {

// Paints a report page by page on any paged device: the preview's and the printer's
// QPrinter, or a QPdfWriter. One painter for every output on paper.
class ReportPainter {
public:
    explicit ReportPainter(const ReportModel& model);

    // Gives the device the report's paper and orientation with no margins of its own;
    // the report keeps its margins itself.
    static void preparePagedDevice(QPagedPaintDevice* device, const PageGeometry& page);
    // Paints every page; returns the number of pages.
    int print(QPagedPaintDevice* device) const;
    // Paints one page with a painter already open on the device.
    void paintPage(QPainter& p, const ReportPage& page, int pageCount) const;
    QList<ReportPage> layout(QPaintDevice* device) const;

    static QFont fontOf(const ReportFont& f, double scale = 1.0);
    // The printed width of each visible column: as declared, codes (noCut) kept whole and
    // the others narrowed together when the page is too narrow for all; then room a column
    // does not need for its heading, values and total goes to columns that would be cut.
    QList<double> columnWidthsMm() const;

private:
    double neededWidthMm(int column) const;
    void shareSpareWidth(const QList<int>& cols, QList<double>& w) const;

    double bandHeightMm(const Band& b, QPaintDevice* device) const;
    // The framed blocks under the title: their height with the space above them, and paint.
    double blocksHeightMm(QPaintDevice* device) const;
    void paintBlocks(QPainter& p, double top) const;
    double lineMm(const QFont& f, QPaintDevice* device) const;

    const ReportModel& m_model;
    mutable QList<double> m_needMm; // per visible column, measured once
};

} // namespace nimbo
