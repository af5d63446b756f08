#include "mail/MimeBuilder.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace nimbo;

namespace {

// Decodes a header value made of RFC 2047 "B" words (as a reader would), checking each word.
QString decodeWords(const QByteArray& value, int* words = nullptr)
{
    static const QRegularExpression word(QStringLiteral("=\\?UTF-8\\?B\\?([A-Za-z0-9+/=]*)\\?="));
    QByteArray utf8;
    int n = 0;
    auto it = word.globalMatch(QString::fromLatin1(value));
    while (it.hasNext()) {
        const auto m = it.next();
        EXPECT_LE(m.capturedLength(0), 75) << "encoded word too long";
        const QByteArray piece = QByteArray::fromBase64(m.captured(1).toLatin1());
        // Every word must be valid UTF-8 by itself: no character cut in two.
        EXPECT_EQ(QString::fromUtf8(piece).toUtf8(), piece);
        EXPECT_FALSE(QString::fromUtf8(piece).contains(QChar::ReplacementCharacter));
        utf8 += piece;
        ++n;
    }
    if (words)
        *words = n;
    return QString::fromUtf8(utf8);
}

QByteArray part(const QByteArray& message, const QByteArray& from, const QByteArray& to)
{
    const int a = message.indexOf(from);
    const int b = message.indexOf(to, a + from.size());
    return message.mid(a + from.size(), b - a - from.size());
}

} // namespace

TEST(MimeHeaders, AsciiStaysAndTurkishBecomesWholeCharacterWords)
{
    EXPECT_EQ(MimeBuilder::encodeHeaderText(QStringLiteral("Cari Ekstreniz")), QByteArray("Cari Ekstreniz"));

    const QString tr = QStringLiteral("Cari Ekstreniz – Şükrü Öğütçü İĞDIR çğışöü");
    const QByteArray enc = MimeBuilder::encodeHeaderText(tr);
    EXPECT_TRUE(enc.startsWith("=?UTF-8?B?"));
    EXPECT_EQ(decodeWords(enc), tr);

    // A long Turkish subject: many words, folded, each whole and at most 75 characters.
    const QString longText = QString(QStringLiteral("ğüşıöçĞÜŞİÖÇ")).repeated(12);
    int words = 0;
    const QByteArray folded = MimeBuilder::encodeHeaderText(longText);
    EXPECT_EQ(decodeWords(folded, &words), longText);
    EXPECT_GT(words, 4);
    for (const QByteArray& line : folded.split('\n'))
        EXPECT_LE(line.size(), 77);

    // A typed line break must not start a new header, and "=?" in plain text is encoded.
    const QByteArray injected = MimeBuilder::encodeHeaderText(QStringLiteral("Ekstre\r\nBcc: x@y.com"));
    EXPECT_FALSE(injected.contains('\r'));
    EXPECT_FALSE(injected.contains('\n'));
    EXPECT_TRUE(MimeBuilder::encodeHeaderText(QStringLiteral("a =?b?= c")).startsWith("=?UTF-8?B?"));

    EXPECT_EQ(MimeBuilder::mailbox(QStringLiteral("Demo \"A\" Ltd"), QStringLiteral("a@b.com")),
              QByteArray("\"Demo \\\"A\\\" Ltd\" <a@b.com>"));
    const QByteArray named = MimeBuilder::mailbox(QStringLiteral("DEMO TİCARET"), QStringLiteral(" a@b.com "));
    EXPECT_TRUE(named.endsWith(" <a@b.com>"));
    EXPECT_EQ(decodeWords(named), QStringLiteral("DEMO TİCARET"));
    EXPECT_EQ(MimeBuilder::mailbox(QString(), QStringLiteral("a@b.com")), QByteArray("<a@b.com>"));
}

TEST(MimeHeaders, FileNamesAsciiTurkishAndLong)
{
    EXPECT_EQ(MimeBuilder::fileNameParameter(QStringLiteral("CariExtr.pdf")), QByteArray("filename=\"CariExtr.pdf\""));
    EXPECT_EQ(MimeBuilder::fileNameParameter(QStringLiteral("Ekstre Ç.pdf")),
              QByteArray("filename*=UTF-8''Ekstre%20%C3%87.pdf"));

    // A long name is continued in numbered pieces that join back to the name.
    const QString name = QStringLiteral("Şükrü Öğütçü İnşaat Ticaret Limited Şirketi Cari Hesap Ekstresi 2026.pdf");
    const QByteArray param = MimeBuilder::fileNameParameter(name);
    static const QRegularExpression piece(QStringLiteral("filename\\*(\\d+)\\*=(?:UTF-8'')?([^;\\s]+)"));
    QByteArray joined;
    int expected = 0;
    auto it = piece.globalMatch(QString::fromLatin1(param));
    while (it.hasNext()) {
        const auto m = it.next();
        EXPECT_EQ(m.captured(1).toInt(), expected++);
        EXPECT_LE(m.capturedLength(0), 78);
        joined += m.captured(2).toLatin1();
    }
    EXPECT_GT(expected, 1);
    EXPECT_TRUE(param.startsWith("filename*0*=UTF-8''"));
    EXPECT_EQ(QString::fromUtf8(QByteArray::fromPercentEncoding(joined)), name);
}

TEST(MimeAddresses, ValidAndInvalidAddresses)
{
    for (const char* ok : {"a@b.com", "ali.veli@firma.com.tr", "x+ekstre@mail-server.net", "A_B@C.D.ORG"})
        EXPECT_TRUE(MimeBuilder::isValidAddress(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"", "abc", "a@b", "@b.com", "a@.com", "a@b..com", "a b@c.com", "a@b.com>", "a@@b.com",
                            ".a@b.com", "a.@b.com", "a@-b.com", "a@b.com\r\nRCPT TO:<x@y.com>", "a@b.com\n"})
        EXPECT_FALSE(MimeBuilder::isValidAddress(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(MimeBuilder::isValidAddress(QStringLiteral("şükrü@firma.com")));

    EXPECT_EQ(MimeBuilder::splitAddresses(QStringLiteral(" a@b.com; c@d.com ,, ")),
              (QStringList{QStringLiteral("a@b.com"), QStringLiteral("c@d.com")}));
    EXPECT_TRUE(MimeBuilder::splitAddresses(QStringLiteral("  ")).isEmpty());
}

TEST(MimeMessage, BuildsWellFormedMultipartWithBase64Parts)
{
    MailMessage m;
    m.fromName = QStringLiteral("DEMO TİCARET");
    m.fromAddress = QStringLiteral("muhasebe@demo.com.tr");
    m.to = {QStringLiteral("cari@musteri.com")};
    m.subject = QStringLiteral("Cari Ekstreniz");
    m.body = QStringLiteral("Sayın ÖZGÜR ŞAHİN\nEkstreniz ektedir.\r\nİyi çalışmalar.");
    QByteArray binary;
    for (int i = 0; i < 1000; ++i)
        binary += char(i * 7 % 256);
    m.attachments << MailAttachment{QStringLiteral("CariExtr.pdf"), QStringLiteral("application/pdf"), binary};

    const QDateTime when(QDate(2026, 12, 6), QTime(7, 30, 5), QTimeZone(3 * 3600));
    const QByteArray msg = MimeBuilder::build(m, when, "BOUNDARY42");

    EXPECT_EQ(MimeBuilder::dateHeader(when), QByteArray("Sun, 06 Dec 2026 07:30:05 +0300"));
    EXPECT_TRUE(msg.startsWith("Date: Sun, 06 Dec 2026 07:30:05 +0300\r\n"));
    EXPECT_TRUE(msg.contains("\r\nTo: <cari@musteri.com>\r\n"));
    EXPECT_TRUE(msg.contains("\r\nSubject: Cari Ekstreniz\r\n"));
    EXPECT_TRUE(msg.contains("\r\nMIME-Version: 1.0\r\n"));
    EXPECT_TRUE(msg.contains("Content-Type: multipart/mixed; boundary=\"BOUNDARY42\""));
    EXPECT_TRUE(msg.endsWith("--BOUNDARY42--\r\n"));
    // Every line ends in CRLF and stays short enough for any relay.
    EXPECT_FALSE(QByteArray(msg).replace("\r\n", "").contains('\n'));
    EXPECT_FALSE(QByteArray(msg).replace("\r\n", "").contains('\r'));
    for (const QByteArray& line : msg.split('\n'))
        EXPECT_LE(line.size(), 78);

    const QByteArray text = part(msg, "Content-Transfer-Encoding: base64\r\n\r\n", "--BOUNDARY42");
    EXPECT_EQ(QString::fromUtf8(QByteArray::fromBase64(text)),
              QStringLiteral("Sayın ÖZGÜR ŞAHİN\r\nEkstreniz ektedir.\r\nİyi çalışmalar."));
    const int att = msg.indexOf("Content-Type: application/pdf; name=\"CariExtr.pdf\"");
    ASSERT_GT(att, 0);
    const QByteArray data = part(msg.mid(att), "\r\n\r\n", "--BOUNDARY42--");
    EXPECT_EQ(QByteArray::fromBase64(data), binary);

    // Without attachments the message is the text part alone; an empty content type is octet-stream.
    MailMessage plain = m;
    plain.attachments.clear();
    const QByteArray single = MimeBuilder::build(plain, when, "B");
    EXPECT_FALSE(single.contains("multipart"));
    EXPECT_TRUE(single.contains("Content-Type: text/plain; charset=UTF-8\r\n"));
    MailMessage untyped = m;
    untyped.attachments.first().contentType.clear();
    EXPECT_TRUE(MimeBuilder::build(untyped, when, "B").contains("Content-Type: application/octet-stream; name="));
}
