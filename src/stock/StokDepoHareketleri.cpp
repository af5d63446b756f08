#include "stock/StokDepoHareketleri.h"

#include <QDateTime>

namespace nimbo {

ListQuery StokDepoHareketleri::sorgu(double stokNo, const QDate& ilk, const QDate& son)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT H.TARIH, H.TIP, H.SATISNO, H.SIRANO, H.DEPO_KODU, D.DEPO_ADI, H.GIRMIK, H.CIKMIK, "
                           "H.FIYAT, H.CARIKOD, CASE WHEN H.CARIKOD = :FIS THEN :FISAD WHEN H.TIP = 'S' THEN :SATIS "
                           "WHEN H.TIP = 'A' THEN :ALIS ELSE H.TIP END AS BELGE, "
                           "CASE WHEN H.CARIKOD = :FIS2 THEN H.TIP ELSE '' END AS FISTIP FROM STOKHRK H "
                           "LEFT OUTER JOIN DEPO D ON (D.DEPO_KODU = H.DEPO_KODU) "
                           "WHERE H.STOK_NO = :S AND H.TARIH >= :ILK AND H.TARIH < :SON "
                           "ORDER BY H.TARIH, H.SATISNO, H.SIRANO, H.GIRMIK");
    q.params = {{QStringLiteral("S"), stokNo},
                {QStringLiteral("ILK"), QDateTime(ilk, QTime(0, 0))},
                {QStringLiteral("SON"), QDateTime(son.addDays(1), QTime(0, 0))},
                {QStringLiteral("FIS"), QStringLiteral("-STOK FİŞİ-")},
                {QStringLiteral("FIS2"), QStringLiteral("-STOK FİŞİ-")},
                {QStringLiteral("FISAD"), QStringLiteral("Stok Fişi")},
                {QStringLiteral("SATIS"), QStringLiteral("Satış")},
                {QStringLiteral("ALIS"), QStringLiteral("Alış")}};
    return q;
}

} // namespace nimbo
