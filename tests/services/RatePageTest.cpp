#include "ServicesTestSupport.h"
#include "services/DovizKurlari.h"
#include "services/KurSayfasi.h"
#include "services/KurSayfasiIndirici.h"

#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace nimbo;
using namespace nimbo::test;

namespace {

QString fixturePage()
{
    QFile f(QStringLiteral(NIMBO_FIXTURES_DIR) + "/tcmb_kurlar.txt");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Serves one fixed answer to every request; with answer empty it accepts and stays silent.
class PageServer : public QObject {
public:
    explicit PageServer(QByteArray answer) : m_answer(std::move(answer))
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                m_sockets << s;
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    m_request += s->readAll();
                    if (!m_request.contains("\r\n\r\n") || m_answer.isEmpty())
                        return;
                    s->write(m_answer);
                    s->disconnectFromHost();
                });
            }
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    QUrl url(const QString& path = "/kurlar/kurlar_tr.html") const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

private:
    QTcpServer m_server;
    QByteArray m_answer;
    QByteArray m_request;
    QList<QTcpSocket*> m_sockets;
};

QByteArray httpOk(const QByteArray& body)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

struct FetchResult {
    QString page;
    QString error;
    int progressSignals = 0;
};

FetchResult fetch(const QUrl& url, int timeoutMs)
{
    FetchResult r;
    KurSayfasiIndirici f;
    QEventLoop loop;
    QObject::connect(&f, &KurSayfasiIndirici::indi, &loop, [&](const QString& p) {
        r.page = p;
        loop.quit();
    });
    QObject::connect(&f, &KurSayfasiIndirici::hata, &loop, [&](const QString& m) {
        r.error = m;
        loop.quit();
    });
    QObject::connect(&f, &KurSayfasiIndirici::ilerleme, &loop, [&](qint64, qint64) { ++r.progressSignals; });
    f.baslat(url, timeoutMs);
    if (!r.page.isEmpty() || !r.error.isEmpty())
        return r;
    QTimer guard; // a broken fetcher must not hang the suite
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        r.error = "guard";
        loop.quit();
    });
    guard.start(60000);
    loop.exec();
    return r;
}

} // namespace

// The fixed columns give four numbers per wanted line; JPY is per 100 units; other lines are
// ignored.
TEST(RatePage, ReadsFixedColumnsAndDividesYen)
{
    const KurSayfasiSonucu r = kurSayfasiniOku(fixturePage());
    ASSERT_EQ(r.kurlar.size(), 4);
    EXPECT_TRUE(r.okunamayan.isEmpty());
    EXPECT_EQ(r.kurlar[0].dovizKodu, "USD");
    EXPECT_DOUBLE_EQ(r.kurlar[0].dovizAlis, 43.1250);
    EXPECT_DOUBLE_EQ(r.kurlar[0].dovizSatis, 43.2027);
    EXPECT_DOUBLE_EQ(r.kurlar[0].efektifAlis, 43.1048);
    EXPECT_DOUBLE_EQ(r.kurlar[0].efektifSatis, 43.2675);
    EXPECT_EQ(r.kurlar[2].dovizKodu, "GBP"); // non-ASCII name before the fields
    EXPECT_DOUBLE_EQ(r.kurlar[2].efektifSatis, 57.8271);
    EXPECT_EQ(r.kurlar[3].dovizKodu, "JPY");
    EXPECT_DOUBLE_EQ(r.kurlar[3].dovizAlis, 0.034521);
    EXPECT_DOUBLE_EQ(r.kurlar[3].efektifSatis, 0.03498);
}

// Broken pages: nothing is taken from a line that cannot be read, and the reader says which.
TEST(RatePage, BadPagesGiveNothingForUnreadableLines)
{
    EXPECT_TRUE(kurSayfasiniOku("").bos());
    EXPECT_TRUE(kurSayfasiniOku("<html><body>Bakım çalışması</body></html>").okunamayan.isEmpty());

    const QStringList lines = fixturePage().split('\n');
    QString truncated;
    for (const QString& l : lines)
        truncated += (l.startsWith("EUR/TRY") ? l.left(60) : l) + '\n';
    KurSayfasiSonucu r = kurSayfasiniOku(truncated);
    EXPECT_EQ(r.okunamayan, QStringList{"EUR/TRY"});
    EXPECT_EQ(r.kurlar.size(), 3);

    // Another layout: the same numbers separated by semicolons.
    r = kurSayfasiniOku("USD/TRY;1;ABD DOLARI;43.1250;43.2027;43.1048;43.2675\n");
    EXPECT_TRUE(r.kurlar.isEmpty());
    EXPECT_EQ(r.okunamayan, QStringList{"USD/TRY"});

    QString letters = fixturePage();
    letters.replace("43.2027", "43,2O27"); // a letter O in a number
    r = kurSayfasiniOku(letters);
    EXPECT_EQ(r.okunamayan, QStringList{"USD/TRY"});
    for (const SayfaKuru& k : r.kurlar)
        EXPECT_NE(k.dovizKodu, "USD");

    QString blank = fixturePage();
    blank.replace("3.4980", "      "); // an empty banknote field
    r = kurSayfasiniOku(blank);
    EXPECT_EQ(r.okunamayan, QStringList{"JPY/TRY"});
}

class RateImport : public ServicesTest {};

// The page from a local server: JPY stored divided by 100, today's row updated when there is
// one, appended otherwise, and only currencies of the list written.
TEST_F(RateImport, FixturePageFromLocalServerUpdatesOrAppendsToday)
{
    for (const char* k : {"USD", "EUR", "JPY"})
        addCurrency(k);
    const QDate today = QDate::currentDate();
    addRate("USD", QDateTime(today, QTime(9, 15)), 1.0, 1.0, 0, 0, 44.0);
    addRate("USD", QDateTime(today.addDays(-1), QTime(0, 0)), 42.0, 42.1);

    PageServer server(httpOk(fixturePage().toUtf8()));
    const FetchResult got = fetch(server.url(), 5000);
    ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();

    const SayfaAktarimSonucu r = DovizKurlari(db).sayfaKurlariniYaz(kurSayfasiniOku(got.page), today);
    EXPECT_EQ(r.yazilan, (QStringList{"USD", "EUR", "JPY"}));
    EXPECT_EQ(r.tanimsiz, QStringList{"GBP"});
    EXPECT_FALSE(r.sorunVar);

    const Params day{{"b", QDateTime(today, QTime(0, 0))}, {"s", QDateTime(today.addDays(1), QTime(0, 0))}};
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = 'USD' AND TARIH >= :b AND TARIH < :s", day), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = 'USD'"), 2); // yesterday kept
    const auto usd = db.records("SELECT TLDEGERI_ALIS, TLDEGERI_SATIS, EFKTLDEGERI_SATIS, OZELTLDEGERI_SATIS "
                                "FROM KURDEGER WHERE DOVIZ_KODU = 'USD' AND TARIH >= :b AND TARIH < :s",
                                day);
    EXPECT_DOUBLE_EQ(usd[0].value(0).toDouble(), 43.1250);
    EXPECT_DOUBLE_EQ(usd[0].value(1).toDouble(), 43.2027);
    EXPECT_DOUBLE_EQ(usd[0].value(2).toDouble(), 43.2675);
    EXPECT_DOUBLE_EQ(usd[0].value(3).toDouble(), 44.0); // columns the page has no say on stay
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TLDEGERI_ALIS FROM KURDEGER WHERE DOVIZ_KODU = 'JPY'").toDouble(), 0.034521);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = 'GBP'"), 0);
}

// A page with no readable line writes nothing and says so; a partly broken page writes the rest.
TEST_F(RateImport, UnreadablePagesWriteNothingAndSaySo)
{
    for (const char* k : {"USD", "EUR", "GBP", "JPY"})
        addCurrency(k);
    DovizKurlari book(db);
    SayfaAktarimSonucu r = book.sayfaKurlariniYaz(kurSayfasiniOku(""), QDate(2026, 5, 4));
    EXPECT_TRUE(r.sorunVar);
    EXPECT_EQ(r.mesaj, "Kur sayfasında okunabilen kur satırı bulunamadı. Hiçbir kur kaydedilmedi.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER"), 0);

    QString page = fixturePage();
    page.replace("50.3115", "  N/A      ");
    r = book.sayfaKurlariniYaz(kurSayfasiniOku(page), QDate(2026, 5, 4));
    EXPECT_TRUE(r.sorunVar);
    EXPECT_TRUE(r.mesaj.contains("Okunamayan satırlar kaydedilmedi: EUR/TRY")) << r.mesaj.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER"), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = 'EUR'"), 0);
}

// Network trouble ends in a Turkish message, never in a hang: refused, silent server, HTTP error.
TEST(RateFetch, UnreachableSilentOrFailingAddressGivesMessage)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close(); // nobody listens there any more
    FetchResult r = fetch(QUrl(QStringLiteral("http://127.0.0.1:%1/kurlar.html").arg(port)), 3000);
    EXPECT_TRUE(r.page.isEmpty());
    EXPECT_TRUE(r.error.startsWith("TCMB kur sayfasına ulaşılamadı: ")) << r.error.toStdString();

    PageServer silent{QByteArray()};
    r = fetch(silent.url(), 300);
    EXPECT_EQ(r.error, "TCMB kur sayfası zaman aşımına uğradı. Bağlantınızı kontrol edip tekrar deneyin.");

    PageServer missing("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    r = fetch(missing.url(), 3000);
    EXPECT_EQ(r.error, "TCMB kur sayfası alınamadı (HTTP 404).");

    r = fetch(QUrl("kurlar"), 3000);
    EXPECT_TRUE(r.error.startsWith("TCMB kur sayfası adresi geçersiz")) << r.error.toStdString();
}

// A field has to be a finite positive figure: "inf", "nan" or an overflowing number read as a
// double would otherwise be stored as a rate.
TEST(RatePage, NonFiniteFieldsMakeTheLineUnreadable)
{
    const auto line = [](const QString& head, const QStringList& fields) {
        const int starts[] = {40, 53, 69, 82};
        QString l = head;
        for (int i = 0; i < 4; ++i)
            l = l.leftJustified(starts[i] - 1, QLatin1Char(' ')) + fields[i].leftJustified(12, QLatin1Char(' '));
        return l;
    };
    const KurSayfasiSonucu good = kurSayfasiniOku(line("USD/TRY ABD DOLARI", {"43.1", "43.2", "43.0", "43.3"}));
    ASSERT_EQ(good.kurlar.size(), 1);
    EXPECT_DOUBLE_EQ(good.kurlar[0].efektifSatis, 43.3);
    for (const QString bad : {"inf", "nan", "1e400", "Infinity", "-inf"}) {
        const KurSayfasiSonucu r = kurSayfasiniOku(line("USD/TRY ABD DOLARI", {"43.1", bad, "43.0", "43.3"}));
        EXPECT_TRUE(r.kurlar.isEmpty()) << bad.toStdString();
        EXPECT_EQ(r.okunamayan, QStringList{"USD/TRY"}) << bad.toStdString();
    }
}
