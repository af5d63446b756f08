#include "trade/AlisMaliyeti.h"

#include <QStringList>

namespace nimbo {

namespace {

double bol(double a, double b) { return b == 0 ? 0 : a / b; }

// "STOK_NO IN (:S0,:S1,...)" with its values.
QString stokKosulu(const QList<double>& stoklar, Params& p)
{
    QStringList yer;
    for (int i = 0; i < stoklar.size(); ++i) {
        yer << QStringLiteral(":S%1").arg(i);
        p.insert(QStringLiteral("S%1").arg(i), stoklar[i]);
    }
    return QStringLiteral("STOK_NO IN (%1)").arg(yer.join(QLatin1Char(',')));
}

QList<double> stoklari(const Db& db, double alisNo)
{
    QList<double> out;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT DISTINCT STOK_NO FROM MALIFYT WHERE ALIS_NO=:N AND TIP='A'"),
                                          {{QStringLiteral("N"), alisNo}}))
        out << r.value(0).toDouble();
    return out;
}

} // namespace

QList<double> AlisMaliyeti::sil(const Db& db, double alisNo)
{
    const QList<double> eski = stoklari(db, alisNo);
    db.execAffected(QStringLiteral("DELETE FROM MALIFYT WHERE ALIS_NO=:N AND TIP='A'"), {{QStringLiteral("N"), alisNo}});
    return eski;
}

QList<double> AlisMaliyeti::yaz(DocumentWriter& w, double alisNo, const QString& belgeTipi, const QDate& fatTarih,
                                const QList<MaliyetSatiri>& satirlar)
{
    QList<double> stoklar = sil(w.db(), alisNo);
    QList<QVariantMap> rows;
    for (const MaliyetSatiri& s : satirlar) {
        if (s.miktar <= 0)
            continue;
        rows << QVariantMap{{QStringLiteral("ALIS_NO"), alisNo},
                            {QStringLiteral("STOK_NO"), s.stokNo},
                            {QStringLiteral("FATTARIH"), QDateTime(fatTarih, QTime(0, 0))},
                            {QStringLiteral("MIKTAR"), s.miktar},
                            {QStringLiteral("BELGETIP"), belgeTipi},
                            {QStringLiteral("AY"), fatTarih.month()},
                            {QStringLiteral("YIL"), fatTarih.year()},
                            {QStringLiteral("SIRANO"), s.siraNo},
                            {QStringLiteral("DOVIZ_KODU"), s.doviz},
                            {QStringLiteral("MALIYET_TL"), s.gerTut[0] / s.miktar},
                            {QStringLiteral("MALIYET_USD"), s.gerTut[1] / s.miktar},
                            {QStringLiteral("MALIYET_DVZ"), bol(s.fytDoviz * s.gerTut[0], s.fiyat * s.miktar)},
                            {QStringLiteral("MALIYET_EUR"), s.gerTut[2] / s.miktar},
                            {QStringLiteral("TIP"), QStringLiteral("A")}};
        if (!stoklar.contains(s.stokNo))
            stoklar << s.stokNo;
    }
    w.insertRows(QStringLiteral("MALIFYT"), rows);
    return stoklar;
}

void AlisMaliyeti::sonAlisFiyatlari(const Db& db, const QList<double>& stoklar)
{
    if (stoklar.isEmpty())
        return;
    Params p;
    const QString kosul = stokKosulu(stoklar, p);
    // The latest day's rows, largest value first, returns left out.
    const QString son = QStringLiteral(
        "(SELECT MAX(m.%1) FROM MALIFYT m WHERE m.STOK_NO=STOK.STOK_NO AND m.BELGETIP NOT IN ('E','A') AND "
        "m.FATTARIH=(SELECT MAX(m2.FATTARIH) FROM MALIFYT m2 WHERE m2.STOK_NO=STOK.STOK_NO AND "
        "m2.BELGETIP NOT IN ('E','A')))");
    db.execAffected(QStringLiteral("UPDATE STOK SET ALIS_SON_TL=COALESCE(%1, ALIS_SON_TL), ALIS_SON_USD=COALESCE(%2, "
                           "ALIS_SON_USD), ALIS_SON_EUR=COALESCE(%3, ALIS_SON_EUR) WHERE %4")
                .arg(son.arg(QStringLiteral("MALIYET_TL")), son.arg(QStringLiteral("MALIYET_USD")),
                     son.arg(QStringLiteral("MALIYET_EUR")), kosul),
            p);
    // The item's own currency: its EUR, USD or local last price.
    db.execAffected(QStringLiteral("UPDATE STOK SET ALIS_SON_DOVIZ=CASE WHEN DOVIZ_KODU=(SELECT RDOVIZ2 FROM PARAMETRE) THEN "
                           "ALIS_SON_EUR WHEN DOVIZ_KODU=(SELECT RDOVIZ1 FROM PARAMETRE) THEN ALIS_SON_USD ELSE "
                           "ALIS_SON_TL END WHERE %1").arg(kosul),
            p);
}

void AlisMaliyeti::satisFiyatlari(const Db& db, const QList<double>& stoklar)
{
    if (stoklar.isEmpty())
        return;
    Params p;
    const QString kosul = stokKosulu(stoklar, p);
    QStringList set;
    for (const char* liste : {"SAT_SKFYT", "SAT_ABFYT", "SAT_BFYT"}) {
        const QString oran = QLatin1String(liste) == QLatin1String("SAT_SKFYT") ? QStringLiteral("KAR_ORAN")
                             : QLatin1String(liste) == QLatin1String("SAT_ABFYT") ? QStringLiteral("KAR_ORAN_AB")
                                                                                  : QStringLiteral("KAR_ORAN_B");
        for (const auto& [ek, sonEk] : {std::pair{"TL", "TL"}, {"USD", "USD"}, {"EUR", "EUR"}, {"DOVIZ", "DOVIZ"}})
            set << QStringLiteral("%1_%2=CASE KAR_TIP WHEN 'A' THEN ALIS_SON_%3 WHEN 'M' THEN MALIYET_FYT_%3 END"
                                  "*(100+COALESCE(%4,0))/100")
                       .arg(QLatin1String(liste), QLatin1String(ek), QLatin1String(sonEk), oran);
    }
    db.execAffected(QStringLiteral("UPDATE STOK SET %1 WHERE %2 AND KAR_TIP IN ('A','M')").arg(set.join(QStringLiteral(", ")), kosul),
            p);
}

} // namespace nimbo
