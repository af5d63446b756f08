#include "finance/FinansHareketListesi.h"
#include "finance/FinansIslemTuru.h"
#include "db/Dialect.h"
#include "db/TextSearch.h"

namespace nimbo {

QString FinansHareketListesi::turAdiSql()
{
    QStringList whens;
    for (const QString& t : FinansIslemTuru::anaTurler())
        for (const QString& t2 : FinansIslemTuru::islemler(t))
            whens << QStringLiteral("WHEN M.ISLEM_TIP='%1' AND M.ISLEM_TIP2='%2' THEN '%3'")
                         .arg(t, t2, FinansIslemTuru::etiket(t, t2));
    return QStringLiteral("CASE %1 ELSE '' END").arg(whens.join(QLatin1Char(' ')));
}

ListQuery FinansHareketListesi::sorgu(const Dialect& d, const FinansHareketFiltre& f)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT M.FIN_ID, M.ISLEM_TRH, M.ISLEM_TIP, M.ISLEM_TIP2, %1 AS TUR_ADI, M.KODU, M.KODU2, "
                           "M.ADI, M.BORC, M.ALACAK, M.DOVIZ_KODU, M.ACIKLAMA, M.FIS_NO, M.INS_USER FROM FINMAST M "
                           "WHERE 1=1")
                .arg(turAdiSql());
    if (!f.tip.isEmpty()) {
        q.addWhere(QStringLiteral("M.ISLEM_TIP=:TIP"), QStringLiteral("TIP"), f.tip);
        if (!f.tip2.isEmpty())
            q.addWhere(QStringLiteral("M.ISLEM_TIP2=:TIP2"), QStringLiteral("TIP2"), f.tip2);
    }
    if (f.bas.isValid())
        q.addWhere(QStringLiteral("M.ISLEM_TRH>=:BAS"), QStringLiteral("BAS"), QDateTime(f.bas, QTime(0, 0)));
    if (f.son.isValid())
        q.addWhere(QStringLiteral("M.ISLEM_TRH<=:SON"), QStringLiteral("SON"), QDateTime(f.son, QTime(23, 59, 59)));
    if (!f.kod.isEmpty())
        q.addWhere(QStringLiteral("M.FIN_ID IN (SELECT FINDET.FIN_ID FROM FINDET WHERE FINDET.KODU=:KOD)"),
                   QStringLiteral("KOD"), f.kod);
    if (!f.kod2.isEmpty())
        q.addWhere(QStringLiteral("M.FIN_ID IN (SELECT FINDET.FIN_ID FROM FINDET WHERE FINDET.KODU2=:KOD2)"),
                   QStringLiteral("KOD2"), f.kod2);
    const QString aranan = f.aramaDegeri.trimmed();
    if (!aranan.isEmpty() && f.aramaAlani == QLatin1String("ADI")) {
        q.addWhere(QStringLiteral("(%1 OR M.FIN_ID IN (SELECT FINDET.FIN_ID FROM FINDET WHERE %2))")
                       .arg(TextSearch::clause(d, QStringLiteral("M.ADI"), QStringLiteral("ARA")),
                            TextSearch::clause(d, QStringLiteral("FINDET.ADI"), QStringLiteral("ARA2"))),
                   QStringLiteral("ARA"), TextSearch::contains(aranan));
        q.params.insert(QStringLiteral("ARA2"), TextSearch::contains(aranan));
    } else if (!aranan.isEmpty() && f.aramaAlani == QLatin1String("ACIKLAMA")) {
        q.addWhere(TextSearch::clause(d, QStringLiteral("M.ACIKLAMA"), QStringLiteral("ARA")), QStringLiteral("ARA"),
                   TextSearch::contains(aranan));
    }
    q.keyExpr = QStringLiteral("M.FIN_ID");
    q.keyField = QStringLiteral("FIN_ID");
    if (f.bos()) {
        q.sortExpr = QStringLiteral("M.ISLEM_TRH");
        q.sortField = QStringLiteral("ISLEM_TRH");
        q.sortNullable = false;
        q.descending = true;
    }
    return q;
}

} // namespace nimbo
