#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "services/SessionContext.h"
#include "trade/SatisListesi.h"

namespace nimbo::bench {

namespace {

// 5 000 customers named "Müşteri n", every thousandth "Ahmet Şükrü Gıda n" instead, and a
// year of sales spread over them and over the year's days.
void generate(const Db& db, int accounts, int documents)
{
    const Params t{{QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}};
    DbTransaction tx(db);
    db.exec(numbers(db, accounts) + QStringLiteral(
        "INSERT INTO CARI (CARI_KOD, FIRMA_ADI, PASIF) SELECT '120.' || CAST(100000 + I AS VARCHAR(10)), "
        "CASE WHEN I % 1000 = 7 THEN 'Ahmet Şükrü Gıda ' ELSE 'Müşteri ' END || CAST(I AS VARCHAR(10)), 'A' FROM G"));
    db.exec(numbers(db, documents) + QStringLiteral(
        "INSERT INTO SATIS (SATIS_NO, TIP, FAT_NO, FATARIH, CARIKOD, ODE_TIP, DOVIZ_KODU, BRUTTUT, KDVTUT, NETTUT, "
        "NET_USD, NET_EUR, ACIKLAMA) SELECT I, SUBSTR('FRFRİ', 1 + I % 5, 1), 'A' || CAST(I AS VARCHAR(12)), :T, "
        "'120.' || CAST(100001 + (I * 7) % %1 AS VARCHAR(10)), 'V', 'TL', 100, 18, 118, 3.9, 3.5, 'Bench' FROM G")
                .arg(accounts),
            t);
    const QString gun = QStringLiteral("(CAST(SATIS_NO AS INTEGER) * 37) % 365");
    db.exec(db.dialect().isPostgres()
                ? QStringLiteral("UPDATE SATIS SET FATARIH = FATARIH + ((%1) * INTERVAL '1 day')").arg(gun)
                : QStringLiteral("UPDATE SATIS SET FATARIH = strftime('%Y-%m-%dT%H:%M:%S.000', FATARIH, '+' || "
                                 "(%1) || ' days')")
                      .arg(gun));
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

QList<Timing> salesListScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int accounts = 5000, documents = 500000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHSATLISTE2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate CARI, SATIS"), 1, timeIt([&] { generate(db, accounts, documents); }),
                  accounts + documents};
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("BENCH");

    QList<std::pair<QString, SatisListeFiltre>> filtreler;
    SatisListeFiltre f;
    filtreler.append({QStringLiteral("unfiltered (newest first)"), f});
    f.tip = QStringLiteral("R");
    filtreler.append({QStringLiteral("type R"), f});
    f = {};
    f.cariAdi = QStringLiteral("MÜŞ");
    filtreler.append({QStringLiteral("customer name, nearly every document ('MÜŞ')"), f});
    f.cariAdi = QStringLiteral("şükrü");
    filtreler.append({QStringLiteral("customer name, 5 of 5 000 customers ('şükrü')"), f});
    f.cariAdi = QStringLiteral("ıspanak");
    filtreler.append({QStringLiteral("customer name, no customer ('ıspanak')"), f});
    f.cariAdi = QStringLiteral("şükrü");
    f.tarihBas = QDate(2026, 5, 1);
    f.tarihBit = QDate(2026, 5, 31);
    filtreler.append({QStringLiteral("customer name in one month"), f});

    const int reps = 20;
    for (const auto& [ad, filtre] : filtreler) {
        const ListQuery q = SatisListesi::sorgu(db, filtre);
        explain(db, ad, q);
        out << firstPageTiming(db, QStringLiteral("sales list first page: ") + ad, q, reps);
    }

    Db::close(kOrbita);
    Db::dropDatabase(p);
    s.reset();
    return out;
}

} // namespace

void registerSalesListScenarios()
{
    registerScenario({QStringLiteral("satis-liste"),
                      QStringLiteral("the sales list \"Satış İşlemleri\" with its filters and the customer-name search "
                                     "over 500 000 documents of 5 000 customers: plan and first page"),
                      salesListScenario});
}

} // namespace nimbo::bench
