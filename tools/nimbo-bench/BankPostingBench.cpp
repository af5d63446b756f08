#include "BenchRunner.h"
#include "BenchSql.h"
#include "PostingPhases.h"
#include "db/DbTransaction.h"

namespace nimbo::bench {

namespace {

// A chart with two bank accounts and a customer group, 50 customers with movement kind 1,
// and n incoming transfers (BANKHRK type "G") of two rows each from two customers, spread
// over the year, none posted.
void generate(const Db& db, int n)
{
    openAccounts(db, {{"102.01", "ZİRAAT TL"},
                      {"102.02", "İŞ BANKASI TL"},
                      {"102", "BANKALAR"},
                      {"120.01", "ALICILAR"},
                      {"120", "ALICILAR"}});
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI) VALUES ('ZIRAAT', 'Ziraat')"));
    for (const auto& [hesap, muh] : {std::pair{"H1", "102.01"}, std::pair{"H2", "102.02"}})
        db.exec(QStringLiteral("INSERT INTO BANKAYR (BANKA_KOD, HESAP_NO, HESAR_TURU, DOVIZ_KODU, MUH_CHES) VALUES "
                               "('ZIRAAT', :h, '1', 'TL', :m)"),
                {{QStringLiteral("h"), QString::fromLatin1(hesap)}, {QStringLiteral("m"), QString::fromLatin1(muh)}});
    db.exec(QStringLiteral("INSERT INTO CARIHRKTIP (TIP, AD, GRUP_KOD) VALUES (1, 'Havale', 'HV')"));
    db.exec(numbers(db, 50) + QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, MUH_KOD, MUH_KOD2) SELECT "
                                             "'C' || CAST(I AS VARCHAR(4)), 'Müşteri ' || CAST(I AS VARCHAR(4)), "
                                             "'120.01', '120.01' FROM G"));
    const QString tarih = dateOfYearSql(db);
    db.exec(numbers(db, n) + QStringLiteral("INSERT INTO BANKHRK (HRK_NO, TARIH, TIP, BORC) SELECT I, %1, 'G', 300 FROM G")
                                 .arg(tarih));
    for (int sira : {1, 2})
        db.exec(numbers(db, n) + QStringLiteral("INSERT INTO BANKHRKA (HRK_NO, SIRANO, BANKA_KOD, HESAP_NO, CARI_KOD, CTIP, "
                                                "BORC, BORC_DVZ, DOVIZ_KODU, TL_KURDEGER, ACIKLAMA, TARIH) SELECT I, %1, "
                                                "'ZIRAAT', 'H' || CAST(1 + I % 2 AS VARCHAR(2)), "
                                                "'C' || CAST(1 + (I + %1) % 50 AS VARCHAR(4)), 1, 100 * %1, 100 * %1, "
                                                "'TL', 1, 'Gelen havale', %2 FROM G")
                                     .arg(sira)
                                     .arg(tarih));
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> bankPostingScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int belgeler = 10000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHBNKMUH2026"));
    const Db db = openPostingYear(p);
    out << Timing{QStringLiteral("generate %1 bank movements").arg(belgeler), 1, timeIt([&] { generate(db, belgeler); }),
                  belgeler};
    out << timePostingPhases(db, {QLatin1Char('B'), QStringLiteral("bank movement (2 rows, 4-line voucher)"),
                                  QStringLiteral("the unposted bank movements of the year"),
                                  QStringLiteral("bank movements"), 4});
    dropYear(db, p);
    return out;
}

} // namespace

void registerBankPostingScenarios()
{
    registerScenario({QStringLiteral("bankmuh"),
                      QStringLiteral("ledger posting of 10 000 bank movements: one at a time, re-posting, bulk"),
                      bankPostingScenario});
}

} // namespace nimbo::bench
