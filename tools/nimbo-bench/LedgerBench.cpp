#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "ledger/ElleFis.h"
#include "ledger/HesapEkstresi.h"
#include "ledger/Mizan.h"
#include "services/SessionContext.h"

#include <QSqlQuery>
#include <cstdio>
#include <ctime>

namespace nimbo::bench {

namespace {

const int kHesap = 200; // posting accounts: 50 main accounts with 4 sub-accounts each

// Code of posting account i as SQL over the expression i (0..kHesap-1): "100.01" ... "590.04".
QString kodSql(const QString& i)
{
    return QStringLiteral("CAST(100 + ((%1) / 4) * 10 AS VARCHAR(3)) || '.0' || CAST(1 + (%1) % 4 AS VARCHAR(1))").arg(i);
}

// The line's date from a day number d (0..335): twelve months of 28 days.
QString tarihSql(const Db& db, const QString& d)
{
    return db.dialect().isPostgres()
               ? QStringLiteral("CAST(make_date(2026, 1 + (%1) / 28, 1 + (%1) % 28) AS TIMESTAMP)").arg(d)
               : QStringLiteral("printf('2026-%02d-%02dT00:00:00.000', 1 + (%1) / 28, 1 + (%1) % 28)").arg(d);
}

void generate(const Db& db, int lines)
{
    DbTransaction tx(db);
    db.exec(numbers(db, 50) + QStringLiteral("INSERT INTO HSPLAN (HKOD, HESAP_ADI, KEBIR, SEVIYE, SON_SEVIYE) "
                                             "SELECT CAST(90 + I * 10 AS VARCHAR(3)), 'ANA HESAP ' || CAST(I AS VARCHAR(3)), "
                                             "90 + I * 10, 0, 0 FROM G"));
    db.exec(numbers(db, kHesap) + QStringLiteral("INSERT INTO HSPLAN (HKOD, HESAP_ADI, KEBIR, SEVIYE, SON_SEVIYE) "
                                                 "SELECT %1, 'ALT HESAP ' || CAST(I AS VARCHAR(4)), 100 + ((I - 1) / 4) * 10, "
                                                 "1, 1 FROM G")
                                      .arg(kodSql(QStringLiteral("I - 1"))));
    // 40 lines a voucher, in debit/credit pairs of the same amount on two accounts.
    const int fisler = lines / 40;
    db.exec(numbers(db, fisler) + QStringLiteral("INSERT INTO FIS (FISNO, TARIH, AY, TUR, BORC, ALACAK, YEVMIYE_NO, "
                                                 "FISNUMARA) SELECT I, %1, 1 + (I % 336) / 28, 'M', 0, 0, I, "
                                                 "'MH' || CAST(I AS VARCHAR(8)) FROM G")
                                      .arg(tarihSql(db, QStringLiteral("I % 336"))));
    const QString pair = QStringLiteral("((I - 1) / 2)");
    const QString fis = QStringLiteral("(1 + (I - 1) / 40)");
    db.exec(numbers(db, lines)
            + QStringLiteral("INSERT INTO FISAYR (FISNO, FA_ID, SIRANO, HSPKODU, ACIKLAMA, BORC, ALACAK, DOVIZ_KOD, TARIH, "
                             "AY, TUR, YEVMIYE_NO, FISNUMARA, KEBIR) SELECT %1, I, 1 + (I - 1) % 40, %2, 'Satır', "
                             "CASE WHEN I % 2 = 1 THEN 10 + %3 % 1000 ELSE 0 END, "
                             "CASE WHEN I % 2 = 0 THEN 10 + %3 % 1000 ELSE 0 END, 'TL', %4, 1 + (%1 % 336) / 28, 'M', %1, "
                             "'MH' || CAST(%1 AS VARCHAR(8)), 100 FROM G")
                  .arg(fis, kodSql(QStringLiteral("(%1 * 7 + (I % 2) * 3) % %2").arg(pair).arg(kHesap)), pair,
                       tarihSql(db, QStringLiteral("%1 % 336").arg(fis))));
    db.exec(QStringLiteral("UPDATE NEWFIS SET YENINO = :n, YEVMIYE_NO = :n"), {{QStringLiteral("n"), fisler + 1}});
    if (db.dialect().isPostgres())
        db.exec(QStringLiteral("SELECT setval('SEQ_FISAYR', :n)"), {{QStringLiteral("n"), lines + 1}});
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> ledgerScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int lines = 1000000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHMUH2026"));
    if (Db::databaseExists(p))
        Db::dropDatabase(p);
    Db::createDatabase(p);
    Db db = Db::open(kOrbita, p);
    SchemaManager::createYear(db);
    SessionContext::current().CalismaYiliNo = 2026;
    out << Timing{QStringLiteral("generate HSPLAN + FIS + FISAYR"), 1, timeIt([&] { generate(db, lines); }), lines};

    // Storing a 40-line voucher through the save routine: numbers, checks, header and lines.
    const int vouchers = 100;
    out << Timing{QStringLiteral("store a 40-line voucher"), vouchers, timeIt([&] {
                      for (int v = 0; v < vouchers; ++v) {
                          ElleFis f(db);
                          f.setHeader(QStringLiteral("TARIH"), QDate(2026, 6, 1 + v % 28));
                          for (int i = 0; i < 40; ++i) {
                              const int h = (v * 13 + i * 7) % kHesap;
                              const double tutar = 100 + i / 2;
                              f.satirEkle(QStringLiteral("%1.0%2").arg(100 + (h / 4) * 10).arg(1 + h % 4),
                                          i % 2 ? 0 : tutar, i % 2 ? tutar : 0, QStringLiteral("bench"));
                          }
                          if (!f.sakla())
                              throw UserError(QStringLiteral("voucher refused"));
                      }
                  }),
                  vouchers * 40};

    Mizan mizan(db);
    const int reps = 3;
    for (auto [duzey, ad] : {std::pair{HesapKodu::Duzey::Kebir, "Kebir"}, std::pair{HesapKodu::Duzey::Tumu, "Tümü"}}) {
        int rows = 0;
        out << Timing{QStringLiteral("trial balance, year, %1").arg(QString::fromUtf8(ad)), reps, timeIt([&] {
                          for (int i = 0; i < reps; ++i)
                              rows = int(mizan.hesapla(duzey, QDate(2026, 3, 1), QDate(2026, 12, 31)).size());
                      }),
                      qint64(rows) * reps};
        if (qAbs(mizan.toplam().kapanisBorc() - mizan.toplam().kapanisAlacak()) > 0.001)
            std::fprintf(stderr, "trial balance does not balance!\n");
    }
    // The machine may be shared: the CPU time of this process tells SQLite's own work apart
    // from waiting for a core.
    {
        const std::clock_t c0 = std::clock();
        for (int i = 0; i < reps; ++i)
            mizan.hesapla(HesapKodu::Duzey::Kebir, QDate(2026, 3, 1), QDate(2026, 12, 31));
        const double cpu = double(std::clock() - c0) / CLOCKS_PER_SEC;
        out << Timing{QStringLiteral("trial balance, year, Kebir (CPU time of this process)"), reps, cpu, reps};
    }
    const Params aralik{{QStringLiteral("bas"), QDateTime(QDate(2026, 3, 1), QTime(0, 0))},
                        {QStringLiteral("son"), QDateTime(QDate(2027, 1, 1), QTime(0, 0))}};
    explain(db, QStringLiteral("trial balance, opening"),
            QStringLiteral("SELECT HSPKODU, SUM(BORC), SUM(ALACAK) FROM FISAYR WHERE TARIH < :bas GROUP BY HSPKODU"),
             {{QStringLiteral("bas"), aralik.value(QStringLiteral("bas"))}});
    explain(db, QStringLiteral("trial balance, period"),
            QStringLiteral("SELECT HSPKODU, SUM(BORC), SUM(ALACAK) FROM FISAYR WHERE TARIH >= :bas AND TARIH < :son "
                            "GROUP BY HSPKODU"),
             aralik);
    explain(db, QStringLiteral("extract lines"),
            QStringLiteral("SELECT TARIH, FISNO, FISNUMARA, YEVMIYE_NO, HSPKODU, ACIKLAMA, BORC, ALACAK FROM FISAYR "
                            "WHERE HSPKODU IN (:c0) AND TARIH >= :bas AND TARIH < :son ORDER BY TARIH, FISNO, FA_ID"),
             {{QStringLiteral("c0"), QStringLiteral("100.01")}, {QStringLiteral("bas"), aralik.value(QStringLiteral("bas"))},
              {QStringLiteral("son"), QDateTime(QDate(2026, 4, 1), QTime(0, 0))}});

    // One posting account's extract: a month of lines after the balance brought forward.
    const int extracts = 200;
    qint64 rows = 0;
    out << Timing{QStringLiteral("account extract, one month"), extracts, timeIt([&] {
                      for (int i = 0; i < extracts; ++i) {
                          const int h = (i * 37) % kHesap;
                          HesapEkstresi e(db, QStringLiteral("%1.0%2").arg(100 + (h / 4) * 10).arg(1 + h % 4));
                          const int ay = 1 + i % 12;
                          rows += e.oku(QDate(2026, ay, 1), QDate(2026, ay, 1).addMonths(1).addDays(-1)).size();
                      }
                  }),
                  rows};
    return out;
}

} // namespace

void registerLedgerScenarios()
{
    registerScenario({QStringLiteral("ledger"),
                      QStringLiteral("1 000 000 voucher lines: 40-line voucher store, trial balance, account extract"),
                      ledgerScenario});
}

} // namespace nimbo::bench
