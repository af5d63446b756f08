#include "stock/DepoStoklari.h"
#include "db/Dialect.h"
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

// SQLite: the list walks the warehouses and, in each, the items in key order, and sums only
// the pairs it shows: a page costs a hundred index look-ups, never the whole of STOKHRK, and
// the order is the loops' own so nothing is sorted.
//
// PostgreSQL cannot tell that a nested loop over warehouses and items comes out in (warehouse,
// item) order: it sorted each warehouse's items whole, testing every pair for movements, before
// the first row. There the list groups the movements along IX_STOKHRK_DEPOSTOK, which is already
// in list order, so the page's seek is an index condition and the walk stops after a page.
ListQuery DepoStoklari::sorgu(const Filtre& f, const Dialect& d)
{
    ListQuery q;
    if (d.isPostgres()) {
        q.sql = QStringLiteral(
            "SELECT X.DEPO_KODU, D.DEPO_ADI, X.STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, X.GIRMIK, X.CIKMIK, X.MIKTAR, "
            "X.GIRTUTAR, X.CIKTUTAR FROM (SELECT H.DEPO_KODU, H.STOK_NO, SUM(H.GIRMIK) AS GIRMIK, "
            "SUM(H.CIKMIK) AS CIKMIK, SUM(H.GIRMIK-H.CIKMIK) AS MIKTAR, SUM(H.GIRMIK*H.FIYAT) AS GIRTUTAR, "
            "SUM(H.CIKMIK*H.FIYAT) AS CIKTUTAR FROM STOKHRK H GROUP BY H.DEPO_KODU, H.STOK_NO) X "
            "INNER JOIN DEPO D ON (D.DEPO_KODU = X.DEPO_KODU) INNER JOIN STOK S ON (S.STOK_NO = X.STOK_NO) "
            "WHERE 1=1");
        if (f.bakiye == Bakiye::Pozitif)
            q.addWhere(QStringLiteral("X.MIKTAR > 0"));
        else if (f.bakiye == Bakiye::Negatif)
            q.addWhere(QStringLiteral("X.MIKTAR < 0"));
        if (f.depoKodu != 0)
            q.addWhere(QStringLiteral("X.DEPO_KODU = :DEPO"), QStringLiteral("DEPO"), f.depoKodu);
        q.sortExpr = QStringLiteral("X.DEPO_KODU");
        q.keyExpr = QStringLiteral("X.STOK_NO");
    } else {
        const QString bakiye = hareket("SUM(GIRMIK-CIKMIK)");
        q.sql = QStringLiteral("SELECT D.DEPO_KODU, D.DEPO_ADI, S.STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, %1 AS GIRMIK, "
                               "%2 AS CIKMIK, %3 AS MIKTAR, %4 AS GIRTUTAR, %5 AS CIKTUTAR FROM DEPO D CROSS JOIN "
                               "STOK S WHERE 1=1")
                    .arg(hareket("SUM(GIRMIK)"), hareket("SUM(CIKMIK)"), bakiye, hareket("SUM(GIRMIK*FIYAT)"),
                         hareket("SUM(CIKMIK*FIYAT)"));
        if (f.bakiye == Bakiye::Pozitif)
            q.addWhere(QStringLiteral("%1 > 0").arg(bakiye));
        else if (f.bakiye == Bakiye::Negatif)
            q.addWhere(QStringLiteral("%1 < 0").arg(bakiye));
        else
            q.addWhere(QStringLiteral("%1 > 0").arg(hareket("COUNT(*)")));
        if (f.depoKodu != 0)
            q.addWhere(QStringLiteral("D.DEPO_KODU = :DEPO"), QStringLiteral("DEPO"), f.depoKodu);
        q.sortExpr = QStringLiteral("D.DEPO_KODU");
        q.keyExpr = QStringLiteral("S.STOK_NO");
    }
    if (f.uniteKodu != 0)
        q.addWhere(QStringLiteral("S.UNITE_KODU = :UNITE"), QStringLiteral("UNITE"), f.uniteKodu);
    if (!f.stokKodu.trimmed().isEmpty())
        q.addWhere(QStringLiteral("S.STOK_KOD_NO LIKE :KOD ESCAPE '\\'"), QStringLiteral("KOD"),
                   escapeLike(f.stokKodu.trimmed()) + QLatin1Char('%'));
    q.sortField = QStringLiteral("DEPO_KODU");
    q.sortNullable = false;
    q.keyField = QStringLiteral("STOK_NO");
    return q;
}

} // namespace nimbo
