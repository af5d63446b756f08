#include "BenchRunner.h"
#include "BenchSql.h"
#include "accounts/CariEkstre.h"
#include "accounts/CariHareketBelgesi.h"
#include "db/DbTransaction.h"
#include "db/SchemaManager.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

namespace nimbo::bench {

namespace {

QString codeOf(const QString& i) { return QStringLiteral("('120.' || CAST(1000000 + %1 AS VARCHAR(10)))").arg(i); }

// 1 000 000 finance rows over 100 000 accounts and a year of days, with the statement's
// columns filled; a tenth in dollars.
void generate(const Db& db, int accounts, int movements)
{
    DbTransaction tx(db);
    db.exec(numbers(db, accounts) + QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, DOVIZ_KODU) "
                                                   "SELECT %1, 'Firma ' || CAST(I AS VARCHAR(10)), 'TL' FROM G")
                                        .arg(codeOf(QStringLiteral("I"))));
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO FINHRK (BELGE_TIP, FIN_ID, SIRA_NO, ISLEM_TIP, ISLEM_TIP2, KODU, ADI, ACIKLAMA, BORC, ALACAK, "
        "BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, DVZ_KUR, TARIH, VADE_TRH, AY, YIL, HRK_NO, BELGE_NO) "
        "SELECT 'F', I, 1, 'C', CASE WHEN I % 2 = 0 THEN 'S' ELSE 'N' END, %1, 'Firma', 'Hareket', "
        "CASE WHEN I % 2 = 0 THEN 1 + I % 1000 ELSE 0 END, CASE WHEN I % 2 = 1 THEN 1 + I % 997 ELSE 0 END, "
        "CASE WHEN I % 2 = 0 THEN 1 + I % 1000 ELSE 0 END, CASE WHEN I % 2 = 1 THEN 1 + I % 997 ELSE 0 END, "
        "CASE WHEN I % 10 = 0 THEN 'USD' ELSE 'TL' END, 1, :T, :T, 1, 2026, I, 'B' || CAST(I AS VARCHAR(10)) FROM G")
                .arg(codeOf(QStringLiteral("(1 + (CAST(I AS BIGINT) * 7919) % %1)").arg(accounts))),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}});
    // Spread the dates over the year so that date order and running sums mean something.
    db.exec(db.dialect().isPostgres()
                ? QStringLiteral("UPDATE FINHRK SET TARIH = TARIH + ((FIN_ID % 360) * INTERVAL '1 day')")
                : QStringLiteral("UPDATE FINHRK SET TARIH = strftime('%Y-%m-%dT%H:%M:%S.000', TARIH, "
                                 "'+' || (FIN_ID % 360) || ' days')"));
    db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('TL', 'TL')"));
    db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('USD', 'USD')"));
    db.exec(QStringLiteral("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) "
                           "VALUES ('USD', :T, 30, 30)"),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}});
    db.exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) VALUES ('MERKEZ', 'Merkez', 'TL')"));
    db.exec(QStringLiteral("INSERT INTO CARIHRKTIP (TIP, AD) VALUES (1, 'Tahsilat')"));
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> statementScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int accounts = 100000 * ctx.size;
    const int movements = 1000000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHEKSTRE2026"));
    if (Db::databaseExists(p))
        Db::dropDatabase(p);
    Db::createDatabase(p);
    Db db = Db::open(kOrbita, p);
    SchemaManager::createYear(db);
    out << Timing{QStringLiteral("generate accounts + FINHRK"), 1, timeIt([&] { generate(db, accounts, movements); }),
                  accounts + movements};

    const CariEkstre e(db);
    auto kod = [&](int i) { return QStringLiteral("120.%1").arg(1000000 + 1 + (i * 37) % accounts); };
    const int n = 500;
    qint64 rows = 0;
    out << Timing{QStringLiteral("statement rows of one account"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          rows += e.satirlar(kod(i)).size();
                  }),
                  rows};
    out << Timing{QStringLiteral("statement totals of one account"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          e.toplam(kod(i));
                  })};
    out << Timing{QStringLiteral("running balance of one account"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          e.yuruyenBakiye(kod(i));
                  })};
    out << Timing{QStringLiteral("carried-over balance before 1 July"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          e.devir(kod(i), QDate(2026, 7, 1));
                  })};
    out << Timing{QStringLiteral("monthly summary of one account"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          e.aylik(kod(i), 2026);
                  })};
    qint64 codes = 0;
    out << Timing{QStringLiteral("all account balances"), 3, timeIt([&] {
                      for (int i = 0; i < 3; ++i)
                          codes = e.tumBakiyeler().size();
                  }),
                  codes};

    // Saving a five-line cash collection with its cash and finance rows, as the window does.
    SessionContext& s = SessionContext::current();
    s.param.YERELDOVIZ = QStringLiteral("TL");
    s.param.RDOVIZ1 = QStringLiteral("USD");
    s.param.RDOVIZ2 = QStringLiteral("EUR");
    s.KullaniciAdi = QStringLiteral("BENCH");
    const int saves = 200;
    out << Timing{QStringLiteral("save 5-line cash document (number, checks, write)"), saves, timeIt([&] {
                      for (int i = 0; i < saves; ++i) {
                          CariHareketBelgesi b(db, QStringLiteral("N"), QStringLiteral("B"));
                          b.setHeader(QStringLiteral("TARIH"), QDate(2026, 3, 1 + i % 28));
                          for (int l = 0; l < 5; ++l) {
                              const int r = b.addLine();
                              b.setLine(r, QStringLiteral("CARI_KOD"), kod(i * 5 + l));
                              b.setLine(r, QStringLiteral("TIP"), 1);
                              b.setLine(r, QStringLiteral("ALACAK_DVZ"), 100.0 + l);
                          }
                          b.save();
                      }
                  }),
                  saves * 5};

    const CariEkstre plan(db);
    explain(db, QStringLiteral("statement rows"), plan.sorgu(kod(1)));
    explain(db, QStringLiteral("statement totals"),
            QStringLiteral("SELECT SUM(BORC), SUM(ALACAK), SUM(BORC_DVZ), SUM(ALACAK_DVZ) FROM FINHRK "
                            "WHERE (KODU=:cKod) AND (KODU<>'PK')"),
             {{QStringLiteral("cKod"), kod(1)}});
    explain(db, QStringLiteral("all balances"),
            QStringLiteral("SELECT KODU, BORC, ALACAK FROM FINBAKIYE WHERE KODU<>'PK'"));

    closeCounterConnection(db);
    Db::close(kOrbita);
    Db::dropDatabase(p);
    return out;
}

} // namespace

void registerStatementScenarios()
{
    registerScenario({QStringLiteral("statement"),
                      QStringLiteral("account statement, running and carried-over balances, all balances on 1 000 000 "
                                     "FINHRK rows; saves per second of a 5-line cash document"),
                      statementScenario});
}

} // namespace nimbo::bench
