#include "stock/DepoStoklari.h"
#include "db/SqlValues.h"

namespace nimbo {

namespace {
// One number per warehouse and item, in list order.
const QString kAnahtar = QStringLiteral("(H.DEPO_KODU * 1000000000.0 + H.STOK_NO)");
} // namespace

ListQuery DepoStoklari::sorgu(const Filtre& f)
{
    ListQuery q;
    QString ic = QStringLiteral("SELECT DEPO_KODU, STOK_NO, SUM(GIRMIK) AS GIRMIK, SUM(CIKMIK) AS CIKMIK, "
                                "SUM(GIRMIK-CIKMIK) AS MIKTAR, SUM(GIRMIK*FIYAT) AS GIRTUTAR, "
                                "SUM(CIKMIK*FIYAT) AS CIKTUTAR FROM STOKHRK");
    if (f.depoKodu != 0) {
        ic += QStringLiteral(" WHERE DEPO_KODU = :DEPO");
        q.params.insert(QStringLiteral("DEPO"), f.depoKodu);
    }
    ic += QStringLiteral(" GROUP BY DEPO_KODU, STOK_NO");
    if (f.bakiye == Bakiye::Pozitif)
        ic += QStringLiteral(" HAVING SUM((STOKHRK.GIRMIK-STOKHRK.CIKMIK)*1.0)>0");
    else if (f.bakiye == Bakiye::Negatif)
        ic += QStringLiteral(" HAVING SUM((STOKHRK.GIRMIK-STOKHRK.CIKMIK)*1.0)<0");
    // Read a page at a time by warehouse and item: the grid never holds the whole list.
    q.sql = QStringLiteral("SELECT H.DEPO_KODU, D.DEPO_ADI, H.STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, H.GIRMIK, "
                           "H.CIKMIK, H.MIKTAR, H.GIRTUTAR, H.CIKTUTAR, %2 AS DEPOSTOK FROM (%1) H "
                           "INNER JOIN STOK S ON (S.STOK_NO = H.STOK_NO) "
                           "LEFT OUTER JOIN DEPO D ON (D.DEPO_KODU = H.DEPO_KODU) WHERE 1=1")
                .arg(ic, kAnahtar);
    q.keyExpr = kAnahtar;
    q.keyField = QStringLiteral("DEPOSTOK");
    if (f.uniteKodu != 0)
        q.addWhere(QStringLiteral("S.UNITE_KODU = :UNITE"), QStringLiteral("UNITE"), f.uniteKodu);
    if (!f.stokKodu.trimmed().isEmpty())
        q.addWhere(QStringLiteral("S.STOK_KOD_NO LIKE :KOD ESCAPE '\\'"), QStringLiteral("KOD"),
                   escapeLike(f.stokKodu.trimmed()) + QLatin1Char('%'));
    return q;
}

} // namespace nimbo
