#pragma once
#include <QHash>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace nimbo {

enum class ColumnKind { Text, Amount, Number, Date };

struct ReportColumn {
    QString key;          // field name in the source; templates match columns by it
    QString title;
    double widthMm = 30;
    ColumnKind kind = ColumnKind::Text;
    int decimals = 2;     // Amount only
    bool total = false;   // summed into group, page and grand totals
    bool visible = true;
    bool noCut = false;   // a code: its column is made wide enough for its longest text
    // A code or a date: cut short, neither can be read ("01.01.20…").
    bool keptWhole() const { return noCut || kind == ColumnKind::Date; }
};

struct ReportFont {
    QString family = QStringLiteral("DejaVu Sans");
    double pointSize = 9;
    bool bold = false;
    QString color;        // a colour name; empty is black
};

// Paper and margins the report is laid out on; the size is already turned for landscape.
struct PageGeometry {
    QSizeF paperMm{210, 297};
    QMarginsF marginsMm{10, 10, 10, 10};
    bool landscape = false;
    double printableWidthMm() const { return paperMm.width() - marginsMm.left() - marginsMm.right(); }
    double printableHeightMm() const { return paperMm.height() - marginsMm.top() - marginsMm.bottom(); }
};

struct ReportSummaryLine {
    QString label;
    QString value;
};

// A framed block of lines under the title, printed beside the report's other blocks: the
// seller, the buyer and the numbers of an invoice. Lines are left-aligned and wrap on paper.
struct ReportBlock {
    QString caption;     // bold, at the top of the frame ("SATICI", "ALICI")
    QStringList lines;
    double widthShare = 1; // its part of the page's width against the other blocks
};

// What a report prints, independent of where it goes: title and headings, the page header,
// detail rows in columns, group / page / carried / grand totals, a summary band and
// signature boxes. The painter, the text renderer and the file writers all read this.
class ReportModel {
public:
    QString title;
    QStringList headings;           // lines under the title (range, filters)
    QString headerLeft;             // on every page, e.g. the firm's name
    QString headerRight;            // on every page beside the page number, e.g. the date
    QList<ReportBlock> blocks;      // side by side under the headings, first page only
    QList<ReportColumn> columns;
    QList<QVariantList> rows;       // one value per column
    int groupColumn = -1;           // consecutive rows with the same value form a group
    bool pageTotals = true;         // "Sayfa Toplamı" at the foot of each page
    bool carriedTotals = true;      // "Nakli Yekün" at page breaks
    bool grandTotal = true;         // "Genel Toplam" after the last row
    QString grandTotalLabel;        // another caption for it (e.g. "Fiş Toplamı"); empty: "Genel Toplam"
    QString groupTotalCaption;      // every group's total line (e.g. "Fiş Toplamı"); empty: the group + " Toplamı"
    QList<ReportSummaryLine> summary;
    QString amountInWords;          // printed after "YALNIZ "
    QStringList signatures;         // e.g. "DÜZENLEYEN", "KONTROL", "YETKİLİ"
    // Groups that close like a document of their own (the vouchers of a combined voucher
    // print): under a group's total its "YALNIZ " line, by group key, and, when set, the
    // signature boxes, which then close every group instead of the report.
    QHash<QString, QString> groupAmountInWords;
    bool groupSignatures = false;
    ReportFont titleFont{QStringLiteral("DejaVu Sans"), 13, true, {}};
    ReportFont bodyFont;
    PageGeometry page;              // the report's own design; a page-setup row overrides it

    bool hasTotals() const;
    QString grandTotalText() const;
    QList<int> visibleColumns() const;
    QString cellText(int row, int column) const;
    QString valueText(int column, const QVariant& v) const;
    double number(int row, int column) const;
    QString groupKey(int row) const;
    QString groupTotalLabel(const QString& group) const;
    QVector<double> zeroTotals() const { return QVector<double>(columns.size(), 0.0); }
    void addRow(const QVariantList& values, QVector<double>& sums) const;

    // Turkish money format: 1.234,56
    static QString formatAmount(double v, int decimals = 2);
    // Reads "1.234,56" or "1234.56" back; 0 when it is no number.
    static double parseAmount(const QVariant& v);
};

} // namespace nimbo
