#include "ServicesTestSupport.h"
#include "services/DovizKurlari.h"
#include "services/ExchangeRates.h"
#include "services/KurGunleriDoldurucu.h"
#include "services/KurSayfasiIndirici.h"
#include "services/KurXml.h"
#include "support/FixtureHttpServer.h"

#include <QSignalSpy>
#include <QTcpServer>

using namespace nimbo;
using namespace nimbo::test;

namespace {
QString text(const char* fixture) { return QString::fromUtf8(FixtureHttpServer::fixture(fixture)); }
} // namespace

// The bank's XML file: every currency it quotes, per one unit (JPY is quoted per 100), an
// empty banknote rate as 0, and the bulletin's date. The reader is chosen by the content.
TEST(RateXml, ReadsEveryCurrencyPerUnit)
{
    const KurSayfasiSonucu r = kurBelgesiniOku(text("tcmb_today.xml"));
    ASSERT_TRUE(r.hata.isEmpty()) << r.hata.toStdString();
    EXPECT_TRUE(r.tumDovizler);
    EXPECT_EQ(r.bultenTarihi, QDate(2026, 3, 5));
    QStringList codes;
    for (const SayfaKuru& k : r.kurlar)
        codes << k.dovizKodu;
    EXPECT_EQ(codes, (QStringList{"USD", "AUD", "EUR", "GBP", "JPY", "XDR"}));
    EXPECT_DOUBLE_EQ(r.kurlar[0].dovizAlis, 43.1250);
    EXPECT_DOUBLE_EQ(r.kurlar[0].efektifSatis, 43.2675);
    EXPECT_DOUBLE_EQ(r.kurlar[4].dovizAlis, 0.034521);
    EXPECT_DOUBLE_EQ(r.kurlar[4].efektifSatis, 0.03498);
    EXPECT_DOUBLE_EQ(r.kurlar[5].dovizSatis, 59.1012);
    EXPECT_DOUBLE_EQ(r.kurlar[5].efektifAlis, 0.0);

    // The fixed-column page still goes to its own reader.
    const KurSayfasiSonucu page = kurBelgesiniOku(text("tcmb_kurlar.txt"));
    EXPECT_FALSE(page.tumDovizler);
    EXPECT_EQ(page.kurlar.size(), 4);

    // A currency without a selling rate is named, the others are kept.
    QString noSelling = text("tcmb_today.xml");
    noSelling.replace("<ForexSelling>57.9015</ForexSelling>", "<ForexSelling/>");
    const KurSayfasiSonucu partly = kurXmlOku(noSelling);
    EXPECT_EQ(partly.okunamayan, QStringList{"GBP"});
    EXPECT_EQ(partly.kurlar.size(), 5);
}

// A malformed file and one cut off in the middle give no rates at all, and a message.
TEST(RateXml, MalformedAndTruncatedFilesGiveNothing)
{
    for (const char* f : {"tcmb_bozuk.xml", "tcmb_yarim.xml"}) {
        const KurSayfasiSonucu r = kurBelgesiniOku(text(f));
        EXPECT_TRUE(r.kurlar.isEmpty()) << f;
        EXPECT_TRUE(r.hata.startsWith("TCMB kur dosyası okunamadı (satır ")) << f << r.hata.toStdString();
    }
    const KurSayfasiSonucu other = kurXmlOku("<?xml version=\"1.0\"?><html><body>Bakım</body></html>");
    EXPECT_TRUE(other.kurlar.isEmpty());
    EXPECT_EQ(other.hata, "TCMB kur dosyasında kur bülteni bulunamadı. Hiçbir kur kaydedilmedi.");
}

class RateXmlImport : public ServicesTest {
protected:
    void SetUp() override
    {
        ServicesTest::SetUp();
        for (const char* k : {"USD", "EUR", "JPY"})
            addCurrency(k);
    }
};

// Fetched from a local server: the firm's currencies are written for the day, the others are
// passed over without a word; a broken file writes nothing and its message is the answer.
TEST_F(RateXmlImport, ServedFilesAreWrittenOrRefusedWhole)
{
    FixtureHttpServer server;
    server.serve("/kurlar/today.xml", FixtureHttpServer::fixture("tcmb_today.xml"));
    server.serve("/kurlar/yarim.xml", FixtureHttpServer::fixture("tcmb_yarim.xml"));
    auto get = [&](const QString& path) {
        KurSayfasiIndirici f;
        QSignalSpy ok(&f, &KurSayfasiIndirici::indi);
        f.baslat(server.url(path), 5000);
        EXPECT_TRUE(ok.wait(10000)) << path.toStdString();
        return ok.isEmpty() ? QString() : ok.first().first().toString();
    };
    const QDate day(2026, 3, 5);
    DovizKurlari book(db);
    SayfaAktarimSonucu r = book.sayfaKurlariniYaz(kurBelgesiniOku(get("/kurlar/yarim.xml")), day);
    EXPECT_TRUE(r.sorunVar);
    EXPECT_TRUE(r.mesaj.startsWith("TCMB kur dosyası okunamadı")) << r.mesaj.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER"), 0);

    r = book.sayfaKurlariniYaz(kurBelgesiniOku(get("/kurlar/today.xml")), day);
    EXPECT_FALSE(r.sorunVar);
    EXPECT_EQ(r.yazilan, (QStringList{"USD", "EUR", "JPY"}));
    EXPECT_TRUE(r.tanimsiz.isEmpty());
    EXPECT_EQ(r.mesaj, "Kaydedilen kurlar: USD, EUR, JPY");
    EXPECT_DOUBLE_EQ(KurBulDeger("JPY", 1, day), 0.034521);
    EXPECT_DOUBLE_EQ(KurBulDeger("EUR", 2, day), 50.3115);
}

// From the last stored rate (a Wednesday) to the next Tuesday: Thursday is written, Friday has
// no bulletin (404) and takes Thursday's rates, Monday's file is cut off and named, Tuesday is
// written; the weekend is not asked for. Progress follows every day.
TEST_F(RateXmlImport, MissingDaysAreFetchedOneByOne)
{
    addRate("USD", QDateTime(QDate(2026, 3, 4), QTime(0, 0)), 42.0, 42.1);
    const QByteArray good = FixtureHttpServer::fixture("tcmb_today.xml");
    FixtureHttpServer server;
    server.serve("/kurlar/202603/05032026.xml", good);
    server.serve("/kurlar/202603/09032026.xml", FixtureHttpServer::fixture("tcmb_yarim.xml"));
    QByteArray tuesday = good;
    tuesday.replace("43.1250", "44.0000");
    server.serve("/kurlar/202603/10032026.xml", tuesday);
    const QDate today(2026, 3, 10);
    EXPECT_EQ(DovizKurlari(db).eksikGunler(today),
              (QList<QDate>{{2026, 3, 5}, {2026, 3, 6}, {2026, 3, 9}, {2026, 3, 10}}));

    KurGunleriDoldurucu filler(db, server.url("/kurlar/today.xml"));
    QSignalSpy progress(&filler, &KurGunleriDoldurucu::ilerleme);
    QSignalSpy done(&filler, &KurGunleriDoldurucu::bitti);
    filler.baslat(today);
    ASSERT_TRUE(done.wait(30000));
    EXPECT_EQ(done.first().at(0).toString(),
              "Kurları kaydedilen gün sayısı: 2\n"
              "Bülten yayımlanmayan günler (önceki günün kurları geçerli): 06.03.2026\n"
              "Kur dosyası okunamayan günler: 09.03.2026");
    EXPECT_TRUE(done.first().at(1).toBool());
    ASSERT_EQ(progress.size(), 5);
    EXPECT_EQ(progress.last().at(0).toInt(), 4);
    EXPECT_EQ(server.hits("/kurlar/202603/07032026.xml"), 0);

    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = 'USD'"), 3);
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 1, QDate(2026, 3, 6)), 43.1250);
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 1, QDate(2026, 3, 9)), 43.1250);
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 1, today), 44.0);

    // Up to date now: nothing to fetch.
    filler.baslat(today);
    ASSERT_EQ(done.size(), 2);
    EXPECT_EQ(done.last().at(0).toString(), "Eksik gün yok: kurlar 10.03.2026 tarihine kadar kayıtlı.");
}

// The day's file sits beside the configured address, in the bank's folder layout.
TEST(RateXml, DayAddressBesideTheConfiguredOne)
{
    EXPECT_EQ(KurSayfasiIndirici::gunAdresi(QUrl(KurSayfasiIndirici::varsayilanAdres()), QDate(2026, 1, 2)).toString(),
              "https://www.tcmb.gov.tr/kurlar/202601/02012026.xml");
}

// A run can be stopped while a day is on its way: it ends at once, saying so.
TEST_F(RateXmlImport, AStoppedRunEndsWithItsMessage)
{
    addRate("USD", QDateTime(QDate(2026, 3, 4), QTime(0, 0)), 42.0, 42.1);
    QTcpServer silent; // accepts and never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    KurGunleriDoldurucu filler(db, QUrl(QStringLiteral("http://127.0.0.1:%1/kurlar/today.xml").arg(silent.serverPort())));
    QSignalSpy done(&filler, &KurGunleriDoldurucu::bitti);
    filler.baslat(QDate(2026, 3, 10));
    EXPECT_TRUE(filler.calisiyor());
    filler.iptal();
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done.first().at(0).toString(), "İşlem durduruldu.\nKurları kaydedilen gün sayısı: 0");
    EXPECT_TRUE(done.first().at(1).toBool());
    EXPECT_FALSE(filler.calisiyor());
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER"), 1);
}
