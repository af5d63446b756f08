#include "printing/ReportPaginator.h"

namespace nimbo {

namespace {

class Pager {
public:
    Pager(const ReportModel& m, double height, const ReportPaginator::Measure& measure)
        : m(m), height(height), measure(measure), totals(m.hasTotals()), cumulative(m.zeroTotals()),
          pageSums(m.zeroTotals())
    {
        if (totals) {
            if (m.pageTotals)
                footReserve += measure(Band{BandKind::PageTotal});
            if (m.carriedTotals)
                footReserve += measure(Band{BandKind::CarriedOut});
        }
    }

    QList<ReportPage> run()
    {
        startPage();
        QString group;
        QVector<double> groupSums = m.zeroTotals();
        for (int r = 0; r < m.rows.size(); ++r) {
            const QString key = m.groupKey(r);
            if (m.groupColumn >= 0 && (r == 0 || key != group)) {
                if (r > 0)
                    closeGroup(group, groupSums);
                group = key;
                groupSums = m.zeroTotals();
                placeBody(Band{BandKind::GroupHeader, r, key});
            }
            placeBody(Band{BandKind::Detail, r});
            m.addRow(m.rows[r], groupSums);
            m.addRow(m.rows[r], pageSums);
            m.addRow(m.rows[r], cumulative);
        }
        if (m.groupColumn >= 0 && !m.rows.isEmpty() && totals)
            closeGroup(group, groupSums);
        if (totals && m.pageTotals && pages.size() > 1)
            add(Band{BandKind::PageTotal, -1, ReportPaginator::pageTotalLabel(), pageSums});
        // The closing bands take what room is left; the page total above was reserved.
        footReserve = 0;
        if (totals && m.grandTotal)
            placeBody(Band{BandKind::GrandTotal, -1, m.grandTotalText(), cumulative}, false);
        for (int i = 0; i < m.summary.size(); ++i)
            placeBody(Band{BandKind::Summary, i, m.summary[i].label}, false);
        if (!m.amountInWords.isEmpty())
            placeBody(Band{BandKind::AmountInWords, -1, m.amountInWords}, false);
        if (!m.signatures.isEmpty() && !m.groupSignatures)
            placeBody(Band{BandKind::Signatures}, false);
        for (int i = 0; i < pages.size(); ++i)
            pages[i].number = i + 1;
        return pages;
    }

private:
    ReportPage& cur() { return pages.last(); }

    void closeGroup(const QString& group, const QVector<double>& sums)
    {
        placeBody(Band{BandKind::GroupFooter, -1, m.groupTotalLabel(group), sums});
        const QString words = m.groupAmountInWords.value(group);
        if (!words.isEmpty())
            placeBody(Band{BandKind::AmountInWords, -1, words});
        if (m.groupSignatures && !m.signatures.isEmpty())
            placeBody(Band{BandKind::Signatures});
    }

    void add(const Band& b)
    {
        cur().bands << b;
        used += measure(b);
    }

    void startPage(bool withColumns = true)
    {
        pages << ReportPage{};
        used = 0;
        hasBody = false;
        if (pages.size() == 1)
            add(Band{BandKind::Title});
        add(Band{BandKind::PageHeader});
        if (withColumns)
            add(Band{BandKind::ColumnHeadings});
        if (pages.size() > 1 && withColumns && totals && m.carriedTotals)
            add(Band{BandKind::CarriedIn, -1, ReportPaginator::carriedLabel(), cumulative});
    }

    void closePage()
    {
        if (totals && m.pageTotals)
            cur().bands << Band{BandKind::PageTotal, -1, ReportPaginator::pageTotalLabel(), pageSums};
        if (totals && m.carriedTotals)
            cur().bands << Band{BandKind::CarriedOut, -1, ReportPaginator::carriedLabel(), cumulative};
        pageSums = m.zeroTotals();
    }

    void placeBody(const Band& b, bool details = true)
    {
        const double h = measure(b);
        if (height > 0 && hasBody && used + h + footReserve > height + 1e-9) {
            if (details)
                closePage();
            startPage(details);
        }
        add(b);
        hasBody = true;
    }

    const ReportModel& m;
    double height;
    const ReportPaginator::Measure& measure;
    bool totals;
    QVector<double> cumulative, pageSums;
    double footReserve = 0;
    double used = 0;
    bool hasBody = false;
    QList<ReportPage> pages;
};

} // namespace

QList<ReportPage> ReportPaginator::paginate(const ReportModel& model, double pageHeight, const Measure& measure)
{
    return Pager(model, pageHeight, measure).run();
}

} // namespace nimbo
