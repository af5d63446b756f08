#include "BenchRunner.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace nimbo::bench {

ConnectionParams BenchContext::year(const QString& dbName) const
{
    ConnectionParams p;
    p.driver = driver;
    p.server = server;
    p.database = dbName;
    return p;
}

QList<Scenario>& scenarios()
{
    static QList<Scenario> list;
    return list;
}

void registerScenario(const Scenario& s) { scenarios().append(s); }

namespace {
// glibc parks small freed blocks and merges them on some later, larger allocation: after a
// list read whole (200 000 records) that merge took 0.6 s inside the next timing, a first
// page's 2 ms. Merged here, each timing pays for what it freed and for nothing before it.
void settleHeap()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
} // namespace

double timeIt(const std::function<void()>& f)
{
    settleHeap();
    QElapsedTimer t;
    t.start();
    f();
    settleHeap();
    return t.nsecsElapsed() / 1e9;
}

void printTable(const QList<Timing>& rows)
{
    std::printf("%-48s %10s %12s %14s %12s\n", "operation", "count", "total (s)", "per op (ms)", "rows/s");
    for (const Timing& t : rows) {
        const qint64 r = t.rows > 0 ? t.rows : t.count;
        std::printf("%-48s %10lld %12.3f %14.3f %12.0f\n", t.operation.toUtf8().constData(),
                    static_cast<long long>(t.count), t.seconds, t.count ? t.seconds * 1000.0 / t.count : 0.0,
                    t.seconds > 0 ? r / t.seconds : 0.0);
    }
    std::fflush(stdout);
}

namespace {
QList<Timing> schemaScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHSCHEMA2026"));
    if (Db::databaseExists(p))
        Db::dropDatabase(p);
    Db::createDatabase(p);
    Db db = Db::open(QStringLiteral("BENCH_SCHEMA"), p);
    out << Timing{QStringLiteral("create year schema"), 1, timeIt([&] { SchemaManager::createYear(db); })};
    Db::close(QStringLiteral("BENCH_SCHEMA"));
    Db::dropDatabase(p);
    return out;
}
} // namespace

int run(const QStringList& args)
{
    registerScenario({QStringLiteral("schema"), QStringLiteral("creating a year database"), schemaScenario});
    registerAllScenarios();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("NimboSoft ölçüm programı"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("senaryo"), QStringLiteral("senaryo adları (boş: hepsi)"));
    QCommandLineOption driver(QStringLiteral("driver"), QStringLiteral("SQLITE veya PGSQL"), QStringLiteral("d"),
                              QStringLiteral("SQLITE"));
    QCommandLineOption server(QStringLiteral("server"), QStringLiteral("klasör veya host:port"), QStringLiteral("s"));
    QCommandLineOption size(QStringLiteral("size"), QStringLiteral("ölçek"), QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption list(QStringLiteral("list"), QStringLiteral("senaryoları listele"));
    parser.addOptions({driver, server, size, list});
    parser.process(args);

    if (parser.isSet(list)) {
        for (const Scenario& s : scenarios())
            std::printf("%-28s %s\n", s.name.toUtf8().constData(), s.description.toUtf8().constData());
        return 0;
    }
    BenchContext ctx;
    ctx.driver = parser.value(driver).toUpper();
    ctx.size = qMax(1, parser.value(size).toInt());
    ctx.exe = args.value(0);
    QTemporaryDir tmp;
    ctx.server = parser.isSet(server) ? parser.value(server)
                 : ctx.driver == QLatin1String("SQLITE") ? tmp.path() : QStringLiteral("127.0.0.1");
    const QStringList wanted = parser.positionalArguments();
    QList<Timing> all;
    try {
        for (const Scenario& s : scenarios()) {
            if (!wanted.isEmpty() && !wanted.contains(s.name))
                continue;
            std::fprintf(stderr, "== %s (%s)\n", s.name.toUtf8().constData(), ctx.driver.toUtf8().constData());
            all << s.run(ctx);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Hata: %s\n", e.what());
        return 1;
    }
    printTable(all);
    return 0;
}

} // namespace nimbo::bench
