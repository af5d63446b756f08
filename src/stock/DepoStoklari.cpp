#include "stock/DepoStoklari.h"
#include "db/SqlValues.h"

namespace nimbo {

namespace {

// An aggregate over one warehouse's rows of one item, read along IX_STOKHRK_DEPOSTOK.
QString hareket(const char* aggregate)
{
    return QStringLiteral("(SELECT %1 FROM STOKHRK H WHERE H.DEPO_KODU = D.DEPO_KODU AND H.STOK_NO = S.STOK_NO)")
        .arg(QLatin1String(aggregate));
}

} // namespace

// The list walks the warehouses and, in each, the items in key order, and sums only the
// pairs it shows: a page costs a hundred index look-ups, never the whole of STOKHRK, and the
// order is the loops' own so nothing is sorted. The row's item is its key within the
// warehouse, its sort.
ListQuery DepoStoklari::sorgu(const Filtre& f)
{
    ListQuery q;
    const QString bakiye = hareket("SUM(GIRMIK-CIKMIK)");
    q.sql = QStringLiteral("SELECT D.DEPO_KODU, D.DEPO_ADI, S.STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, %1 AS GIRMIK, "
                           "%2 AS CIKMIK, %3 AS MIKTAR, %4 AS GIRTUTAR, %5 AS CIKTUTAR FROM DEPO D CROSS JOIN STOK S "
                           "WHERE 1=1")
                .arg(hareket("SUM(GIRMIK)"), hareket("SUM(CIKMIK)"), bakiye, hareket("SUM(GIRMIK*FIYAT)"),
                     hareket("SUM(CIKMIK*FIYAT)"));
    if (f.bakiye == Bakiye::Pozitif)
        q.addWhere(QStringLiteral("%1 > 0").arg(bakiye));
    else if (f.bakiye == Bakiye::Negatif)
        q.addWhere(QStringLiteral("%1 < 0").arg(bakiye));
    else
        // A count, not EXISTS: PostgreSQL would turn EXISTS into a join over every movement of
        // the warehouse before the first row.
        q.addWhere(QStringLiteral("%1 > 0").arg(hareket("COUNT(*)")));
    if (f.depoKodu != 0)
        q.addWhere(QStringLiteral("D.DEPO_KODU = :DEPO"), QStringLiteral("DEPO"), f.depoKodu);
    if (f.uniteKodu != 0)
        q.addWhere(QStringLiteral("S.UNITE_KODU = :UNITE"), QStringLiteral("UNITE"), f.uniteKodu);
    if (!f.stokKodu.trimmed().isEmpty())
        q.addWhere(QStringLiteral("S.STOK_KOD_NO LIKE :KOD ESCAPE '\\'"), QStringLiteral("KOD"),
                   escapeLike(f.stokKodu.trimmed()) + QLatin1Char('%'));
    q.sortExpr = QStringLiteral("D.DEPO_KODU");
    q.sortField = QStringLiteral("DEPO_KODU");
    q.sortNullable = false;
    q.keyExpr = QStringLiteral("S.STOK_NO");
    q.keyField = QStringLiteral("STOK_NO");
    return q;
}

} // namespace nimbo
