#include "AlisFixture.h"
#include "printing/ReportTextRenderer.h"
#include "trade/SatisDokumu.h"

#include <QFile>

namespace nimbo::test {

class SatisDokumuTest : public AlisTestBase {
protected:
    void SetUp() override
    {
        AlisTestBase::SetUp();
        FirmaKimlik& k = SessionContext::current().param.kimlik;
        k.ad = "NİMBO DEMO TİCARET";
        k.unvan = "A.Ş.";
        k.adres1 = "Bağdat Cad. No:1 Kadıköy";
        k.telefon = "0216 555 10 10";
        k.vergiDairesi = "Kadıköy";
        k.vergiNo = "1234567890";
        cari("M3", {{"FIRMA_ADI", "Güneş Kırtasiye Ltd."}, {"ADRES_1", "Atatürk Bulvarı 5"}, {"SEMT", "Kızılay"},
                    {"ILI", "Ankara"}, {"VD", "Çankaya"}, {"VN", "9876543210"}});
    }
    static QString metin(const ReportBlock& b) { return b.caption + '\n' + b.lines.join('\n'); }
    // The block whose caption this is; fails the test when there is none.
    static ReportBlock blok(const ReportModel& m, const QString& baslik)
    {
        for (const ReportBlock& b : m.blocks)
            if (b.caption == baslik)
                return b;
        ADD_FAILURE() << "no block " << baslik.toStdString();
        return {};
    }
};

// One printed invoice, character for character: seller, buyer and the invoice's numbers
// side by side, lines, VAT by rate, totals and the amount in words.
TEST_F(SatisDokumuTest, InvoiceMatchesItsGoldenText)
{
    const QDate tarih(2026, 3, 10);
    for (const auto& [d, k] : {std::pair{"USD", 30.0}, {"EUR", 33.0}})
        insert("KURDEGER", {{"DOVIZ_KODU", d}, {"TARIH", QDateTime(tarih, QTime(9, 0))}, {"TLDEGERI_ALIS", k},
                            {"TLDEGERI_SATIS", k}});
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

namespace nimbo::test {

// The parties stand in their own blocks, the seller first (left) and nothing centred under
// the title: on a sale the firm sells to the customer, on a purchase the supplier sells to
// the firm; a dispatch note names the sender; without an identity record the firm's
// registered name heads its block.
TEST_F(SatisDokumuTest, SellerAndBuyerBlocksHoldTheirParties)
{
    auto f = yeni("F", "M3");
    satir(*f, 1, 1, 100);
    f->save();
    const ReportModel m = SatisDokumu::olustur(db, f->key().toDouble());
    EXPECT_TRUE(m.headings.isEmpty());
    ASSERT_EQ(m.blocks.size(), 3);
    EXPECT_EQ(m.blocks[0].caption, "SATICI");
    EXPECT_EQ(m.blocks[1].caption, "ALICI");
    const QString satici = metin(blok(m, "SATICI")), alici = metin(blok(m, "ALICI"));
    for (const char* t : {"NİMBO DEMO TİCARET A.Ş.", "Bağdat Cad. No:1 Kadıköy", "Tel: 0216 555 10 10",
                          "V.D.: Kadıköy  V.No: 1234567890"}) {
        EXPECT_TRUE(satici.contains(QString::fromUtf8(t))) << t;
        EXPECT_FALSE(alici.contains(QString::fromUtf8(t))) << t;
    }
    for (const char* t : {"Güneş Kırtasiye Ltd.", "Atatürk Bulvarı 5", "Kızılay / Ankara", "V.D.: Çankaya  V.No: 9876543210",
                          "Cari Kod: M3"}) {
        EXPECT_TRUE(alici.contains(QString::fromUtf8(t))) << t;
        EXPECT_FALSE(satici.contains(QString::fromUtf8(t))) << t;
    }
    const QString belge = metin(blok(m, "FATURA BİLGİLERİ"));
    EXPECT_TRUE(belge.contains("Fatura No: " + f->headerText("FAT_NO")));
    EXPECT_TRUE(belge.contains("Vade Tarihi: " + gun.toString("dd.MM.yyyy")));
    EXPECT_FALSE(belge.contains("İrsaliye")); // a pure invoice has no dispatch

    auto a = yeniAlis("F", "M3");
    alisSatiri(*a, 1, 1, 80);
    a->save();
    const ReportModel am = SatisDokumu::olustur(db, a->key().toDouble(), TicariTaraf::alis());
    ASSERT_EQ(am.blocks.size(), 3);
    EXPECT_EQ(am.blocks[0].caption, "SATICI");
    EXPECT_TRUE(metin(am.blocks[0]).contains("Güneş Kırtasiye Ltd."));
    EXPECT_EQ(am.blocks[1].caption, "ALICI");
    EXPECT_TRUE(metin(am.blocks[1]).contains("NİMBO DEMO TİCARET A.Ş."));
    EXPECT_FALSE(metin(am.blocks[1]).contains("Güneş"));

    SessionContext::current().param.kimlik = FirmaKimlik();
    SessionContext::current().FirmaAdi = "DEMO FİRMA";
    auto i = yeni("İ", "M3");
    satir(*i, 1, 2, 100);
    i->save();
    const ReportModel im = SatisDokumu::olustur(db, i->key().toDouble());
    ASSERT_EQ(im.blocks.size(), 3);
    EXPECT_EQ(im.blocks[0].caption, "GÖNDEREN");
    EXPECT_EQ(im.blocks[0].lines.value(0), "DEMO FİRMA");
    EXPECT_TRUE(metin(blok(im, "ALICI")).contains("Güneş Kırtasiye Ltd."));
    const QString irs = metin(blok(im, "İRSALİYE BİLGİLERİ"));
    EXPECT_TRUE(irs.contains("İrsaliye No: " + i->headerText("IRS_NO")));
    EXPECT_FALSE(irs.contains("Fatura No"));
}

} // namespace nimbo::test
