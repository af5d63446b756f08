#include "stock/StockPriceHistory.h"

#include <QSqlRecord>
#include <algorithm>

namespace nimbo {

QList<StockPriceHistory::Row> StockPriceHistory::of(const Db& db, double stokNo)
{
    QList<Row> out;
    const Params p{{QStringLiteral("S"), stokNo}};
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT TARIH, GIRMIK, FIYAT, FYT_USD, FYT_EUR FROM STOKHRK "
                                                         "WHERE STOK_NO = :S AND TIP = 'A' AND GIRMIK > 0"),
                                          p))
        out << Row{toDate(r.value(0)), QStringLiteral("Alış"), r.value(1).toDouble(), r.value(2).toDouble(),
                   r.value(3).toDouble(), r.value(4).toDouble()};
    if (db.tableExists(QStringLiteral("MALIFYT")))
        for (const QSqlRecord& r : db.records(QStringLiteral("SELECT FATTARIH, MIKTAR, MALIYET_TL, MALIYET_USD, "
                                                             "MALIYET_EUR FROM MALIFYT WHERE STOK_NO = :S"),
                                              p))
            out << Row{toDate(r.value(0)), QStringLiteral("Maliyet"), r.value(1).toDouble(), r.value(2).toDouble(),
                       r.value(3).toDouble(), r.value(4).toDouble()};
    std::sort(out.begin(), out.end(), [](const Row& a, const Row& b) { return a.tarih > b.tarih; });
    return out;
}

} // namespace nimbo
