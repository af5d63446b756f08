#include "accounts/TopluEkstreMaili.h"
#include "db/Errors.h"
#include "mail/MimeBuilder.h"
#include "mail/SmtpClient.h"
#include "mail/SmtpError.h"
#include "services/MoneyFormat.h"

#include <QHash>
#include <QSqlRecord>

namespace nimbo {

TopluEkstreMaili::TopluEkstreMaili(const MailAyarlari& ayarlar, const EkstreMailMetni& metin,
                                   const QVector<MailAlicisi>& liste, EkstreHazirlayici ekstre)
    : m_ayarlar(ayarlar), m_metin(metin), m_liste(liste), m_ekstre(std::move(ekstre))
{
}

bool TopluEkstreMaili::sonraki(MailAlicisi* alici)
{
    while (!m_iptal && m_konum < m_liste.size()) {
        const MailAlicisi& a = m_liste[m_konum++];
        if (!a.email.trimmed().isEmpty()) {
            *alici = a;
            return true;
        }
    }
    return false;
}

MailMessage TopluEkstreMaili::hazirla(const MailAlicisi& alici) const
{
    // A bad address fails before the statement is made.
    const QStringList to = MimeBuilder::splitAddresses(alici.email);
    for (const QString& a : to)
        if (!MimeBuilder::isValidAddress(a))
            throw SmtpError(QStringLiteral("Alıcı e-posta adresi geçersiz: \"%1\"").arg(a));
    return m_metin.mesaj(m_ayarlar, alici.email, alici.ad, m_ekstre ? m_ekstre(alici) : MailAttachment{});
}

void TopluEkstreMaili::kaydet(const MailAlicisi& alici, const QString& hata)
{
    ++m_sayac;
    m_sonuclar.append({alici, hata});
}

QVector<MailSonucu> TopluEkstreMaili::gitmeyenler() const
{
    QVector<MailSonucu> out;
    for (const MailSonucu& s : m_sonuclar)
        if (!s.gonderildi())
            out << s;
    return out;
}

void TopluEkstreMaili::calistir(SmtpClient& client, const std::atomic_bool* cancel,
                                const std::function<void()>& ilerleme)
{
    client.setCancelFlag(cancel);
    MailAlicisi a;
    while (!(cancel && cancel->load()) && sonraki(&a)) {
        QString hata;
        try {
            client.send(hazirla(a));
        } catch (const SmtpError& e) {
            hata = e.message();
        } catch (const UserError& e) {
            hata = e.message();
        } catch (const std::exception& e) {
            hata = QString::fromUtf8(e.what());
        }
        kaydet(a, hata);
        if (ilerleme)
            ilerleme();
    }
    if (cancel && cancel->load())
        iptal();
    client.setCancelFlag(nullptr);
    client.close();
}

QVector<MailAlicisi> TopluEkstreMaili::alicilar(const Db& db, const QStringList& kodlar)
{
    QHash<QString, MailAlicisi> found;
    constexpr int chunk = 400;
    for (int i = 0; i < kodlar.size(); i += chunk) {
        QStringList marks;
        Params p;
        for (int j = i; j < qMin(i + chunk, int(kodlar.size())); ++j) {
            marks << QStringLiteral(":K%1").arg(j - i);
            p.insert(QStringLiteral("K%1").arg(j - i), kodlar[j]);
        }
        const QVector<QSqlRecord> rows = db.records(
            QStringLiteral("SELECT CARI_KOD, FIRMA_ADI, EMAIL FROM CARI WHERE CARI_KOD IN (%1)").arg(marks.join(u',')),
            p);
        for (const QSqlRecord& r : rows) {
            const QString kod = toText(r.value(0));
            found.insert(kod, {kod, toText(r.value(1)).trimmed(), toText(r.value(2)).trimmed()});
        }
    }
    QVector<MailAlicisi> out;
    for (const QString& k : kodlar)
        if (found.contains(k))
            out << found.value(k);
    return out;
}

QString TopluEkstreMaili::ilerlemeMetni(int toplam, int sayac)
{
    auto grouped = [](int n) { return n == 0 ? QString() : MoneyFormat::formatNumber(n, 0, true); };
    return grouped(toplam) + QStringLiteral(" Kayıttan ") + grouped(sayac) + QStringLiteral(".Email Yollandı.");
}

QString TopluEkstreMaili::gitmeyenSatiri(const MailSonucu& s)
{
    return s.alici.ad.trimmed() + QLatin1Char(' ') + s.alici.email.trimmed();
}

QString TopluEkstreMaili::hataSatiri(const QString& hata) { return QStringLiteral("ERROR: ") + hata; }

} // namespace nimbo
