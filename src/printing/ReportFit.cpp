#include "printing/ReportFit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

namespace nimbo {

namespace {
constexpr int kDpi = 600;
constexpr double kPadMm = 1.0;    // as the painter leaves inside a cell
constexpr double kSpareMm = 0.8;  // hinting and rounding on the printer

double sumOf(const ReportModel& m)
{
    double s = 0;
    for (int c : m.visibleColumns())
        s += qMax(5.0, m.columns[c].widthMm);
    return s;
}

void widenCodes(ReportModel& m)
{
    for (int c : m.visibleColumns()) {
        ReportColumn& col = m.columns[c];
        if (!col.keptWhole())
            continue;
        double need = 0;
        for (int r = 0; r < m.rows.size(); ++r)
            need = qMax(need, ReportFit::textWidthMm(m.bodyFont, m.cellText(r, c)));
        col.widthMm = qMax(col.widthMm, need);
    }
}
} // namespace

double ReportFit::textWidthMm(const ReportFont& f, const QString& text)
{
    // Measured at printer resolution on an image, so it needs no screen.
    static QImage device = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(qRound(kDpi / 0.0254));
        i.setDotsPerMeterY(qRound(kDpi / 0.0254));
        return i;
    }();
    QFont font(f.family);
    font.setPointSizeF(f.pointSize > 0 ? f.pointSize : 9);
    font.setBold(f.bold);
    const QFontMetricsF fm(font, &device);
    return fm.horizontalAdvance(text) / kDpi * 25.4 + 2 * kPadMm + kSpareMm;
}

void ReportFit::fit(ReportModel& m)
{
    widenCodes(m);
    PageGeometry& g = m.page;
    if (sumOf(m) > g.printableWidthMm() && !g.landscape) {
        g.landscape = true;
        g.paperMm = g.paperMm.transposed();
    }
    const double sum = sumOf(m);
    if (sum <= g.printableWidthMm())
        return;
    const double pt = m.bodyFont.pointSize > 0 ? m.bodyFont.pointSize : 9;
    const double smaller = qMax(kMinPointSize, pt * g.printableWidthMm() / sum);
    if (smaller >= pt)
        return;
    m.bodyFont.pointSize = smaller;
    for (ReportColumn& c : m.columns)
        c.widthMm *= smaller / pt;
    // Codes again at the new size: scaling is close, the measure is exact.
    for (ReportColumn& c : m.columns)
        if (c.keptWhole())
            c.widthMm = 0;
    widenCodes(m);
}

} // namespace nimbo
