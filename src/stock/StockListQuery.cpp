#include "stock/StockListQuery.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"

namespace nimbo {

namespace {

const char* const kSelect =
    "SELECT S.STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, S.STOK_ADI_ING, S.BARKOD, S.URET_STK_KOD, "
    "AG.GRUP_ADI AS ANAGRUP_ADI, G.GRUP_ADI AS GRUP_ADI, AL.GRUP_ADI AS ALTGRUP_ADI, F.FIRMA_ADI, "
    "M.MODEL_ADI, R.RENK_ADI, S.BIRIM1, S.BIRIM2, S.BIRIM3, S.KDV, S.DOVIZ_KODU, "
    "S.ALIS_FYT_TL, S.ALIS_FYT_USD, S.ALIS_FYT_EUR, S.SAT_SKFYT_TL, S.SAT_SKFYT_USD, S.SAT_SKFYT_EUR, "
    "S.SAT_ABFYT_TL, S.SAT_BFYT_TL, S.MALIYET_FYT_TL, S.PASIF, S.RANK, S.QTY, S.TEMSILCI, S.YENI_KOD, "
    "S.YENI_KOD_SON, CASE WHEN COALESCE(TRIM(S.YENI_KOD_SON), '') <> '' THEN 'D' ELSE '' END AS DEGISEN "
    "FROM STOK S "
    "LEFT OUTER JOIN FIRMA F ON (F.FIRMANO = S.FIRMANO) "
    "LEFT OUTER JOIN STKMODEL M ON (M.MODEL_KOD = S.MODEL) "
    "LEFT OUTER JOIN RENKLER R ON (R.RENK_KOD = S.RENK) "
    "LEFT OUTER JOIN ANAGRUP AG ON (AG.GRUP_KODU = S.ANAGRUPNO) "
    "LEFT OUTER JOIN GRUP G ON (G.GRUP_KODU = S.GRUPNO) "
    "LEFT OUTER JOIN ALTGRUP AL ON (AL.GRUP_KODU = S.ALTGRUPNO)";

// Items with stock on hand: STOKHRK summed once per item over its covering index, then joined.
// A join rather than IN / NOT IN: the anti-join is faster on PostgreSQL, and a movement
// without an item (STOK_NO null) cannot empty the not-in-stock list as NOT IN's null would.
// The sum is a materialised CTE there: inside a parallel plan every worker would sum all of
// STOKHRK again.
const char* const kOnHand = "WITH H AS %1(SELECT STOKHRK.STOK_NO FROM STOKHRK GROUP BY STOKHRK.STOK_NO "
                            "HAVING SUM(STOKHRK.GIRMIK-STOKHRK.CIKMIK)*1.0>0) ";
} // namespace

bool StockFilter::isEmpty() const
{
    return kod.trimmed().isEmpty() && kodFrom.trimmed().isEmpty() && kodTo.trimmed().isEmpty()
           && pasif.trimmed().isEmpty() && isBlank(stokNoFrom) && isBlank(stokNoTo) && isBlank(firmaNo) && isBlank(anaGrupNo)
           && isBlank(grupNo) && isBlank(altGrupNo) && renk.trimmed().isEmpty() && model.trimmed().isEmpty()
           && temsilci.trimmed().isEmpty() && text.trimmed().isEmpty() && stock == InStock::All;
}

QString StockListQuery::sortExpression(const QString& column)
{
    const QString c = column.toUpper();
    if (c == QLatin1String("DEGISEN"))
        return QStringLiteral("CASE WHEN COALESCE(TRIM(S.YENI_KOD_SON), '') <> '' THEN 'D' ELSE '' END");
    static const QHash<QString, QString> joined = {{"ANAGRUP_ADI", "AG.GRUP_ADI"}, {"GRUP_ADI", "G.GRUP_ADI"},
                                                   {"ALTGRUP_ADI", "AL.GRUP_ADI"}, {"FIRMA_ADI", "F.FIRMA_ADI"},
                                                   {"MODEL_ADI", "M.MODEL_ADI"},   {"RENK_ADI", "R.RENK_ADI"}};
    return joined.value(c, QStringLiteral("S.") + c);
}

QStringList StockListQuery::columns()
{
    return {"STOK_NO",       "STOK_KOD_NO",   "STOK_ADI_TR",   "STOK_ADI_ING",  "BARKOD",        "URET_STK_KOD",
            "ANAGRUP_ADI",   "GRUP_ADI",      "ALTGRUP_ADI",   "FIRMA_ADI",     "MODEL_ADI",     "RENK_ADI",
            "BIRIM1",        "BIRIM2",        "BIRIM3",        "KDV",           "DOVIZ_KODU",    "ALIS_FYT_TL",
            "ALIS_FYT_USD",  "ALIS_FYT_EUR",  "SAT_SKFYT_TL",  "SAT_SKFYT_USD", "SAT_SKFYT_EUR", "SAT_ABFYT_TL",
            "SAT_BFYT_TL",   "MALIYET_FYT_TL", "PASIF",        "RANK",          "QTY",           "TEMSILCI",
            "YENI_KOD",      "YENI_KOD_SON",  "DEGISEN"};
}

ListQuery StockListQuery::build(const Dialect& d, const StockFilter& f)
{
    ListQuery q;
    q.keyExpr = QStringLiteral("S.STOK_NO");
    q.keyField = QStringLiteral("STOK_NO");
    for (const QString& c : columns())
        q.sortable.insert(c, sortExpression(c));
    q.sortBy(QStringLiteral("STOK_KOD_NO"), false);
    if (!f.orderBy.isEmpty())
        q.sortBy(f.orderBy, f.descending);
    if (f.isEmpty()) {
        q.sql = QLatin1String(kSelect) + QStringLiteral(" WHERE 1=1");
        q.maxRows = kUnfilteredRows;
        return q;
    }
    QString w = QStringLiteral(" WHERE 1=1");
    auto add = [&](const QString& clause, const QString& name, const QVariant& v) {
        w += QStringLiteral(" AND ") + clause;
        q.params.insert(name, v);
    };
    if (!f.kod.trimmed().isEmpty())
        add(QStringLiteral("S.STOK_KOD_NO = :KOD"), QStringLiteral("KOD"), f.kod.trimmed());
    if (!f.kodFrom.trimmed().isEmpty())
        add(QStringLiteral("S.STOK_KOD_NO >= :KOD1"), QStringLiteral("KOD1"), f.kodFrom.trimmed());
    if (!f.kodTo.trimmed().isEmpty())
        add(QStringLiteral("S.STOK_KOD_NO <= :KOD2"), QStringLiteral("KOD2"), f.kodTo.trimmed());
    // 'A' is active; any other value (or none) is passive.
    if (f.pasif.trimmed().toUpper() == QLatin1String("A"))
        add(QStringLiteral("S.PASIF = :PASIF"), QStringLiteral("PASIF"), QStringLiteral("A"));
    else if (!f.pasif.trimmed().isEmpty())
        add(QStringLiteral("COALESCE(S.PASIF, '') <> :PASIF"), QStringLiteral("PASIF"), QStringLiteral("A"));
    if (!isBlank(f.stokNoFrom))
        add(QStringLiteral("S.STOK_NO >= :SNO1"), QStringLiteral("SNO1"), f.stokNoFrom.toDouble());
    if (!isBlank(f.stokNoTo))
        add(QStringLiteral("S.STOK_NO <= :SNO2"), QStringLiteral("SNO2"), f.stokNoTo.toDouble());
    if (!isBlank(f.firmaNo))
        add(QStringLiteral("S.FIRMANO = :FIRMANO"), QStringLiteral("FIRMANO"), f.firmaNo.toInt());
    if (!isBlank(f.anaGrupNo))
        add(QStringLiteral("S.ANAGRUPNO = :ANAGRUPNO"), QStringLiteral("ANAGRUPNO"), f.anaGrupNo.toInt());
    if (!isBlank(f.grupNo))
        add(QStringLiteral("S.GRUPNO = :GRUPNO"), QStringLiteral("GRUPNO"), f.grupNo.toInt());
    if (!isBlank(f.altGrupNo))
        add(QStringLiteral("S.ALTGRUPNO = :ALTGRUPNO"), QStringLiteral("ALTGRUPNO"), f.altGrupNo.toInt());
    if (!f.renk.trimmed().isEmpty())
        add(QStringLiteral("S.RENK = :RENK"), QStringLiteral("RENK"), f.renk.trimmed());
    if (!f.model.trimmed().isEmpty())
        add(QStringLiteral("S.MODEL = :MODEL"), QStringLiteral("MODEL"), f.model.trimmed());
    if (!f.temsilci.trimmed().isEmpty())
        add(QStringLiteral("S.TEMSILCI = :TEMSILCI"), QStringLiteral("TEMSILCI"), f.temsilci.trimmed());
    if (!f.text.trimmed().isEmpty()) {
        const QString all = d.concat({"S.STOK_NO", "S.STOK_ADI_TR", "S.STOK_ADI_ING", "S.BARKOD", "S.STOK_KOD_NO",
                                      "S.URET_STK_KOD", "S.TEMSILCI", "S.YER1", "S.YER2", "S.YER3", "S.YER4", "S.YER5",
                                      "S.ACIKLAMA1", "S.MODEL", "S.CINS", "S.ESKI_STOK_KOD", "S.ENESKI_STOK_KOD"});
        add(TextSearch::clause(d, all, QStringLiteral("METIN")), QStringLiteral("METIN"),
            TextSearch::contains(f.text.trimmed()));
    }
    QString with, join;
    if (f.stock != StockFilter::InStock::All) {
        with = QString::fromLatin1(kOnHand).arg(d.isPostgres() ? QStringLiteral("MATERIALIZED ") : QString());
        const bool in = f.stock == StockFilter::InStock::InStock;
        join = QStringLiteral(" %1 JOIN H ON (H.STOK_NO = S.STOK_NO)")
                   .arg(in ? QStringLiteral("INNER") : QStringLiteral("LEFT OUTER"));
        if (!in)
            w += QStringLiteral(" AND H.STOK_NO IS NULL");
    }
    q.sql = with + QLatin1String(kSelect) + join + w;
    return q;
}

} // namespace nimbo
