#include "printing/ReportTextRenderer.h"

namespace nimbo {

namespace {
const QString kSep = QStringLiteral("  ");

bool rightAligned(ColumnKind k) { return k == ColumnKind::Amount || k == ColumnKind::Number; }

// The blocks under the title side by side: a caption line, then the blocks' lines, each
// block as wide as its widest line.
QStringList blockRows(const QList<ReportBlock>& blocks)
{
    if (blocks.isEmpty())
        return {};
    int height = 0;
    QList<int> widths;
    for (const ReportBlock& b : blocks) {
        int w = b.caption.size();
        for (const QString& l : b.lines)
            w = qMax(w, int(l.size()));
        widths << w;
        height = qMax(height, int(b.lines.size()));
    }
    QStringList out;
    for (int row = -1; row < height; ++row) {
        QString line;
        for (int i = 0; i < blocks.size(); ++i) {
            const QString t = row < 0 ? blocks[i].caption : blocks[i].lines.value(row);
            line += (i > 0 ? QStringLiteral("    ") : QString()) + t + QString(widths[i] - t.size(), QLatin1Char(' '));
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out << line;
    }
    return out;
}
} // namespace

ReportTextRenderer::ReportTextRenderer(const ReportModel& model) : m_model(model), m_cols(model.visibleColumns())
{
    // Every column is as wide as its widest text, totals included.
    m_widths.resize(m_cols.size());
    QVector<double> sums = model.zeroTotals();
    for (const QVariantList& r : model.rows)
        model.addRow(r, sums);
    for (int i = 0; i < m_cols.size(); ++i) {
        const int c = m_cols[i];
        int w = model.columns[c].title.size();
        for (int r = 0; r < model.rows.size(); ++r)
            w = qMax(w, model.cellText(r, c).size());
        if (model.columns[c].total)
            w = qMax(w, ReportModel::formatAmount(sums[c], model.columns[c].decimals).size());
        m_widths[i] = qMax(w, 1);
    }
    // The labels of total lines stand in the columns before the first total column.
    if (model.hasTotals()) {
        int label = model.grandTotalText().size();
        label = qMax(label, ReportPaginator::pageTotalLabel().size());
        label = qMax(label, ReportPaginator::carriedLabel().size());
        if (model.groupColumn >= 0)
            for (int r = 0; r < model.rows.size(); ++r)
                label = qMax(label, model.groupTotalLabel(model.groupKey(r)).size());
        int lead = -1, span = 0;
        for (int i = 0; i < m_cols.size() && !model.columns[m_cols[i]].total; ++i) {
            lead = i;
            span += m_widths[i] + (i > 0 ? kSep.size() : 0);
        }
        if (lead >= 0 && span < label)
            m_widths[lead] += label - span;
    }
    for (int i = 0; i < m_widths.size(); ++i)
        m_lineWidth += m_widths[i] + (i > 0 ? kSep.size() : 0);
}

int ReportTextRenderer::bandLines(const ReportModel& model, const Band& band)
{
    switch (band.kind) {
    case BandKind::Title:
        return 2 + model.headings.size() + blockRows(model.blocks).size(); // title, headings, blocks, blank
    case BandKind::ColumnHeadings:
        return 2;                           // titles and a rule
    case BandKind::GrandTotal:
    case BandKind::PageTotal:
        return 2;                           // a rule and the totals
    case BandKind::Signatures:
        return 4;                           // blank, names, blank space to sign, rules
    default:
        return 1;
    }
}

QString ReportTextRenderer::padRight(const QString& s, int width) const
{
    return s.size() >= width ? s.left(width) : s + QString(width - s.size(), QLatin1Char(' '));
}

QString ReportTextRenderer::padLeft(const QString& s, int width) const
{
    return s.size() >= width ? s.right(width) : QString(width - s.size(), QLatin1Char(' ')) + s;
}

QString ReportTextRenderer::cells(const QStringList& texts) const
{
    QStringList parts;
    for (int i = 0; i < m_cols.size(); ++i) {
        const QString t = i < texts.size() ? texts[i] : QString();
        parts << (rightAligned(m_model.columns[m_cols[i]].kind) ? padLeft(t, m_widths[i]) : padRight(t, m_widths[i]));
    }
    QString line = parts.join(kSep);
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

QString ReportTextRenderer::totalsLine(const Band& band) const
{
    QStringList texts;
    int firstTotal = -1;
    for (int i = 0; i < m_cols.size(); ++i) {
        const ReportColumn& c = m_model.columns[m_cols[i]];
        if (c.total && firstTotal < 0)
            firstTotal = i;
        texts << (c.total ? ReportModel::formatAmount(band.totals.value(m_cols[i]), c.decimals) : QString());
    }
    QString line = cells(texts);
    if (firstTotal > 0) // the label fits the leading columns, widened for it
        line.replace(0, band.label.size(), band.label);
    else
        line = band.label + QLatin1Char('\n') + line;
    return line;
}

QStringList ReportTextRenderer::pageLines(const ReportPage& page, int pageCount) const
{
    QStringList out;
    const QString rule(m_lineWidth, QLatin1Char('-'));
    const int width = qMax(m_lineWidth, m_model.title.size());
    for (const Band& b : page.bands) {
        switch (b.kind) {
        case BandKind::Title: {
            const int pad = qMax(0, (width - m_model.title.size()) / 2);
            out << QString(pad, QLatin1Char(' ')) + m_model.title;
            for (const QString& h : m_model.headings)
                out << QString(qMax(0, (width - int(h.size())) / 2), QLatin1Char(' ')) + h;
            out << blockRows(m_model.blocks);
            out << QString();
            break;
        }
        case BandKind::PageHeader: {
            QString right = QStringLiteral("Sayfa: %1/%2").arg(page.number).arg(pageCount);
            if (!m_model.headerRight.isEmpty())
                right = m_model.headerRight + QStringLiteral("  ") + right;
            const int gap = qMax(2, width - int(m_model.headerLeft.size()) - int(right.size()));
            out << m_model.headerLeft + QString(gap, QLatin1Char(' ')) + right;
            break;
        }
        case BandKind::ColumnHeadings: {
            QStringList titles;
            for (int c : m_cols)
                titles << m_model.columns[c].title;
            out << cells(titles) << rule;
            break;
        }
        case BandKind::GroupHeader:
            out << b.label;
            break;
        case BandKind::Detail: {
            QStringList texts;
            for (int c : m_cols)
                texts << m_model.cellText(b.index, c);
            out << cells(texts);
            break;
        }
        case BandKind::PageTotal:
        case BandKind::GrandTotal:
            out << rule;
            out << totalsLine(b).split(QLatin1Char('\n'));
            break;
        case BandKind::CarriedIn:
        case BandKind::CarriedOut:
        case BandKind::GroupFooter:
            out << totalsLine(b).split(QLatin1Char('\n'));
            break;
        case BandKind::Summary:
            out << m_model.summary[b.index].label + QStringLiteral(": ") + m_model.summary[b.index].value;
            break;
        case BandKind::AmountInWords:
            out << QStringLiteral("YALNIZ ") + b.label;
            break;
        case BandKind::Signatures: {
            const int n = m_model.signatures.size();
            const int box = qMax(12, width / qMax(1, n));
            QString names, rules;
            for (const QString& s : m_model.signatures) {
                names += padRight(QString(qMax(0, (box - int(s.size())) / 2), QLatin1Char(' ')) + s, box);
                rules += padRight(QString(box - 2, QLatin1Char('_')), box);
            }
            auto rtrim = [](QString t) {
                while (t.endsWith(QLatin1Char(' ')))
                    t.chop(1);
                return t;
            };
            out << QString() << rtrim(names) << QString() << rtrim(rules);
            break;
        }
        }
    }
    return out;
}

QString ReportTextRenderer::render(int linesPerPage) const
{
    const QList<ReportPage> pages = ReportPaginator::paginate(
        m_model, linesPerPage, [this](const Band& b) { return double(bandLines(m_model, b)); });
    QStringList out;
    for (const ReportPage& p : pages) {
        if (p.number > 1)
            out << QStringLiteral("\f");
        out << pageLines(p, pages.size());
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace nimbo
