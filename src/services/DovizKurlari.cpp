#include "services/DovizKurlari.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/ServerObjects.h"
#include "services/ExchangeRates.h"

#include <QSqlQuery>

#include <cmath>

namespace nimbo {

namespace {
const QString kGerekli = QStringLiteral("Lütfen Gerekli alanı girin.");
const QString kAyniTarih = QStringLiteral("Aynı Tarihli Döviz Değeri Vardı. Bu Yüzden Kaydedilmedi.");

Params rowParams(const KurSatiri& k)
{
    return {{QStringLiteral("DOVIZ_KODU"), k.dovizKodu},      {QStringLiteral("TARIH"), k.tarih},
            {QStringLiteral("TLDEGERI_ALIS"), k.alis},        {QStringLiteral("TLDEGERI_SATIS"), k.satis},
            {QStringLiteral("EFKTLDEGERI_ALIS"), k.efektifAlis}, {QStringLiteral("EFKTLDEGERI_SATIS"), k.efektifSatis},
            {QStringLiteral("BANKATLDEGERI_SATIS"), k.bankaSatis}, {QStringLiteral("BAYITLDEGERI_SATIS"), k.bayiSatis},
            {QStringLiteral("OZELTLDEGERI_SATIS"), k.ozelSatis}};
}

const QString kInsert = QStringLiteral(
    "INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS, EFKTLDEGERI_ALIS, EFKTLDEGERI_SATIS, "
    "BANKATLDEGERI_SATIS, BAYITLDEGERI_SATIS, OZELTLDEGERI_SATIS, AKTARILDI) VALUES (:DOVIZ_KODU, :TARIH, "
    ":TLDEGERI_ALIS, :TLDEGERI_SATIS, :EFKTLDEGERI_ALIS, :EFKTLDEGERI_SATIS, :BANKATLDEGERI_SATIS, "
    ":BAYITLDEGERI_SATIS, :OZELTLDEGERI_SATIS, 'H')");
} // namespace

void DovizKurlari::kontrolEt(const KurSatiri& k)
{
    if (k.dovizKodu.trimmed().isEmpty() || !k.tarih.isValid() || !(k.alis > 0) || !(k.satis > 0))
        throw UserError(kGerekli);
    // Not a number or infinite is no rate at all; the optional columns may be 0, never negative.
    for (double v : {k.alis, k.satis, k.efektifAlis, k.efektifSatis, k.bankaSatis, k.bayiSatis, k.ozelSatis})
        if (!std::isfinite(v) || v < 0)
            throw UserError(kGerekli);
}

QVector<KurSatiri> DovizKurlari::kurlar(const QString& dovizKodu) const
{
    QVector<KurSatiri> out;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS, EFKTLDEGERI_ALIS, "
                                           "EFKTLDEGERI_SATIS, BANKATLDEGERI_SATIS, BAYITLDEGERI_SATIS, "
                                           "OZELTLDEGERI_SATIS FROM KURDEGER WHERE DOVIZ_KODU = :d ORDER BY TARIH"),
                            {{QStringLiteral("d"), dovizKodu}});
    while (q.next()) {
        KurSatiri k;
        k.dovizKodu = dovizKodu;
        k.tarih = toDateTime(q.value(0));
        k.alis = q.value(1).toDouble();
        k.satis = q.value(2).toDouble();
        k.efektifAlis = q.value(3).toDouble();
        k.efektifSatis = q.value(4).toDouble();
        k.bankaSatis = q.value(5).toDouble();
        k.bayiSatis = q.value(6).toDouble();
        k.ozelSatis = q.value(7).toDouble();
        out << k;
    }
    return out;
}

bool DovizKurlari::gunVar(const QString& dovizKodu, const QDate& gun, const QDateTime& haric) const
{
    Params p{{QStringLiteral("d"), dovizKodu},
             {QStringLiteral("b"), QDateTime(gun, QTime(0, 0))},
             {QStringLiteral("s"), QDateTime(gun.addDays(1), QTime(0, 0))}};
    QString sql = QStringLiteral("SELECT 1 FROM KURDEGER WHERE DOVIZ_KODU = :d AND TARIH >= :b AND TARIH < :s");
    if (haric.isValid()) {
        sql += QStringLiteral(" AND TARIH <> :h");
        p.insert(QStringLiteral("h"), haric);
    }
    return m_db.any(sql, p);
}

void DovizKurlari::ekle(const KurSatiri& k) const
{
    kontrolEt(k);
    DbTransaction tx(m_db);
    if (gunVar(k.dovizKodu, k.tarih.date()))
        throw UserError(kAyniTarih);
    m_db.exec(kInsert, rowParams(k));
    tx.commit();
}

void DovizKurlari::degistir(const QDateTime& eskiTarih, const KurSatiri& k) const
{
    kontrolEt(k);
    DbTransaction tx(m_db);
    if (gunVar(k.dovizKodu, k.tarih.date(), eskiTarih))
        throw UserError(kAyniTarih);
    Params p = rowParams(k);
    p.insert(QStringLiteral("ESKI"), eskiTarih);
    m_db.exec(QStringLiteral("UPDATE KURDEGER SET TARIH = :TARIH, TLDEGERI_ALIS = :TLDEGERI_ALIS, "
                             "TLDEGERI_SATIS = :TLDEGERI_SATIS, EFKTLDEGERI_ALIS = :EFKTLDEGERI_ALIS, "
                             "EFKTLDEGERI_SATIS = :EFKTLDEGERI_SATIS, BANKATLDEGERI_SATIS = :BANKATLDEGERI_SATIS, "
                             "BAYITLDEGERI_SATIS = :BAYITLDEGERI_SATIS, OZELTLDEGERI_SATIS = :OZELTLDEGERI_SATIS "
                             "WHERE DOVIZ_KODU = :DOVIZ_KODU AND TARIH = :ESKI"),
              p);
    tx.commit();
}

void DovizKurlari::sil(const QString& dovizKodu, const QDateTime& tarih) const
{
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM KURDEGER WHERE DOVIZ_KODU = :d AND TARIH = :t"),
              {{QStringLiteral("d"), dovizKodu}, {QStringLiteral("t"), tarih}});
    tx.commit();
}

SayfaAktarimSonucu DovizKurlari::sayfaKurlariniYaz(const KurSayfasiSonucu& sayfa, const QDate& bugun) const
{
    SayfaAktarimSonucu r;
    r.okunamayan = sayfa.okunamayan;
    if (!sayfa.hata.isEmpty()) {
        r.sorunVar = true;
        r.mesaj = sayfa.hata;
        return r;
    }
    const QDateTime gun(bugun, QTime(0, 0));
    const Params gunAraligi{{QStringLiteral("b"), gun}, {QStringLiteral("s"), QDateTime(bugun.addDays(1), QTime(0, 0))}};
    DbTransaction tx(m_db);
    for (const SayfaKuru& k : sayfa.kurlar) {
        if (!m_db.any(QStringLiteral("SELECT 1 FROM DOVIZ WHERE DOVIZ_KODU = :d"), {{QStringLiteral("d"), k.dovizKodu}})) {
            if (!sayfa.tumDovizler)
                r.tanimsiz << k.dovizKodu;
            continue;
        }
        Params p = gunAraligi;
        p.insert(QStringLiteral("d"), k.dovizKodu);
        p.insert(QStringLiteral("t"), gun);
        p.insert(QStringLiteral("da"), k.dovizAlis);
        p.insert(QStringLiteral("ds"), k.dovizSatis);
        p.insert(QStringLiteral("ea"), k.efektifAlis);
        p.insert(QStringLiteral("es"), k.efektifSatis);
        QSqlQuery u = m_db.exec(QStringLiteral("UPDATE KURDEGER SET TARIH = :t, TLDEGERI_ALIS = :da, "
                                               "TLDEGERI_SATIS = :ds, EFKTLDEGERI_ALIS = :ea, EFKTLDEGERI_SATIS = :es "
                                               "WHERE DOVIZ_KODU = :d AND TARIH >= :b AND TARIH < :s"),
                                p);
        if (u.numRowsAffected() <= 0) {
            KurSatiri row;
            row.dovizKodu = k.dovizKodu;
            row.tarih = gun;
            row.alis = k.dovizAlis;
            row.satis = k.dovizSatis;
            row.efektifAlis = k.efektifAlis;
            row.efektifSatis = k.efektifSatis;
            m_db.exec(kInsert, rowParams(row));
        }
        r.yazilan << k.dovizKodu;
    }
    tx.commit();

    if (r.yazilan.isEmpty() && r.okunamayan.isEmpty() && r.tanimsiz.isEmpty()) {
        r.sorunVar = true;
        r.mesaj = QStringLiteral("Kur sayfasında okunabilen kur satırı bulunamadı. Hiçbir kur kaydedilmedi.");
        return r;
    }
    QStringList parts;
    if (!r.yazilan.isEmpty())
        parts << QStringLiteral("Kaydedilen kurlar: ") + r.yazilan.join(QStringLiteral(", "));
    else
        parts << QStringLiteral("Hiçbir kur kaydedilmedi.");
    if (!r.okunamayan.isEmpty()) {
        r.sorunVar = true;
        parts << QStringLiteral("Okunamayan satırlar kaydedilmedi: ") + r.okunamayan.join(QStringLiteral(", "));
    }
    if (!r.tanimsiz.isEmpty())
        parts << QStringLiteral("Döviz tanımlarında olmayanlar: ") + r.tanimsiz.join(QStringLiteral(", "));
    if (r.yazilan.isEmpty())
        r.sorunVar = true;
    r.mesaj = parts.join(QLatin1Char('\n'));
    return r;
}

QDate DovizKurlari::sonKurGunu() const
{
    return toDate(m_db.scalar(QStringLiteral("SELECT MAX(TARIH) FROM KURDEGER WHERE DOVIZ_KODU IN "
                                             "(SELECT DOVIZ_KODU FROM DOVIZ)")));
}

QList<QDate> DovizKurlari::eksikGunler(const QDate& bugun) const
{
    auto isWorkingDay = [](const QDate& d) { return d.dayOfWeek() <= 5; };
    QList<QDate> out;
    const QDate son = sonKurGunu();
    if (!son.isValid()) {
        QDate d = bugun;
        while (!isWorkingDay(d))
            d = d.addDays(-1);
        return {d};
    }
    for (QDate d = son.addDays(1); d <= bugun; d = d.addDays(1))
        if (isWorkingDay(d))
            out << d;
    return out;
}

int DovizKurlari::stokFiyatlariniGuncelle(const QDate& kurTarihi, bool alisKuru) const
{
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("UPDATE KURDEGER SET OZELTLDEGERI_SATIS = OZELTLDEGERI_SATIS"));
    const int n = ServerObjects::SP_SET_STOKFYT(m_db, endOfRateDay(kurTarihi),
                                                alisKuru ? QStringLiteral("A") : QStringLiteral("S"));
    tx.commit();
    return n;
}

} // namespace nimbo
