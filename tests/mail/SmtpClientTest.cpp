#include "mail/SmtpClient.h"
#include "mail/SmtpError.h"
#include "support/SmtpTestServer.h"

#include <QJsonArray>
#include <gtest/gtest.h>

using namespace nimbo;
using nimbo::test::SmtpTestServer;

namespace {

MailMessage sample(const QString& to = QStringLiteral("cari@musteri.com"))
{
    MailMessage m;
    m.fromName = QStringLiteral("DEMO TİCARET A.Ş.");
    m.fromAddress = QStringLiteral("muhasebe@demo.com.tr");
    m.to = {to};
    m.subject = QStringLiteral("Cari Ekstreniz – Şubat Öğütçü");
    m.body = QStringLiteral("Sayın ÇAĞRI IŞIK\nEkstreniz ektedir: ğüşiöç ĞÜŞİÖÇ");
    QByteArray pdf("%PDF-1.4\n");
    for (int i = 0; i < 5000; ++i)
        pdf += char(i % 251);
    m.attachments << MailAttachment{QStringLiteral("Cari Ekstre Şükrü.pdf"), QStringLiteral("application/pdf"), pdf};
    return m;
}

// Sends and returns the error text; empty when the message went.
QString sendError(SmtpClient& c, const MailMessage& m)
{
    try {
        c.send(m);
        return {};
    } catch (const SmtpError& e) {
        return e.message();
    }
}

SmtpTestServer::Options options(SmtpTestServer::Mode mode, const QString& user = {}, const QString& password = {},
                               const QStringList& reject = {})
{
    SmtpTestServer::Options o;
    o.mode = mode;
    o.user = user;
    o.password = password;
    o.reject = reject;
    return o;
}

QString noCr(QString s) { return s.remove(QLatin1Char('\r')); }

} // namespace

// What the server decodes is what was composed: envelope, Turkish subject, sender name and
// body, and the attachment byte for byte under its Turkish file name. The connection is
// reused for the next message and opened anew after close().
TEST(SmtpClientTest, DeliversDecodableMessageAndReusesConnection)
{
    SmtpTestServer server;
    SmtpClient client(server.settings());
    const MailMessage m = sample();
    ASSERT_EQ(sendError(client, m), QString());
    EXPECT_TRUE(client.isOpen());
    ASSERT_EQ(sendError(client, sample(QStringLiteral("ikinci@musteri.com"))), QString());
    client.close();
    ASSERT_EQ(sendError(client, sample(QStringLiteral("ucuncu@musteri.com"))), QString());

    const QList<QJsonObject> got = server.received();
    ASSERT_EQ(got.size(), 3);
    const QJsonObject& r = got[0];
    EXPECT_EQ(r[QStringLiteral("mail_from")].toString(), QStringLiteral("muhasebe@demo.com.tr"));
    EXPECT_EQ(r[QStringLiteral("rcpt_tos")].toArray().first().toString(), QStringLiteral("cari@musteri.com"));
    EXPECT_EQ(r[QStringLiteral("subject")].toString(), m.subject);
    EXPECT_EQ(r[QStringLiteral("from_name")].toString(), QStringLiteral("DEMO TİCARET A.Ş."));
    EXPECT_EQ(r[QStringLiteral("from_address")].toString(), QStringLiteral("muhasebe@demo.com.tr"));
    EXPECT_EQ(noCr(r[QStringLiteral("body")].toString()), m.body);
    const QJsonArray att = r[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(att.size(), 1);
    EXPECT_EQ(att[0][QStringLiteral("filename")].toString(), QStringLiteral("Cari Ekstre Şükrü.pdf"));
    EXPECT_EQ(att[0][QStringLiteral("content_type")].toString(), QStringLiteral("application/pdf"));
    EXPECT_EQ(QByteArray::fromBase64(att[0][QStringLiteral("data")].toString().toLatin1()),
              m.attachments.first().data);

    EXPECT_EQ(got[1][QStringLiteral("connection")].toInt(), got[0][QStringLiteral("connection")].toInt());
    EXPECT_NE(got[2][QStringLiteral("connection")].toInt(), got[0][QStringLiteral("connection")].toInt());
    EXPECT_EQ(got[2][QStringLiteral("rcpt_tos")].toArray().first().toString(), QStringLiteral("ucuncu@musteri.com"));
}

// STARTTLS with AUTH LOGIN and implicit TLS with AUTH PLAIN both log in over an encrypted
// connection with the mechanism asked for; a server without STARTTLS fails a client that requires it.
TEST(SmtpClientTest, EncryptsAndAuthenticates)
{
    {
        SmtpTestServer server(options(SmtpTestServer::Mode::StartTls, QStringLiteral("nimbo"), QStringLiteral("gizli şifre")));
        SmtpSettings s = server.settings();
        s.auth = SmtpSettings::Auth::Login;
        SmtpClient client(s);
        ASSERT_EQ(sendError(client, sample()), QString());
        const QJsonObject r = server.received().value(0);
        EXPECT_TRUE(r[QStringLiteral("tls")].toBool());
        EXPECT_EQ(r[QStringLiteral("mechanism")].toString(), QStringLiteral("LOGIN"));
        EXPECT_EQ(r[QStringLiteral("login")].toString(), QStringLiteral("nimbo"));
    }
    {
        SmtpTestServer server(options(SmtpTestServer::Mode::ImplicitTls, QStringLiteral("nimbo"), QStringLiteral("p")));
        SmtpSettings s = server.settings();
        s.auth = SmtpSettings::Auth::Plain;
        SmtpClient client(s);
        ASSERT_EQ(sendError(client, sample()), QString());
        const QJsonObject r = server.received().value(0);
        EXPECT_TRUE(r[QStringLiteral("tls")].toBool());
        EXPECT_EQ(r[QStringLiteral("mechanism")].toString(), QStringLiteral("PLAIN"));
    }
    {
        SmtpTestServer server;
        SmtpSettings s = server.settings();
        s.security = SmtpSettings::Security::StartTls;
        SmtpClient client(s);
        EXPECT_TRUE(sendError(client, sample()).startsWith(QStringLiteral("Posta sunucusu şifreli bağlantı (STARTTLS) sunmuyor")));
        EXPECT_TRUE(server.received().isEmpty());
    }
}

// Each failure is told in its own words and leaves nothing half-sent: a refused login, a
// refused recipient (the next recipient still goes through the same client), a bad
// address caught before connecting.
TEST(SmtpClientTest, RefusalsAreReportedWithTheServersAnswer)
{
    SmtpTestServer guarded(options(SmtpTestServer::Mode::Plain, QStringLiteral("nimbo"), QStringLiteral("dogru")));
    SmtpSettings wrong = guarded.settings();
    wrong.password = QStringLiteral("yanlis");
    SmtpClient denied(wrong);
    EXPECT_TRUE(sendError(denied, sample()).startsWith(QStringLiteral("Posta sunucusu hesap adını veya şifreyi kabul etmedi")));
    SmtpSettings anonymous = guarded.settings();
    anonymous.userName.clear();
    SmtpClient noLogin(anonymous);
    EXPECT_FALSE(sendError(noLogin, sample()).isEmpty());
    EXPECT_TRUE(guarded.received().isEmpty());

    SmtpTestServer server(options(SmtpTestServer::Mode::Plain, {}, {}, {QStringLiteral("yok@musteri.com")}));
    SmtpClient client(server.settings());
    const QString refused = sendError(client, sample(QStringLiteral("yok@musteri.com")));
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Alıcı adresi posta sunucusu tarafından kabul edilmedi"))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("550"))) << refused.toStdString();
    EXPECT_EQ(sendError(client, sample(QStringLiteral("var@musteri.com"))), QString());

    EXPECT_EQ(sendError(client, sample(QStringLiteral("adres-degil"))), QStringLiteral("Alıcı e-posta adresi geçersiz: \"adres-degil\""));
    MailMessage noSender = sample();
    noSender.fromAddress.clear();
    EXPECT_TRUE(sendError(client, noSender).startsWith(QStringLiteral("Gönderen e-posta adresi geçersiz")));
    MailMessage nobody = sample();
    nobody.to.clear();
    EXPECT_EQ(sendError(client, nobody), QStringLiteral("Alıcı e-posta adresi boş"));

    const QList<QJsonObject> got = server.received();
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0][QStringLiteral("rcpt_tos")].toArray().first().toString(), QStringLiteral("var@musteri.com"));
}

// A closed port, a server that cuts the connection in the middle of the message, one that
// never answers (bounded by the time-out) and a cancelled send all end in an error, never a hang.
TEST(SmtpClientTest, BrokenServersEndInAnErrorNotAHang)
{
    SmtpSettings closed;
    closed.host = QStringLiteral("127.0.0.1");
    closed.port = SmtpTestServer::unusedPort();
    closed.connectTimeoutMs = 2000;
    closed.timeoutMs = 3000;
    SmtpClient c1(closed);
    EXPECT_TRUE(sendError(c1, sample()).startsWith(QStringLiteral("Posta sunucusuna bağlanılamadı: 127.0.0.1:%1").arg(closed.port)));

    SmtpTestServer dropper(options(SmtpTestServer::Mode::Drop));
    SmtpClient c2(dropper.settings());
    const QString dropped = sendError(c2, sample());
    EXPECT_TRUE(dropped.startsWith(QStringLiteral("Posta sunucusu bağlantıyı yarıda kesti"))) << dropped.toStdString();

    SmtpTestServer silent(options(SmtpTestServer::Mode::Silent));
    SmtpSettings s = silent.settings();
    s.timeoutMs = 1500;
    SmtpClient c3(s);
    EXPECT_TRUE(sendError(c3, sample()).startsWith(QStringLiteral("Posta sunucusu zamanında yanıt vermedi (1.5 sn)")));

    std::atomic_bool cancel{true};
    SmtpClient c4(silent.settings());
    c4.setCancelFlag(&cancel);
    EXPECT_EQ(sendError(c4, sample()), QStringLiteral("Gönderim iptal edildi"));

    SmtpSettings noHost;
    SmtpClient c5(noHost);
    EXPECT_EQ(sendError(c5, sample()), QStringLiteral("Posta sunucusu belirtilmemiş"));
}
