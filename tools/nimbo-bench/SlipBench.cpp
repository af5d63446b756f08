#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/SchemaDef.h"
#include "db/SchemaManager.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "stock/DepoKarti.h"
#include "stock/DepoMiktarlari.h"
#include "stock/DepoStoklari.h"
#include "model/ListPager.h"
#include "stock/StokFisi.h"

#include <QSqlQuery>

namespace nimbo::bench {

namespace {

const int kDepolar = 5;

void generate(const Db& db, int items, int movements)
{
    for (int d = 1; d <= kDepolar; ++d) {
        DepoKarti k(db);
        k.startNew();
        k.setValue(QStringLiteral("DEPO_ADI"), QStringLiteral("DEPO %1").arg(d));
        k.save();
    }
    DbTransaction tx(db);
    db.exec(numbers(db, items) + QStringLiteral(
        "INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO, BIRIM1, BIRIM2, B_KATSAYI2, KDV, "
        "UNITE_KODU, MALIYET_FYT_TL, ALIS_FYT_TL) SELECT I, 'S' || CAST(1000000 + I AS VARCHAR(10)), "
        "'Ürün ' || CAST(I AS VARCHAR(10)), 1 + I % 6, 'ADET', 'KOLI', 12, 20, 1 + I % 3, 10 + I % 50, "
        "10 + I % 50 FROM G"));
    // Every item moves, in and out, over the five warehouses.
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, FIYAT, FYT_USD, FYT_EUR, KDV, TARIH, "
        "AY, YIL, CARIKOD, DEPO_KODU) SELECT I, CASE WHEN I % 3 = 0 THEN 'S' ELSE 'A' END, 1, "
        "1 + (CAST(I AS BIGINT) * 7919) % %1, CASE WHEN I % 3 = 0 THEN 0 ELSE 1 + I % 7 END, "
        "CASE WHEN I % 3 = 0 THEN 2 + I % 11 ELSE 0 END, 10, 0.3, 0.27, 20, :T, 2, 2026, 'C', 1 + I % %2 FROM G")
                .arg(items)
                .arg(kDepolar),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 2, 1), QTime(0, 0))}});
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

void loginBenchUser(const Db& db)
{
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("BENCH");
    for (const QString& c : kimkulRightColumns())
        s.setHak(c, QStringLiteral("H"));
    s.setHak(QStringLiteral("STKFISDEPTRSFR"), QStringLiteral("E"));
    db.exec(QStringLiteral("INSERT INTO KIMKUL (KULLANICI, PERSON_KOD) VALUES ('BENCH', 'P1')"));
}

double saveSlip(const Db& db, const QString& tip, int first, int items)
{
    StokFisi f(db, tip);
    if (tip == QLatin1String("O")) {
        f.setHeader(QStringLiteral("CIKDEPO"), 1);
        f.setHeader(QStringLiteral("GIRDEPO"), 2);
        f.setHeader(QStringLiteral("HRKDURUM"), QStringLiteral("T"));
    }
    for (int l = 0; l < 20; ++l)
        f.setLine(f.satirEkle(1 + (first * 20 + l) * 997 % items, 1 + l % 5, 1 + l % kDepolar),
                  QStringLiteral("FYT_DOVIZ"), 10.0 + l);
    f.save();
    return f.hrkNo();
}

QList<Timing> slipScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int items = 200000 * ctx.size;
    const int movements = 2000000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHFIS2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate STOK + STOKHRK"), 1, timeIt([&] { generate(db, items, movements); }),
                  items + movements};
    loginBenchUser(db);

    const int reads = 2000;
    out << Timing{QStringLiteral("on hand of one item in one warehouse"), reads, timeIt([&] {
                      for (int i = 0; i < reads; ++i)
                          DepoMiktarlari::eldeki(db, 1 + (i * 389) % items, 1 + i % kDepolar);
                  })};
    out << Timing{QStringLiteral("DEPOMIK row of one item"), reads, timeIt([&] {
                      for (int i = 0; i < reads; ++i)
                          DepoMiktarlari::depomik(db, 1 + (i * 389) % items);
                  })};

    const int saves = 100;
    out << Timing{QStringLiteral("save 20-line opening slip"), saves, timeIt([&] {
                      for (int i = 0; i < saves; ++i)
                          saveSlip(db, QStringLiteral("D"), i, items);
                  }),
                  saves * 20};
    out << Timing{QStringLiteral("save 20-line transfer slip (done)"), saves, timeIt([&] {
                      for (int i = 0; i < saves; ++i)
                          saveSlip(db, QStringLiteral("O"), saves + i, items);
                  }),
                  saves * 40};
    double last = 0;
    out << Timing{QStringLiteral("re-save a 20-line slip (correction)"), saves, timeIt([&] {
                      last = saveSlip(db, QStringLiteral("F"), 0, items);
                      for (int i = 1; i < saves; ++i) {
                          StokFisi f(db);
                          f.open(last);
                          const int row = i % 20;
                          f.setLine(row, QStringLiteral("MIKTAR"), f.lines().number(row, QStringLiteral("MIKTAR")) + 1);
                          f.save();
                      }
                  })};

    struct Case {
        QString name;
        DepoStoklari::Filtre f;
    };
    QList<Case> cases;
    DepoStoklari::Filtre f;
    cases << Case{QStringLiteral("warehouse stock list, every warehouse"), f};
    f.depoKodu = 1;
    cases << Case{QStringLiteral("warehouse stock list, one warehouse"), f};
    f.bakiye = DepoStoklari::Bakiye::Pozitif;
    cases << Case{QStringLiteral("warehouse stock list, one warehouse, positive"), f};
    f.bakiye = DepoStoklari::Bakiye::Negatif;
    f.uniteKodu = 2;
    cases << Case{QStringLiteral("warehouse stock list, one warehouse, negative, one unit"), f};
    for (const Case& c : cases) {
        const ListQuery q = DepoStoklari::sorgu(c.f, db.dialect());
        qint64 rows = 0;
        out << firstPageTiming(db, c.name + QStringLiteral(" (first page)"), q, 3);
        out << Timing{c.name + QStringLiteral(" (all rows)"), 1, timeIt([&] { rows = readRows(db, q, true); }),
                      rows};
    }

    explain(db, QStringLiteral("on hand in one warehouse"),
            QStringLiteral("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE STOK_NO = :S AND DEPO_KODU = :D"),
             {{QStringLiteral("S"), 4242}, {QStringLiteral("D"), 2}});
    explain(db, QStringLiteral("DEPOMIK row"),
            QStringLiteral("SELECT * FROM DEPOMIK WHERE STOK_NO = :S"), {{QStringLiteral("S"), 4242}});
    f = {};
    explain(db, QStringLiteral("warehouse stock list, every warehouse"), DepoStoklari::sorgu(f, db.dialect()));
    // A later page starts at its seek: in the middle of the second warehouse.
    const ListBoundary middle{2, items / 2};
    ListQuery later = DepoStoklari::sorgu(f, db.dialect()).page(db.dialect(), ListPager::kPageSize, &middle);
    later.keyExpr.clear();
    explain(db, QStringLiteral("warehouse stock list, every warehouse, a later page"), later);
    f.depoKodu = 1;
    explain(db, QStringLiteral("warehouse stock list, one warehouse"), DepoStoklari::sorgu(f, db.dialect()));

    closeCounterConnection(db);
    Db::close(kOrbita);
    Db::dropDatabase(p);
    return out;
}

} // namespace

void registerSlipScenarios()
{
    registerScenario({QStringLiteral("slips"),
                      QStringLiteral("stock slips and warehouses on 200 000 items with 2 000 000 STOKHRK rows: "
                                     "on hand in one warehouse, the DEPOMIK row, 20-line slip saves, the "
                                     "warehouse stock list"),
                      slipScenario});
}

} // namespace nimbo::bench
