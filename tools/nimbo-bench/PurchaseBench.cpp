#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/SchemaDef.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "trade/AlisBelgesi.h"

namespace nimbo::bench {

namespace {

const int kSatir = 20;

// Tables a purchase writes, with the column that carries its number.
const QList<std::pair<QString, QString>> kTablolar = {
    {"ALIS", "ALIS_NO"}, {"ALISAYR", "ALIS_NO"}, {"STOKHRK", "SATISNO"}, {"FINHRK", "HRK_NO"},
    {"KASAHRKT", "HRKNO"}, {"ODEMES", "REFNO"},  {"MALIFYT", "ALIS_NO"}};

void generate(const Db& db, int items, int suppliers)
{
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('TL', 'TL')"));
    for (const auto& [d, k] : {std::pair{"USD", 32.0}, {"EUR", 35.0}})
        db.exec(QStringLiteral("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES "
                               "(:d, :t, :k, :k)"),
                {{QStringLiteral("d"), QString::fromLatin1(d)},
                 {QStringLiteral("t"), QDateTime(QDate::currentDate(), QTime(0, 0))},
                 {QStringLiteral("k"), k}});
    db.exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) VALUES ('K01', 'Merkez Kasa', 'TL')"));
    db.exec(QStringLiteral("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez')"));
    db.exec(numbers(db, items) + QStringLiteral(
        "INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BIRIM1, KDV, KDV_DAHIL, DOVIZ_KODU, ALIS_FYT_TL, "
        "ALIS_FYT_DOVIZ, KAR_TIP, KAR_ORAN) SELECT I, 'S' || CAST(1000000 + I AS VARCHAR(10)), 'Ürün ' || "
        "CAST(I AS VARCHAR(10)), 'ADET', 18, 'H', 'TL', 5 + I % 50, 5 + I % 50, 'A', 30 FROM G"));
    db.exec(numbers(db, suppliers) + QStringLiteral(
        "INSERT INTO CARI (CARI_KOD, FIRMA_ADI, PASIF) SELECT '320.' || CAST(100000 + I AS VARCHAR(10)), "
        "'Tedarikçi ' || CAST(I AS VARCHAR(10)), 'A' FROM G"));
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
    for (int l = 0; l < kSatir; ++l) {
        const int r = b.stokEkle(double(1 + (n * kSatir + l) * 997 % items));
        b.setLine(r, QStringLiteral("MIKTAR"), double(1 + l % 5));
    }
    b.save();
    return b.key().toDouble();
}

QList<Timing> purchaseScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int items = 20000 * ctx.size, suppliers = 2000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHALIS2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate STOK, CARI"), 1, timeIt([&] { generate(db, items, suppliers); }),
                  items + suppliers};
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("BENCH");
    for (const QString& c : kimkulRightColumns())
        s.setHak(c, QStringLiteral("H"));
    const QString engine = ctx.driver == QLatin1String("PGSQL") ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");

    const int saves = 200;
    double last = 0;
    const double saveSecs = timeIt([&] {
        for (int i = 0; i < saves; ++i)
            last = savePurchase(db, i, items, suppliers);
    });
    const auto sample = rowsOfDocument(db, last, kTablolar);
    qint64 perDoc = 0;
    for (const auto& t : sample)
        perDoc += t.second.size();
    out << Timing{QStringLiteral("save 20-line cash purchase, all derived rows (%1)").arg(engine), saves, saveSecs,
                  saves * perDoc};
    const double rawSecs = rawInsertSeconds(db, sample, kTablolar, saves, 5000000);
    out << Timing{QStringLiteral("raw insert of the same %1 rows per document (%2)").arg(perDoc).arg(engine), saves,
                  rawSecs, saves * perDoc};
    out << Timing{QStringLiteral("save rate / raw rate: %1 %").arg(qRound(100 * rawSecs / saveSecs)), 1, 0};

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
                                     "document beside the raw insert rate of the same rows"),
                      purchaseScenario});
}

} // namespace nimbo::bench
