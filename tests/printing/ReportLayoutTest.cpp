#include "printing/ReportFit.h"
#include "printing/ReportPainter.h"

#include <gtest/gtest.h>
#include <QImage>

using namespace nimbo;

namespace {

// An invoice's lines as a document layout declares them: a wide name column with short names
// beside narrow quantity and VAT columns.
ReportModel invoiceLines()
{
    ReportModel m;
    m.title = QStringLiteral("FATURA");
    m.columns = {{QStringLiteral("STOK_ADI"), QStringLiteral("Ürün Adı"), 120, ColumnKind::Text},
                 {QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 9, ColumnKind::Number},
                 {QStringLiteral("KDV"), QStringLiteral("KDV%"), 6, ColumnKind::Number},
                 {QStringLiteral("TUTAR"), QStringLiteral("Tutar"), 14, ColumnKind::Amount}};
    m.columns[3].total = true;
    m.rows = {{QStringLiteral("Pense"), 4, 20, 1715.93}, {QStringLiteral("Çekiç"), 98.5, 20, 223202.17},
              {QStringLiteral("Vida"), 1234, 8, 0.5}};
    return m;
}

double sum(const QList<double>& w)
{
    double s = 0;
    for (double x : w)
        s += x;
    return s;
}

} // namespace

// A heading such as "KDV%" printed as "K…" and a grand total wider than its column: on a line
// as wide as the page the room a wide column does not need goes to them, the line keeps its
// width, and the column that gave still holds its longest text.
TEST(ReportLayout, NarrowHeadingsAndTotalsTakeRoomWideColumnsDoNotNeed)
{
    ReportModel m = invoiceLines();
    const double page = m.page.printableWidthMm();
    m.columns[0].widthMm = page - 9 - 6 - 14;
    const QList<double> w = ReportPainter(m).columnWidthsMm();
    ASSERT_EQ(w.size(), 4);
    EXPECT_NEAR(sum(w), page, 0.001);
    ReportFont bold = m.bodyFont;
    bold.bold = true;
    EXPECT_GE(w[2], ReportFit::textWidthMm(bold, QStringLiteral("KDV%")) - 0.001);
    EXPECT_GE(w[1], ReportFit::textWidthMm(bold, QStringLiteral("Miktar")) - 0.001);
    EXPECT_GE(w[3], ReportFit::textWidthMm(bold, QStringLiteral("224.918,60")) - 0.001) << "the grand total";
    EXPECT_LT(w[0], m.columns[0].widthMm);
    EXPECT_GE(w[0], ReportFit::textWidthMm(bold, QStringLiteral("Ürün Adı")) - 0.001);

    // A line narrower than the page takes the page's unused width and leaves the name alone.
    const ReportModel narrow = invoiceLines();
    const QList<double> n = ReportPainter(narrow).columnWidthsMm();
    EXPECT_DOUBLE_EQ(n[0], 120);
    EXPECT_GE(n[2], ReportFit::textWidthMm(bold, QStringLiteral("KDV%")) - 0.001);
    EXPECT_LE(sum(n), page + 0.001);

    // Columns that all need their room on a full line give nothing: the declared widths stand.
    ReportModel full = invoiceLines();
    full.columns[0].widthMm = 8;
    full.columns[3].widthMm = page - 8 - 9 - 6;
    full.rows[1][3] = 1e100; // wider than the whole line
    const QList<double> same = ReportPainter(full).columnWidthsMm();
    EXPECT_DOUBLE_EQ(same[0], 8);
    EXPECT_DOUBLE_EQ(same[2], 6);
}

// Quantities print with the Turkish decimal comma ("98.5" was printed); whole numbers, line
// and document numbers stay bare, without group dots.
TEST(ReportLayout, NumberColumnsUseTheDecimalComma)
{
    const ReportModel m = invoiceLines();
    EXPECT_EQ(m.cellText(1, 1), QStringLiteral("98,5"));
    EXPECT_EQ(m.cellText(0, 1), QStringLiteral("4"));
    EXPECT_EQ(m.cellText(2, 1), QStringLiteral("1234"));
    EXPECT_EQ(m.valueText(1, 0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(m.valueText(1, -2.25), QStringLiteral("-2,25"));
    EXPECT_EQ(m.valueText(1, QStringLiteral("A-7")), QStringLiteral("A-7"));
}

// The framed blocks under an invoice's title (seller, buyer, numbers) take room on the first
// page: the rows start below them; a line too long for its block wraps and pushes the rows
// further down, less so when the block is given a larger share of the width.
TEST(ReportLayout, BlocksUnderTheTitleWrapAndPushTheRowsDown)
{
    ReportModel m = invoiceLines();
    const QVariantList row = m.rows.first();
    m.rows.clear();
    for (int i = 0; i < 200; ++i)
        m.rows << row;
    QImage device(100, 100, QImage::Format_RGB32);
    auto firstPageRows = [&device](const ReportModel& r) {
        int n = 0;
        for (const Band& b : ReportPainter(r).layout(&device).value(0).bands)
            n += b.kind == BandKind::Detail;
        return n;
    };
    const int none = firstPageRows(m);
    m.blocks = {{QStringLiteral("SATICI"), {QStringLiteral("Firma")}}, {QStringLiteral("ALICI"), {QStringLiteral("Müşteri")}}};
    const int kisa = firstPageRows(m);
    EXPECT_LT(kisa, none);
    m.blocks[1].lines = {QStringLiteral("Atatürk Bulvarı ").repeated(12)};
    const int uzun = firstPageRows(m);
    EXPECT_LT(uzun, kisa);
    m.blocks[1].widthShare = 6;
    const int genis = firstPageRows(m);
    EXPECT_GT(genis, uzun);
    EXPECT_LE(genis, kisa);
}
