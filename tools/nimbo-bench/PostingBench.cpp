#include "BenchRunner.h"
#include "BenchSql.h"
#include "PostingPhases.h"
#include "db/DbTransaction.h"

namespace nimbo::bench {

namespace {

// A chart with desks and a customer group, 50 accounts on it, and n cash collections of two
// rows each (CARIHRKM / CARIHRK) spread over the year, none posted.
void generate(const Db& db, int n)
{
    openAccounts(db, {{"100.01", "MERKEZ KASA"}, {"100", "KASA"}, {"120.01", "ALICILAR"}, {"120", "ALICILAR"}});
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD, MUH_KOD) VALUES ('MERKEZ', 'Merkez', 'TL', '100.01')"));
    db.exec(QStringLiteral("INSERT INTO CARIHRKTIP (TIP, AD, GRUP_KOD) VALUES (1, 'Tahsilat', 'TH')"));
    db.exec(numbers(db, 50) + QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, MUH_KOD, MUH_KOD2) SELECT "
                                             "'C' || CAST(I AS VARCHAR(4)), 'Müşteri ' || CAST(I AS VARCHAR(4)), "
                                             "'120.01', '120.01' FROM G"));
    const QString tarih = dateOfYearSql(db);
    db.exec(numbers(db, n) + QStringLiteral("INSERT INTO CARIHRKM (CARI_NO, TARIH, TIP, ALACAK) SELECT I, %1, 'N', 200 FROM G")
                                 .arg(tarih));
    for (int sira : {1, 2})
        db.exec(numbers(db, n) + QStringLiteral("INSERT INTO CARIHRK (CARI_NO, SIRANO, CARI_KOD, TIP, ALACAK, DOVIZ_KODU, "
                                                "KASAKOD, TARIH) SELECT I, %1, 'C' || CAST(1 + I % 50 AS VARCHAR(4)), 1, "
                                                "100, 'TL', 'MERKEZ', %2 FROM G")
                                     .arg(sira)
                                     .arg(tarih));
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> postingScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int belgeler = 10000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHPOST2026"));
    const Db db = openPostingYear(p);
    out << Timing{QStringLiteral("generate %1 account movements").arg(belgeler), 1, timeIt([&] { generate(db, belgeler); }),
                  belgeler};
    // The bulk list covers every kind, as the bulk posting window opens.
    out << timePostingPhases(db, {QLatin1Char('C'), QStringLiteral("account movement (3-line voucher)"),
                                  QStringLiteral("the unposted documents of the year"), QStringLiteral("documents"), 3,
                                  false});
    dropYear(db, p);
    return out;
}

} // namespace

void registerPostingScenarios()
{
    registerScenario({QStringLiteral("posting"),
                      QStringLiteral("ledger posting of 10 000 account movements: one at a time, re-posting, bulk"),
                      postingScenario});
}

} // namespace nimbo::bench
