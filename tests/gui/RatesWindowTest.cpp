#include "db/DbTransaction.h"
#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"
#include "services/forms/TFormDoviz.h"
#include "services/forms/TFormDovizBr.h"
#include "services/KurSayfasiIndirici.h"
#include "session/NimboSettings.h"
#include "services/DovizKurlari.h"
#include "support/FixtureHttpServer.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// A rate-page line with the four numbers in their fixed columns (40, 53, 69, 82).
QString pageLine(const QString& head, const QStringList& v)
{
    QString l = head.leftJustified(39, ' ');
    const int starts[] = {40, 53, 69, 82};
    for (int i = 0; i < 4; ++i)
        l = l.leftJustified(starts[i] - 1, ' ') + v[i].rightJustified(12, ' ');
    return l;
}

// Answers every request with one HTTP response.
class OnePageServer : public QObject {
public:
    explicit OnePageServer(const QByteArray& body)
    {
        const QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
                                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        connect(&server, &QTcpServer::newConnection, this, [this, answer] {
            while (QTcpSocket* s = server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [s, answer] {
                    if (s->readAll().contains("\r\n"))
                        s->write(answer), s->disconnectFromHost();
                });
        });
        server.listen(QHostAddress::LocalHost, 0);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/kurlar_tr.html").arg(server.serverPort()); }
    QTcpServer server;
};

class RatesWindow : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs("KURCU");
        loadCompanyParameters(db, SessionContext::current());
        DbTransaction tx(db);
        for (const char* k : {"USD", "EUR", "JPY"})
            db.exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES (:k, :k, 'E')", {{"k", k}});
        db.exec("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES (:t, 'USD', 40.1, "
                "40.3)",
                {{"t", QDateTime(QDate(2026, 3, 2), QTime(0, 0))}});
        tx.commit();
    }
    void exec(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }
    int rates(const QString& dvz) { return db.scalar("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = :d", {{"d", dvz}}).toInt(); }
};

} // namespace

// Typing a rate: saved for the default date; the same day again and a zero rate are refused
// with their messages; a view-only user cannot write.
TEST_F(RatesWindow, TypedRatesAreCheckedAndSaved)
{
    TFormDoviz f(db);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Döviz Kur Değerleri Giriş Formu");
    EXPECT_EQ(f.seciliDoviz(), "USD"); // the first report currency
    EXPECT_EQ(f.kurTablosu()->rowCount(), 1);
    EXPECT_EQ(f.kurTablosu()->horizontalHeaderItem(0)->text(), "Kur Tarihi");

    f.varsayilanTarih()->setDate(QDate(2026, 3, 3));
    f.alanAlis()->clear();
    QTest::keyClicks(f.alanAlis(), "40,25");
    f.alanSatis()->clear();
    QTest::keyClicks(f.alanSatis(), "40,45");
    QTest::mouseClick(f.btnKaydet(), Qt::LeftButton);
    EXPECT_EQ(rates("USD"), 2);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TLDEGERI_ALIS FROM KURDEGER WHERE TARIH >= :t", {{"t", QDateTime(QDate(2026, 3, 3), QTime(0, 0))}}).toDouble(), 40.25);
    EXPECT_EQ(f.kurTablosu()->rowCount(), 2);

    (*prompter)->expectWarn("Aynı Tarihli Döviz Değeri Vardı. Bu Yüzden Kaydedilmedi.");
    QTest::mouseClick(f.btnKaydet(), Qt::LeftButton);

    f.varsayilanTarih()->setDate(QDate(2026, 3, 4));
    f.alanSatis()->setText("0");
    (*prompter)->expectWarn("Lütfen Gerekli alanı girin.");
    QTest::mouseClick(f.btnKaydet(), Qt::LeftButton);
    f.alanSatis()->setText("-41");
    (*prompter)->expectWarn("Lütfen Gerekli alanı girin.");
    QTest::mouseClick(f.btnKaydet(), Qt::LeftButton);
    EXPECT_EQ(rates("USD"), 2);

    SessionContext::current().setHak("DOVIZ", "O");
    TFormDoviz viewOnly(db);
    EXPECT_FALSE(viewOnly.btnKaydet()->isEnabled());
    EXPECT_FALSE(viewOnly.btnTcmb()->isEnabled());
}

// The page address comes from NIMBO.ini; the window stays usable while the page loads, shows
// progress, and writes today's rates with JPY per unit.
TEST_F(RatesWindow, CentralBankPageFromLocalServer)
{
    const QString page = "TCMB GÖSTERGE NİTELİĞİNDEKİ KURLAR\n\n"
                         + pageLine("USD/TRY 1 ABD DOLARI", {"43.1250", "43.2027", "43.1048", "43.2675"}) + "\n"
                         + pageLine("JPY/TRY 100 JAPON YENİ", {"3.4521", "3.4750", "3.4300", "3.4980"}) + "\n";
    OnePageServer server(page.toUtf8());
    NimboSettings::setValue("KUR", "TCMBAdres", server.url());
    TFormDoviz f(db);
    f.show();
    QSignalSpy done(&f, &TFormDoviz::kurSayfasiIslendi);
    (*prompter)->expectInfo("Kaydedilen kurlar: USD, JPY");
    QTest::mouseClick(f.btnTcmb(), Qt::LeftButton);
    EXPECT_FALSE(f.btnTcmb()->isEnabled()); // the click returned before the page came
    EXPECT_TRUE(f.ilerleme()->isVisible());
    ASSERT_TRUE(done.wait(30000));
    EXPECT_TRUE(f.btnTcmb()->isEnabled());
    EXPECT_FALSE(f.ilerleme()->isVisible());
    const QDateTime today(QDate::currentDate(), QTime(0, 0));
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TLDEGERI_ALIS FROM KURDEGER WHERE DOVIZ_KODU = 'JPY' AND TARIH = :t", {{"t", today}}).toDouble(), 0.034521);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT EFKTLDEGERI_SATIS FROM KURDEGER WHERE DOVIZ_KODU = 'USD' AND TARIH = :t", {{"t", today}}).toDouble(), 43.2675);
    EXPECT_EQ(f.kurTablosu()->rowCount(), 2); // USD shown again with today's row
    NimboSettings::setValue("KUR", "TCMBAdres", "");
}

// An address where nobody answers gives a message and the button back, nothing written.
TEST_F(RatesWindow, UnreachablePageGivesMessage)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    TFormDoviz f(db);
    f.setKurSayfasiAdresi(QStringLiteral("http://127.0.0.1:%1/kurlar.html").arg(port));
    QSignalSpy done(&f, &TFormDoviz::kurSayfasiIslendi);
    (*prompter)->expectError("TCMB kur sayfasına ulaşılamadı: *");
    QTest::mouseClick(f.btnTcmb(), Qt::LeftButton);
    ASSERT_TRUE(done.wait(30000));
    EXPECT_TRUE(f.btnTcmb()->isEnabled());
    EXPECT_EQ(rates("USD"), 1);
}

// Stock prices: a date is required, the user confirms, the end is announced.
TEST_F(RatesWindow, StockPriceUpdateAsksForDateAndConfirmation)
{
    {
        DbTransaction tx(db);
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, DOVIZ_KODU, SAT_SKFYT_DOVIZ) VALUES (1, 'A1', 'USD', 10)");
        tx.commit();
    }
    TFormDoviz f(db);
    (*prompter)->expectWarn("Lütfen Fiyat Güncellemek için Kur Tarihi Giriniz.");
    QTest::mouseClick(f.btnStokFiyat(), Qt::LeftButton);
    f.fiyatKurTarihi()->setDate(QDate(2026, 3, 2));
    (*prompter)->expectAsk("Tüm Stokların Fiyatlarını Güncellemek İstiyormusunuz?", false);
    QTest::mouseClick(f.btnStokFiyat(), Qt::LeftButton);
    EXPECT_TRUE(db.scalar("SELECT SAT_SKFYT_TL FROM STOK").isNull());
    f.alisKurundan()->setChecked(true);
    (*prompter)->expectAsk("Tüm Stokların Fiyatlarını Güncellemek İstiyormusunuz?", true);
    (*prompter)->expectInfo("Stok Fiyatları Güncellemesi Tamamlandı.");
    QTest::mouseClick(f.btnStokFiyat(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT SAT_SKFYT_TL FROM STOK").toDouble(), 401.0);
}

// As a picker the window closes with OK and hands back the chosen rate of the current row.
TEST_F(RatesWindow, PickerHandsBackBuyingOrSellingRate)
{
    TFormDoviz f(db, nullptr, true);
    EXPECT_FALSE(f.btnAlisKuruSec()->isHidden());
    f.dovizSec("USD");
    f.kurTablosu()->selectRow(0);
    QTest::mouseClick(f.btnSatisKuruSec(), Qt::LeftButton);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(f.secilenKur(), 40.3);

    TFormDoviz g(db, nullptr, true);
    g.dovizSec("USD");
    g.kurTablosu()->selectRow(0);
    QTest::mouseClick(g.btnAlisKuruSec(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(g.secilenKur(), 40.1);

    TFormDoviz plain(db);
    EXPECT_TRUE(plain.btnAlisKuruSec()->isHidden());
}

// The currency list: a code in use is protected, a duplicate refused, deletion asks first.
TEST_F(RatesWindow, CurrencyListRules)
{
    {
        DbTransaction tx(db);
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, DOVIZ_KODU) VALUES (1, 'A1', 'USD')");
        tx.commit();
    }
    TFormDovizBr f(db);
    EXPECT_EQ(f.windowTitle(), "Döviz Tanımları");
    EXPECT_EQ(f.tablo()->rowCount(), 3);
    f.alanKod()->setText("GBP");
    f.alanAd()->setText("İngiliz Sterlini");
    QTest::mouseClick(f.btnEkle(), Qt::LeftButton);
    EXPECT_EQ(f.tablo()->rowCount(), 4);
    (*prompter)->expectWarn("Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
    QTest::mouseClick(f.btnEkle(), Qt::LeftButton);

    f.satirSec("USD");
    f.alanAd()->setText("Dolar");
    (*prompter)->expectWarn("Bu Döviz Kodu ile ilgili işlem var.Değiştirilemez!");
    QTest::mouseClick(f.btnDegistir(), Qt::LeftButton);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Döviz Kodu ile ilgili işlem var.Silinemez!");
    QTest::mouseClick(f.btnSil(), Qt::LeftButton);

    f.satirSec("GBP");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", false);
    QTest::mouseClick(f.btnSil(), Qt::LeftButton);
    EXPECT_EQ(f.tablo()->rowCount(), 4);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    QTest::mouseClick(f.btnSil(), Qt::LeftButton);
    EXPECT_EQ(f.tablo()->rowCount(), 3);
    EXPECT_EQ(db.scalar("SELECT DOVIZ_ADI FROM DOVIZ WHERE DOVIZ_KODU = 'USD'").toString(), "USD");
}

// The bank's XML file at the default kind of address: the window writes today's rates of the
// firm's currencies. "Eksik Günleri Doldur" then asks for every working day after the last
// stored rate, with the progress bar counting the days.
TEST_F(RatesWindow, CentralBankXmlFileAndMissingDays)
{
    FixtureHttpServer server;
    server.serve("/kurlar/today.xml", FixtureHttpServer::fixture("tcmb_today.xml"));
    NimboSettings::setValue("KUR", "TCMBAdres", server.url("/kurlar/today.xml").toString());
    TFormDoviz f(db);
    f.show();
    QSignalSpy page(&f, &TFormDoviz::kurSayfasiIslendi);
    (*prompter)->expectInfo("Kaydedilen kurlar: USD, EUR, JPY");
    QTest::mouseClick(f.btnTcmb(), Qt::LeftButton);
    EXPECT_FALSE(f.btnEksikGunler()->isEnabled());
    ASSERT_TRUE(page.wait(30000));
    const QDateTime today(QDate::currentDate(), QTime(0, 0));
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TLDEGERI_SATIS FROM KURDEGER WHERE DOVIZ_KODU = 'EUR' AND TARIH = :t",
                               {{"t", today}}).toDouble(),
                     50.3115);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TLDEGERI_ALIS FROM KURDEGER WHERE DOVIZ_KODU = 'JPY' AND TARIH = :t",
                               {{"t", today}}).toDouble(),
                     0.034521);

    // Ten days back: only the last working day has a file, the others are holidays (404).
    exec("DELETE FROM KURDEGER");
    exec("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES (:t, 'USD', 40, 41)",
         {{"t", today.addDays(-10)}});
    const QList<QDate> days = DovizKurlari(db).eksikGunler(QDate::currentDate());
    ASSERT_FALSE(days.isEmpty());
    server.serve(KurSayfasiIndirici::gunAdresi(QUrl("/kurlar/today.xml"), days.last()).toString(),
                 FixtureHttpServer::fixture("tcmb_today.xml"));
    QStringList holidays;
    for (const QDate& d : days.mid(0, days.size() - 1))
        holidays << d.toString("dd.MM.yyyy");
    QSignalSpy filled(&f, &TFormDoviz::eksikGunlerIslendi);
    (*prompter)->expectInfo(holidays.isEmpty()
                                ? QString("Kurları kaydedilen gün sayısı: 1")
                                : "Kurları kaydedilen gün sayısı: 1\nBülten yayımlanmayan günler (önceki günün kurları "
                                  "geçerli): " + holidays.join(", "));
    QTest::mouseClick(f.btnEksikGunler(), Qt::LeftButton);
    EXPECT_TRUE(f.ilerleme()->isVisible());
    ASSERT_TRUE(filled.wait(30000));
    EXPECT_EQ(f.ilerleme()->maximum(), days.size());
    EXPECT_FALSE(f.ilerleme()->isVisible());
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM KURDEGER WHERE TARIH = :t", {{"t", QDateTime(days.last(), QTime(0, 0))}})
                  .toInt(),
              3);
    NimboSettings::setValue("KUR", "TCMBAdres", "");
}
