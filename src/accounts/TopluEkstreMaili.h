#pragma once
#include "accounts/EkstreMailMetni.h"

#include <QVector>
#include <atomic>
#include <functional>

namespace nimbo {

class SmtpClient;

// An account of the statement list as the batch sees it.
struct MailAlicisi {
    QString kod, ad, email;
};

// One attempt: the account and, when it failed, why.
struct MailSonucu {
    MailAlicisi alici;
    QString hata;
    bool gonderildi() const { return hata.isEmpty(); }
};

// The statement of one account as a file to attach; throws (UserError, DbError) when it
// cannot be made.
using EkstreHazirlayici = std::function<MailAttachment(const MailAlicisi&)>;

// The batch send of "Cari Ektstreleri E-Postayla Yolla": walks the accounts in list order,
// skips those without an address (not counted), and for each other account makes its
// statement, composes and sends the message. A failure is recorded with its reason and the
// walk goes on. Each attempt, sent or failed, raises the counter.
//
// The window drives it one account at a time (hazirla on its thread, the send on a worker,
// kaydet when done); calistir() does the same walk in one go.
class TopluEkstreMaili {
public:
    TopluEkstreMaili(const MailAyarlari& ayarlar, const EkstreMailMetni& metin, const QVector<MailAlicisi>& liste,
                     EkstreHazirlayici ekstre);

    int toplam() const { return int(m_liste.size()); }
    int sayac() const { return m_sayac; }
    bool iptalEdildi() const { return m_iptal; }
    // The next account with an address after the last one taken; false at the end.
    bool sonraki(MailAlicisi* alici);
    // The message for an account: its statement exported and attached. Throws on failure.
    MailMessage hazirla(const MailAlicisi& alici) const;
    // Records an attempt (hata empty: sent).
    void kaydet(const MailAlicisi& alici, const QString& hata);
    void iptal() { m_iptal = true; }
    const QVector<MailSonucu>& sonuclar() const { return m_sonuclar; }
    QVector<MailSonucu> gitmeyenler() const;

    // The whole walk on this thread. ilerleme is called after each attempt; a set cancel
    // flag stops the walk (and a send under way).
    void calistir(SmtpClient& client, const std::atomic_bool* cancel = nullptr,
                  const std::function<void()>& ilerleme = {});

    // The accounts of a list by code, in the list's order, with name and address from CARI.
    static QVector<MailAlicisi> alicilar(const Db& db, const QStringList& kodlar);

    // "12 Kayıttan 3.Email Yollandı.": both numbers grouped by thousands, a zero as nothing.
    QString ilerlemeMetni() const { return ilerlemeMetni(toplam(), m_sayac); }
    static QString ilerlemeMetni(int toplam, int sayac);
    // The line of "Gitmeyen Mailler Raporu": the account name, one blank and the address.
    static QString gitmeyenSatiri(const MailSonucu& s);
    // The line put on top of the status memo for a failure.
    static QString hataSatiri(const QString& hata);

private:
    MailAyarlari m_ayarlar;
    EkstreMailMetni m_metin;
    QVector<MailAlicisi> m_liste;
    EkstreHazirlayici m_ekstre;
    int m_konum = 0;
    int m_sayac = 0;
    bool m_iptal = false;
    QVector<MailSonucu> m_sonuclar;
};

} // namespace nimbo
