#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "finance/FinansHareketListesi.h"
#include "services/SessionContext.h"

namespace nimbo::bench {

namespace {

// A year of finance documents: every seventh of each kind in turn (cash, account, bank and
// cheque operations; a cheque written off is rare), over the year's days, each with two lines
// on a cash desk or bank account and an account.
void generate(const Db& db, int documents)
{
    const Params t{{QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}};
    DbTransaction tx(db);
    db.exec(numbers(db, documents) + QStringLiteral(
        "INSERT INTO FINMAST (FIN_ID, ISLEM_TRH, ISLEM_TIP, ISLEM_TIP2, KODU, KODU2, ADI, BORC, ALACAK, DOVIZ_KODU) "
        "SELECT I, :T, CASE WHEN I % 1000 = 0 THEN 'E' ELSE SUBSTR('CCKKBBE', 1 + I % 7, 1) END, "
        "CASE WHEN I % 1000 = 0 THEN '7' ELSE SUBSTR('NAGCGH0', 1 + I % 7, 1) END, "
        "'120.' || CAST(100000 + I % 5000 AS VARCHAR(10)), NULL, 'Müşteri', 0, 100 + I % 900, 'TL' FROM G"),
            t);
    db.exec(numbers(db, documents * 2) + QStringLiteral(
        "INSERT INTO FINDET (FIN_ID, SIRA_NO, TIP, TIP2, KODU, KODU2, ADI, BORC, ALACAK, TARIH) "
        "SELECT 1 + (I - 1) / 2, 1 + I % 2, 'K', 'G', CASE WHEN I % 2 = 0 THEN 'K' || CAST(10 + I % 10 AS "
        "VARCHAR(5)) ELSE 'B' || CAST(10 + I % 5 AS VARCHAR(5)) END, CASE WHEN I % 2 = 1 THEN 'H' || CAST(I % 25 AS "
        "VARCHAR(5)) END, 'Karşı', 100, 0, :T FROM G"),
            t);
    const QString gun = QStringLiteral("(FIN_ID * 37) % 365");
    db.exec(db.dialect().isPostgres()
                ? QStringLiteral("UPDATE FINMAST SET ISLEM_TRH = ISLEM_TRH + ((%1) * INTERVAL '1 day')").arg(gun)
                : QStringLiteral("UPDATE FINMAST SET ISLEM_TRH = strftime('%Y-%m-%dT%H:%M:%S.000', ISLEM_TRH, '+' || "
                                 "(%1) || ' days')")
                      .arg(gun));
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> financeListScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int documents = 500000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHFINLISTE2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate FINMAST, FINDET"), 1, timeIt([&] { generate(db, documents); }),
                  documents * 3};
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("BENCH");

    const QList<std::pair<QString, FinansHareketFiltre>> filtreler = [] {
        QList<std::pair<QString, FinansHareketFiltre>> l;
        FinansHareketFiltre f;
        l.append({QStringLiteral("unfiltered (newest day first)"), f});
        f.tip = QStringLiteral("C");
        f.tip2 = QStringLiteral("N");
        l.append({QStringLiteral("type C/N"), f});
        f.tip = QStringLiteral("E");
        f.tip2 = QStringLiteral("7");
        l.append({QStringLiteral("rare type E/7"), f});
        f = {};
        f.bas = QDate(2026, 5, 1);
        f.son = QDate(2026, 5, 31);
        l.append({QStringLiteral("one month"), f});
        f = {};
        f.kod = QStringLiteral("K15");
        l.append({QStringLiteral("line code (a desk)"), f});
        f = {};
        f.kod2 = QStringLiteral("H7");
        l.append({QStringLiteral("line second code (a bank account)"), f});
        f = {};
        f.tip = QStringLiteral("E");
        f.tip2 = QStringLiteral("7");
        f.bas = QDate(2026, 5, 1);
        f.son = QDate(2026, 5, 31);
        l.append({QStringLiteral("rare type in one month"), f});
        f = {};
        f.aramaAlani = QStringLiteral("ADI");
        f.aramaDegeri = QStringLiteral("MÜŞ");
        l.append({QStringLiteral("name search, every document ('MÜŞ')"), f});
        f.aramaDegeri = QStringLiteral("şeker");
        l.append({QStringLiteral("name search, no document ('şeker', header and lines scanned)"), f});
        return l;
    }();
    const int reps = 20;
    for (const auto& [ad, f] : filtreler) {
        const ListQuery q = FinansHareketListesi::sorgu(db.dialect(), f);
        explain(db, ad, q);
        out << firstPageTiming(db, QStringLiteral("finance list first page: ") + ad, q, reps);
    }

    Db::close(kOrbita);
    Db::dropDatabase(p);
    s.reset();
    return out;
}

} // namespace

void registerFinanceListScenarios()
{
    registerScenario({QStringLiteral("finans-liste"),
                      QStringLiteral("the finance list \"Finans Hareketleri\" with each filter over 500 000 documents "
                                     "and 1 000 000 lines: plan and first page"),
                      financeListScenario});
}

} // namespace nimbo::bench
