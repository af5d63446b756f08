#include "SatisFixture.h"
#include "printing/ReportTextRenderer.h"
#include "trade/SatisDokumu.h"

#include <QFile>

namespace nimbo::test {

class SatisDokumuTest : public SatisTestBase {};

// One printed invoice, character for character: firm, customer, lines, VAT by rate,
// totals, the amount in words and the due date.
TEST_F(SatisDokumuTest, InvoiceMatchesItsGoldenText)
{
    const QDate tarih(2026, 3, 10);
    for (const auto& [d, k] : {std::pair{"USD", 30.0}, {"EUR", 33.0}})
        insert("KURDEGER", {{"DOVIZ_KODU", d}, {"TARIH", QDateTime(tarih, QTime(9, 0))}, {"TLDEGERI_ALIS", k},
                            {"TLDEGERI_SATIS", k}});
    SessionContext& s = SessionContext::current();
    s.param.kimlik.ad = "NİMBO DEMO TİCARET A.Ş.";
    s.param.kimlik.adres1 = "Bağdat Cad. No:1 Kadıköy";
    s.param.kimlik.vergiDairesi = "Kadıköy";
    s.param.kimlik.vergiNo = "1234567890";
    exec("UPDATE CARI SET ADRES_1='Atatürk Bulvarı 5', ILI='Ankara', VD='Çankaya', VN='9876543210' WHERE CARI_KOD='M1'");
    stokKart(3, "S003", 40, {{"KDV", 8.0}});
    auto b = yeni("R");
    b->setHeader("FATARIH", tarih);
    b->setHeader("VADETRH", tarih.addDays(30));
    b->setHeader("FAT_NO", "A000123");
    b->setHeader("YUZDE", 5.0);
    const int r = satir(*b, 1, 3, 100);
    b->setLine(r, "ISKONTO", 10.0);
    satir(*b, 3, 2.5, 40);
    b->setLine(1, "BIRIM", "KOLI");
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    b->save();

    const ReportModel m = SatisDokumu::olustur(db, b->key().toDouble());
    ASSERT_EQ(m.rows.size(), 2);
    EXPECT_EQ(m.summary.last().value, "09.04.2026");
    const QString actual = ReportTextRenderer(m).render(60);
    const QString path = QStringLiteral(NIMBO_TEST_FIXTURES) + "/trade/satis_faturasi.txt";
    if (qEnvironmentVariableIntValue("NIMBO_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(actual.toUtf8());
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(actual.toStdString(), QString::fromUtf8(in.readAll()).toStdString());

    // A dispatch note prints the same lines without prices.
    auto irs = yeni("İ");
    satir(*irs, 1, 4, 100);
    irs->save();
    const ReportModel i = SatisDokumu::olustur(db, irs->key().toDouble());
    EXPECT_EQ(i.title, QStringLiteral("S E V K   İ R S A L İ Y E S İ"));
    EXPECT_EQ(i.columns.size(), 4);
    EXPECT_TRUE(i.amountInWords.isEmpty());
}

} // namespace nimbo::test
