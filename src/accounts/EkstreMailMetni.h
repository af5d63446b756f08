#pragma once
#include "accounts/MailAyarlari.h"
#include "mail/MailMessage.h"

namespace nimbo {

// What the user writes around a statement: subject ("Konu"), the salutation switch and
// word ("Mesaja Hitap ve Firma Adı  Yazdır ", "Hitap :"), the free text ("Ekstreye Yazılacak
// Ek Yazı") and the extra files of "Attachments".
struct EkstreMailMetni {
    QString konu = QStringLiteral("Cari Ekstreniz");
    bool hitapYaz = true;
    QString hitap = QStringLiteral("Sayın");
    QString ekYazi;
    QList<MailAttachment> ekDosyalar;

    // The salutation line (when switched on) followed by the free text's lines.
    QString govde(const QString& cariAdi) const;
    // One message to one account: sender and subject from the settings and the text,
    // the statement attached first, then the extra files. With ekOlarak false the
    // statement (a text file) is not attached but its text follows the body.
    MailMessage mesaj(const MailAyarlari& ayarlar, const QString& email, const QString& cariAdi,
                      const MailAttachment& ekstre, bool ekOlarak = true) const;
};

} // namespace nimbo
