#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/SchemaDef.h"
#include "finance/FinansBelgesi.h"
#include "services/SessionContext.h"

namespace nimbo::bench {

namespace {

const int kKasalar = 10;

// Accounts, ten TL cash desks and the finance rows a year of other documents left.
void generate(const Db& db, int customers, int movements)
{
    const Params t{{QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}};
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('TL', 'TL')"));
    db.exec(numbers(db, customers) + QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) SELECT '120.' || "
                                                    "CAST(100000 + I AS VARCHAR(10)), 'Müşteri ' || CAST(I AS VARCHAR(10)) "
                                                    "FROM G"));
    db.exec(numbers(db, kKasalar) + QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) SELECT 'K' || "
                                                   "CAST(10 + I AS VARCHAR(5)), 'Kasa ' || CAST(I AS VARCHAR(5)), 'TL' "
                                                   "FROM G"));
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO FINHRK (BELGE_TIP, FIN_ID, SIRA_NO, ISLEM_TIP, ISLEM_TIP2, KODU, BORC, ALACAK, BORC_DVZ, "
        "ALACAK_DVZ, DOVIZ_KODU, DVZ_KUR, TARIH, AY, YIL, HRK_NO) SELECT 'S', 1000000 + I, 1, 'C', 'S', '120.' || "
        "CAST(100000 + 1 + I % %1 AS VARCHAR(10)), 1 + I % 1000, 0, 1 + I % 1000, 0, 'TL', 1, :T, 1, 2026, I FROM G")
                                         .arg(customers),
            t);
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

// A collection from one account into the ten desks: ten lines, twelve FINHRK rows.
int saveCollection(const Db& db, int n, int customers)
{
    FinansBelgesi b(db, QStringLiteral("C"), QStringLiteral("N"));
    b.setHeader(QStringLiteral("ISLEM_TRH"), QDate(2026, 3, 1).addDays(n % 200));
    b.setHeader(QStringLiteral("KODU"), QStringLiteral("120.%1").arg(100000 + 1 + (n * 37) % customers));
    for (int i = 0; i < kKasalar; ++i) {
        const int r = b.addLine();
        b.setLine(r, QStringLiteral("KODU"), QStringLiteral("K%1").arg(11 + i));
        b.setLine(r, FinansBelgesi::kTutar, 10.0 + i + n % 50);
    }
    return b.save().key.toInt();
}

QList<Timing> financeScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int customers = 5000 * ctx.size, movements = 500000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHFINANS2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate CARI, KASA, FINHRK"), 1, timeIt([&] { generate(db, customers, movements); }),
                  customers + movements};
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("BENCH");
    for (const QString& c : kimkulRightColumns())
        s.setHak(c, QStringLiteral("H"));
    const QString engine = ctx.driver == QLatin1String("PGSQL") ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");

    const int saves = 200;
    QList<int> numbers;
    out << Timing{QStringLiteral("save 10-line finance document with its FINHRK rows (%1)").arg(engine), saves,
                  timeIt([&] {
                      for (int i = 0; i < saves; ++i)
                          numbers << saveCollection(db, i, customers);
                  }),
                  saves * (1 + 10 + 12)};
    out << Timing{QStringLiteral("correct a 10-line finance document (%1)").arg(engine), 50, timeIt([&] {
                      for (int i = 0; i < 50; ++i) {
                          FinansBelgesi b(db, {}, {});
                          b.open(numbers.at(i));
                          b.setLine(0, FinansBelgesi::kTutar, 99.0 + i);
                          b.save();
                      }
                  }),
                  50 * (1 + 10 + 12)};

    Db::close(kOrbita);
    Db::dropDatabase(p);
    s.reset();
    return out;
}

} // namespace

void registerFinanceScenarios()
{
    registerScenario({QStringLiteral("finans"),
                      QStringLiteral("finance transactions: a 10-line account collection into ten cash desks saved and "
                                     "corrected through the finance document, over 500 000 FINHRK rows"),
                      financeScenario});
}

} // namespace nimbo::bench
