#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/HesapKart.h"
#include "ledger/MuhKodIzi.h"
#include "ledger/MuhasebeKurulumu.h"
#include "ledger/TopluMuhasebe.h"
#include "services/SessionContext.h"

#include <QDir>
#include <cstdio>

namespace nimbo::bench {

namespace {

// A chart with desks and a customer group, 50 accounts on it, and n cash collections of two
// rows each (CARIHRKM / CARIHRK) spread over the year, none posted.
void generate(const Db& db, int n)
{
    for (const auto& [kod, ad] : std::initializer_list<std::pair<const char*, const char*>>{
             {"100.01", "MERKEZ KASA"}, {"100", "KASA"}, {"120.01", "ALICILAR"}, {"120", "ALICILAR"}}) {
        HesapKart k(db);
        k.yeni(QString::fromLatin1(kod));
        k.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(ad));
        k.save();
    }
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD, MUH_KOD) VALUES ('MERKEZ', 'Merkez', 'TL', '100.01')"));
    db.exec(QStringLiteral("INSERT INTO CARIHRKTIP (TIP, AD, GRUP_KOD) VALUES (1, 'Tahsilat', 'TH')"));
    db.exec(numbers(db, 50) + QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, MUH_KOD, MUH_KOD2) SELECT "
                                             "'C' || CAST(I AS VARCHAR(4)), 'Müşteri ' || CAST(I AS VARCHAR(4)), "
                                             "'120.01', '120.01' FROM G"));
    const QString tarih = db.dialect().isPostgres()
                              ? QStringLiteral("CAST(make_date(2026, 1 + I % 12, 1 + I % 28) AS TIMESTAMP)")
                              : QStringLiteral("printf('2026-%02d-%02dT00:00:00.000', 1 + I % 12, 1 + I % 28)");
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
    Db db = freshYear(ctx.year(QStringLiteral("BENCHPOST2026")));
    SessionContext::current().CalismaYiliNo = 2026;
    MuhKodIzi::setKlasor(QDir::tempPath() + QStringLiteral("/nimbo-bench"));
    muhasebeyiKur();
    out << Timing{QStringLiteral("generate %1 account movements").arg(belgeler), 1, timeIt([&] { generate(db, belgeler); }),
                  belgeler};

    // One document at a time, as the window's after-save step posts it.
    const int tekTek = 200;
    const BelgeTuru& tur = *BelgeTurleri::bul(QLatin1Char('C'));
    out << Timing{QStringLiteral("post one account movement (3-line voucher)"), tekTek, timeIt([&] {
                      for (int i = 1; i <= tekTek; ++i)
                          if (!BelgeTurleri::muhasebelestir(db, tur, i, false).basarili)
                              throw UserError(QStringLiteral("posting refused"));
                  }),
                  tekTek * 3};
    // The same documents again: each voucher rebuilt in place.
    out << Timing{QStringLiteral("re-post a posted movement in place"), tekTek, timeIt([&] {
                      for (int i = 1; i <= tekTek; ++i)
                          if (!BelgeTurleri::muhasebelestir(db, tur, i, false).basarili)
                              throw UserError(QStringLiteral("re-posting refused"));
                  }),
                  tekTek * 3};

    TopluMuhasebe toplu(db);
    QList<BekleyenBelge> liste;
    out << Timing{QStringLiteral("bulk posting: list the unposted documents of the year"), 1, timeIt([&] {
                      liste = toplu.bekleyenler(QDate(2026, 1, 1), QDate(2026, 12, 31));
                  }),
                  liste.size()};
    TopluSonuc s;
    out << Timing{QStringLiteral("bulk posting: documents"), qint64(liste.size()), timeIt([&] { s = toplu.muhasebelestir(liste); }),
                  qint64(liste.size()) * 3};
    if (s.reddedilen > 0 || s.muhasebelesen != liste.size())
        std::fprintf(stderr, "bulk posting: %d posted, %d refused\n", s.muhasebelesen, s.reddedilen);
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
