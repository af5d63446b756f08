#include "printing/RtfReportWriter.h"
#include "db/Errors.h"
#include "printing/ReportPaginator.h"

#include <QFile>
#include <QHash>

namespace nimbo {

namespace {

int twips(double mm) { return qRound(mm * 1440.0 / 25.4); }

// The Turkish letters of code page 1254, for readers that skip \u.
char cp1254(QChar c)
{
    static const QHash<ushort, uchar> map = {
        {0x011F, 0xF0}, {0x011E, 0xD0}, {0x0131, 0xFD}, {0x0130, 0xDD}, {0x015F, 0xFE}, {0x015E, 0xDE},
        {0x00E7, 0xE7}, {0x00C7, 0xC7}, {0x00F6, 0xF6}, {0x00D6, 0xD6}, {0x00FC, 0xFC}, {0x00DC, 0xDC},
        {0x00E2, 0xE2}, {0x00C2, 0xC2}, {0x00EE, 0xEE}, {0x00FB, 0xFB}};
    return char(map.value(c.unicode(), '?'));
}

struct Table {
    QList<int> cols;
    QList<int> rightEdges; // twips
};

QByteArray rowOf(const ReportModel& m, const Table& t, const QStringList& texts, bool bold, bool header,
                 bool topRule)
{
    QByteArray out = "\\trowd\\trgaph70\\trleft0";
    if (header)
        out += "\\trhdr";
    for (int i = 0; i < t.cols.size(); ++i) {
        if (header)
            out += "\\clcbpat2\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10";
        else if (topRule)
            out += "\\clbrdrt\\brdrs\\brdrw10";
        out += "\\cellx" + QByteArray::number(t.rightEdges[i]);
    }
    out += "\n";
    for (int i = 0; i < t.cols.size(); ++i) {
        const ColumnKind k = m.columns[t.cols[i]].kind;
        const bool right = (k == ColumnKind::Amount || k == ColumnKind::Number);
        out += "\\pard\\intbl";
        out += right ? "\\qr" : "\\ql";
        out += bold ? "\\b " : " ";
        out += RtfReportWriter::escape(texts.value(i));
        out += bold ? "\\b0\\cell\n" : "\\cell\n";
    }
    out += "\\row\n";
    return out;
}

QByteArray paragraph(const QByteArray& format, const QString& text)
{
    return "\\pard" + format + " " + RtfReportWriter::escape(text) + "\\par\n";
}

} // namespace

QByteArray RtfReportWriter::escape(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\n') {
            out += "\\line ";
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + "\\'" +
                   QByteArray::number(uchar(cp1254(c)), 16).rightJustified(2, '0');
        }
    }
    return out;
}

QByteArray RtfReportWriter::toRtf(const ReportModel& m)
{
    const PageGeometry& g = m.page;
    Table t;
    t.cols = m.visibleColumns();
    double sum = 0;
    for (int c : t.cols)
        sum += m.columns[c].widthMm;
    const double scale = sum > g.printableWidthMm() && sum > 0 ? g.printableWidthMm() / sum : 1.0;
    double edge = 0;
    for (int c : t.cols) {
        edge += m.columns[c].widthMm * scale;
        t.rightEdges << twips(edge);
    }
    const int bodyHalfPoints = qRound((m.bodyFont.pointSize > 0 ? m.bodyFont.pointSize : 9) * 2);
    const int titleHalfPoints = qRound((m.titleFont.pointSize > 0 ? m.titleFont.pointSize : 13) * 2);

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1254\\deff0\\uc1\n";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset162 " + escape(m.bodyFont.family) + ";}"
           "{\\f1\\fswiss\\fcharset162 " + escape(m.titleFont.family) + ";}}\n";
    out += "{\\colortbl;\\red0\\green0\\blue0;\\red230\\green230\\blue230;}\n";
    out += "\\paperw" + QByteArray::number(twips(g.paperMm.width())) + "\\paperh" +
           QByteArray::number(twips(g.paperMm.height()));
    out += "\\margl" + QByteArray::number(twips(g.marginsMm.left())) + "\\margr" +
           QByteArray::number(twips(g.marginsMm.right())) + "\\margt" +
           QByteArray::number(twips(g.marginsMm.top())) + "\\margb" + QByteArray::number(twips(g.marginsMm.bottom()));
    if (g.landscape)
        out += "\\landscape";
    out += "\n\\f0\\fs" + QByteArray::number(bodyHalfPoints) + "\n";
    out += "{\\header\\pard\\ql\\fs16\\tqr\\tx" + QByteArray::number(twips(g.printableWidthMm())) + " " +
           escape(m.headerLeft) + "\\tab " + escape(m.headerRight) + " Sayfa: \\chpgn\\par}\n";
    out += paragraph("\\qc\\f1\\b\\fs" + QByteArray::number(titleHalfPoints), m.title);
    for (const QString& h : m.headings)
        out += paragraph("\\qc\\f0\\b0\\fs" + QByteArray::number(bodyHalfPoints), h);
    for (const ReportBlock& b : m.blocks) {
        out += paragraph("\\ql\\f0\\b\\fs" + QByteArray::number(bodyHalfPoints), b.caption);
        for (const QString& l : b.lines)
            out += paragraph("\\ql\\f0\\b0\\fs" + QByteArray::number(bodyHalfPoints), l);
    }
    out += "\\pard\\f0\\b0\\fs" + QByteArray::number(bodyHalfPoints) + "\\par\n";

    QStringList titles;
    for (int c : t.cols)
        titles << m.columns[c].title;
    out += rowOf(m, t, titles, true, true, false);

    auto totalsTexts = [&](const QString& label, const QVector<double>& sums) {
        QStringList texts;
        for (int c : t.cols)
            texts << (m.columns[c].total ? ReportModel::formatAmount(sums.value(c), m.columns[c].decimals) : QString());
        if (!texts.isEmpty() && !m.columns[t.cols.first()].total)
            texts[0] = label;
        return texts;
    };
    auto signatureBoxes = [&] {
        QByteArray boxes = "\\pard\\par\\trowd\\trgaph70";
        const int n = m.signatures.size();
        const double box = g.printableWidthMm() / n;
        for (int i = 0; i < n; ++i)
            boxes += "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx" +
                     QByteArray::number(twips(box * (i + 1)));
        boxes += "\\trrh1200\n";
        for (const QString& s : m.signatures)
            boxes += "\\pard\\intbl\\qc\\b " + escape(s) + "\\b0\\cell\n";
        return boxes + "\\row\n";
    };
    QVector<double> group = m.zeroTotals(), grand = m.zeroTotals();
    QString groupKey;
    auto closeGroup = [&] {
        out += rowOf(m, t, totalsTexts(m.groupTotalLabel(groupKey), group), true, false, true);
        const QString words = m.groupAmountInWords.value(groupKey);
        if (!words.isEmpty())
            out += paragraph("\\ql\\b", QStringLiteral("YALNIZ ") + words) + "\\pard\\b0";
        if (m.groupSignatures && !m.signatures.isEmpty())
            out += signatureBoxes() + "\\pard\\par\n";
    };
    for (int r = 0; r < m.rows.size(); ++r) {
        if (m.groupColumn >= 0 && (r == 0 || m.groupKey(r) != groupKey)) {
            if (r > 0 && m.hasTotals())
                closeGroup();
            groupKey = m.groupKey(r);
            group = m.zeroTotals();
            out += paragraph("\\b", groupKey) + "\\pard\\b0";
        }
        QStringList texts;
        for (int c : t.cols)
            texts << m.cellText(r, c);
        out += rowOf(m, t, texts, false, false, false);
        m.addRow(m.rows[r], group);
        m.addRow(m.rows[r], grand);
    }
    if (m.groupColumn >= 0 && !m.rows.isEmpty() && m.hasTotals())
        closeGroup();
    if (m.hasTotals() && m.grandTotal)
        out += rowOf(m, t, totalsTexts(m.grandTotalText(), grand), true, false, true);
    out += "\\pard\\par\n";
    for (const ReportSummaryLine& s : m.summary)
        out += paragraph("\\ql", s.label + QStringLiteral(": ") + s.value);
    if (!m.amountInWords.isEmpty())
        out += paragraph("\\ql\\b", QStringLiteral("YALNIZ ") + m.amountInWords) + "\\pard\\b0";
    if (!m.signatures.isEmpty() && !m.groupSignatures)
        out += signatureBoxes();
    out += "\\pard\\par\n}\n";
    return out;
}

void RtfReportWriter::write(const ReportModel& model, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(toRtf(model)) < 0)
        throw UserError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
}

} // namespace nimbo
