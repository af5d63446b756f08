#pragma once
#include "printing/ReportModel.h"

#include <functional>

namespace nimbo {

enum class BandKind {
    Title,          // title and headings, first page only
    PageHeader,     // header line with the page number, every page
    ColumnHeadings, // every page
    CarriedIn,      // "Nakli Yekün" brought over, head of every page after the first
    GroupHeader,
    Detail,
    GroupFooter,
    PageTotal,      // "Sayfa Toplamı"
    CarriedOut,     // "Nakli Yekün" carried to the next page
    GrandTotal,     // "Genel Toplam"
    Summary,        // one summary line
    AmountInWords,  // "YALNIZ " and the words in the label
    Signatures
};

struct Band {
    Band(BandKind kind, int index = -1, const QString& label = {}, const QVector<double>& totals = {})
        : kind(kind), index(index), label(label), totals(totals)
    {
    }
    BandKind kind;
    int index = -1;          // detail row, or summary line
    QString label;
    QVector<double> totals;  // per column (totals bands)
};

struct ReportPage {
    int number = 0;          // 1-based
    QList<Band> bands;
};

// Cuts a report into pages. The caller measures bands in its own unit (millimetres for
// paint devices, lines for text); a page height of zero or less gives one endless page.
class ReportPaginator {
public:
    using Measure = std::function<double(const Band&)>;
    static QList<ReportPage> paginate(const ReportModel& model, double pageHeight, const Measure& measure);

    static QString pageTotalLabel() { return QStringLiteral("Sayfa Toplamı"); }
    static QString carriedLabel() { return QStringLiteral("Nakli Yekün"); }
    static QString grandTotalLabel() { return QStringLiteral("Genel Toplam"); }
};

} // namespace nimbo
