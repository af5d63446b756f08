#include "CariFixture.h"
#include "accounts/MailAyarlari.h"
#include "accounts/TopluEkstreMaili.h"
#include "db/Errors.h"
#include "mail/SmtpClient.h"
#include "support/SmtpTestServer.h"

#include <QJsonArray>
#include <QSqlRecord>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class EkstreMailTest : public YearDbTest {
protected:
    CariFixture fx() const { return CariFixture{db}; }

    MailAyarlari ayarlar(const SmtpTestServer& server) const
    {
        MailAyarlari a;
        a.postaSunucusu = QStringLiteral("127.0.0.1");
        a.netPort = QString::number(server.port());
        a.email = QStringLiteral("muhasebe@demo.com.tr");
        a.firmaAdi = QStringLiteral("DEMO TİCARET");
        return a;
    }

    // Twelve accounts in code order; only C03, C07 and C11 have an address.
    QStringList onIkiCari() const
    {
        QStringList kodlar;
        for (int i = 1; i <= 12; ++i) {
            const QString kod = QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
            QVariantMap extra{{QStringLiteral("FIRMA_ADI"), QStringLiteral("ŞÜKRÜ ÖĞÜTÇÜ %1").arg(i)}};
            if (i == 3 || i == 7 || i == 11)
                extra.insert(QStringLiteral("EMAIL"), QStringLiteral("c%1@musteri.com").arg(i));
            else if (i == 5)
                extra.insert(QStringLiteral("EMAIL"), QStringLiteral("   "));
            fx().cari(kod, extra);
            kodlar << kod;
        }
        return kodlar;
    }
};

// A statement of an account as the exporter would make it: its bytes name the account.
MailAttachment ekstreOf(const MailAlicisi& a)
{
    return {QStringLiteral("CariExtr.rtf"), QStringLiteral("application/rtf"),
            "{\\rtf1 " + a.kod.toUtf8() + " \\u350?}"};
}

} // namespace

// The installation record keeps the mail settings: inserted when the firm has no row,
// updated (other columns kept) when it has one; an empty firm name or a port that is no
// number is refused and changes nothing.
TEST_F(EkstreMailTest, SettingsStoredInTheInstallationRecord)
{
    EXPECT_EQ(MailAyarlari::oku(db), MailAyarlari());
    MailAyarlari a;
    a.postaSunucusu = QStringLiteral("posta.demo.com.tr");
    a.netPort = QStringLiteral("587");
    a.hesapAdi = QStringLiteral("muhasebe");
    a.hsParola = QStringLiteral("Şifre 1!");
    a.email = QStringLiteral("muhasebe@demo.com.tr");
    a.firmaAdi = QStringLiteral("DEMO TİCARET");
    a.sakla(db);
    EXPECT_EQ(MailAyarlari::oku(db), a);
    EXPECT_EQ(a.smtp().port, 587);
    EXPECT_EQ(a.smtp().host, QStringLiteral("posta.demo.com.tr"));

    db.exec(QStringLiteral("UPDATE EKIM SET ACE='Ctrl+K'"));
    MailAyarlari b = a;
    b.netPort = QStringLiteral("25");
    b.hsParola.clear();
    b.sakla(db);
    EXPECT_EQ(MailAyarlari::oku(db), b);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM EKIM")).toInt(), 1);
    EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT ACE FROM EKIM"))), QStringLiteral("Ctrl+K"));
    EXPECT_TRUE(db.scalar(QStringLiteral("SELECT HSPAROLA FROM EKIM")).isNull());

    MailAyarlari isimsiz = b;
    isimsiz.firmaAdi = QStringLiteral("  ");
    isimsiz.postaSunucusu = QStringLiteral("baska.sunucu");
    try {
        isimsiz.sakla(db);
        ADD_FAILURE() << "an empty firm name was stored";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Gerekli Alanları Lüften Giriniz."));
    }
    MailAyarlari harfli = b;
    harfli.netPort = QStringLiteral("25a");
    EXPECT_THROW(harfli.sakla(db), UserError);
    EXPECT_EQ(MailAyarlari::oku(db), b);
}

// Twelve accounts, three with an address, one of the three refused by the server:
// "12 Kayıttan 3.Email Yollandı.", the refused one listed with the server's reason, the
// other two received with the salutation and free text and the statement byte for byte;
// accounts without an address get nothing and no statement is made for them.
TEST_F(EkstreMailTest, BatchCountsAttemptsAndListsTheRefusedAccount)
{
    SmtpTestServer::Options o;
    o.reject = {QStringLiteral("c7@musteri.com")};
    SmtpTestServer server(o);
    const QVector<MailAlicisi> liste = TopluEkstreMaili::alicilar(db, onIkiCari());
    ASSERT_EQ(liste.size(), 12);

    EkstreMailMetni metin;
    metin.ekYazi = QStringLiteral("Ekstreniz ektedir.\nMutabakat için dönüşünüzü rica ederiz.");
    QStringList made;
    int progressCalls = 0;
    TopluEkstreMaili batch(ayarlar(server), metin, liste, [&](const MailAlicisi& a) {
        made << a.kod;
        return ekstreOf(a);
    });
    SmtpSettings s = ayarlar(server).smtp();
    s.timeoutMs = 5000;
    SmtpClient client(s);
    batch.calistir(client, nullptr, [&] { ++progressCalls; });

    EXPECT_EQ(batch.ilerlemeMetni(), QStringLiteral("12 Kayıttan 3.Email Yollandı."));
    EXPECT_EQ(progressCalls, 3);
    EXPECT_EQ(made, (QStringList{QStringLiteral("C03"), QStringLiteral("C07"), QStringLiteral("C11")}));
    const QVector<MailSonucu> failed = batch.gitmeyenler();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(TopluEkstreMaili::gitmeyenSatiri(failed[0]), QStringLiteral("ŞÜKRÜ ÖĞÜTÇÜ 7 c7@musteri.com"));
    EXPECT_TRUE(failed[0].hata.contains(QStringLiteral("550"))) << failed[0].hata.toStdString();
    EXPECT_TRUE(TopluEkstreMaili::hataSatiri(failed[0].hata).startsWith(QStringLiteral("ERROR: Alıcı adresi")));
    EXPECT_FALSE(client.isOpen());

    const QList<QJsonObject> got = server.received();
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0][QStringLiteral("rcpt_tos")].toArray().first().toString(), QStringLiteral("c3@musteri.com"));
    EXPECT_EQ(got[1][QStringLiteral("rcpt_tos")].toArray().first().toString(), QStringLiteral("c11@musteri.com"));
    EXPECT_EQ(got[0][QStringLiteral("subject")].toString(), QStringLiteral("Cari Ekstreniz"));
    EXPECT_EQ(got[0][QStringLiteral("from_name")].toString(), QStringLiteral("DEMO TİCARET"));
    EXPECT_EQ(got[0][QStringLiteral("body")].toString().remove(QLatin1Char('\r')),
              QStringLiteral("Sayın ŞÜKRÜ ÖĞÜTÇÜ 3\nEkstreniz ektedir.\nMutabakat için dönüşünüzü rica ederiz."));
    const QJsonObject att = got[1][QStringLiteral("attachments")].toArray().first().toObject();
    EXPECT_EQ(att[QStringLiteral("filename")].toString(), QStringLiteral("CariExtr.rtf"));
    EXPECT_EQ(QByteArray::fromBase64(att[QStringLiteral("data")].toString().toLatin1()),
              ekstreOf(liste[10]).data);
}

// Salutation off leaves the free text alone; a malformed address fails before its statement
// is made; a statement that cannot be made fails that account only; an unreachable server
// fails every account with the reason and the walk still ends.
TEST_F(EkstreMailTest, FailuresStayWithTheirAccount)
{
    SmtpTestServer server;
    fx().cari(QStringLiteral("A1"), {{QStringLiteral("EMAIL"), QStringLiteral("adres-degil")}});
    fx().cari(QStringLiteral("A2"), {{QStringLiteral("EMAIL"), QStringLiteral("a2@musteri.com")}});
    fx().cari(QStringLiteral("A3"), {{QStringLiteral("EMAIL"), QStringLiteral("a3@musteri.com")}});
    const QVector<MailAlicisi> liste = TopluEkstreMaili::alicilar(
        db, {QStringLiteral("A3"), QStringLiteral("YOK"), QStringLiteral("A1"), QStringLiteral("A2")});
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0].kod, QStringLiteral("A3"));

    EkstreMailMetni metin;
    metin.hitapYaz = false;
    metin.ekYazi = QStringLiteral("Yalnız bu yazı.");
    QStringList made;
    TopluEkstreMaili batch(ayarlar(server), metin, liste, [&](const MailAlicisi& a) -> MailAttachment {
        made << a.kod;
        if (a.kod == QLatin1String("A3"))
            throw UserError(QStringLiteral("Ekstre dosyası yazılamadı"));
        return ekstreOf(a);
    });
    SmtpClient client(ayarlar(server).smtp());
    batch.calistir(client);

    EXPECT_EQ(made, (QStringList{QStringLiteral("A3"), QStringLiteral("A2")}));
    EXPECT_EQ(batch.ilerlemeMetni(), QStringLiteral("3 Kayıttan 3.Email Yollandı."));
    const QVector<MailSonucu> failed = batch.gitmeyenler();
    ASSERT_EQ(failed.size(), 2);
    EXPECT_EQ(failed[0].hata, QStringLiteral("Ekstre dosyası yazılamadı"));
    EXPECT_EQ(failed[1].hata, QStringLiteral("Alıcı e-posta adresi geçersiz: \"adres-degil\""));
    const QList<QJsonObject> got = server.received();
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0][QStringLiteral("body")].toString().remove(QLatin1Char('\r')), QStringLiteral("Yalnız bu yazı."));

    MailAyarlari kapali = ayarlar(server);
    kapali.netPort = QString::number(SmtpTestServer::unusedPort());
    TopluEkstreMaili unreachable(kapali, metin, liste, ekstreOf);
    SmtpClient c2(kapali.smtp());
    unreachable.calistir(c2);
    ASSERT_EQ(unreachable.gitmeyenler().size(), 3);
    EXPECT_TRUE(unreachable.gitmeyenler()[2].hata.startsWith(QStringLiteral("Posta sunucusuna bağlanılamadı")));
}

// A cancel stops the walk after the account under way; the numbers are grouped by
// thousands and a zero prints as nothing.
TEST_F(EkstreMailTest, CancelStopsTheWalkAndProgressText)
{
    SmtpTestServer server;
    QStringList kodlar;
    for (int i = 1; i <= 4; ++i) {
        const QString kod = QStringLiteral("K%1").arg(i);
        fx().cari(kod, {{QStringLiteral("EMAIL"), QStringLiteral("k%1@musteri.com").arg(i)}});
        kodlar << kod;
    }
    std::atomic_bool cancel{false};
    TopluEkstreMaili batch(ayarlar(server), {}, TopluEkstreMaili::alicilar(db, kodlar), ekstreOf);
    SmtpClient client(ayarlar(server).smtp());
    batch.calistir(client, &cancel, [&] { cancel = true; });
    EXPECT_EQ(batch.sayac(), 1);
    EXPECT_TRUE(batch.iptalEdildi());
    EXPECT_EQ(server.received().size(), 1);

    EXPECT_EQ(TopluEkstreMaili::ilerlemeMetni(1234, 0), QStringLiteral("1.234 Kayıttan .Email Yollandı."));
    EXPECT_EQ(TopluEkstreMaili::ilerlemeMetni(0, 0), QStringLiteral(" Kayıttan .Email Yollandı."));
    EXPECT_EQ(TopluEkstreMaili::ilerlemeMetni(1234567, 1001), QStringLiteral("1.234.567 Kayıttan 1.001.Email Yollandı."));
}
