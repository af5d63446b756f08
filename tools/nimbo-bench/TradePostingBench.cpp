#include "BenchRunner.h"
#include "BenchSql.h"
#include "PostingPhases.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/MuhasebeKodGrubu.h"

namespace nimbo::bench {

namespace {

const int kSatir = 20;

// A chart, items whose codes come from one group card, customers with their ledger code, and
// n sales invoices on credit of 20 lines each (SATIS, SATISAYR) spread over the year, none
// posted. Line k holds 10 + k - 1 before 18 % VAT, so every invoice totals 390 + 70.2.
void generate(const Db& db, int n, int items, int customers)
{
    openAccounts(db, {{"120.01", "ALICILAR"},
                      {"120", "ALICILAR"},
                      {"153.01", "TİCARİ MALLAR"},
                      {"153", "TİCARİ MALLAR"},
                      {"391.01", "HESAPLANAN KDV"},
                      {"391", "HESAPLANAN KDV"},
                      {"600.01", "YURTİÇİ SATIŞLAR"},
                      {"600", "YURTİÇİ SATIŞLAR"}});
    const QString tarih = dateOfYearSql(db);
    DbTransaction tx(db);
    db.exec(numbers(db, items) + QStringLiteral("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, KDV) SELECT I, "
                                                "'S' || CAST(1000000 + I AS VARCHAR(10)), 'Ürün', 18 FROM G"));
    db.exec(numbers(db, customers) + QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, MUH_KOD, MUH_KOD2) SELECT "
                                                    "'C' || CAST(I AS VARCHAR(6)), 'Müşteri', '120.01', '120.01' FROM G"));
    db.exec(numbers(db, n) + QStringLiteral("INSERT INTO SATIS (SATIS_NO, CARIKOD, TIP, FAT_NO, FATARIH, ODE_TIP, "
                                            "NETTUT) SELECT I, 'C' || CAST(1 + I % %1 AS VARCHAR(6)), 'F', "
                                            "'B' || CAST(I AS VARCHAR(9)), %2, 'V', 460.2 FROM G")
                                 .arg(customers)
                                 .arg(tarih));
    db.exec(numbers(db, n * kSatir)
            + QStringLiteral("INSERT INTO SATISAYR (SATIS_NO, SIRANO, STOK_NO, STOK_KOD_NO, MIKTAR, GER_TUT, ISK_TUT, "
                             "KDV) SELECT 1 + (I - 1) / %1, 1 + (I - 1) % %1, 1 + I % %2, "
                             "'S' || CAST(1000000 + 1 + I % %2 AS VARCHAR(10)), 1, 10 + (I - 1) % %1, 0, 18 FROM G")
                  .arg(kSatir)
                  .arg(items));
    tx.commit();
    MuhasebeKodGrubu kart(db, MuhasebeKodGrubu::Tur::Stok);
    kart.setValue(QStringLiteral("ADI"), QStringLiteral("GENEL"));
    kart.setValue(QStringLiteral("MUH_S"), QStringLiteral("600.01"));
    kart.setValue(QStringLiteral("MUH_A"), QStringLiteral("153.01"));
    kart.setValue(QStringLiteral("MUH_KDV_S"), QStringLiteral("391.01"));
    kart.save();
    kart.kodlariYaz();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> tradePostingScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int belgeler = 2000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHSATMUH2026"));
    const Db db = openPostingYear(p);
    out << Timing{QStringLiteral("generate %1 sales invoices of 20 lines").arg(belgeler), 1,
                  timeIt([&] { generate(db, belgeler, 5000 * ctx.size, 500 * ctx.size); }), belgeler * (kSatir + 1)};
    // 41 voucher lines an invoice: the customer's debit, each line's sale and VAT.
    out << timePostingPhases(db, {QLatin1Char('S'), QStringLiteral("20-line sales invoice"),
                                  QStringLiteral("the unposted invoices of the year"),
                                  QStringLiteral("20-line sales invoices"), 1 + 2 * kSatir});
    const int fis = db.scalar(QStringLiteral("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'S'")).toInt();
    if (fis != belgeler)
        throw UserError(QStringLiteral("%1 invoices, %2 vouchers").arg(belgeler).arg(fis));
    explain(db, QStringLiteral("bulk posting: unposted invoices of a period"),
            {BelgeTurleri::bul(QLatin1Char('S'))->bekleyenSql,
             {{QStringLiteral("bas"), QDateTime(QDate(2026, 3, 1), QTime(0, 0))},
              {QStringLiteral("son"), QDateTime(QDate(2026, 4, 1), QTime(0, 0))}}});
    dropYear(db, p);
    return out;
}

} // namespace

void registerTradePostingScenarios()
{
    registerScenario({QStringLiteral("satis-muhasebe"),
                      QStringLiteral("ledger posting of 2 000 sales invoices of 20 lines: one at a time, re-posting, bulk"),
                      tradePostingScenario});
}

} // namespace nimbo::bench
