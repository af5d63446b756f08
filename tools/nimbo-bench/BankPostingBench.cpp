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

// A chart with two bank accounts and a customer group, 50 customers with movement kind 1,
// and n incoming transfers (BANKHRK type "G") of two rows each from two customers, spread
// over the year, none posted.
void generate(const Db& db, int n)
{
    for (const auto& [kod, ad] : std::initializer_list<std::pair<const char*, const char*>>{
             {"102.01", "ZİRAAT TL"}, {"102.02", "İŞ BANKASI TL"}, {"102", "BANKALAR"}, {"120.01", "ALICILAR"},
             {"120", "ALICILAR"}}) {
        HesapKart k(db);
        k.yeni(QString::fromLatin1(kod));
        k.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(ad));
        k.save();
    }
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
    const QString tarih = db.dialect().isPostgres()
                              ? QStringLiteral("CAST(make_date(2026, 1 + I % 12, 1 + I % 28) AS TIMESTAMP)")
                              : QStringLiteral("printf('2026-%02d-%02dT00:00:00.000', 1 + I % 12, 1 + I % 28)");
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
    Db db = freshYear(ctx.year(QStringLiteral("BENCHBNKMUH2026")));
    SessionContext::current().CalismaYiliNo = 2026;
    MuhKodIzi::setKlasor(QDir::tempPath() + QStringLiteral("/nimbo-bench"));
    muhasebeyiKur();
    out << Timing{QStringLiteral("generate %1 bank movements").arg(belgeler), 1, timeIt([&] { generate(db, belgeler); }),
                  belgeler};

    // One movement at a time, as the bank movement window's after-save step posts it.
    const int tekTek = 200;
    const BelgeTuru& tur = *BelgeTurleri::bul(QLatin1Char('B'));
    out << Timing{QStringLiteral("post one bank movement (2 rows, 4-line voucher)"), tekTek, timeIt([&] {
                      for (int i = 1; i <= tekTek; ++i)
                          if (!BelgeTurleri::muhasebelestir(db, tur, i, false).basarili)
                              throw UserError(QStringLiteral("posting refused"));
                  }),
                  tekTek * 4};
    out << Timing{QStringLiteral("re-post a posted bank movement in place"), tekTek, timeIt([&] {
                      for (int i = 1; i <= tekTek; ++i)
                          if (!BelgeTurleri::muhasebelestir(db, tur, i, false).basarili)
                              throw UserError(QStringLiteral("re-posting refused"));
                  }),
                  tekTek * 4};

    TopluMuhasebe toplu(db);
    QList<BekleyenBelge> liste;
    out << Timing{QStringLiteral("bulk posting: list the unposted bank movements of the year"), 1, timeIt([&] {
                      liste = toplu.bekleyenler(QDate(2026, 1, 1), QDate(2026, 12, 31), {QLatin1Char('B')});
                  }),
                  liste.size()};
    TopluSonuc s;
    out << Timing{QStringLiteral("bulk posting: bank movements"), qint64(liste.size()),
                  timeIt([&] { s = toplu.muhasebelestir(liste); }), qint64(liste.size()) * 4};
    if (s.reddedilen > 0 || s.muhasebelesen != liste.size())
        std::fprintf(stderr, "bulk posting: %d posted, %d refused\n", s.muhasebelesen, s.reddedilen);
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
