#include "stock/StockQuantities.h"

#include <QSqlRecord>

namespace nimbo {

double StockQuantities::total(const Db& db, double stokNo)
{
    return db.scalar(QStringLiteral("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE STOK_NO = :S"),
                     {{QStringLiteral("S"), stokNo}})
        .toDouble();
}

QList<StockQuantities::Warehouse> StockQuantities::perWarehouse(const Db& db, double stokNo)
{
    // Sum first over the covering index, then name the warehouses.
    const QString sql = QStringLiteral(
        "SELECT H.DEPO_KODU, D.DEPO_ADI, H.GIR, H.CIK, H.MIK FROM "
        "(SELECT DEPO_KODU, SUM(GIRMIK) AS GIR, SUM(CIKMIK) AS CIK, SUM(GIRMIK-CIKMIK) AS MIK "
        " FROM STOKHRK WHERE STOK_NO = :S GROUP BY DEPO_KODU) H "
        "LEFT OUTER JOIN DEPO D ON (D.DEPO_KODU = H.DEPO_KODU) ORDER BY H.DEPO_KODU");
    QList<Warehouse> out;
    for (const QSqlRecord& r : db.records(sql, {{QStringLiteral("S"), stokNo}})) {
        Warehouse w;
        w.depoKodu = r.value(0).toInt();
        w.depoAdi = toText(r.value(1)).trimmed();
        w.girMik = r.value(2).toDouble();
        w.cikMik = r.value(3).toDouble();
        w.miktar = r.value(4).toDouble();
        out << w;
    }
    return out;
}

StockQuantities::Opening StockQuantities::opening(const Db& db, double stokNo)
{
    Opening o;
    const auto rows = db.records(QStringLiteral("SELECT SUM(GIRMIK), SUM(GIRMIK*FIYAT), SUM(GIRMIK*FYT_USD) "
                                                "FROM STOKHRK WHERE STOK_NO = :S AND TIP = 'D'"),
                                 {{QStringLiteral("S"), stokNo}});
    if (!rows.isEmpty()) {
        o.miktar = rows.first().value(0).toDouble();
        o.tutar = rows.first().value(1).toDouble();
        o.tutarUsd = rows.first().value(2).toDouble();
    }
    return o;
}

} // namespace nimbo
