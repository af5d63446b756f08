#include "stock/StokFisi.h"
#include "db/Errors.h"
#include "db/DbTransaction.h"
#include "services/ExchangeRates.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "stock/StokArama.h"
#include "stock/StokFisHaklari.h"
#include "stock/StokFisTipi.h"
#include "stock/StokFisiYazici.h"

#include <QSqlRecord>

namespace nimbo {

namespace {

// A text of everything the user can change, to tell unsaved changes and changed lines.
QString iz(const StokFisSatiri& s)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(s.stokNo, 0, 'g', 15)
        .arg(s.miktar, 0, 'g', 15)
        .arg(s.birim)
        .arg(s.fytDoviz, 0, 'g', 15)
        .arg(s.dovizKodu)
        .arg(s.kdv)
        .arg(s.kdvDahil)
        .arg(s.depoKodu)
        .arg(s.fiyat, 0, 'g', 15);
}

QString iz(const StokFisBaslik& b)
{
    return QStringList{b.tip, b.tarih.toString(Qt::ISODate), QString::number(b.usdFyt), QString::number(b.eurFyt),
                       QString::number(b.gumKuru), b.ozelKod, b.aciklama1, b.aciklama2, b.aciklama3,
                       QString::number(b.cikDepo), QString::number(b.girDepo), b.hrkDurum, b.personKod, b.cariKod}
        .join(u'|');
}

QString depoAdi(const Db& db, int depoKodu)
{
    const QString ad = toText(db.scalar(QStringLiteral("SELECT DEPO_ADI FROM DEPO WHERE DEPO_KODU = :D"),
                                        {{"D", depoKodu}}))
                           .trimmed();
    return ad.isEmpty() ? QString::number(depoKodu) : ad;
}

void logSatir(const StokFisBaslik& b, const StokFisSatiri& s, const QString& ne)
{
    KullanciNeYapti(QStringLiteral("Stok Fişi"), b.hrkNo, s.siraNo, b.tip, StokFisTipi::ad(b.tip), b.cariKod,
                    s.miktar, s.fytDoviz, s.dovizKodu, QString::number(b.hrkNo, 'f', 0), s.netKdvsizTut[TL],
                    s.stokNo, s.stokKodNo, ne);
}

} // namespace

StokFisi::StokFisi(const Db& db) : m_db(db) {}

QString StokFisi::yerelDoviz() const
{
    const QString y = SessionContext::current().param.YERELDOVIZ.trimmed();
    return y.isEmpty() ? QStringLiteral("TL") : y;
}

void StokFisi::yeni(const QString& tip)
{
    const SessionContext& s = SessionContext::current();
    m_yeni = true;
    m_baslik = StokFisBaslik();
    m_satirlar.clear();
    m_baslik.tip = tip;
    m_baslik.kullanici = s.KullaniciAdi;
    m_baslik.personKod = toText(m_db.scalar(QStringLiteral("SELECT PERSON_KOD FROM KIMKUL WHERE KULLANICI = :K"),
                                            {{"K", s.KullaniciAdi}}))
                             .trimmed();
    m_baslik.hrkDurum = StokFisTipi::transfer(tip) ? QStringLiteral("E") : QString();
    tarihDegisti(QDate::currentDate());
    m_yuklenen = m_baslik;
    m_yuklenen.hrkDurum.clear();
    m_yuklenenSatirlar.clear();
}

void StokFisi::tarihDegisti(const QDate& tarih)
{
    m_baslik.tarih = tarih;
    m_baslik.usdFyt = KurBulDeger(QStringLiteral("USD"), 2, tarih);
    m_baslik.eurFyt = KurBulDeger(QStringLiteral("EUR"), 2, tarih);
    hesapla();
}

void StokFisi::ac(double hrkNo)
{
    const auto hs = m_db.records(QStringLiteral("SELECT * FROM FISTK WHERE HRKNO = :H"), {{"H", hrkNo}});
    if (hs.isEmpty())
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    const QSqlRecord h = hs.first();
    StokFisBaslik b;
    b.hrkNo = hrkNo;
    b.tip = toText(h.value("TIP")).trimmed();
    b.tarih = toDate(h.value("TARIH"));
    b.usdFyt = h.value("USDFYT").toDouble();
    b.eurFyt = h.value("EURFYT").toDouble();
    b.gumKuru = h.value("GUM_KURU").toDouble();
    b.ozelKod = toText(h.value("OZELKOD"));
    b.aciklama1 = toText(h.value("ACIKLAMA1"));
    b.aciklama2 = toText(h.value("ACIKLAMA2"));
    b.aciklama3 = toText(h.value("ACIKLAMA3"));
    b.kullanici = toText(h.value("KULLANICI"));
    b.cikDepo = h.value("CIKDEPO").toInt();
    b.girDepo = h.value("GIRDEPO").toInt();
    b.hrkDurum = toText(h.value("HRKDURUM")).trimmed();
    b.personKod = toText(h.value("PERSON_KOD")).trimmed();
    b.fisNo = h.value("FIS_NO").isNull() ? QVariant() : h.value("FIS_NO");
    b.cariKod = toText(h.value("CARIKOD"));
    m_baslik = b;
    m_satirlar.clear();
    const auto ls = m_db.records(
        QStringLiteral("SELECT L.*, S.BIRIM1, S.BIRIM2, S.BIRIM3, S.B_KATSAYI2, S.B_KATSAYI3 FROM FISTKAYR L "
                       "LEFT OUTER JOIN STOK S ON (S.STOK_NO = L.STOK_NO) WHERE L.HRKNO = :H ORDER BY L.SIRANO"),
        {{"H", hrkNo}});
    for (const QSqlRecord& r : ls) {
        StokFisSatiri s;
        s.siraNo = r.value("SIRANO").toInt();
        s.stokNo = r.value("STOK_NO").toDouble();
        s.stokKodNo = toText(r.value("STOK_KOD_NO")).trimmed();
        s.stokAdi = toText(r.value("STOK_ADI")).trimmed();
        s.miktar = r.value("MIKTAR").toDouble();
        s.birim = toText(r.value("BIRIM")).trimmed();
        s.fiyat = r.value("FIYAT").toDouble();
        s.fytUsd = r.value("FYT_USD").toDouble();
        s.fytEur = r.value("FYT_EUR").toDouble();
        s.fytDoviz = r.value("FYT_DOVIZ").toDouble();
        s.dovizKodu = toText(r.value("DOVIZ_KODU")).trimmed();
        s.tlKurDeger = r.value("TL_KURDEGER").toDouble();
        s.kdv = r.value("KDV").toDouble();
        s.kdvDahil = toText(r.value("KDV_DAHIL")).trimmed();
        s.paraBaz = toText(r.value("PARA_BAZ")).trimmed();
        s.depoKodu = r.value("DEPO_KODU").toInt();
        s.fisNo = r.value("FIS_NO");
        s.sipNo = r.value("SIP_NO");
        s.siranos = r.value("SIRANOS");
        s.birim1 = toText(r.value("BIRIM1")).trimmed();
        s.birim2 = toText(r.value("BIRIM2")).trimmed();
        s.birim3 = toText(r.value("BIRIM3")).trimmed();
        s.katsayi2 = r.value("B_KATSAYI2").toDouble();
        s.katsayi3 = r.value("B_KATSAYI3").toDouble();
        m_satirlar << s;
    }
    m_yeni = false;
    hesapla();
    m_yuklenen = m_baslik;
    m_yuklenenSatirlar = m_satirlar;
}

void StokFisi::birimleriOku(StokFisSatiri& s) const
{
    const auto rs = m_db.records(QStringLiteral("SELECT STOK_KOD_NO, STOK_ADI_TR, BIRIM1, BIRIM2, BIRIM3, B_KATSAYI2, "
                                                "B_KATSAYI3, KDV, MALIYET_FYT_TL, ALIS_FYT_TL FROM STOK "
                                                "WHERE STOK_NO = :S"),
                                 {{"S", s.stokNo}});
    if (rs.isEmpty())
        throw UserError(QStringLiteral("Stok Kodu Bulunamadı."));
    const QSqlRecord& r = rs.first();
    s.stokKodNo = toText(r.value(0)).trimmed();
    s.stokAdi = toText(r.value(1)).trimmed();
    s.birim1 = toText(r.value(2)).trimmed();
    s.birim2 = toText(r.value(3)).trimmed();
    s.birim3 = toText(r.value(4)).trimmed();
    s.katsayi2 = r.value(5).toDouble();
    s.katsayi3 = r.value(6).toDouble();
    s.kdv = r.value(7).toDouble();
    s.birim = s.birim1;
    const double maliyet = r.value(8).toDouble();
    s.fytDoviz = maliyet > 0 ? maliyet : r.value(9).toDouble();
}

StokFisSatiri& StokFisi::satirEkle(double stokNo, double miktar, int depoKodu)
{
    StokFisSatiri s;
    s.stokNo = stokNo;
    birimleriOku(s);
    s.miktar = miktar;
    int sira = 0;
    for (const StokFisSatiri& o : m_satirlar)
        sira = qMax(sira, o.siraNo);
    s.siraNo = sira + 1;
    s.depoKodu = StokFisTipi::transfer(m_baslik.tip) ? m_baslik.girDepo : depoKodu;
    m_satirlar << s;
    hesapla();
    return m_satirlar.last();
}

StokFisSatiri& StokFisi::satirEkleAranan(const QString& text, double miktar, int depoKodu)
{
    const StokArama::Sonuc bulunan = StokArama::bul(m_db, text);
    if (bulunan.nasil == StokArama::Bulunan::Yok)
        throw UserError(QStringLiteral("Stok Kodu Bulunamadı."));
    StokFisSatiri& s = satirEkle(bulunan.stokNo, miktar, depoKodu);
    const bool cikar = StokFisTipi::cikis(m_baslik.tip) || StokFisTipi::transfer(m_baslik.tip);
    if (bulunan.nasil == StokArama::Bulunan::Barkod && cikar
        && StokArama::kritikAltina(m_db, s.stokNo, s.hareketMiktari()))
        Prompter::instance().warn(QStringLiteral("Stok Miktarı Kritik Seviyenin Altına Düşecek"));
    return s;
}

void StokFisi::satirSil(int index)
{
    if (index >= 0 && index < m_satirlar.size())
        m_satirlar.removeAt(index);
    hesapla();
}

void StokFisi::satirDovizi(int index, const QString& dovizKodu)
{
    StokFisSatiri& s = m_satirlar[index];
    s.dovizKodu = dovizKodu.trimmed();
    const QString k = s.dovizKodu;
    if (!k.isEmpty() && k != yerelDoviz() && k != QLatin1String("USD") && k != QLatin1String("EUR"))
        s.tlKurDeger = KurBulDeger(k, 2, m_baslik.tarih);
    hesapla();
}

void StokFisi::hesapla()
{
    const QString yerel = yerelDoviz();
    StokFisBaslik& b = m_baslik;
    for (int p = 0; p < 3; ++p)
        b.brut[p] = b.kdv[p] = b.net[p] = 0;
    const double usd = b.usdFyt > 0 ? b.usdFyt : 1;
    const double eur = b.eurFyt > 0 ? b.eurFyt : 1;
    for (StokFisSatiri& s : m_satirlar) {
        // Unit prices in the three currencies from the price in the line's currency.
        const QString k = s.dovizKodu;
        const bool yerelMi = k.isEmpty() || k == yerel;
        if (yerelMi)
            s.tlKurDeger = 1;
        else if (k == QLatin1String("USD"))
            s.tlKurDeger = usd;
        else if (k == QLatin1String("EUR"))
            s.tlKurDeger = eur;
        else if (s.tlKurDeger <= 0)
            s.tlKurDeger = 1;
        s.fiyat = yerelMi ? s.fytDoviz : s.fytDoviz * s.tlKurDeger;
        s.fytUsd = k == QLatin1String("USD") ? s.fytDoviz : s.fiyat / usd;
        s.fytEur = k == QLatin1String("EUR") ? s.fytDoviz : s.fiyat / eur;
        const double fiyatlar[3] = {s.fiyat, s.fytUsd, s.fytEur};
        for (int p = 0; p < 3; ++p) {
            const double tutar = s.kdvDahil == QLatin1String("D") ? s.miktar * fiyatlar[p] * 100 / (s.kdv + 100)
                                                                   : s.miktar * fiyatlar[p];
            s.kdvsizTut[p] = tutar;
            s.netKdvsizTut[p] = tutar; // a slip has no discounts
            s.asilKdv[p] = tutar * s.kdv / 100;
            b.brut[p] += s.kdvsizTut[p];
            b.kdv[p] += s.asilKdv[p];
        }
    }
    for (int p = 0; p < 3; ++p)
        b.net[p] = b.brut[p] + b.kdv[p];
}

void StokFisi::kontrolEt() const
{
    const StokFisBaslik& b = m_baslik;
    const StokFisHaklari haklar(SessionContext::current());
    if (StokFisTipi::transfer(b.tip)) {
        if (b.cikDepo == 0 || b.girDepo == 0 || b.cikDepo == b.girDepo)
            throw UserError(QStringLiteral("Lütfen Stokların Çıktığı/Girdiği Depoları Aynı Seçmeyin ve Boş Bırakmayın"));
        for (int d : {b.cikDepo, b.girDepo})
            if (!haklar.depo(d))
                throw UserError(depoAdi(m_db, d) + QStringLiteral(" için Hakkınız Yok."));
        if (b.hrkDurum == QLatin1String("T") && m_yuklenen.hrkDurum != QLatin1String("T") && !haklar.transferEdildi())
            throw UserError(QStringLiteral("Yetki Sınırlaması Transfer Edildi Seçimi Yapma Yetkiniz Yok!"));
    }
    if (b.personKod.trimmed().isEmpty())
        throw UserError(QStringLiteral("Lütfen İşlem Sorumlusunu Boş Bırakmayın"));
    if (m_satirlar.isEmpty())
        throw UserError(QStringLiteral("Boş Fiş Saklanmaz."));
    for (const StokFisSatiri& s : m_satirlar) {
        if (s.hareketMiktari() < 0)
            throw UserError(QStringLiteral("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz."));
        if (!StokFisTipi::transfer(b.tip) && s.depoKodu == 0)
            throw UserError(QStringLiteral("Depo seçiniz!"));
    }
}

StokFisi::KayitSonucu StokFisi::kaydet()
{
    hesapla();
    kontrolEt();
    // The number first: a counter is never advanced inside an open transaction.
    if (m_yeni && m_baslik.hrkNo == 0)
        m_baslik.hrkNo = YeniKayitNo(m_db, QStringLiteral("NEWSATIS"));
    m_baslik.kullanici = SessionContext::current().KullaniciAdi;
    if (m_baslik.cariKod.isEmpty())
        m_baslik.cariKod = QStringLiteral("-STOK FİŞİ-");

    QList<double> eskiStoklar;
    for (const StokFisSatiri& s : m_yuklenenSatirlar)
        eskiStoklar << s.stokNo;
    {
        DbTransaction tx(m_db);
        const StokFisiYazici w(m_db);
        w.baslikYaz(m_baslik, m_yeni);
        StokFisiYazici::hareketleriSil(m_db, m_baslik.hrkNo, m_baslik.tip);
        if (!m_yeni && m_yuklenen.tip != m_baslik.tip)
            StokFisiYazici::hareketleriSil(m_db, m_baslik.hrkNo, m_yuklenen.tip);
        w.satirlariYaz(m_baslik.hrkNo, m_satirlar);
        w.hareketleriYaz(m_baslik, m_satirlar);
        w.maliyetleriYaz(m_baslik, m_satirlar, eskiStoklar);
        if (!m_yeni) {
            QStringList simdi, once;
            for (const StokFisSatiri& s : m_satirlar)
                simdi << iz(s);
            for (const StokFisSatiri& s : m_yuklenenSatirlar)
                once << iz(s);
            for (const StokFisSatiri& s : m_yuklenenSatirlar)
                if (!simdi.contains(iz(s)))
                    logSatir(m_baslik, s, QStringLiteral("Düzeltmede Silindi."));
            for (const StokFisSatiri& s : m_satirlar)
                if (!once.contains(iz(s)))
                    logSatir(m_baslik, s, QStringLiteral("Düzeltmede Eklendi."));
        }
        tx.commit();
    }
    m_yeni = false;
    m_yuklenen = m_baslik;
    m_yuklenenSatirlar = m_satirlar;

    KayitSonucu r;
    r.hrkNo = m_baslik.hrkNo;
    r.seriNoEksik = seriNolarEksik();
    if (r.seriNoEksik)
        Prompter::instance().warn(
            QStringLiteral("Eksik veya Falza Yazılmış  Seri Nolar Var. Lütfen Düzeltmeyi Unutmayınız."));
    return r;
}

bool StokFisi::seriNolarEksik() const
{
    if (!m_db.tableExists(QStringLiteral("SERIHRK")))
        return false;
    // Per movement row of a tracked item: its serial rows must number its quantity.
    const auto rows = m_db.records(
        QStringLiteral("SELECT H.SIRANO, H.STOK_NO, SUM(H.GIRMIK), SUM(H.CIKMIK), "
                       "(SELECT COUNT(*) FROM SERIHRK R WHERE R.SATISNO = H.SATISNO AND R.TIP = H.TIP "
                       " AND R.SIRANO = H.SIRANO AND R.STOK_NO = H.STOK_NO) "
                       "FROM STOKHRK H INNER JOIN STOK S ON (S.STOK_NO = H.STOK_NO) "
                       "WHERE H.SATISNO = :N AND H.TIP = :T AND S.SERITAKIP = 'E' GROUP BY H.SIRANO, H.STOK_NO"),
        {{"N", m_baslik.hrkNo}, {"T", m_baslik.tip}});
    const bool giris = !StokFisTipi::cikis(m_baslik.tip);
    for (const QSqlRecord& r : rows) {
        const double beklenen = giris ? r.value(2).toDouble() : r.value(3).toDouble();
        if (r.value(4).toDouble() != beklenen)
            return true;
    }
    return false;
}

bool StokFisi::degisti() const
{
    if (iz(m_baslik) != iz(m_yuklenen) || m_satirlar.size() != m_yuklenenSatirlar.size())
        return true;
    for (int i = 0; i < m_satirlar.size(); ++i)
        if (iz(m_satirlar.at(i)) != iz(m_yuklenenSatirlar.at(i)))
            return true;
    return false;
}

} // namespace nimbo
