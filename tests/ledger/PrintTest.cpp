#include "LedgerFixture.h"
#include "ledger/ElleFis.h"
#include "ledger/FisDokum.h"
#include "printing/ReportTextRenderer.h"
#include "printing/RtfReportWriter.h"

#include <QRegularExpression>

#include "support/Golden.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

class VoucherPrint : public LedgerTest {
protected:
    double fis(const QDate& t, const QString& tur, const QList<std::tuple<QString, double, double>>& satirlar,
               const QString& iptal = {})
    {
        Fis taslak;
        taslak.TARIH = t;
        taslak.TUR = tur;
        taslak.IPTAL = iptal;
        taslak.ACIKLAMA = QStringLiteral("Mart satışları");
        for (const auto& [kod, borc, alacak] : satirlar) {
            FisSatiri s;
            s.HSPKODU = kod;
            s.BORC = borc;
            s.ALACAK = alacak;
            s.ACIKLAMA = QStringLiteral("Satış faturası F-") + kod.right(2);
            taslak.satirlar << s;
        }
        ElleFis f(db);
        f.taslaktan(taslak);
        EXPECT_TRUE(f.sakla());
        return f.key().toDouble();
    }
};

} // namespace

// One voucher printed as text: heading with numbers, lines, "Fiş Toplamı", the total in
// words and the signature boxes.
TEST_F(VoucherPrint, OneVoucherMatchesGoldenFile)
{
    setParam(QStringLiteral("UPDATE NEWFIS SET TIP = 'A', MAHSUP_SB = 'MH', MAHSUPNO1 = 42, YEVMIYE_NO = 7"));
    const double no = fis({2026, 3, 15}, QStringLiteral("M"),
                          {{"120.01", 1200, 0}, {"600.01", 0, 1000}, {"391.01", 0, 200}});
    FisDokumSecimi s;
    s.fisNoBas = s.fisNoBit = no;
    const auto r = FisDokum(db).raporlar(s);
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].amountInWords, QStringLiteral("BinİkiYüz TL"));
    expectGolden(QStringLiteral(NIMBO_FIXTURES_DIR "/ledger/fis_dokumu.txt"), FisDokum::metin(r, true));
}

// Selection by type, cancelled vouchers and ranges; the title follows the type; the
// main-account option puts the main account above its lines.
TEST_F(VoucherPrint, SelectionTypeCancelledAndOptions)
{
    fis({2026, 1, 5}, QStringLiteral("C"), {{"100.01", 50, 0}, {"120.01", 0, 50}});
    fis({2026, 2, 5}, QStringLiteral("M"), {{"120.01", 80, 0}, {"600.01", 0, 80}});
    fis({2026, 2, 6}, QStringLiteral("M"), {{"120.01", 10, 0}, {"600.01", 0, 10}}, QStringLiteral("E"));
    FisDokum d(db);
    FisDokumSecimi s;
    EXPECT_EQ(d.raporlar(s).size(), 3);
    EXPECT_EQ(d.raporlar(s)[0].title, QStringLiteral("Tüm Fişler"));
    s.iptal = QStringLiteral("Hariç");
    EXPECT_EQ(d.raporlar(s).size(), 2);
    s.iptal = QStringLiteral("Yalnız İpt.");
    EXPECT_EQ(d.raporlar(s).size(), 1);
    s.iptal = QStringLiteral("Dahil");
    s.tur = QStringLiteral("Mahsup");
    EXPECT_EQ(FisDokum::turKosulu(s.tur), QStringLiteral("AND (TUR='M')"));
    EXPECT_EQ(FisDokum::turKosulu(QStringLiteral("Kapanış")), QStringLiteral("AND (TUR='Z')"));
    auto m = d.raporlar(s);
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].title, QStringLiteral("Mahsup Fişleri"));
    s.tarihBas = QDate(2026, 2, 6);
    ASSERT_EQ(d.raporlar(s).size(), 1);
    s.tarihBas = QDate(2026, 2, 7);
    try {
        d.raporlar(s);
        ADD_FAILURE();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Belirtilen Aralığa Dahil Kayıt Yok"));
    }

    FisDokumSecimi k;
    k.tur = QStringLiteral("Tahsil");
    k.kebirYazdir = true;
    k.fisNoYazdir = false;
    m = d.raporlar(k);
    ASSERT_EQ(m.size(), 1);
    ASSERT_EQ(m[0].rows.size(), 4);
    EXPECT_EQ(m[0].rows[0].value(0).toString(), QStringLiteral("100"));
    EXPECT_EQ(m[0].rows[0].value(1).toString(), QStringLiteral("KASA"));
    EXPECT_EQ(m[0].rows[1].value(0).toString(), QStringLiteral("  100.01"));
    EXPECT_FALSE(m[0].headings[0].contains(QStringLiteral("Fiş No")));

    // All three in one report for the preview: one group per voucher, the totals once.
    const ReportModel b = FisDokum::birlesik(d.raporlar(FisDokumSecimi{}));
    EXPECT_EQ(b.groupColumn, 0);
    EXPECT_EQ(b.rows.size(), 6);
    // Each voucher closes with "Fiş Toplamı", not with its whole heading line cut at the amounts.
    const QString metin = ReportTextRenderer(b).render();
    EXPECT_EQ(metin.count(QStringLiteral("Fiş Toplamı")), 3) << metin.toStdString();
    EXPECT_FALSE(metin.contains(QRegularExpression(QStringLiteral("Fiş No:[^\n]*Toplamı"))));
    EXPECT_EQ(FisDokum::metin(d.raporlar(FisDokumSecimi{}), true).count(QLatin1Char('\f')), 2);
}

// Vouchers printed together close each as it does alone: its "Fiş Toplamı", right under it
// "YALNIZ " with that voucher's total in words, and its signature boxes; the whole print ends
// with the grand total alone. The same in the word-processor file.
TEST_F(VoucherPrint, CombinedPrintClosesEveryVoucherWithItsTotalInWords)
{
    fis({2026, 4, 1}, QStringLiteral("M"), {{"120.01", 1250, 0}, {"600.01", 0, 1250}});
    fis({2026, 4, 2}, QStringLiteral("C"), {{"100.01", 3000, 0}, {"600.01", 0, 2000}, {"391.01", 0, 1000}});
    const ReportModel b = FisDokum::birlesik(FisDokum(db).raporlar(FisDokumSecimi{}));
    const QStringList satirlar = ReportTextRenderer(b).render().split(QLatin1Char('\n'));
    QStringList kapanislar;
    for (int i = 0; i + 1 < satirlar.size(); ++i)
        if (satirlar[i].startsWith(QStringLiteral("Fiş Toplamı")) || satirlar[i].startsWith(QStringLiteral("Genel Toplam")))
            kapanislar << satirlar[i].section(QLatin1Char(' '), 0, 1) + QStringLiteral(" | ") + satirlar[i + 1];
    EXPECT_EQ(kapanislar, (QStringList{"Fiş Toplamı | YALNIZ BinİkiYüzElli TL", "Fiş Toplamı | YALNIZ ÜçBin TL",
                                       "Genel Toplam | "}))
        << satirlar.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(satirlar.filter(QStringLiteral("DÜZENLEYEN")).size(), 2);
    EXPECT_EQ(satirlar.filter(QStringLiteral("YALNIZ")).size(), 2);

    const QByteArray rtf = RtfReportWriter::toRtf(b);
    for (const char* yazi : {"YALNIZ BinİkiYüzElli TL", "YALNIZ ÜçBin TL"})
        EXPECT_EQ(rtf.count(RtfReportWriter::escape(QString::fromUtf8(yazi))), 1) << yazi;
    EXPECT_EQ(rtf.count(RtfReportWriter::escape(QStringLiteral("YETKİLİ"))), 2);
}
