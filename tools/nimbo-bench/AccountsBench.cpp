#include "BenchRunner.h"
#include "BenchSql.h"
#include "accounts/CariBakiye.h"
#include "accounts/CariListe.h"
#include "model/ListPager.h"
#include "db/DbTransaction.h"
#include "db/SchemaManager.h"
#include "services/SessionContext.h"

#include <QSqlQuery>
#include <cstdio>

namespace nimbo::bench {

namespace {

// Account code of number i: fixed width, so that codes sort as numbers.
QString codeOf(const QString& i) { return QStringLiteral("('120.' || CAST(1000000 + %1 AS VARCHAR(10)))").arg(i); }

void generate(const Db& db, int accounts, int movements)
{
    DbTransaction tx(db);
    db.exec(numbers(db, accounts) + QStringLiteral(
        "INSERT INTO CARI (CARI_KOD, FIRMA_ADI, YETKILI_ADI, TCKIMLIKNO, ILI, ILCE, SEMT, CARI_GRP_KOD, ALT_GRUP, "
        "ANA_GRUP, MAKSVADEGUN, PASIF, DOVIZ_KODU, TEL1) SELECT %1, 'Firma ' || CAST(I AS VARCHAR(10)), "
        "CASE I % 4 WHEN 0 THEN 'Ahmet' WHEN 1 THEN 'Ayşe' WHEN 2 THEN 'Mehmet' ELSE 'Zeynep' END, "
        "CAST(10000000000 + I * 7 AS VARCHAR(11)), "
        "CASE I % 8 WHEN 0 THEN 'İSTANBUL' WHEN 1 THEN 'ANKARA' WHEN 2 THEN 'İZMİR' WHEN 3 THEN 'BURSA' "
        "WHEN 4 THEN 'ANTALYA' WHEN 5 THEN 'KONYA' WHEN 6 THEN 'KOCAELİ' ELSE 'ADANA' END, "
        "'ILCE' || CAST(I % 40 AS VARCHAR(3)), 'Semt' || CAST(I % 200 AS VARCHAR(4)), "
        "'G' || CAST(I % 7 AS VARCHAR(2)), 'A' || CAST(I % 21 AS VARCHAR(3)), 1 + I % 3, 15 * (I % 5), "
        "CASE WHEN I % 20 = 0 THEN 'P' ELSE 'A' END, 'TL', '0216 555 00 00' FROM G").arg(codeOf(QStringLiteral("I"))));
    // About ten movements per account, spread so that balances fall on both sides.
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO FINHRK (BELGE_TIP, FIN_ID, SIRA_NO, ISLEM_TIP, ISLEM_TIP2, KODU, BORC, ALACAK, BORC_DVZ, "
        "ALACAK_DVZ, DOVIZ_KODU, DVZ_KUR, TARIH, AY, YIL, HRK_NO) SELECT 'F', I, 1, 'C', 'N', %1, "
        "CASE WHEN I % 2 = 0 THEN 1 + I % 1000 ELSE 0 END, CASE WHEN I % 2 = 1 THEN 1 + I % 997 ELSE 0 END, "
        "CASE WHEN I % 2 = 0 THEN 1 + I % 1000 ELSE 0 END, CASE WHEN I % 2 = 1 THEN 1 + I % 997 ELSE 0 END, "
        "CASE WHEN I % 10 = 0 THEN 'USD' ELSE 'TL' END, 1, :T, 1, 2026, I FROM G")
                .arg(codeOf(QStringLiteral("(1 + (CAST(I AS BIGINT) * 7919) % %1)").arg(accounts))),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 1, 15), QTime(0, 0))}});
    // A few thousand instalment sales: every 25th account, four instalments each.
    db.exec(numbers(db, accounts / 25 * 4) + QStringLiteral(
        "INSERT INTO TAKSITS (SATIS_NO, SIRANO, SAT_TIP, CARI_KOD, ODE_TRH, ODEME_TUT, TAKSIT_ODENDI) "
        "SELECT 1 + (I - 1) / 4, 1 + (I - 1) % 4, 'S', %1, :T, 100, CASE WHEN I % 3 = 0 THEN 'E' ELSE 'H' END FROM G")
                .arg(codeOf(QStringLiteral("(25 * (1 + (I - 1) / 4))"))),
            {{QStringLiteral("T"), QDateTime(QDate::currentDate().addDays(-30), QTime(0, 0))}});
    tx.commit();
    // Statistics, and on PostgreSQL the visibility map that lets the covering index answer
    // without visiting the table (autovacuum does the same for a live database).
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}


// What the list window does when it opens or filters: run the query, read its first page
// (each page read completely) and show the first row's totals.
qint64 openPage(const Db& db, const ListQuery& q)
{
    ListPager pager;
    pager.run(db, q);
    if (!pager.rows().isEmpty()) {
        const QString first = pager.rows().first().value(0).toString();
        const CariBakiye b(db);
        b.toplam(first);
        b.dovizToplamlari(first);
    }
    return pager.rows().size();
}

qint64 countAll(const Db& db, const ListQuery& q)
{
    ListPager pager;
    pager.run(db, q);
    return pager.all().size();
}

QList<Timing> accountsScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int accounts = 100000 * ctx.size;
    const int movements = 1000000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHCARI2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate accounts + FINHRK"), 1,
                  timeIt([&] { generate(db, accounts, movements); }), accounts + movements};

    const CariListe list(db);
    struct Case {
        QString name;
        CariFiltre f;
    };
    QList<Case> cases;
    cases << Case{QStringLiteral("open list (no filter)"), {}};
    CariFiltre f;
    f.durum = CariFiltre::Durum::Aktif;
    f.il = QStringLiteral("İZMİR");
    cases << Case{QStringLiteral("filter Aktif + İl"), f};
    f = {};
    f.grup = QStringLiteral("G3");
    f.altGrup = QStringLiteral("A3");
    cases << Case{QStringLiteral("filter Grubu + Alt Grubu"), f};
    f = {};
    f.semt = QStringLiteral("Semt1%");
    cases << Case{QStringLiteral("filter Semt LIKE"), f};
    f = {};
    f.bakiye = CariFiltre::Bakiye::Borclu;
    cases << Case{QStringLiteral("filter Borçlu"), f};
    f.bakiye = CariFiltre::Bakiye::Alacakli;
    cases << Case{QStringLiteral("filter Alacaklı"), f};
    f.bakiye = CariFiltre::Bakiye::Bakiyesiz;
    cases << Case{QStringLiteral("filter Bakiyesiz"), f};
    f = {};
    f.bakiye = CariFiltre::Bakiye::Borclu;
    f.il = QStringLiteral("ANKARA");
    cases << Case{QStringLiteral("filter Borçlu + İl"), f};
    f = {};
    f.taksit = CariFiltre::Taksit::TaksitiOdemeyen;
    cases << Case{QStringLiteral("filter Taksiti Ödemeyen"), f};
    const QList<QPair<QString, QString>> searches = {{QStringLiteral("CARI_KOD"), QStringLiteral("120.105")},
                                                     {QStringLiteral("FIRMA_ADI"), QStringLiteral("Firma 9876")},
                                                     {QStringLiteral("YETKILI_ADI"), QStringLiteral("Zey")},
                                                     {QStringLiteral("TCKIMLIKNO"), QStringLiteral("1000000700")}};
    for (const auto& s : searches) {
        f = {};
        f.aramaAlani = s.first;
        f.aramaDegeri = s.second;
        cases << Case{QStringLiteral("quick search ") + s.first, f};
    }

    const int reps = 5;
    for (const Case& c : cases) {
        const ListQuery q = list.sorgu(c.f);
        qint64 rows = 0;
        const double t = timeIt([&] {
            for (int i = 0; i < reps; ++i)
                rows += openPage(db, q);
        });
        out << Timing{c.name + QStringLiteral(" (first page)"), reps, t, rows};
        if (c.f.bakiye != CariFiltre::Bakiye::Tumu || !c.f.aramaDegeri.isEmpty() || c.name.startsWith("open")) {
            qint64 all = 0;
            const double ta = timeIt([&] { all = countAll(db, q); });
            out << Timing{c.name + QStringLiteral(" (all %1 rows)").arg(all), 1, ta, all};
        }
    }
    {
        // Scrolling: the next pages of the unfiltered list, one keyed read each.
        ListPager pager;
        pager.run(db, list.sorgu({}));
        const int pages = 50;
        qint64 rows = 0;
        const double t = timeIt([&] {
            for (int i = 0; i < pages; ++i) {
                const auto page = pager.nextPage();
                rows += page.size();
                pager.append(page);
            }
        });
        out << Timing{QStringLiteral("scroll the list (next page)"), pages, t, rows};
        // A card saved somewhere in the list: the list seeks its row instead of reading up to it.
        const int seeks = 200;
        qint64 found = 0;
        const double ts = timeIt([&] {
            for (int i = 0; i < seeks; ++i) {
                ListPager p;
                p.run(db, list.sorgu({}));
                found += p.seek(QStringLiteral("120.%1").arg(1000000 + 1 + (i * 7919) % accounts)).row >= 0;
            }
        });
        out << Timing{QStringLiteral("locate a saved row (first page + seek)"), seeks, ts, found};
        CariFiltre byName;
        ListQuery q = list.sorgu(byName);
        q.sortBy(QStringLiteral("FIRMA_ADI"), true);
        qint64 n = 0;
        const double tn = timeIt([&] {
            for (int i = 0; i < reps; ++i)
                n += openPage(db, q);
        });
        out << Timing{QStringLiteral("open list sorted by name desc (first page)"), reps, tn, n};
    }
    const CariBakiye b(db);
    const int n = 2000;
    out << Timing{QStringLiteral("row totals (TL + per currency)"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i) {
                          const QString kod = QStringLiteral("120.%1").arg(1000000 + 1 + (i * 37) % accounts);
                          b.toplam(kod);
                          b.dovizToplamlari(kod);
                      }
                  })};

    f = {};
    f.bakiye = CariFiltre::Bakiye::Borclu;
    explain(db, QStringLiteral("Borçlu"), list.sorgu(f));
    f = {};
    f.aramaAlani = QStringLiteral("FIRMA_ADI");
    f.aramaDegeri = QStringLiteral("Firma 9876");
    explain(db, QStringLiteral("quick search FIRMA_ADI"), list.sorgu(f));
    f = {};
    f.taksit = CariFiltre::Taksit::TaksitiOdemeyen;
    explain(db, QStringLiteral("Taksiti Ödemeyen"), list.sorgu(f));
    explain(db, QStringLiteral("row totals"),
            QStringLiteral("SELECT SUM(BORC) AS BORC, SUM(ALACAK) AS ALACAK FROM FINHRK WHERE KODU = :K"),
             {{QStringLiteral("K"), QStringLiteral("120.1000042")}});
    explain(db, QStringLiteral("delete check"),
            QStringLiteral("SELECT KODU FROM FINHRK WHERE CARIKOD=:CKod"),
             {{QStringLiteral("CKod"), QStringLiteral("120.1000042")}});

    Db::close(kOrbita);
    Db::dropDatabase(p);
    return out;
}

} // namespace

void registerAccountsScenarios()
{
    registerScenario({QStringLiteral("accounts"),
                      QStringLiteral("account list: filters, balance filters and quick search on 100 000 accounts "
                                     "with 1 000 000 FINHRK rows"),
                      accountsScenario});
}

} // namespace nimbo::bench
