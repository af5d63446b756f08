#pragma once
#include "db/Db.h"
#include "mail/SmtpSettings.h"

namespace nimbo {

// The mail settings of the firm's installation record EKIM ("Bağlantı Ayarları"): the
// SMTP server, port, account and password, and the sender's address and name.
struct MailAyarlari {
    QString postaSunucusu; // POSTASUNUCUSU
    QString netPort;       // NETPORT as typed; read as a whole number when sending
    QString hesapAdi;      // HESAPADI
    QString hsParola;      // HSPAROLA
    QString email;         // EMAIL, the sender
    QString firmaAdi;      // FIRMA_ADI, the sender's name (required)

    bool operator==(const MailAyarlari&) const = default;

    // The EKIM row; empty settings when the firm has none yet.
    static MailAyarlari oku(const Db& db);
    // Writes the EKIM row in one transaction (inserted when missing). Refuses an empty
    // firm name with "Gerekli Alanları Lüften Giriniz." and a port that is no number.
    void sakla(const Db& db) const;

    SmtpSettings smtp() const;
};

} // namespace nimbo
