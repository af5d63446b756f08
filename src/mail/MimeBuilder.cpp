#include "mail/MimeBuilder.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimeZone>

namespace nimbo {

namespace {

const QByteArray kCrlf("\r\n");

bool isPrintableAscii(const QByteArray& s)
{
    for (char c : s)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

// Control characters (a CR or LF typed into a subject) would start a new header.
QString oneLine(const QString& text)
{
    QString s = text;
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    return s;
}

// Cuts UTF-8 into pieces of at most maxBytes without splitting a multi-byte sequence.
QList<QByteArray> utf8Chunks(const QByteArray& utf8, int maxBytes)
{
    QList<QByteArray> out;
    int start = 0;
    while (start < utf8.size()) {
        int end = qMin(start + maxBytes, int(utf8.size()));
        // Continuation bytes look like 10xxxxxx: step back to the start of the character.
        while (end < utf8.size() && end > start && (uchar(utf8[end]) & 0xC0) == 0x80)
            --end;
        out << utf8.mid(start, end - start);
        start = end;
    }
    return out;
}

// 75 characters per word: "=?UTF-8?B?" + 60 base64 characters (45 bytes) + "?=".
QList<QByteArray> encodedWords(const QByteArray& utf8)
{
    QList<QByteArray> words;
    for (const QByteArray& chunk : utf8Chunks(utf8, 45))
        words << "=?UTF-8?B?" + chunk.toBase64() + "?=";
    return words;
}

QByteArray quoted(const QByteArray& ascii)
{
    QByteArray q = ascii;
    q.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + q + '"';
}

QByteArray percentEncoded(const QByteArray& utf8)
{
    // attr-char of RFC 2231: letters, digits and !#$&+-.^_`|~
    return utf8.toPercentEncoding("!#$&+.^_`|~", QByteArray(), '%');
}

// The older name= parameter of Content-Type; readers that know RFC 2231 take the
// Content-Disposition one.
QByteArray nameParameter(const QString& fileName)
{
    const QByteArray utf8 = oneLine(fileName).toUtf8();
    if (isPrintableAscii(utf8))
        return quoted(utf8);
    return '"' + encodedWords(utf8).join(' ') + '"';
}

QByteArray contentType(const QString& type)
{
    const QByteArray t = type.trimmed().toLatin1();
    return t.isEmpty() ? QByteArray("application/octet-stream") : t;
}

QByteArray normalizedLines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.toUtf8().replace('\n', kCrlf);
}

QByteArray domainOf(const QString& address)
{
    const int at = address.lastIndexOf(QLatin1Char('@'));
    return at < 0 ? QByteArray("localhost") : address.mid(at + 1).toLatin1();
}

QByteArray newBoundary()
{
    QByteArray b = "=_nimbo_";
    for (int i = 0; i < 4; ++i)
        b += QByteArray::number(QRandomGenerator::global()->generate(), 36);
    return b;
}

} // namespace

QByteArray MimeBuilder::encodeHeaderText(const QString& text)
{
    const QString line = oneLine(text);
    const QByteArray utf8 = line.toUtf8();
    if (isPrintableAscii(utf8) && !utf8.contains("=?"))
        return utf8;
    return encodedWords(utf8).join(kCrlf + ' ');
}

QByteArray MimeBuilder::mailbox(const QString& name, const QString& address)
{
    const QByteArray addr = '<' + address.trimmed().toLatin1() + '>';
    const QString n = oneLine(name).trimmed();
    if (n.isEmpty())
        return addr;
    const QByteArray utf8 = n.toUtf8();
    if (isPrintableAscii(utf8) && !utf8.contains("=?"))
        return quoted(utf8) + ' ' + addr;
    return encodeHeaderText(n) + ' ' + addr;
}

QByteArray MimeBuilder::base64Lines(const QByteArray& data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    out.reserve(b64.size() + b64.size() / 76 * 2 + 2);
    for (int i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + kCrlf;
    return out;
}

QByteArray MimeBuilder::fileNameParameter(const QString& fileName)
{
    const QByteArray utf8 = oneLine(fileName).toUtf8();
    if (isPrintableAscii(utf8) && utf8.size() <= 60)
        return "filename=" + quoted(utf8);
    const QByteArray enc = percentEncoded(utf8);
    if (enc.size() <= 60)
        return "filename*=UTF-8''" + enc;
    // Continuations: cut before the first byte of a character, never inside one.
    QList<QByteArray> parts;
    QByteArray part;
    for (int i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (uchar(utf8[i]) & 0xC0) != 0x80;
        if (startsCharacter && part.size() >= 45) {
            parts << part;
            part.clear();
        }
        part += percentEncoded(utf8.mid(i, 1));
    }
    if (!part.isEmpty())
        parts << part;
    QByteArray out;
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += ";" + kCrlf + ' ';
        out += "filename*" + QByteArray::number(i) + "*=" + (i == 0 ? "UTF-8''" : "") + parts[i];
    }
    return out;
}

QByteArray MimeBuilder::dateHeader(const QDateTime& t)
{
    static const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = t.date();
    const QTime tm = t.time();
    const int offset = t.offsetFromUtc() / 60;
    const int absOffset = qAbs(offset);
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 %8%9%10")
        .arg(QLatin1String(days[d.dayOfWeek() - 1]))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[d.month() - 1]))
        .arg(d.year())
        .arg(tm.hour(), 2, 10, QLatin1Char('0'))
        .arg(tm.minute(), 2, 10, QLatin1Char('0'))
        .arg(tm.second(), 2, 10, QLatin1Char('0'))
        .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(absOffset / 60, 2, 10, QLatin1Char('0'))
        .arg(absOffset % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

bool MimeBuilder::isValidAddress(const QString& address)
{
    // Local part: printable ASCII without blanks and the characters that delimit an address;
    // domain: labels of letters, digits and hyphens, at least two, none empty.
    static const QRegularExpression re(QStringLiteral(
        "\\A[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+(\\.[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+)*"
        "@([A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?\\.)+[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?\\z"));
    return address.size() <= 254 && re.match(address).hasMatch();
}

QStringList MimeBuilder::splitAddresses(const QString& field)
{
    static const QRegularExpression sep(QStringLiteral("[;,]"));
    QStringList out;
    for (const QString& part : field.split(sep))
        if (!part.trimmed().isEmpty())
            out << part.trimmed();
    return out;
}

QByteArray MimeBuilder::build(const MailMessage& m, const QDateTime& now, const QByteArray& boundary)
{
    QByteArray h;
    h += "Date: " + dateHeader(now) + kCrlf;
    h += "From: " + mailbox(m.fromName, m.fromAddress) + kCrlf;
    QList<QByteArray> to;
    for (const QString& a : m.to)
        to << mailbox(QString(), a);
    h += "To: " + to.join("," + kCrlf + ' ') + kCrlf;
    h += "Subject: " + encodeHeaderText(m.subject) + kCrlf;
    h += "Message-ID: <" + QByteArray::number(now.toMSecsSinceEpoch()) + '.'
         + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + '@' + domainOf(m.fromAddress) + '>'
         + kCrlf;
    h += "MIME-Version: 1.0" + kCrlf;

    const QByteArray textPart = "Content-Type: text/plain; charset=UTF-8" + kCrlf
                                + "Content-Transfer-Encoding: base64" + kCrlf + kCrlf
                                + base64Lines(normalizedLines(m.body));
    if (m.attachments.isEmpty())
        return h + textPart;

    QByteArray out = h + "Content-Type: multipart/mixed; boundary=\"" + boundary + '"' + kCrlf + kCrlf;
    out += "This is a multi-part message in MIME format." + kCrlf;
    out += "--" + boundary + kCrlf + textPart;
    for (const MailAttachment& a : m.attachments) {
        out += "--" + boundary + kCrlf;
        out += "Content-Type: " + contentType(a.contentType) + "; name=" + nameParameter(a.fileName)
               + kCrlf;
        out += "Content-Transfer-Encoding: base64" + kCrlf;
        out += "Content-Disposition: attachment;" + kCrlf + ' ' + fileNameParameter(a.fileName) + kCrlf + kCrlf;
        out += base64Lines(a.data);
    }
    out += "--" + boundary + "--" + kCrlf;
    return out;
}

QByteArray MimeBuilder::build(const MailMessage& m)
{
    return build(m, QDateTime::currentDateTime(), newBoundary());
}

} // namespace nimbo
