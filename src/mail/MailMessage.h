#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace nimbo {

// A file sent with a message. The content type defaults to "application/octet-stream"
// when left empty.
struct MailAttachment {
    QString fileName;
    QString contentType;
    QByteArray data;
};

// One message as the user composed it; MimeBuilder turns it into the bytes on the wire.
struct MailMessage {
    QString fromName;
    QString fromAddress;
    QStringList to;
    QString subject;
    QString body; // plain text, lines separated by '\n'
    QList<MailAttachment> attachments;
};

} // namespace nimbo
