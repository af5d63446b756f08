#include "BenchRunner.h"
#include "BenchSql.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "services/CompanyParameterLoader.h"
#include "services/ExchangeRates.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace nimbo::bench {

namespace {

const QString kWorkerFlag = QStringLiteral("--services-counter-worker");

void dropYear(const Db& db)
{
    const ConnectionParams p = db.params();
    closeCounterConnection(db);
    Db::close(db.connectionName());
    Db::dropDatabase(p);
}

// Worker process: draws numbers and prints them, one per line.
int counterWorker(const QStringList& a)
{
    // args: flag DRIVER SERVER DATABASE TABLE COUNT
    ConnectionParams p;
    p.driver = a.value(1);
    p.server = a.value(2);
    p.database = a.value(3);
    try {
        const Db db = Db::open(QStringLiteral("WORKER"), p);
        const int n = a.value(5).toInt();
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out += QByteArray::number(qRound64(YeniKayitNo(db, a.value(4)))) + '\n';
        std::fwrite(out.constData(), 1, out.size(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

QList<Timing> counterScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int n = 1000 * ctx.size;
    Db db = freshYear(ctx.year(QStringLiteral("BENCHSAYAC2026")));
    const QString engine = ctx.driver == QLatin1String("PGSQL") ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");

    out << Timing{QStringLiteral("YeniKayitNo, 1 process (%1)").arg(engine), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          YeniKayitNo(db, QStringLiteral("NEWSATIS"));
                  })};

    const int procs = 8;
    const QString physical = Db::physicalName(db.dialect(), db.params().database);
    QList<QProcess*> workers;
    QList<qint64> numbers;
    const double secs = timeIt([&] {
        for (int i = 0; i < procs; ++i) {
            auto* p = new QProcess;
            p->start(QCoreApplication::applicationFilePath(), {kWorkerFlag, ctx.driver, ctx.server, physical, QStringLiteral("NEWCARI"),
                               QString::number(n)});
            workers << p;
        }
        for (QProcess* p : workers) {
            p->waitForFinished(-1);
            if (p->exitCode() != 0)
                throw UserError(QStringLiteral("sayaç işçisi hata verdi: ") + QString::fromUtf8(p->readAllStandardError()));
            for (const QByteArray& l : p->readAllStandardOutput().split('\n'))
                if (!l.trimmed().isEmpty())
                    numbers << l.trimmed().toLongLong();
        }
    });
    qDeleteAll(workers);
    const QSet<qint64> distinct(numbers.begin(), numbers.end());
    if (numbers.size() != procs * n || distinct.size() != numbers.size())
        throw UserError(QStringLiteral("sayaç: %1 numara, %2 farklı").arg(numbers.size()).arg(distinct.size()));
    out << Timing{QStringLiteral("YeniKayitNo, 8 processes (%1)").arg(engine), qint64(procs) * n, secs};
    dropYear(db);
    return out;
}

QList<Timing> rateScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    Db db = freshYear(ctx.year(QStringLiteral("BENCHKUR2026")));
    SessionContext& s = SessionContext::current();
    s.CalismaYili = QStringLiteral("2026");
    s.CalismaYiliNo = 2026;
    loadCompanyParameters(db, s);

    const QStringList currencies = {QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("GBP"),
                                    QStringLiteral("JPY"), QStringLiteral("CHF")};
    const QDate first(2026, 1, 1);
    qint64 rows = 0;
    out << Timing{QStringLiteral("KURDEGER insert, a year x 5 currencies"), 0, timeIt([&] {
                      DbTransaction tx(db);
                      int c = 0;
                      for (const QString& dvz : currencies) {
                          ++c;
                          for (QDate d = first; d.year() == 2026; d = d.addDays(1)) {
                              db.exec(QStringLiteral("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, "
                                                     "TLDEGERI_SATIS) VALUES (:t, :d, :a, :s)"),
                                      {{QStringLiteral("t"), QDateTime(d, QTime(15, 30))},
                                       {QStringLiteral("d"), dvz},
                                       {QStringLiteral("a"), 10.0 * c + d.dayOfYear() / 100.0},
                                       {QStringLiteral("s"), 10.1 * c + d.dayOfYear() / 100.0}});
                              ++rows;
                          }
                      }
                      tx.commit();
                  })};
    out.last().count = rows;

    qint64 lookups = 0;
    double check = 0;
    const double secs = timeIt([&] {
        for (int round = 0; round < ctx.size; ++round)
            for (const QString& dvz : currencies)
                for (QDate d = first; d.year() == 2026; d = d.addDays(1)) {
                    check += KurBulDeger(dvz, (lookups & 1) ? 1 : 2, d);
                    ++lookups;
                }
    });
    if (check <= lookups) // every look-up must have found a real rate (all are above 10)
        throw UserError(QStringLiteral("KurBulDeger: oranlar bulunamadı"));
    out << Timing{QStringLiteral("KurBulDeger, every day x 5 currencies"), lookups, secs};
    s.reset();
    dropYear(db);
    return out;
}

} // namespace

void registerServicesScenarios()
{
    // nimbo-bench starts itself as a counter worker for the multi-process scenario.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && args.at(1) == kWorkerFlag)
        std::exit(counterWorker(args.mid(1)));
    registerScenario({QStringLiteral("sayac"), QStringLiteral("YeniKayitNo, 1 and 8 processes on one counter"),
                      counterScenario});
    registerScenario({QStringLiteral("kur"), QStringLiteral("KurBulDeger over a year of daily rates of 5 currencies"),
                      rateScenario});
}

} // namespace nimbo::bench
