#include "trade/AlisMaliyeti.h"
#include "db/InList.h"
#include "stock/MaliyetFiyati.h"

#include <QHash>
#include <array>
#include <QSqlRecord>

#include <QStringList>

namespace nimbo {

namespace {

double bol(double a, double b) { return b == 0 ? 0 : a / b; }

// "STOK_NO IN (:S0,:S1,...)" with its values.
QString stokKosulu(const QList<double>& stoklar, Params& p)
{
    return QStringLiteral("STOK_NO IN (%1)").arg(inList(stoklar, p));
}

QList<double> stoklari(const Db& db, double alisNo)
{
    QList<double> out;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT DISTINCT STOK_NO FROM MALIFYT WHERE ALIS_NO=:N AND TIP='A'"),
                                          {{QStringLiteral("N"), alisNo}}))
        out << r.value(0).toDouble();
    return out;
}

// The new values of one item: its number, last prices and average costs.
const char* const kDegerler[] = {"S", "ST", "SU", "SE", "MT", "MU", "ME"};
constexpr int kDegerSayisi = 7;

QString degerAdi(int k, int i)
{
    thread_local QStringList adlar[kDegerSayisi];
    while (adlar[k].size() <= i)
        adlar[k] << QLatin1String(kDegerler[k]) + QString::number(adlar[k].size());
    return adlar[k].at(i);
}

// The card update for n items, made once per shape: a row of values per item joined to its
// card, each column written once.
const QString& kartGuncellemesi(int n, bool satisFiyatlari)
{
    thread_local QHash<int, QString> yapilan;
    const int anahtar = n * 2 + (satisFiyatlari ? 1 : 0);
    auto it = yapilan.constFind(anahtar);
    if (it != yapilan.constEnd())
        return *it;
    QStringList satirlar;
    for (int i = 0; i < n; ++i) {
        QStringList yer;
        for (int k = 0; k < kDegerSayisi; ++k)
            yer << QStringLiteral("CAST(:%1 AS DOUBLE PRECISION)").arg(degerAdi(k, i));
        satirlar << QLatin1Char('(') + yer.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    const QString sonTl = QStringLiteral("COALESCE(V.ST, ALIS_SON_TL)"), sonUsd = QStringLiteral("COALESCE(V.SU, ALIS_SON_USD)"),
                  sonEur = QStringLiteral("COALESCE(V.SE, ALIS_SON_EUR)");
    // The item's own currency: its EUR, USD or local last price.
    const QString sonDoviz = QStringLiteral("CASE WHEN DOVIZ_KODU=(SELECT RDOVIZ2 FROM PARAMETRE) THEN %1 WHEN "
                                            "DOVIZ_KODU=(SELECT RDOVIZ1 FROM PARAMETRE) THEN %2 ELSE %3 END")
                                 .arg(sonEur, sonUsd, sonTl);
    const QString malTl = QStringLiteral("COALESCE(V.MT, MALIYET_FYT_TL)"), malUsd = QStringLiteral("COALESCE(V.MU, MALIYET_FYT_USD)"),
                  malEur = QStringLiteral("COALESCE(V.ME, MALIYET_FYT_EUR)");
    QStringList set{QStringLiteral("ALIS_SON_TL=") + sonTl,    QStringLiteral("ALIS_SON_USD=") + sonUsd,
                    QStringLiteral("ALIS_SON_EUR=") + sonEur,  QStringLiteral("ALIS_SON_DOVIZ=") + sonDoviz,
                    QStringLiteral("MALIYET_FYT_TL=") + malTl, QStringLiteral("MALIYET_FYT_USD=") + malUsd,
                    QStringLiteral("MALIYET_FYT_EUR=") + malEur};
    if (satisFiyatlari) {
        const std::pair<QString, QString> kaynak[] = {
            {sonTl, malTl}, {sonUsd, malUsd}, {sonDoviz, QStringLiteral("MALIYET_FYT_DOVIZ")}, {sonEur, malEur}};
        const char* ek[] = {"TL", "USD", "DOVIZ", "EUR"};
        for (const auto& [liste, oran] : {std::pair{"SAT_SKFYT", "KAR_ORAN"}, {"SAT_ABFYT", "KAR_ORAN_AB"}, {"SAT_BFYT", "KAR_ORAN_B"}})
            for (int e = 0; e < 4; ++e) {
                const QString kolon = QStringLiteral("%1_%2").arg(QLatin1String(liste), QLatin1String(ek[e]));
                const QString kar = QStringLiteral("*(100+COALESCE(%1,0))/100").arg(QLatin1String(oran));
                set << QStringLiteral("%1=CASE KAR_TIP WHEN 'A' THEN %2%4 WHEN 'M' THEN %3%4 ELSE %1 END")
                           .arg(kolon, kaynak[e].first, kaynak[e].second, kar);
            }
    }
    return *yapilan.insert(anahtar, QStringLiteral("WITH V(S, ST, SU, SE, MT, MU, ME) AS (VALUES %1) UPDATE STOK SET %2 "
                                                   "FROM V WHERE STOK.STOK_NO=V.S")
                                        .arg(satirlar.join(QLatin1Char(',')), set.join(QStringLiteral(", "))));
}

} // namespace

QList<double> AlisMaliyeti::sil(const Db& db, double alisNo)
{
    const QList<double> eski = stoklari(db, alisNo);
    db.execAffected(QStringLiteral("DELETE FROM MALIFYT WHERE ALIS_NO=:N AND TIP='A'"), {{QStringLiteral("N"), alisNo}});
    return eski;
}

QList<double> AlisMaliyeti::yaz(DocumentWriter& w, double alisNo, bool yeniBelge, const QString& belgeTipi,
                                const QDate& fatTarih, const QList<MaliyetSatiri>& satirlar)
{
    QList<double> stoklar = yeniBelge ? QList<double>() : sil(w.db(), alisNo);
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

void AlisMaliyeti::kartlariGuncelle(const Db& db, const QList<double>& stoklar, bool satisFiyatlari)
{
    const int parca = 300; // items per statement, far below either engine's parameter limit
    for (int from = 0; from < stoklar.size(); from += parca) {
        const QList<double> bu = stoklar.mid(from, parca);
        Params p;
        const QString kosul = stokKosulu(bu, p);
        if (db.dialect().isPostgres())
            db.records(QStringLiteral("SELECT STOK_NO FROM STOK WHERE %1 ORDER BY STOK_NO FOR UPDATE").arg(kosul), p);
        // In one read of the index: each item's average cost over all its rows, and its last
        // purchase prices, the largest of its latest day's rows, returns left out.
        QHash<double, std::array<QVariant, 3>> son; // local, USD, EUR
        QHash<double, MaliyetFiyati::Ortalama> ortalama;
        for (const QSqlRecord& r : db.records(
                 QStringLiteral("SELECT a.STOK_NO, a.N, a.Q, a.T, a.U, a.E, MAX(m.MALIYET_TL), MAX(m.MALIYET_USD), "
                                "MAX(m.MALIYET_EUR), COUNT(m.STOK_NO) FROM (SELECT STOK_NO, COUNT(*) AS N, SUM(MIKTAR) AS Q, "
                                "SUM(MALIYET_TL*MIKTAR) AS T, SUM(MALIYET_USD*MIKTAR) AS U, SUM(MALIYET_EUR*MIKTAR) AS E, "
                                "MAX(CASE WHEN BELGETIP NOT IN ('E','A') THEN FATTARIH END) AS SON FROM MALIFYT WHERE %1 "
                                "GROUP BY STOK_NO) a LEFT JOIN MALIFYT m ON m.STOK_NO=a.STOK_NO AND m.FATTARIH=a.SON AND "
                                "m.BELGETIP NOT IN ('E','A') GROUP BY a.STOK_NO, a.N, a.Q, a.T, a.U, a.E")
                     .arg(kosul),
                 p)) {
            const double no = r.value(0).toDouble();
            const MaliyetFiyati::Ortalama o = MaliyetFiyati::toplamlardan(
                r.value(1).toInt(), r.value(2).toDouble(), r.value(3).toDouble(), r.value(4).toDouble(), r.value(5).toDouble());
            if (o.tanimli)
                ortalama.insert(no, o);
            if (r.value(9).toInt() > 0)
                son.insert(no, {r.value(6), r.value(7), r.value(8)});
        }

        // One row of new values per item; NULL keeps what the card has.
        Params v;
        for (int i = 0; i < bu.size(); ++i) {
            const auto s = son.constFind(bu[i]);
            const auto o = ortalama.constFind(bu[i]);
            const bool sonVar = s != son.constEnd(), ortVar = o != ortalama.constEnd();
            const QVariant deger[kDegerSayisi] = {bu[i],
                                                  sonVar ? s->at(0) : QVariant(),
                                                  sonVar ? s->at(1) : QVariant(),
                                                  sonVar ? s->at(2) : QVariant(),
                                                  ortVar ? QVariant(o->tl) : QVariant(),
                                                  ortVar ? QVariant(o->usd) : QVariant(),
                                                  ortVar ? QVariant(o->eur) : QVariant()};
            for (int k = 0; k < kDegerSayisi; ++k)
                v.insert(degerAdi(k, i), deger[k]);
        }
        db.execAffected(kartGuncellemesi(int(bu.size()), satisFiyatlari), v);
    }
}

} // namespace nimbo
