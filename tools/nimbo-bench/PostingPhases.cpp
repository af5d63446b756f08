#include "PostingPhases.h"
#include "BenchSql.h"
#include "db/Errors.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/HesapKart.h"
#include "ledger/MuhKodIzi.h"
#include "ledger/MuhasebeKurulumu.h"
#include "ledger/TopluMuhasebe.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

#include <QDir>

namespace nimbo::bench {

Db openPostingYear(const ConnectionParams& p)
{
    Db db = freshYear(p);
    SessionContext::current().CalismaYiliNo = 2026;
    MuhKodIzi::setKlasor(QDir::tempPath() + QStringLiteral("/nimbo-bench"));
    muhasebeyiKur();
    return db;
}

void openAccounts(const Db& db, std::initializer_list<std::pair<const char*, const char*>> codesAndNames)
{
    for (const auto& [kod, ad] : codesAndNames) {
        HesapKart k(db);
        k.yeni(QString::fromLatin1(kod));
        k.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(ad));
        k.save();
    }
}

QString dateOfYearSql(const Db& db)
{
    return db.dialect().isPostgres() ? QStringLiteral("CAST(make_date(2026, 1 + I % 12, 1 + I % 28) AS TIMESTAMP)")
                                     : QStringLiteral("printf('2026-%02d-%02dT00:00:00.000', 1 + I % 12, 1 + I % 28)");
}

namespace {

double postEach(const Db& db, const BelgeTuru& tur, int n, const char* refused)
{
    return timeIt([&] {
        for (int i = 1; i <= n; ++i)
            if (!BelgeTurleri::muhasebelestir(db, tur, i, false).basarili)
                throw UserError(QString::fromLatin1(refused));
    });
}

} // namespace

QList<Timing> timePostingPhases(const Db& db, const PostingPhases& ph)
{
    QList<Timing> out;
    const BelgeTuru* tur = BelgeTurleri::bul(ph.kind);
    if (!tur)
        throw UserError(QStringLiteral("no posting routine for kind %1").arg(ph.kind));
    const qint64 lines = ph.linesPerVoucher;
    out << Timing{QStringLiteral("post one %1").arg(ph.document), ph.oneByOne,
                  postEach(db, *tur, ph.oneByOne, "posting refused"), ph.oneByOne * lines};
    // The same documents again: each voucher rebuilt in place.
    out << Timing{QStringLiteral("re-post a posted %1 in place").arg(ph.document), ph.oneByOne,
                  postEach(db, *tur, ph.oneByOne, "re-posting refused"), ph.oneByOne * lines};

    TopluMuhasebe toplu(db);
    QList<BekleyenBelge> liste;
    const QList<QChar> turler = ph.listOnlyThisKind ? QList<QChar>{ph.kind} : QList<QChar>{};
    out << Timing{QStringLiteral("bulk posting: list %1").arg(ph.listed), 1, timeIt([&] {
                      liste = toplu.bekleyenler(QDate(2026, 1, 1), QDate(2026, 12, 31), turler);
                  }),
                  liste.size()};
    TopluSonuc s;
    out << Timing{QStringLiteral("bulk posting: %1").arg(ph.bulk), qint64(liste.size()),
                  timeIt([&] { s = toplu.muhasebelestir(liste); }), qint64(liste.size()) * lines};
    if (s.reddedilen > 0 || s.muhasebelesen != liste.size())
        throw UserError(QStringLiteral("bulk posting: %1 posted, %2 refused").arg(s.muhasebelesen).arg(s.reddedilen));
    return out;
}

void dropYear(const Db& db, const ConnectionParams& p)
{
    closeCounterConnection(db);
    Db::close(kOrbita);
    Db::dropDatabase(p);
    SessionContext::current().reset();
}

} // namespace nimbo::bench
