#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/SchemaManager.h"
#include "services/SessionContext.h"
#include "stock/StockCard.h"
#include "model/ListPager.h"
#include "stock/StockListQuery.h"
#include "stock/StockQuantities.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>

namespace nimbo::bench {

namespace {

void generate(const Db& db, int items, int movements)
{
    DbTransaction tx(db);
    for (int i = 1; i <= 3; ++i)
        db.exec(QStringLiteral("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (:K, :A)"),
                {{QStringLiteral("K"), i}, {QStringLiteral("A"), QStringLiteral("DEPO %1").arg(i)}});
    for (int i = 1; i <= 15; ++i)
        db.exec(QStringLiteral("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (:K, :A)"),
                {{QStringLiteral("K"), i}, {QStringLiteral("A"), QStringLiteral("Marka %1").arg(i)}});
    for (int i = 1; i <= 6; ++i) {
        db.exec(QStringLiteral("INSERT INTO ANAGRUP (GRUP_KODU, GRUP_ADI) VALUES (:K, :A)"),
                {{QStringLiteral("K"), i}, {QStringLiteral("A"), QStringLiteral("Ana Grup %1").arg(i)}});
        for (int g = 0; g < 4; ++g)
            db.exec(QStringLiteral("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (:K, :A, :U)"),
                    {{QStringLiteral("K"), i * 10 + g}, {QStringLiteral("A"), QStringLiteral("Grup %1").arg(i * 10 + g)},
                     {QStringLiteral("U"), i}});
    }
    db.exec(numbers(db, items) + QStringLiteral(
        "INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BARKOD, ANAGRUPNO, GRUPNO, FIRMANO, BIRIM1, KDV, "
        "DOVIZ_KODU, PASIF, YER1, ACIKLAMA1, ALIS_FYT_TL, SAT_SKFYT_TL, SAT_SKFYT_USD, SAT_SKFYT_EUR, SAT_ABFYT_TL) "
        "SELECT I, 'S' || CAST(1000000 + I AS VARCHAR(10)), "
        "CASE I % 4 WHEN 0 THEN 'Galvaniz vida ' WHEN 1 THEN 'Kablo ' WHEN 2 THEN 'Matkap ucu ' ELSE 'Boya ' END "
        "|| CAST(I AS VARCHAR(10)), CAST(8690000000000 + I AS VARCHAR(13)), 1 + I % 6, (1 + I % 6) * 10 + I % 4, "
        "1 + I % 15, 'ADET', 20, 'TL', CASE WHEN I % 50 = 0 THEN 'P' ELSE 'A' END, 'R' || CAST(I % 90 AS VARCHAR(3)), "
        "'Açıklama ' || CAST(I % 1000 AS VARCHAR(5)), 10 + I % 500, 15 + I % 700, (15 + I % 700) / 35.0, "
        "(15 + I % 700) / 38.0, 13 + I % 600 FROM G"));
    // Movements touch three items in four; the rest never moved.
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, FIYAT, FYT_USD, FYT_EUR, KDV, TARIH, "
        "AY, YIL, CARIKOD, DEPO_KODU, BELGETIP) SELECT I, CASE WHEN I % 3 = 0 THEN 'S' ELSE 'A' END, 1, "
        "1 + (CAST(I AS BIGINT) * 7919) % %1, CASE WHEN I % 3 = 0 THEN 0 ELSE 1 + I % 7 END, "
        "CASE WHEN I % 3 = 0 THEN 2 + I % 11 ELSE 0 END, 10, 0.3, 0.27, 20, :T, 1, 2026, 'C', 1 + I % 3, 'F' FROM G")
                .arg(items * 3 / 4),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 2, 1), QTime(0, 0))}});
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}


QList<Timing> stockScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int items = 200000 * ctx.size;
    const int movements = 2000000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHSTOK2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate STOK + STOKHRK"), 1, timeIt([&] { generate(db, items, movements); }),
                  items + movements};

    struct Case {
        QString name;
        StockFilter f;
    };
    QList<Case> cases;
    cases << Case{QStringLiteral("list, no filter (500 rows)"), {}};
    StockFilter f;
    f.text = QStringLiteral("vida 12345");
    cases << Case{QStringLiteral("free text, rare ('vida 12345')"), f};
    f.text = QStringLiteral("R17");
    cases << Case{QStringLiteral("free text, common ('R17')"), f};
    f = {};
    f.stock = StockFilter::InStock::InStock;
    cases << Case{QStringLiteral("in stock"), f};
    f.stock = StockFilter::InStock::NotInStock;
    cases << Case{QStringLiteral("not in stock"), f};
    f = {};
    f.anaGrupNo = 3;
    f.firmaNo = 6;
    cases << Case{QStringLiteral("main group + brand"), f};
    f = {};
    f.stock = StockFilter::InStock::InStock;
    f.orderBy = QStringLiteral("SAT_SKFYT_TL");
    f.descending = true;
    cases << Case{QStringLiteral("in stock, by retail price desc"), f};

    const int reps = 3;
    for (const Case& c : cases) {
        const ListQuery q = StockListQuery::build(db.dialect(), c.f);
        qint64 rows = 0;
        const double t = timeIt([&] {
            for (int i = 0; i < reps; ++i)
                rows += readRows(db, q, false);
        });
        out << Timing{c.name + QStringLiteral(" (first page)"), reps, t, rows};
        qint64 all = 0;
        const double ta = timeIt([&] { all = readRows(db, q, true); });
        out << Timing{c.name + QStringLiteral(" (all %1 rows)").arg(all), 1, ta, all};
    }

    const int cards = 500;
    out << Timing{QStringLiteral("open card + warehouse quantities"), cards, timeIt([&] {
                      for (int i = 0; i < cards; ++i) {
                          const double no = 1 + (i * 389) % items;
                          StockCard card(db);
                          card.open(no);
                          StockQuantities::perWarehouse(db, no);
                          StockQuantities::opening(db, no);
                      }
                  })};
    out << Timing{QStringLiteral("item delete check (6 tables)"), cards, timeIt([&] {
                      for (int i = 0; i < cards; ++i)
                          for (const char* t : {"TEKLFAYR", "KAMPAYR", "SIPALAYR", "OEMPCAYR", "SIPVRAYR", "STOKHRK"})
                              db.any(QStringLiteral("SELECT 1 FROM %1 WHERE STOK_NO=:S").arg(QLatin1String(t)),
                                     {{QStringLiteral("S"), 1 + (i * 389) % items}});
                  })};

    explain(db, QStringLiteral("no filter"), StockListQuery::build(db.dialect(), {}));
    f = {};
    f.text = QStringLiteral("vida 12345");
    explain(db, QStringLiteral("free text"), StockListQuery::build(db.dialect(), f));
    f = {};
    f.stock = StockFilter::InStock::InStock;
    explain(db, QStringLiteral("in stock"), StockListQuery::build(db.dialect(), f));
    f.stock = StockFilter::InStock::NotInStock;
    explain(db, QStringLiteral("not in stock"), StockListQuery::build(db.dialect(), f));
    explain(db, QStringLiteral("warehouse quantities"),
            QStringLiteral("SELECT DEPO_KODU, SUM(GIRMIK) AS GIR, SUM(CIKMIK) AS CIK, SUM(GIRMIK-CIKMIK) AS MIK "
                            "FROM STOKHRK WHERE STOK_NO = :S GROUP BY DEPO_KODU"),
             {{QStringLiteral("S"), 4242}});

    Db::close(kOrbita);
    Db::dropDatabase(p);
    return out;
}

} // namespace

void registerStockScenarios()
{
    registerScenario({QStringLiteral("stock"),
                      QStringLiteral("stock list: unfiltered, free text, in/not in stock on 200 000 items with "
                                     "2 000 000 STOKHRK rows; opening a card with its warehouse quantities"),
                      stockScenario});
}

} // namespace nimbo::bench
