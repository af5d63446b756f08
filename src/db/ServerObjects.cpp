#include "db/ServerObjects.h"
#include "db/Errors.h"

#include <QSqlQuery>
#include <algorithm>

namespace nimbo::ServerObjects {

const QStringList& finhrkParameterNames()
{
    static const QStringList names = {
        "BELGE_TIP", "FIN_ID",     "SIRA_NO",    "TIP",        "ISLEM_TIP", "ISLEM_TIP2", "ISLEM_TIP3",
        "KODU",      "KODU2",      "CARIKOD",    "CEK_NO",     "ACIKLAMA",  "BORC",       "ALACAK",
        "BORC_DVZ",  "ALACAK_DVZ", "DOVIZ_KODU", "DVZ_KUR",    "ADI",       "TARIH",      "VADE_TRH",
        "BELGE_NO",  "PERSON_KOD", "HRK_NO",     "BA_DOVIZ",   "BA_KUR",    "BA_BORC",    "BA_ALACAK"};
    return names;
}

QVariantMap finhrkRow(const Params& params)
{
    QVariantMap row;
    for (const QString& n : finhrkParameterNames()) {
        const QVariant v = params.value(n, params.value(QLatin1Char('@') + n));
        row.insert(n, v.isValid() ? v : QVariant(QMetaType::fromType<QString>()));
    }
    for (auto it = params.begin(); it != params.end(); ++it) {
        QString k = it.key();
        if (k.startsWith(QLatin1Char('@')))
            k.remove(0, 1);
        if (!finhrkParameterNames().contains(k))
            throw UserError(QStringLiteral("SP_INS_FINHRK: bilinmeyen parametre %1").arg(it.key()));
    }
    const QDateTime tarih = toDateTime(row.value(QStringLiteral("TARIH")));
    row.insert(QStringLiteral("AY"), tarih.isValid() ? QVariant(tarih.date().month()) : QVariant());
    row.insert(QStringLiteral("YIL"), tarih.isValid() ? QVariant(tarih.date().year()) : QVariant());
    return row;
}

int SP_INS_FINHRK(const Db& db, const Params& params)
{
    const QVariantMap row = finhrkRow(params);
    QStringList cols = finhrkParameterNames();
    cols << QStringLiteral("AY") << QStringLiteral("YIL");
    QStringList holders;
    for (const QString& c : cols)
        holders << QLatin1Char(':') + c;
    const int n = db.execAffected(QStringLiteral("INSERT INTO FINHRK (%1) VALUES (%2)")
                                      .arg(cols.join(QStringLiteral(", ")), holders.join(QStringLiteral(", "))),
                                  row);
    return n > 0 ? n : 1;
}

namespace {

// Latest rate of a currency at or before trh; 0 when there is none.
double rateAt(const Db& db, const QString& dvz, const QDateTime& trh, bool buying)
{
    const QString col = buying ? QStringLiteral("TLDEGERI_ALIS") : QStringLiteral("TLDEGERI_SATIS");
    return db.scalar(db.dialect().limit(QStringLiteral("SELECT %1 FROM KURDEGER WHERE DOVIZ_KODU = :d AND "
                                                       "TARIH <= :t ORDER BY TARIH DESC")
                                            .arg(col),
                                        1),
                     {{QStringLiteral("d"), dvz}, {QStringLiteral("t"), trh}})
        .toDouble();
}

QString setting(const Db& db, const QString& column, const QString& fallback)
{
    const QString v = toText(db.scalar(QStringLiteral("SELECT %1 FROM PARAMETRE").arg(column))).trimmed();
    return v.isEmpty() ? fallback : v;
}

} // namespace

int SP_SET_STOKFYT(const Db& db, const QDateTime& trh, const QString& askur)
{
    const bool buying = askur.trimmed().toUpper() == QLatin1String("A");
    const QString local = setting(db, QStringLiteral("YERELDOVIZ"), QStringLiteral("TL"));
    const QString usd = setting(db, QStringLiteral("RDOVIZ1"), QStringLiteral("USD"));
    const QString eur = setting(db, QStringLiteral("RDOVIZ2"), QStringLiteral("EUR"));
    const double usdRate = rateAt(db, usd, trh, buying);
    const double eurRate = rateAt(db, eur, trh, buying);

    QStringList currencies;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT DISTINCT DOVIZ_KODU FROM STOK WHERE DOVIZ_KODU IS "
                                                         "NOT NULL AND DOVIZ_KODU <> '' AND DOVIZ_KODU <> :l"),
                                          {{QStringLiteral("l"), local}}))
        currencies << toText(r.value(0)).trimmed();

    int updated = 0;
    for (const QString& dvz : currencies) {
        const double rate = rateAt(db, dvz, trh, buying);
        if (rate <= 0)
            continue; // no rate: keep the prices rather than write wrong ones
        QStringList sets;
        for (const char* group : {"ALIS_FYT", "SAT_SKFYT", "SAT_ABFYT", "SAT_BFYT"}) {
            const QString g = QLatin1String(group);
            sets << QStringLiteral("%1_TL = %1_DOVIZ * :kur").arg(g);
            if (usdRate > 0)
                sets << QStringLiteral("%1_USD = %1_DOVIZ * :kur / :usd").arg(g);
            if (eurRate > 0)
                sets << QStringLiteral("%1_EUR = %1_DOVIZ * :kur / :eur").arg(g);
        }
        sets << QStringLiteral("FYT_TRH = :trh");
        Params p{{QStringLiteral("kur"), rate}, {QStringLiteral("dvz"), dvz}, {QStringLiteral("trh"), trh}};
        if (usdRate > 0)
            p.insert(QStringLiteral("usd"), usdRate);
        if (eurRate > 0)
            p.insert(QStringLiteral("eur"), eurRate);
        updated += qMax(0, db.execAffected(
                               QStringLiteral("UPDATE STOK SET %1 WHERE DOVIZ_KODU = :dvz").arg(sets.join(QStringLiteral(", "))),
                               p));
    }
    return updated;
}

int SP_GET_NEWFISAYR(const Db& db) { return SP_GET_NEWFISAYR(db, 1).first(); }

QList<int> SP_GET_NEWFISAYR(const Db& db, int count)
{
    QList<int> out;
    if (count <= 0)
        return out;
    if (db.dialect().isPostgres()) {
        // Other sessions may draw in between: the ids need not be consecutive, only ours.
        const auto rows = db.records(QStringLiteral("SELECT CAST(nextval('SEQ_FISAYR') AS INTEGER) AS YENINO "
                                                    "FROM generate_series(1, CAST(:n AS INTEGER))"),
                                     {{QStringLiteral("n"), count}});
        for (const QSqlRecord& r : rows)
            out << r.value(0).toInt();
        std::sort(out.begin(), out.end());
    } else {
        // SQLite has one writer at a time, so the greatest id plus one on is free until the caller commits.
        const int first = db.scalar(QStringLiteral("SELECT COALESCE(MAX(FA_ID), 0) + 1 AS YENINO FROM FISAYR")).toInt();
        for (int i = 0; i < count; ++i)
            out << first + i;
    }
    if (out.size() != count)
        throw UserError(QStringLiteral("SP_GET_NEWFISAYR: sonuç yok"));
    return out;
}

namespace {

const char* const kEldekiMuhDondurPg =
    "CREATE OR REPLACE FUNCTION ELDEKIMUHDONDUR(P_DOVIZ VARCHAR, P_TIP VARCHAR, P_SAHIP VARCHAR, P_VADE TIMESTAMP, "
    "P_BUGUN TIMESTAMP) RETURNS VARCHAR AS $$ "
    "SELECT CASE WHEN K.KOD IS NULL THEN '' "
    "WHEN K.AY > 0 AND P_VADE > P_BUGUN + K.AY * INTERVAL '1 month' AND SUBSTR(K.KOD, 1, 1) IN ('1', '3') "
    "THEN (CASE SUBSTR(K.KOD, 1, 1) WHEN '1' THEN '2' ELSE '4' END) || SUBSTR(K.KOD, 2) "
    "ELSE K.KOD END FROM (SELECT CASE WHEN P_SAHIP = 'F' THEN (CASE WHEN P_TIP = 'Ç' THEN MUH_KESCEK "
    "ELSE MUH_BORCSEN END) ELSE (CASE WHEN P_TIP = 'Ç' THEN MUH_ELCEK ELSE MUH_ELSEN END) END AS KOD, "
    "COALESCE(CEKSENETUZUNVADEAY, 0) AS AY FROM PARAMET LIMIT 1) K "
    "$$ LANGUAGE sql STABLE";

const char* const kCekSenetProtestoPg =
    "CREATE OR REPLACE FUNCTION CEKSENETPROTESTO(P_PORTFOYNO DOUBLE PRECISION) RETURNS VARCHAR AS $$ "
    "SELECT CASE WHEN SON_DURUMU IN ('K', 'R') OR PROTESTOLU_TAHSIL = 'E' THEN 'E' ELSE 'H' END "
    "FROM CSKART WHERE PORTFOYNO = P_PORTFOYNO $$ LANGUAGE sql STABLE";

QVariant bound(const QDate& d) { return d.isValid() ? QVariant(QDateTime(d, QTime(0, 0))) : QVariant(); }

} // namespace

void createPortfolioFunctions(const Db& db)
{
    if (!db.dialect().isPostgres())
        return;
    db.exec(QString::fromUtf8(kEldekiMuhDondurPg));
    db.exec(QString::fromUtf8(kCekSenetProtestoPg));
}

QString EldekiMuhDondur(const Db& db, const QString& doviz, const QString& csTip, const QString& sahip,
                        const QDate& vade, const QDate& bugun)
{
    if (db.dialect().isPostgres())
        return toText(db.scalar(QStringLiteral("SELECT ELDEKIMUHDONDUR(:D, :T, :S, :V, :B) AS ELDEKI_MUH_KOD"),
                                {{QStringLiteral("D"), doviz},
                                 {QStringLiteral("T"), csTip},
                                 {QStringLiteral("S"), sahip},
                                 {QStringLiteral("V"), bound(vade)},
                                 {QStringLiteral("B"), bound(bugun)}}))
            .trimmed();
    const QString column = sahip == QLatin1String("F")
                               ? (csTip == QStringLiteral("Ç") ? QStringLiteral("MUH_KESCEK") : QStringLiteral("MUH_BORCSEN"))
                               : (csTip == QStringLiteral("Ç") ? QStringLiteral("MUH_ELCEK") : QStringLiteral("MUH_ELSEN"));
    const auto rows = db.records(QStringLiteral("SELECT %1, COALESCE(CEKSENETUZUNVADEAY, 0) FROM PARAMET").arg(column));
    if (rows.isEmpty())
        return {};
    QString kod = toText(rows.first().value(0)).trimmed();
    const int ay = rows.first().value(1).toInt();
    if (ay > 0 && vade.isValid() && bugun.isValid() && vade > bugun.addMonths(ay) && !kod.isEmpty()
        && (kod.startsWith(QLatin1Char('1')) || kod.startsWith(QLatin1Char('3'))))
        kod = (kod.startsWith(QLatin1Char('1')) ? QStringLiteral("2") : QStringLiteral("4")) + kod.mid(1);
    return kod;
}

QString CekSenetProtesto(const Db& db, double portfoyNo)
{
    if (db.dialect().isPostgres())
        return toText(db.scalar(QStringLiteral("SELECT CEKSENETPROTESTO(:P)"), {{QStringLiteral("P"), portfoyNo}})).trimmed();
    const auto rows = db.records(QStringLiteral("SELECT SON_DURUMU, PROTESTOLU_TAHSIL FROM CSKART WHERE PORTFOYNO=:P"),
                                 {{QStringLiteral("P"), portfoyNo}});
    if (rows.isEmpty())
        return {};
    const QString durum = toText(rows.first().value(0)).trimmed();
    const bool protestolu = durum == QLatin1String("K") || durum == QLatin1String("R")
                            || toText(rows.first().value(1)).trimmed() == QLatin1String("E");
    return protestolu ? QStringLiteral("E") : QStringLiteral("H");
}

} // namespace nimbo::ServerObjects
