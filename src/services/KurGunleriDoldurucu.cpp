#include "services/KurGunleriDoldurucu.h"
#include "db/Errors.h"
#include "services/DovizKurlari.h"
#include "services/KurSayfasiIndirici.h"
#include "services/KurXml.h"

namespace nimbo {

namespace {
QString days(const QList<QDate>& list)
{
    QStringList out;
    for (const QDate& d : list)
        out << d.toString(QStringLiteral("dd.MM.yyyy"));
    return out.join(QStringLiteral(", "));
}
} // namespace

KurGunleriDoldurucu::KurGunleriDoldurucu(const Db& db, const QUrl& adres, QObject* parent)
    : QObject(parent), m_db(db), m_adres(adres), m_indirici(new KurSayfasiIndirici(this))
{
    connect(m_indirici, &KurSayfasiIndirici::indi, this, &KurGunleriDoldurucu::geldi);
    connect(m_indirici, &KurSayfasiIndirici::hata, this, &KurGunleriDoldurucu::gelmedi);
}

KurGunleriDoldurucu::~KurGunleriDoldurucu() { m_indirici->iptal(); }

void KurGunleriDoldurucu::baslat(const QDate& bugun)
{
    m_kaydedilen = 0;
    m_bultenYok.clear();
    m_okunamayan.clear();
    m_sira = 0;
    try {
        m_gunler = DovizKurlari(m_db).eksikGunler(bugun);
    } catch (const DbError& e) {
        m_gunler.clear();
        Q_EMIT bitti(QStringLiteral("Hata:") + e.text(), true);
        return;
    }
    if (m_gunler.isEmpty()) {
        Q_EMIT bitti(QStringLiteral("Eksik gün yok: kurlar %1 tarihine kadar kayıtlı.")
                         .arg(bugun.toString(QStringLiteral("dd.MM.yyyy"))),
                     false);
        return;
    }
    Q_EMIT ilerleme(0, int(m_gunler.size()));
    sonraki();
}

void KurGunleriDoldurucu::iptal()
{
    if (!calisiyor())
        return;
    m_indirici->iptal();
    bitir(QStringLiteral("İşlem durduruldu."));
}

void KurGunleriDoldurucu::sonraki()
{
    if (m_sira >= m_gunler.size()) {
        bitir();
        return;
    }
    m_indirici->baslat(KurSayfasiIndirici::gunAdresi(m_adres, m_gunler.at(m_sira)));
}

void KurGunleriDoldurucu::geldi(const QString& belge)
{
    const QDate gun = m_gunler.at(m_sira);
    const KurSayfasiSonucu r = kurBelgesiniOku(belge);
    if (!r.hata.isEmpty() || r.bos()) {
        m_okunamayan << gun;
    } else {
        try {
            if (!DovizKurlari(m_db).sayfaKurlariniYaz(r, gun).yazilan.isEmpty())
                ++m_kaydedilen;
        } catch (const DbError& e) {
            bitir(QStringLiteral("Hata:") + e.text());
            return;
        }
    }
    ++m_sira;
    Q_EMIT ilerleme(int(m_sira), int(m_gunler.size()));
    sonraki();
}

void KurGunleriDoldurucu::gelmedi(const QString& mesaj)
{
    if (m_indirici->sonDurum() != 404) {
        bitir(mesaj);
        return;
    }
    m_bultenYok << m_gunler.at(m_sira);
    ++m_sira;
    Q_EMIT ilerleme(int(m_sira), int(m_gunler.size()));
    sonraki();
}

void KurGunleriDoldurucu::bitir(const QString& durma)
{
    m_sira = m_gunler.size();
    QStringList parts;
    if (!durma.isEmpty())
        parts << durma;
    parts << QStringLiteral("Kurları kaydedilen gün sayısı: %1").arg(m_kaydedilen);
    if (!m_bultenYok.isEmpty())
        parts << QStringLiteral("Bülten yayımlanmayan günler (önceki günün kurları geçerli): ") + days(m_bultenYok);
    if (!m_okunamayan.isEmpty())
        parts << QStringLiteral("Kur dosyası okunamayan günler: ") + days(m_okunamayan);
    Q_EMIT bitti(parts.join(QLatin1Char('\n')), !durma.isEmpty() || !m_okunamayan.isEmpty());
}

} // namespace nimbo
