#include "accounts/EkstreMailMetni.h"
#include "mail/MimeBuilder.h"

namespace nimbo {

QString EkstreMailMetni::govde(const QString& cariAdi) const
{
    QStringList lines;
    if (hitapYaz)
        lines << hitap + QLatin1Char(' ') + cariAdi.trimmed();
    if (!ekYazi.isEmpty())
        lines << QString(ekYazi).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines.join(QLatin1Char('\n'));
}

MailMessage EkstreMailMetni::mesaj(const MailAyarlari& ayarlar, const QString& email, const QString& cariAdi,
                                   const MailAttachment& ekstre, bool ekOlarak) const
{
    MailMessage m;
    m.fromName = ayarlar.firmaAdi;
    m.fromAddress = ayarlar.email.trimmed();
    m.to = MimeBuilder::splitAddresses(email);
    m.subject = konu;
    m.body = govde(cariAdi);
    if (!ekOlarak) {
        const QString text = QString::fromUtf8(ekstre.data);
        m.body = m.body.isEmpty() ? text : m.body + QLatin1Char('\n') + text;
    } else if (!ekstre.fileName.isEmpty()) {
        m.attachments << ekstre;
    }
    m.attachments << ekDosyalar;
    return m;
}

} // namespace nimbo
