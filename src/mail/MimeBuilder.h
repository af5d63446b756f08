#pragma once
#include "mail/MailMessage.h"

#include <QDateTime>

namespace nimbo {

// Builds an Internet message (RFC 5322 with MIME) from a MailMessage: UTF-8 headers as
// RFC 2047 encoded words, a UTF-8 plain-text body in base64, attachments in base64 with
// their file names encoded per RFC 2231 (and RFC 2047 for older readers). Lines end in CRLF.
class MimeBuilder {
public:
    // now and boundary are parameters so that a build can be repeated byte for byte.
    static QByteArray build(const MailMessage& m, const QDateTime& now, const QByteArray& boundary);
    static QByteArray build(const MailMessage& m);

    // A header value: as it is when it is printable ASCII, else encoded words of at most
    // 75 characters each, folded onto continuation lines, never splitting a character.
    static QByteArray encodeHeaderText(const QString& text);
    // "Name <address>", the name quoted or encoded as needed.
    static QByteArray mailbox(const QString& name, const QString& address);
    // Base64 in lines of 76 characters, each ended by CRLF.
    static QByteArray base64Lines(const QByteArray& data);
    // Parameters of Content-Disposition for a file name: filename="..." for ASCII names,
    // filename*=UTF-8''... (split into filename*0*, filename*1* ... when long) otherwise.
    static QByteArray fileNameParameter(const QString& fileName);
    // RFC 5322 date, e.g. "Sun, 06 Dec 2026 07:30:00 +0300".
    static QByteArray dateHeader(const QDateTime& t);

    // A single address as SMTP can carry it: ASCII, one '@', a dotted domain, no blanks.
    static bool isValidAddress(const QString& address);
    // The addresses of a field that may hold several separated by ';' or ','; blanks trimmed,
    // empty parts dropped.
    static QStringList splitAddresses(const QString& field);
};

} // namespace nimbo
