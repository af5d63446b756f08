#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/SchemaDef.h"
#include "db/SchemaManager.h"
#include "finance/BankaBakiye.h"
#include "finance/CekSenetListe.h"
#include "model/ListPager.h"
#include "services/SessionContext.h"

#include <QSqlRecord>

namespace nimbo::bench {

namespace {

const int kBankalar = 10;
const int kHesaplar = 5; // per bank

QString dayShift(const Db& db, const QString& table, const QString& column, const QString& expr)
{
    return db.dialect().isPostgres()
               ? QStringLiteral("UPDATE %1 SET %2 = %2 + ((%3) * INTERVAL '1 day')").arg(table, column, expr)
               : QStringLiteral("UPDATE %1 SET %2 = strftime('%Y-%m-%dT%H:%M:%S.000', %2, '+' || (%3) || ' days')")
                     .arg(table, column, expr);
}

// Ten banks of five accounts; 1 000 000 finance rows of which three in ten are bank rows
// (a seventh of those carry a cheque), the rest account rows; 100 000 portfolio cards in
// every status, kind and owner with due dates over a year.
void generate(const Db& db, int movements, int cards)
{
    const Params t{{QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}};
    DbTransaction tx(db);
    // PostgreSQL keeps every version of a balance row a transaction updates, so a million
    // rows through the balance trigger take the better part of an hour: the generated rows
    // go in without the balance triggers and the balances are summed once afterwards.
    if (db.dialect().isPostgres())
        db.exec(QStringLiteral("ALTER TABLE FINHRK DISABLE TRIGGER USER"));
    db.exec(numbers(db, kBankalar) + QStringLiteral("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI, BANKA_SUBE) SELECT "
                                                    "'BANKA' || CAST(I AS VARCHAR(5)), 'Banka ' || CAST(I AS VARCHAR(5)), "
                                                    "'Şube ' || CAST(I % 3 AS VARCHAR(5)) FROM G"));
    db.exec(numbers(db, kBankalar * kHesaplar) +
            QStringLiteral("INSERT INTO BANKAYR (BANKA_KOD, HESAP_NO, DOVIZ_KODU, HESAR_TURU) SELECT "
                           "'BANKA' || CAST(1 + (I - 1) / %1 AS VARCHAR(5)), 'H' || CAST((I - 1) % %1 AS VARCHAR(5)), "
                           "CASE WHEN I % %1 = 2 THEN 'USD' ELSE 'TL' END, '1' FROM G")
                .arg(kHesaplar));
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO FINHRK (BELGE_TIP, FIN_ID, SIRA_NO, ISLEM_TIP, ISLEM_TIP2, KODU, KODU2, CEK_NO, BORC, ALACAK, "
        "BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, DVZ_KUR, TARIH, AY, YIL, HRK_NO) "
        "SELECT 'B', I, 1, CASE WHEN I % 10 < 3 THEN (CASE WHEN I % 21 = 0 THEN 'E' ELSE 'B' END) ELSE 'C' END, 'G', "
        "CASE WHEN I % 10 < 3 THEN 'BANKA' || CAST(1 + (I / 10) % %1 AS VARCHAR(5)) "
        "ELSE '120.' || CAST(1000000 + I % 100000 AS VARCHAR(10)) END, "
        "CASE WHEN I % 10 < 3 THEN 'H' || CAST((I / 100) % %2 AS VARCHAR(5)) END, "
        "CASE WHEN I % 10 < 3 AND I % 7 = 0 THEN 1 + I % %3 END, "
        "CASE WHEN I % 2 = 0 THEN 1 + I % 1000 ELSE 0 END, CASE WHEN I % 2 = 1 THEN 1 + I % 997 ELSE 0 END, "
        "CASE WHEN I % 2 = 0 THEN 1 + I % 1000 ELSE 0 END, CASE WHEN I % 2 = 1 THEN 1 + I % 997 ELSE 0 END, "
        "CASE WHEN (I / 100) % %2 = 1 THEN 'USD' ELSE 'TL' END, 1, :T, 1, 2026, I FROM G")
                                         .arg(kBankalar)
                                         .arg(kHesaplar)
                                         .arg(cards),
            t);
    db.exec(numbers(db, cards) + QStringLiteral(
        "INSERT INTO CSKART (PORTFOYNO, CS_TIP, SAHIP, SON_DURUMU, CARIKOD, SERI_NO, TUTAR, TUTAR_DOVIZ, DOVIZ_KOD, "
        "TARIH, VADETARIH, B_TUR) SELECT I, CASE WHEN I % 3 = 0 THEN 'E' ELSE 'Ç' END, "
        "CASE WHEN I % 5 = 0 THEN 'F' ELSE 'M' END, SUBSTR('PCBVK9TIR', 1 + I % 9, 1), "
        "'120.' || CAST(1000000 + I % 100000 AS VARCHAR(10)), 'S' || CAST(I AS VARCHAR(10)), 100 + I % 5000, "
        "100 + I % 5000, 'TL', :T, :T, CASE WHEN I % 50 = 0 THEN 'D' ELSE '0' END FROM G"),
            t);
    db.exec(dayShift(db, QStringLiteral("CSKART"), QStringLiteral("VADETARIH"), QStringLiteral("(CAST(PORTFOYNO AS INTEGER) * 37) % 365")));
    db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('TL', 'TL')"));
    if (db.dialect().isPostgres()) {
        db.exec(QStringLiteral("ALTER TABLE FINHRK ENABLE TRIGGER USER"));
        rebuildFinBakiye(db);
    }
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> bankScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int movements = 1000000 * ctx.size;
    const int cards = 100000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHBANKA2026"));
    if (Db::databaseExists(p))
        Db::dropDatabase(p);
    Db::createDatabase(p);
    Db db = Db::open(kOrbita, p);
    SchemaManager::createYear(db);
    out << Timing{QStringLiteral("generate banks + FINHRK + CSKART"), 1,
                  timeIt([&] { generate(db, movements, cards); }), movements + cards};

    const BankaBakiye b(db);
    auto banka = [](int i) { return QStringLiteral("BANKA%1").arg(1 + i % kBankalar); };
    auto hesap = [](int i) { return QStringLiteral("H%1").arg((i / kBankalar) % kHesaplar); };
    const int n = 500;
    qint64 rows = 0;
    out << Timing{QStringLiteral("balance of one bank account"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          rows += b.hesap(banka(i), hesap(i)).size();
                  }),
                  rows};
    out << Timing{QStringLiteral("balance of one bank (all its accounts)"), 100, timeIt([&] {
                      for (int i = 0; i < 100; ++i)
                          b.banka(banka(i));
                  })};
    qint64 groups = 0;
    out << Timing{QStringLiteral("balances of one bank per account"), 100, timeIt([&] {
                      for (int i = 0; i < 100; ++i)
                          b.hesaplari(banka(i));
                  })};
    out << Timing{QStringLiteral("balances of all bank accounts"), 5, timeIt([&] {
                      for (int i = 0; i < 5; ++i)
                          groups = b.hepsi(BankaBakiye::Grup::Hesap).size();
                  }),
                  groups};
    out << Timing{QStringLiteral("total of all banks per currency"), 5, timeIt([&] {
                      for (int i = 0; i < 5; ++i)
                          b.hepsi(BankaBakiye::Grup::Tumu);
                  })};

    // The portfolio list by due date: the first page, a page deep in the list, and one status.
    const CekSenetListe liste(db);
    const ListQuery hepsi = liste.sorgu({});
    CekSenetFiltre portfoyde;
    portfoyde.durum = QStringLiteral("P");
    portfoyde.sahip = QStringLiteral("M");
    const ListQuery durum = liste.sorgu(portfoyde);
    const int pages = 200;
    out << Timing{QStringLiteral("portfolio by due date: first page"), pages, timeIt([&] {
                      for (int i = 0; i < pages; ++i) {
                          const ListQuery q = hepsi.page(db.dialect(), ListPager::kPageSize, nullptr);
                          db.records(q.sql, q.params);
                      }
                  })};
    out << Timing{QStringLiteral("portfolio by due date: page after mid-year"), pages, timeIt([&] {
                      for (int i = 0; i < pages; ++i) {
                          const ListBoundary after{QDateTime(QDate(2026, 7, 1).addDays(i % 30), QTime(0, 0)), 50000 + i};
                          const ListQuery q = hepsi.page(db.dialect(), ListPager::kPageSize, &after);
                          db.records(q.sql, q.params);
                      }
                  })};
    out << Timing{QStringLiteral("customer papers in the portfolio by due date: first page"), pages, timeIt([&] {
                      for (int i = 0; i < pages; ++i) {
                          const ListQuery q = durum.page(db.dialect(), ListPager::kPageSize, nullptr);
                          db.records(q.sql, q.params);
                      }
                  })};

    explain(db, QStringLiteral("balance of one bank account"), BankaBakiye::hesapSorgusu(banka(1), hesap(1)));
    explain(db, QStringLiteral("balance of one bank"), BankaBakiye::bankaSorgusu(banka(1)));
    QStringList bankalar;
    for (int i = 0; i < kBankalar; ++i)
        bankalar << banka(i);
    bankalar.sort();
    explain(db, QStringLiteral("balances of all bank accounts"), BankaBakiye::hepsiSorgusu(bankalar));
    explain(db, QStringLiteral("portfolio by due date"), hepsi);
    explain(db, QStringLiteral("customer papers in the portfolio by due date"), durum);

    Db::close(kOrbita);
    Db::dropDatabase(p);
    return out;
}

} // namespace

void registerBankScenarios()
{
    registerScenario({QStringLiteral("banks"),
                      QStringLiteral("bank balances (one account, one bank, all accounts) over 1 000 000 FINHRK rows; "
                                     "the cheque/note portfolio by due date over 100 000 cards"),
                      bankScenario});
}

} // namespace nimbo::bench
