#include "ledger/HesapAylik.h"
#include "ledger/HesapPlani.h"

#include <QSqlQuery>

namespace nimbo {

QString HesapAylik::ayAdi(int ay)
{
    static const char* const adlar[] = {"OCAK", "ŞUBAT", "MART", "NİSAN", "MAYIS", "HAZİRAN",
                                        "TEMMUZ", "AĞUSTOS", "EYLÜL", "EKİM", "KASIM", "ARALIK"};
    return ay >= 1 && ay <= 12 ? QString::fromUtf8(adlar[ay - 1]) : QString();
}

QList<AylikSatir> HesapAylik::oku()
{
    birim = toText(m_db.scalar(QStringLiteral("SELECT BIRIM FROM HSPLAN WHERE HKOD = :k"),
                               {{QStringLiteral("k"), m_kod}}))
                .trimmed();
    Params p;
    const QString kosul = HesapPlani::kodKosulu(HesapPlani(m_db).altKodlarIle(m_kod), p);
    QList<AylikSatir> aylar(12);
    for (int i = 0; i < 12; ++i)
        aylar[i].ay = i + 1;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT AY, SUM(BORC), SUM(ALACAK), "
                                           "SUM(CASE WHEN BORC > 0 THEN MIKTAR ELSE 0 END), "
                                           "SUM(CASE WHEN ALACAK > 0 THEN MIKTAR ELSE 0 END) "
                                           "FROM FISAYR WHERE %1 GROUP BY AY")
                                .arg(kosul),
                            p);
    while (q.next()) {
        const int ay = q.value(0).toInt();
        if (ay < 1 || ay > 12)
            continue;
        AylikSatir& s = aylar[ay - 1];
        s.borc = q.value(1).toDouble();
        s.alacak = q.value(2).toDouble();
        s.giren = q.value(3).toDouble();
        s.cikan = q.value(4).toDouble();
    }
    toplam = AylikSatir{};
    double bakiye = 0;
    for (AylikSatir& s : aylar) {
        bakiye += s.borc - s.alacak;
        s.bakiyeBorc = qMax(0.0, bakiye);
        s.bakiyeAlacak = qMax(0.0, -bakiye);
        toplam.borc += s.borc;
        toplam.alacak += s.alacak;
        toplam.giren += s.giren;
        toplam.cikan += s.cikan;
        s.kumKalan = toplam.giren - toplam.cikan;
    }
    toplam.bakiyeBorc = qMax(0.0, bakiye);
    toplam.bakiyeAlacak = qMax(0.0, -bakiye);
    toplam.kumKalan = toplam.giren - toplam.cikan;
    return aylar;
}

} // namespace nimbo
