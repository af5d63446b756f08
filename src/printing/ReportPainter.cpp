#include "printing/ReportPainter.h"
#include "printing/ReportFit.h"

#include <cmath>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace nimbo {

namespace {
bool rightAligned(ColumnKind k) { return k == ColumnKind::Amount || k == ColumnKind::Number; }
constexpr double kPadMm = 1.0;
constexpr double kBlockGapMm = 4.0;  // between two blocks side by side
constexpr double kBlockPadMm = 1.5;  // inside a block's frame
constexpr double kBlockSpaceMm = 3.0; // above the row of blocks

// Each block's width: the page's width, gaps taken off, shared by the blocks' shares.
QList<double> blockWidthsMm(const ReportModel& m)
{
    double shares = 0;
    for (const ReportBlock& b : m.blocks)
        shares += qMax(0.1, b.widthShare);
    const double room = m.page.printableWidthMm() - kBlockGapMm * qMax(0, int(m.blocks.size()) - 1);
    QList<double> w;
    for (const ReportBlock& b : m.blocks)
        w << room * qMax(0.1, b.widthShare) / shares;
    return w;
}

// A block's lines as they wrap in its width, each with its height, in millimetres.
QList<std::pair<QString, double>> blockLines(const ReportBlock& b, double widthMm, const QFont& f,
                                              QPaintDevice* device, double lineMm)
{
    const double k = device->logicalDpiX() / 25.4;
    const QFontMetricsF fm(f, device);
    const double textWidth = qMax(1.0, (widthMm - 2 * kBlockPadMm) * k);
    QList<std::pair<QString, double>> out;
    for (const QString& line : b.lines) {
        // Wrapped rows stand as close as the font sets them; the line's own spacing comes once.
        const QRectF r = fm.boundingRect(QRectF(0, 0, textWidth, 1e6), Qt::TextWordWrap, line);
        out.append({line, qMax(0.0, r.height() - fm.height()) / k + lineMm});
    }
    return out;
}
} // namespace

ReportPainter::ReportPainter(const ReportModel& model) : m_model(model) {}

QFont ReportPainter::fontOf(const ReportFont& f, double scale)
{
    QFont font(f.family.isEmpty() ? QStringLiteral("DejaVu Sans") : f.family);
    font.setPointSizeF((f.pointSize > 0 ? f.pointSize : 9) * scale);
    font.setBold(f.bold);
    return font;
}

void ReportPainter::preparePagedDevice(QPagedPaintDevice* device, const PageGeometry& page)
{
    const QSizeF portrait = page.landscape ? page.paperMm.transposed() : page.paperMm;
    const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    device->setPageLayout(QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

double ReportPainter::lineMm(const QFont& f, QPaintDevice* device) const
{
    const QFontMetricsF fm(f, device);
    return fm.height() * 1.3 / (device->logicalDpiY() / 25.4);
}

double ReportPainter::bandHeightMm(const Band& b, QPaintDevice* device) const
{
    const QFont body = fontOf(m_model.bodyFont);
    const double line = lineMm(body, device);
    switch (b.kind) {
    case BandKind::Title:
        return lineMm(fontOf(m_model.titleFont), device) + m_model.headings.size() * line + blocksHeightMm(device) + 2;
    case BandKind::PageHeader:
        return line + 1.5;
    case BandKind::ColumnHeadings:
        return line * 1.3;
    case BandKind::PageTotal:
    case BandKind::GrandTotal:
    case BandKind::CarriedIn:
    case BandKind::CarriedOut:
    case BandKind::GroupFooter:
        return line * 1.15;
    case BandKind::AmountInWords:
        return line * 1.6;
    case BandKind::Signatures:
        return line * 2 + 18;
    default:
        return line;
    }
}

double ReportPainter::blocksHeightMm(QPaintDevice* device) const
{
    if (m_model.blocks.isEmpty())
        return 0;
    const QFont body = fontOf(m_model.bodyFont);
    const double line = lineMm(body, device);
    const QList<double> widths = blockWidthsMm(m_model);
    double tallest = 0;
    for (int i = 0; i < m_model.blocks.size(); ++i) {
        double h = line; // the caption
        for (const auto& l : blockLines(m_model.blocks[i], widths[i], body, device, line))
            h += l.second;
        tallest = qMax(tallest, h);
    }
    return kBlockSpaceMm + tallest + 2 * kBlockPadMm;
}

void ReportPainter::paintBlocks(QPainter& p, double top) const
{
    QPaintDevice* device = p.device();
    const double k = device->logicalDpiX() / 25.4;
    auto r = [k](double x, double y, double w, double h) { return QRectF(x * k, y * k, w * k, h * k); };
    const QFont body = fontOf(m_model.bodyFont);
    QFont bold = body;
    bold.setBold(true);
    const double line = lineMm(body, device);
    const double y0 = top + kBlockSpaceMm;
    const double h = blocksHeightMm(device) - kBlockSpaceMm;
    const QList<double> widths = blockWidthsMm(m_model);
    double x = m_model.page.marginsMm.left();
    for (int i = 0; i < m_model.blocks.size(); ++i) {
        const ReportBlock& b = m_model.blocks[i];
        p.drawRect(r(x, y0, widths[i], h));
        const double inner = widths[i] - 2 * kBlockPadMm;
        double y = y0 + kBlockPadMm;
        p.setFont(bold);
        p.drawText(r(x + kBlockPadMm, y, inner, line), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(bold, device).elidedText(b.caption, Qt::ElideRight, inner * k));
        y += line;
        p.setFont(body);
        for (const auto& l : blockLines(b, widths[i], body, device, line)) {
            p.drawText(r(x + kBlockPadMm, y, inner, l.second), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, l.first);
            y += l.second;
        }
        x += widths[i] + kBlockGapMm;
    }
}

QList<double> ReportPainter::columnWidthsMm() const
{
    QList<double> w;
    double cut = 0, kept = 0; // widths that may shrink, widths of codes that may not
    const QList<int> cols = m_model.visibleColumns();
    for (int c : cols) {
        w << qMax(5.0, m_model.columns[c].widthMm);
        (m_model.columns[c].keptWhole() ? kept : cut) += w.last();
    }
    const double room = m_model.page.printableWidthMm() - kept;
    if (cut > room && cut > 0)
        for (int i = 0; i < cols.size(); ++i)
            if (!m_model.columns[cols[i]].keptWhole())
                w[i] *= qMax(0.0, room) / cut;
    shareSpareWidth(cols, w);
    return w;
}

double ReportPainter::neededWidthMm(int column) const
{
    const ReportColumn& c = m_model.columns[column];
    ReportFont heading = m_model.bodyFont;
    heading.bold = true;
    double need = ReportFit::textWidthMm(heading, c.title);
    double sum = 0;
    for (int r = 0; r < m_model.rows.size(); ++r) {
        need = qMax(need, ReportFit::textWidthMm(m_model.bodyFont, m_model.cellText(r, column)));
        if (c.total)
            sum += std::fabs(m_model.number(r, column));
    }
    // A total is at most the sum of the values, and prints in bold.
    if (c.total)
        need = qMax(need, ReportFit::textWidthMm(heading, ReportModel::formatAmount(sum, c.decimals)));
    return need;
}

void ReportPainter::shareSpareWidth(const QList<int>& cols, QList<double>& w) const
{
    if (m_needMm.size() != cols.size()) {
        m_needMm.clear();
        for (int c : cols)
            m_needMm << neededWidthMm(c);
    }
    double used = 0, spare = 0, missing = 0;
    for (int i = 0; i < cols.size(); ++i) {
        used += w[i];
        (w[i] > m_needMm[i] ? spare : missing) += std::fabs(w[i] - m_needMm[i]);
    }
    if (missing <= 0)
        return;
    // Columns whose heading or values would be cut take the page's unused width first, then
    // what wide columns do not need; no column gets narrower than its own texts.
    const double fromPage = qMin(missing, qMax(0.0, m_model.page.printableWidthMm() - used));
    const double fromColumns = qMin(missing - fromPage, spare);
    const double take = (fromPage + fromColumns) / missing;
    const double give = spare > 0 ? fromColumns / spare : 0;
    for (int i = 0; i < cols.size(); ++i)
        w[i] += w[i] > m_needMm[i] ? -(w[i] - m_needMm[i]) * give : (m_needMm[i] - w[i]) * take;
}

QList<ReportPage> ReportPainter::layout(QPaintDevice* device) const
{
    return ReportPaginator::paginate(m_model, m_model.page.printableHeightMm(),
                                     [&](const Band& b) { return bandHeightMm(b, device); });
}

int ReportPainter::print(QPagedPaintDevice* device) const
{
    const QList<ReportPage> pages = layout(device);
    QPainter p(device);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        paintPage(p, pages[i], pages.size());
    }
    p.end();
    return pages.size();
}

void ReportPainter::paintPage(QPainter& p, const ReportPage& page, int pageCount) const
{
    QPaintDevice* device = p.device();
    const double k = device->logicalDpiX() / 25.4; // device pixels per millimetre
    const PageGeometry& g = m_model.page;
    const double left = g.marginsMm.left();
    const double width = g.printableWidthMm();
    const QList<int> cols = m_model.visibleColumns();
    const QList<double> widths = columnWidthsMm();
    const QFont body = fontOf(m_model.bodyFont);
    QFont bold = body;
    bold.setBold(true);
    const QColor ink = m_model.bodyFont.color.isEmpty() ? QColor(Qt::black) : QColor(m_model.bodyFont.color);
    auto r = [k](double x, double y, double w, double h) { return QRectF(x * k, y * k, w * k, h * k); };
    auto hline = [&](double x1, double x2, double y) { p.drawLine(QPointF(x1 * k, y * k), QPointF(x2 * k, y * k)); };
    QPen pen(ink);
    pen.setWidthF(0.2 * k);
    p.setPen(pen);

    // Draws one cell per visible column; texts[i] belongs to cols[i].
    auto row = [&](double y, double h, const QStringList& texts, const QFont& f) {
        p.setFont(f);
        const QFontMetricsF fm(f, device);
        double x = left;
        for (int i = 0; i < cols.size(); ++i) {
            const ReportColumn& c = m_model.columns[cols[i]];
            const QRectF cell = r(x + kPadMm, y, widths[i] - 2 * kPadMm, h);
            const int align = (rightAligned(c.kind) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            const QString t = fm.elidedText(texts.value(i), Qt::ElideRight, cell.width());
            p.drawText(cell, align, t);
            x += widths[i];
        }
    };
    auto totalsTexts = [&](const Band& b) {
        QStringList t;
        for (int c : cols)
            t << (m_model.columns[c].total ? ReportModel::formatAmount(b.totals.value(c), m_model.columns[c].decimals)
                                           : QString());
        return t;
    };

    double y = g.marginsMm.top();
    for (const Band& b : page.bands) {
        const double h = bandHeightMm(b, device);
        switch (b.kind) {
        case BandKind::Title: {
            const QFont tf = fontOf(m_model.titleFont);
            const double th = lineMm(tf, device);
            p.setFont(tf);
            p.drawText(r(left, y, width, th), Qt::AlignCenter, m_model.title);
            p.setFont(body);
            double hy = y + th;
            for (const QString& line : m_model.headings) {
                p.drawText(r(left, hy, width, lineMm(body, device)), Qt::AlignCenter, line);
                hy += lineMm(body, device);
            }
            paintBlocks(p, hy);
            p.setFont(body);
            break;
        }
        case BandKind::PageHeader: {
            p.setFont(body);
            QString right = QStringLiteral("Sayfa: %1/%2").arg(page.number).arg(pageCount);
            if (!m_model.headerRight.isEmpty())
                right = m_model.headerRight + QStringLiteral("    ") + right;
            p.drawText(r(left, y, width, h - 1.5), Qt::AlignLeft | Qt::AlignVCenter, m_model.headerLeft);
            p.drawText(r(left, y, width, h - 1.5), Qt::AlignRight | Qt::AlignVCenter, right);
            hline(left, left + width, y + h - 1);
            break;
        }
        case BandKind::ColumnHeadings: {
            double total = 0;
            for (double w : widths)
                total += w;
            p.fillRect(r(left, y, total, h), QColor(230, 230, 230));
            QStringList titles;
            for (int c : cols)
                titles << m_model.columns[c].title;
            row(y, h, titles, bold);
            hline(left, left + total, y);
            hline(left, left + total, y + h);
            break;
        }
        case BandKind::GroupHeader:
            p.setFont(bold);
            p.drawText(r(left + kPadMm, y, width, h), Qt::AlignLeft | Qt::AlignVCenter, b.label);
            break;
        case BandKind::Detail: {
            QStringList texts;
            for (int c : cols)
                texts << m_model.cellText(b.index, c);
            row(y, h, texts, body);
            break;
        }
        case BandKind::PageTotal:
        case BandKind::GrandTotal:
        case BandKind::CarriedIn:
        case BandKind::CarriedOut:
        case BandKind::GroupFooter: {
            double total = 0;
            for (double w : widths)
                total += w;
            if (b.kind != BandKind::CarriedIn)
                hline(left, left + total, y + 0.3);
            QStringList texts = totalsTexts(b);
            row(y, h, texts, bold);
            p.setFont(bold);
            // The label goes into the room before the first total column.
            double room = 0;
            for (int i = 0; i < cols.size() && !m_model.columns[cols[i]].total; ++i)
                room += widths[i];
            p.drawText(r(left + kPadMm, y, qMax(room, 30.0), h), Qt::AlignLeft | Qt::AlignVCenter, b.label);
            if (b.kind == BandKind::CarriedIn)
                hline(left, left + total, y + h);
            break;
        }
        case BandKind::Summary: {
            // Totals stand at the right, under the amounts: the caption, then the value
            // aligned on the right edge.
            const double box = qMin(95.0, width * 0.55);
            const ReportSummaryLine& line = m_model.summary[b.index];
            p.setFont(body);
            p.drawText(r(left + width - box, y, box, h), Qt::AlignLeft | Qt::AlignVCenter, line.label + QLatin1Char(':'));
            p.drawText(r(left + width - box, y, box - kPadMm, h), Qt::AlignRight | Qt::AlignVCenter, line.value);
            break;
        }
        case BandKind::AmountInWords:
            p.setFont(bold);
            p.drawText(r(left, y, width, h), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("YALNIZ ") + b.label);
            break;
        case BandKind::Signatures: {
            const int n = m_model.signatures.size();
            const double box = width / n;
            p.setFont(bold);
            for (int i = 0; i < n; ++i) {
                const QRectF frame = r(left + i * box + 2, y + 3, box - 4, h - 4);
                p.drawRect(frame);
                p.drawText(r(left + i * box + 2, y + 3, box - 4, lineMm(body, device) + 1),
                           Qt::AlignCenter, m_model.signatures[i]);
            }
            break;
        }
        }
        y += h;
    }
}

} // namespace nimbo
