#include "stock/MaliyetFiyati.h"
#include "db/InList.h"

#include <QSqlRecord>
#include <QStringList>
#include <cmath>

namespace nimbo {

namespace {
double round4(double v) { return std::round(v * 10000.0) / 10000.0; }
} // namespace

MaliyetFiyati::Ortalama MaliyetFiyati::toplamlardan(int sayi, double miktar, double tl, double usd, double eur)
{
    Ortalama o;
    if (sayi == 0 || miktar == 0)
        return o;
    o.tanimli = true;
    o.tl = round4(tl / miktar);
    o.usd = round4(usd / miktar);
    o.eur = round4(eur / miktar);
    return o;
}

void MaliyetFiyati::guncelle(const Db& db, double stokNo) { guncelle(db, QList<double>{stokNo}); }

QHash<double, MaliyetFiyati::Ortalama> MaliyetFiyati::ortalamalar(const Db& db, const QList<double>& stoklar)
{
    QHash<double, Ortalama> out;
    if (stoklar.isEmpty())
        return out;
    Params p;
    const QString yer = inList(stoklar, p);
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT STOK_NO, COUNT(*), SUM(MIKTAR), SUM(MALIYET_TL*MIKTAR), "
                                                         "SUM(MALIYET_USD*MIKTAR), SUM(MALIYET_EUR*MIKTAR) FROM MALIFYT WHERE "
                                                         "STOK_NO IN (%1) GROUP BY STOK_NO")
                                              .arg(yer),
                                          p)) {
        const Ortalama o = toplamlardan(r.value(1).toInt(), r.value(2).toDouble(), r.value(3).toDouble(),
                                        r.value(4).toDouble(), r.value(5).toDouble());
        if (o.tanimli)
            out.insert(r.value(0).toDouble(), o);
    }
    return out;
}

void MaliyetFiyati::guncelle(const Db& db, const QList<double>& stoklar)
{
    const QHash<double, Ortalama> ortalama = ortalamalar(db, stoklar);
    // One UPDATE for all of them: each column a CASE over the items that have an average.
    QString tl, usd, eur;
    QStringList hedef;
    Params u;
    for (auto it = ortalama.begin(); it != ortalama.end(); ++it) {
        const QString n = QString::number(hedef.size());
        hedef << QStringLiteral(":S") + n;
        u.insert(QStringLiteral("S") + n, it.key());
        u.insert(QStringLiteral("T") + n, it->tl);
        u.insert(QStringLiteral("U") + n, it->usd);
        u.insert(QStringLiteral("E") + n, it->eur);
        // Typed, so PostgreSQL does not take the CASE for text.
        tl += QStringLiteral(" WHEN :S%1 THEN CAST(:T%1 AS DOUBLE PRECISION)").arg(n);
        usd += QStringLiteral(" WHEN :S%1 THEN CAST(:U%1 AS DOUBLE PRECISION)").arg(n);
        eur += QStringLiteral(" WHEN :S%1 THEN CAST(:E%1 AS DOUBLE PRECISION)").arg(n);
    }
    if (hedef.isEmpty())
        return;
    db.execAffected(QStringLiteral("UPDATE STOK SET MALIYET_FYT_TL = CASE STOK_NO%1 END, MALIYET_FYT_USD = CASE STOK_NO%2 END, "
                           "MALIYET_FYT_EUR = CASE STOK_NO%3 END WHERE STOK_NO IN (%4)")
                .arg(tl, usd, eur, hedef.join(QLatin1Char(','))),
            u);
}

} // namespace nimbo
