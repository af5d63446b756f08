#include "printing/XlsxReportWriter.h"
#include "db/Errors.h"
#include "printing/ReportPaginator.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <xlsxwriter.h>

namespace nimbo {

namespace {

QString sheetName(const QString& title)
{
    QString s = title;
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        s.remove(c);
    s = s.trimmed().left(31);
    return s.isEmpty() ? QStringLiteral("Rapor") : s;
}

QDate dateOf(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    const QDateTime dt = QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
    return dt.isValid() ? dt.date() : QDate::fromString(v.toString(), QStringLiteral("dd.MM.yyyy"));
}

class Sheet {
public:
    Sheet(const ReportModel& m, lxw_workbook* wb, lxw_worksheet* ws) : m(m), wb(wb), ws(ws), cols(m.visibleColumns())
    {
        bold = workbook_add_format(wb);
        format_set_bold(bold);
        title = workbook_add_format(wb);
        format_set_bold(title);
        format_set_font_size(title, 14);
        heading = workbook_add_format(wb);
        format_set_bold(heading);
        format_set_bottom(heading, LXW_BORDER_THIN);
        format_set_bg_color(heading, 0xE6E6E6);
        date = workbook_add_format(wb);
        format_set_num_format(date, "dd.mm.yyyy");
    }

    void text(int row, int col, const QString& s, lxw_format* f = nullptr)
    {
        worksheet_write_string(ws, lxw_row_t(row), lxw_col_t(col), s.toUtf8().constData(), f);
    }

    void totals(int row, const QString& label, const QVector<double>& sums)
    {
        text(row, 0, label, bold);
        for (int i = 0; i < cols.size(); ++i)
            if (m.columns[cols[i]].total)
                worksheet_write_number(ws, lxw_row_t(row), lxw_col_t(i), sums.value(cols[i]),
                                       moneyOf(m.columns[cols[i]].decimals, true));
    }

    void cell(int row, int i, int r)
    {
        const int c = cols[i];
        const QVariant v = m.rows[r].value(c);
        if (v.isNull() || !v.isValid())
            return;
        switch (m.columns[c].kind) {
        case ColumnKind::Amount:
            worksheet_write_number(ws, lxw_row_t(row), lxw_col_t(i), ReportModel::parseAmount(v),
                                   moneyOf(m.columns[c].decimals, false));
            return;
        case ColumnKind::Number:
            worksheet_write_number(ws, lxw_row_t(row), lxw_col_t(i), ReportModel::parseAmount(v), nullptr);
            return;
        case ColumnKind::Date: {
            const QDate d = dateOf(v);
            if (d.isValid()) {
                lxw_datetime dt = {d.year(), d.month(), d.day(), 0, 0, 0};
                worksheet_write_datetime(ws, lxw_row_t(row), lxw_col_t(i), &dt, date);
                return;
            }
            break;
        }
        case ColumnKind::Text:
            break;
        }
        text(row, i, m.cellText(r, c));
    }

    void fill()
    {
        int row = 0;
        text(row++, 0, m.title, title);
        for (const QString& h : m.headings)
            text(row++, 0, h);
        // Blocks side by side, each from its own column.
        int blockRows = 0;
        for (int i = 0, col = 0; i < m.blocks.size(); ++i, col += 3) {
            text(row + 1, col, m.blocks[i].caption, bold);
            for (int l = 0; l < m.blocks[i].lines.size(); ++l)
                text(row + 2 + l, col, m.blocks[i].lines[l]);
            blockRows = qMax(blockRows, int(m.blocks[i].lines.size()) + 2);
        }
        row += blockRows;
        ++row;
        for (int i = 0; i < cols.size(); ++i) {
            text(row, i, m.columns[cols[i]].title, heading);
            worksheet_set_column(ws, lxw_col_t(i), lxw_col_t(i), qMax(8.0, m.columns[cols[i]].widthMm / 2.2), nullptr);
        }
        worksheet_freeze_panes(ws, lxw_row_t(row + 1), 0);
        ++row;
        QVector<double> group = m.zeroTotals(), grand = m.zeroTotals();
        QString key;
        for (int r = 0; r < m.rows.size(); ++r) {
            if (m.groupColumn >= 0 && (r == 0 || m.groupKey(r) != key)) {
                if (r > 0 && m.hasTotals())
                    closeGroup(row, key, group);
                key = m.groupKey(r);
                group = m.zeroTotals();
                text(row++, 0, key, bold);
            }
            for (int i = 0; i < cols.size(); ++i)
                cell(row, i, r);
            ++row;
            m.addRow(m.rows[r], group);
            m.addRow(m.rows[r], grand);
        }
        if (m.groupColumn >= 0 && !m.rows.isEmpty() && m.hasTotals())
            closeGroup(row, key, group);
        if (m.hasTotals() && m.grandTotal)
            totals(row++, m.grandTotalText(), grand);
        ++row;
        for (const ReportSummaryLine& s : m.summary) {
            text(row, 0, s.label, bold);
            text(row++, 1, s.value);
        }
        if (!m.amountInWords.isEmpty())
            text(row++, 0, QStringLiteral("YALNIZ ") + m.amountInWords, bold);
    }

private:
    // A group's total line and, when it has one, its "YALNIZ " line.
    void closeGroup(int& row, const QString& key, const QVector<double>& sums)
    {
        totals(row++, m.groupTotalLabel(key), sums);
        const QString words = m.groupAmountInWords.value(key);
        if (!words.isEmpty())
            text(row++, 0, QStringLiteral("YALNIZ ") + words, bold);
    }

    const ReportModel& m;
    lxw_workbook* wb;
    lxw_worksheet* ws;
    QList<int> cols;
    // Amounts with the column's decimals (the year's money format), plain or as a total.
    lxw_format* moneyOf(int decimals, bool total)
    {
        const int key = decimals * 2 + (total ? 1 : 0);
        if (lxw_format* f = moneyFormats.value(key))
            return f;
        lxw_format* f = workbook_add_format(wb);
        const QByteArray pattern = decimals > 0 ? "#,##0." + QByteArray(decimals, '0') : QByteArray("#,##0");
        format_set_num_format(f, pattern.constData());
        if (total) {
            format_set_bold(f);
            format_set_top(f, LXW_BORDER_THIN);
        }
        moneyFormats.insert(key, f);
        return f;
    }

    lxw_format *bold, *title, *heading, *date;
    QHash<int, lxw_format*> moneyFormats;
};

} // namespace

void XlsxReportWriter::write(const ReportModel& model, const QString& path)
{
    lxw_workbook* wb = workbook_new(path.toUtf8().constData());
    if (!wb)
        throw UserError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheetName(model.title).toUtf8().constData());
    if (!ws) {
        workbook_close(wb);
        throw UserError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
    }
    worksheet_set_paper(ws, 9);
    if (model.page.landscape)
        worksheet_set_landscape(ws);
    Sheet(model, wb, ws).fill();
    if (workbook_close(wb) != LXW_NO_ERROR)
        throw UserError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
}

} // namespace nimbo
