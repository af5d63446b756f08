#include "SampleReport.h"
#include "printing/ReportPainter.h"
#include "printing/ReportTextRenderer.h"
#include "support/Golden.h"
#include "support/TestEnv.h"

#include <QPdfWriter>
#include <QRegularExpression>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// The reviewed printout of this folder's fixtures.
void expectPrintingGolden(const QString& name, const QString& actual)
{
    const QString dir = printingFixtureDir();
    ASSERT_FALSE(dir.isEmpty()) << "tests/fixtures/printing not found";
    nimbo::test::expectGolden(dir + QLatin1Char('/') + name, actual);
}

double sum(const ReportModel& m, const QList<int>& rows, int col)
{
    double s = 0;
    for (int r : rows)
        s += m.number(r, col);
    return s;
}

} // namespace

// A three-page statement on paper of 22 lines: page totals, "Nakli Yekün" carried at each
// break and brought over on the next page, the grand total, "YALNIZ" and signature boxes.
TEST(ReportGolden, MultiPageStatementWithCarriedTotals)
{
    const ReportModel m = sampleReport(30);
    expectPrintingGolden(QStringLiteral("statement_paged.txt"), ReportTextRenderer(m).render(22));
}

TEST(ReportGolden, GroupedListWithGroupTotals)
{
    ReportModel m = sampleReport(8);
    m.columns[2].title = QStringLiteral("Hareket");
    m.groupColumn = 2;
    std::stable_sort(m.rows.begin(), m.rows.end(),
                     [](const QVariantList& a, const QVariantList& b) { return a[2].toString() < b[2].toString(); });
    m.signatures.clear();
    expectPrintingGolden(QStringLiteral("grouped_list.txt"), ReportTextRenderer(m).render(0));
}

// Whatever the page height, every row is printed once and in order, page totals add the
// page's rows, the carried total is the sum of everything before, and it is brought over
// unchanged to the next page.
TEST(ReportPagination, TotalsAddUpForEveryPageHeight)
{
    const ReportModel m = sampleReport(57);
    for (int height : {14, 15, 16, 19, 23, 40, 61, 200}) {
        const auto pages =
            ReportPaginator::paginate(m, height, [&](const Band& b) { return double(ReportTextRenderer::bandLines(m, b)); });
        QList<int> seen;
        QList<int> before;
        for (int p = 0; p < pages.size(); ++p) {
            QList<int> onPage;
            double used = 0;
            bool pageTotal = false, carriedOut = false;
            for (const Band& b : pages[p].bands) {
                used += ReportTextRenderer::bandLines(m, b);
                if (b.kind == BandKind::Detail)
                    onPage << b.index;
                if (b.kind == BandKind::CarriedIn) {
                    ASSERT_GT(p, 0);
                    EXPECT_DOUBLE_EQ(b.totals[3], sum(m, before, 3)) << "height " << height << " page " << p + 1;
                }
                if (b.kind == BandKind::PageTotal) {
                    pageTotal = true;
                    EXPECT_DOUBLE_EQ(b.totals[3], sum(m, onPage, 3));
                    EXPECT_DOUBLE_EQ(b.totals[4], sum(m, onPage, 4));
                }
                if (b.kind == BandKind::CarriedOut) {
                    carriedOut = true;
                    EXPECT_EQ(b.label, "Nakli Yekün");
                    EXPECT_DOUBLE_EQ(b.totals[4], sum(m, before + onPage, 4));
                }
            }
            const bool detailPage = !onPage.isEmpty();
            const bool lastDetailPage = detailPage && onPage.last() == m.rows.size() - 1;
            if (detailPage && !lastDetailPage) {
                EXPECT_TRUE(pageTotal && carriedOut) << "height " << height << " page " << p + 1;
            }
            if (detailPage) { // the only page allowed to overflow holds a single oversized band
                EXPECT_LE(used, height) << "height " << height << " page " << p + 1;
            }
            seen << onPage;
            before << onPage;
        }
        QList<int> all;
        for (int i = 0; i < m.rows.size(); ++i)
            all << i;
        EXPECT_EQ(seen, all) << "height " << height;
        EXPECT_GT(pages.size(), height < 60 ? 1 : 0);
    }
}

// The painter pages a long list on A4 and writes a PDF with one page per layout page.
TEST(ReportPainting, PdfHasOnePagePerLayoutPage)
{
    const ReportModel m = sampleReport(150);
    const QString path = TestEnv::tempDir() + QStringLiteral("/statement.pdf");
    int painted = 0;
    {
        QPdfWriter pdf(path);
        pdf.setResolution(150);
        ReportPainter::preparePagedDevice(&pdf, m.page);
        painted = ReportPainter(m).print(&pdf);
    }
    EXPECT_GE(painted, 3);
    // NIMBO_KEEP_PRINT_OUTPUT=folder keeps the PDF to look at.
    if (const QString keep = qEnvironmentVariable("NIMBO_KEEP_PRINT_OUTPUT"); !keep.isEmpty()) {
        QFile::remove(keep + QStringLiteral("/statement.pdf"));
        QFile::copy(path, keep + QStringLiteral("/statement.pdf"));
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    const qsizetype pages = QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
    EXPECT_EQ(pages, painted);
    // A4 in points: 595 x 842.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595") || pdf.contains("/MediaBox [0 0 595.")) << pdf.left(2000).constData();
}
