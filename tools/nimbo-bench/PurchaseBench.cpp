#include "BenchRunner.h"
#include "BenchSql.h"
#include "TradeBench.h"
#include "db/DbTransaction.h"
#include "db/SchemaDef.h"
#include "services/SessionContext.h"
#include "db/SqlValues.h"
#include "services/YeniKayitNo.h"
#include "trade/AlisBelgesi.h"

#include <QDateTime>

namespace nimbo::bench {

namespace {

const int kSatir = 20;

// Tables a purchase writes, with the column that carries its number.
const QList<std::pair<QString, QString>> kTablolar = {
    {"ALIS", "ALIS_NO"}, {"ALISAYR", "ALIS_NO"}, {"STOKHRK", "SATISNO"}, {"FINHRK", "HRK_NO"},
    {"KASAHRKT", "HRKNO"}, {"ODEMES", "REFNO"},  {"MALIFYT", "ALIS_NO"}};

// The items, the suppliers and a year's history before the timed saves: earlier purchases'
// movements, finance rows and cost rows, so reads and index upkeep meet a busy firm's
// tables (an empty cost table also leaves PostgreSQL planning its reads for an empty table).
void generate(const Db& db, int items, int suppliers, int history)
{
    DbTransaction tx(db);
    tradeBasics(db);
    db.exec(numbers(db, items) + QStringLiteral(
        "INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BIRIM1, KDV, KDV_DAHIL, DOVIZ_KODU, ALIS_FYT_TL, "
        "ALIS_FYT_DOVIZ, KAR_TIP, KAR_ORAN) SELECT I, 'S' || CAST(1000000 + I AS VARCHAR(10)), 'Ürün ' || "
        "CAST(I AS VARCHAR(10)), 'ADET', 18, 'H', 'TL', 5 + I % 50, 5 + I % 50, 'A', 30 FROM G"));
    db.exec(numbers(db, suppliers) + QStringLiteral(
        "INSERT INTO CARI (CARI_KOD, FIRMA_ADI, PASIF) SELECT '320.' || CAST(100000 + I AS VARCHAR(10)), "
        "'Tedarikçi ' || CAST(I AS VARCHAR(10)), 'A' FROM G"));
    const Params gun{{QStringLiteral("T"), QDateTime(QDate(2026, 1, 2), QTime(0, 0))}};
    db.exec(numbers(db, history) + QStringLiteral(
        "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU, TARIH) SELECT 900000 + I / 20, 'A', "
        "I % 20, 1 + (CAST(I AS BIGINT) * 7919) % %1, 50, 0, 1, :T FROM G").arg(items), gun);
    db.exec(numbers(db, history) + QStringLiteral(
        "INSERT INTO MALIFYT (ALIS_NO, STOK_NO, FATTARIH, MIKTAR, BELGETIP, SIRANO, DOVIZ_KODU, MALIYET_TL, MALIYET_USD, "
        "MALIYET_EUR, MALIYET_DVZ, TIP) SELECT 900000 + I / 20, 1 + (CAST(I AS BIGINT) * 7919) % %1, :T, 50, 'F', I % 20, "
        "'TL', 5 + I % 50, (5 + I % 50) / 32.0, (5 + I % 50) / 35.0, 5 + I % 50, 'A' FROM G").arg(items), gun);
    db.exec(numbers(db, history) + QStringLiteral(
        "INSERT INTO FINHRK (KODU, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, ISLEM_TIP, BELGE_TIP, HRK_NO, TARIH) "
        "SELECT '320.' || CAST(100000 + 1 + I % %1 AS VARCHAR(10)), 0, 100, 0, 100, 'TL', 'C', 'X', I, :T FROM G")
                .arg(suppliers), gun);
    tx.commit();
    db.exec(QStringLiteral("UPDATE PARAMET SET ALISTAOTOFYT='E'"));
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

// A 20-line cash purchase invoice with dispatch: header, lines, incoming movements, the
// supplier's and the desk's finance rows, the desk's cash row, cost rows, last prices, average costs and the
// sale prices that follow them.
double savePurchase(const Db& db, int n, int items, int suppliers)
{
    AlisBelgesi b(db);
    b.setHeader(QStringLiteral("CARIKOD"), QStringLiteral("320.%1").arg(100000 + 1 + (n * 37) % suppliers));
    b.setHeader(QStringLiteral("FAT_NO"), QStringLiteral("A%1").arg(n, 8, 10, QLatin1Char('0')));
    b.setHeader(QStringLiteral("KASAKOD"), QStringLiteral("K01"));
    // Twenty items picked together from the item list, then the quantities typed.
    QList<double> secilen;
    for (int l = 0; l < kSatir; ++l)
        secilen << double(1 + (n * kSatir + l) * 997 % items);
    const QList<int> satirlar = b.stoklarEkle(secilen);
    for (int l = 0; l < kSatir; ++l)
        b.setLine(satirlar[l], QStringLiteral("MIKTAR"), double(1 + l % 5));
    b.save();
    return b.key().toDouble();
}

QList<Timing> purchaseScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int items = 20000 * ctx.size, suppliers = 2000 * ctx.size, history = 300000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHALIS2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate STOK, CARI, STOKHRK, MALIFYT, FINHRK"), 1,
                  timeIt([&] { generate(db, items, suppliers, history); }), items + suppliers + 3 * history};
    loginBenchUser();
    out << timeSavesBesideRaw(db, QStringLiteral("20-line cash purchase"), 400,
                              [&](int i) { return savePurchase(db, i, items, suppliers); }, kTablolar)
               .timings;

    explain(db, QStringLiteral("average costs and last purchase prices of the items of a purchase"),
            QStringLiteral("SELECT a.STOK_NO, a.N, a.Q, a.T, MAX(m.MALIYET_TL), COUNT(m.STOK_NO) FROM (SELECT STOK_NO, COUNT(*) "
                           "AS N, SUM(MIKTAR) AS Q, SUM(MALIYET_TL*MIKTAR) AS T, MAX(CASE WHEN BELGETIP NOT IN ('E','A') THEN "
                           "FATTARIH END) AS SON FROM MALIFYT WHERE STOK_NO IN (:S0,:S1) GROUP BY STOK_NO) a LEFT JOIN "
                           "MALIFYT m ON m.STOK_NO=a.STOK_NO AND m.FATTARIH=a.SON AND m.BELGETIP NOT IN ('E','A') GROUP "
                           "BY a.STOK_NO, a.N, a.Q, a.T"),
            {{QStringLiteral("S0"), 17.0}, {QStringLiteral("S1"), 4242.0}});

    closeCounterConnection(db);
    Db::close(kOrbita);
    Db::dropDatabase(p);
    SessionContext::current().reset();
    return out;
}

} // namespace

void registerPurchaseScenarios()
{
    registerScenario({QStringLiteral("alis"),
                      QStringLiteral("purchases: a complete 20-line cash purchase invoice saved through the purchase "
                                     "document over a year's history, beside the raw insert rate of the same rows"),
                      purchaseScenario});
}

} // namespace nimbo::bench
