#include "stock/DepoStoklari.h"
#include "stock/StockSql.h"

namespace nimbo {

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
    QStringList kosul;
    if (f.uniteKodu != 0) {
        kosul << QStringLiteral("S.UNITE_KODU = :UNITE");
        q.params.insert(QStringLiteral("UNITE"), f.uniteKodu);
    }
    if (!f.stokKodu.trimmed().isEmpty()) {
        kosul << QStringLiteral("S.STOK_KOD_NO LIKE :KOD ESCAPE '\\'");
        q.params.insert(QStringLiteral("KOD"), StockSql::escapeLike(f.stokKodu.trimmed()) + QLatin1Char('%'));
    }
    q.sql = QStringLiteral("SELECT H.DEPO_KODU, D.DEPO_ADI, H.STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, H.GIRMIK, "
                           "H.CIKMIK, H.MIKTAR, H.GIRTUTAR, H.CIKTUTAR FROM (%1) H "
                           "INNER JOIN STOK S ON (S.STOK_NO = H.STOK_NO) "
                           "LEFT OUTER JOIN DEPO D ON (D.DEPO_KODU = H.DEPO_KODU)%2 "
                           "ORDER BY H.DEPO_KODU, S.STOK_KOD_NO")
                .arg(ic, kosul.isEmpty() ? QString() : QStringLiteral(" WHERE ") + kosul.join(QStringLiteral(" AND ")));
    return q;
}

} // namespace nimbo
