#include "finance/BankaHareketListesi.h"
#include "finance/BankaHareketBelgesi.h"

namespace nimbo {

QString BankaHareketListesi::tipAdiSql()
{
    QStringList whens;
    for (const QString& t : BankaHareketBelgesi::tipler())
        whens << QStringLiteral("WHEN H.TIP='%1' THEN '%2'").arg(t, BankaHareketBelgesi::tipAdi(t));
    return QStringLiteral("CASE %1 ELSE '%2' END").arg(whens.join(QLatin1Char(' ')), BankaHareketBelgesi::tipAdi({}));
}

ListQuery BankaHareketListesi::sorgu(const BankaHareketFiltre& f)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT H.HRK_NO, H.TARIH, H.TIP, %1 AS TIP_ADI, H.BORC, H.ALACAK, H.BORC_USD, H.ALACAK_USD, "
                           "H.BORC_EUR, H.ALACAK_EUR, H.FIS_NO, H.PERSONEL FROM BANKHRK H WHERE 1=1")
                .arg(tipAdiSql());
    if (!f.tip.isEmpty())
        q.addWhere(QStringLiteral("H.TIP=:TIP"), QStringLiteral("TIP"), f.tip);
    if (f.bas.isValid())
        q.addWhere(QStringLiteral("H.TARIH>=:BAS"), QStringLiteral("BAS"), QDateTime(f.bas, QTime(0, 0)));
    if (f.son.isValid())
        q.addWhere(QStringLiteral("H.TARIH<=:SON"), QStringLiteral("SON"), QDateTime(f.son, QTime(23, 59, 59)));
    if (f.muhasebe == QLatin1String("E"))
        q.addWhere(QStringLiteral("H.FIS_NO IS NOT NULL"));
    else if (f.muhasebe == QLatin1String("H"))
        q.addWhere(QStringLiteral("H.FIS_NO IS NULL"));
    if (!f.bankaKod.isEmpty())
        q.addWhere(QStringLiteral("H.HRK_NO IN (SELECT A.HRK_NO FROM BANKHRKA A WHERE A.BANKA_KOD=:BANKA)"),
                   QStringLiteral("BANKA"), f.bankaKod);
    q.keyExpr = QStringLiteral("H.HRK_NO");
    q.keyField = QStringLiteral("HRK_NO");
    q.descending = true;
    return q;
}

} // namespace nimbo
