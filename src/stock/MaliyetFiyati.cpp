#include "stock/MaliyetFiyati.h"

#include <QSqlRecord>
#include <cmath>

namespace nimbo {

namespace {
double round4(double v) { return std::round(v * 10000.0) / 10000.0; }
} // namespace

MaliyetFiyati::Ortalama MaliyetFiyati::hesapla(const Db& db, double stokNo)
{
    Ortalama o;
    const auto rows = db.records(
        QStringLiteral("SELECT COUNT(*), SUM(MIKTAR), SUM(MALIYET_TL*MIKTAR), SUM(MALIYET_USD*MIKTAR), "
                       "SUM(MALIYET_EUR*MIKTAR) FROM MALIFYT WHERE STOK_NO = :S"),
        {{"S", stokNo}});
    const QSqlRecord r = rows.first();
    const double miktar = r.value(1).toDouble();
    if (r.value(0).toInt() == 0 || miktar == 0)
        return o;
    o.tanimli = true;
    o.tl = round4(r.value(2).toDouble() / miktar);
    o.usd = round4(r.value(3).toDouble() / miktar);
    o.eur = round4(r.value(4).toDouble() / miktar);
    return o;
}

void MaliyetFiyati::guncelle(const Db& db, double stokNo)
{
    const Ortalama o = hesapla(db, stokNo);
    if (!o.tanimli)
        return;
    db.exec(QStringLiteral("UPDATE STOK SET MALIYET_FYT_TL = :TL, MALIYET_FYT_USD = :USD, MALIYET_FYT_EUR = :EUR "
                           "WHERE STOK_NO = :S"),
            {{"TL", o.tl}, {"USD", o.usd}, {"EUR", o.eur}, {"S", stokNo}});
}

} // namespace nimbo
