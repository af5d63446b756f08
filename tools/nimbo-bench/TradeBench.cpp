#include "TradeBench.h"
#include "BenchSql.h"
#include "db/SchemaDef.h"
#include "services/SessionContext.h"

#include <QDateTime>

#include <algorithm>

namespace nimbo::bench {

void tradeBasics(const Db& db)
{
    db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('TL', 'TL')"));
    for (const auto& [d, k] : {std::pair{"USD", 32.0}, {"EUR", 35.0}})
        db.exec(QStringLiteral("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES "
                               "(:d, :t, :k, :k)"),
                {{QStringLiteral("d"), QString::fromLatin1(d)},
                 {QStringLiteral("t"), QDateTime(QDate::currentDate(), QTime(0, 0))},
                 {QStringLiteral("k"), k}});
    db.exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) VALUES ('K01', 'Merkez Kasa', 'TL')"));
    db.exec(QStringLiteral("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez')"));
}

void loginBenchUser()
{
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("BENCH");
    for (const QString& c : kimkulRightColumns())
        s.setHak(c, QStringLiteral("H"));
}

QString engineName(const Db& db)
{
    return db.dialect().isPostgres() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
}

SaveRun timeSavesBesideRaw(const Db& db, const QString& what, int saves, const std::function<double(int)>& save,
                           const QList<std::pair<QString, QString>>& tables)
{
    // Saves and raw inserts take turns in rounds, so that whatever else the machine does
    // (a checkpoint, another process) falls on both alike.
    const int rounds = 8, each = saves / rounds;
    SaveRun out;
    const QString engine = engineName(db);
    double saveSecs = 0, rawSecs = 0, lowest = 1e9, highest = 0;
    for (int r = 0; r < rounds; ++r) {
        QList<double> saved;
        const double s = timeIt([&] {
            for (int i = r * each; i < (r + 1) * each; ++i)
                saved << save(i);
        });
        // The raw side writes exactly what the round's saves wrote: the same items, accounts
        // and dates, so both meet the same index pages (copies of one document would find
        // theirs in the cache every time).
        QList<BelgeSatirlari> documents;
        for (double no : saved)
            documents << rowsOfDocument(db, no, tables);
        if (r == 0)
            for (const auto& t : documents.first())
                out.rowsPerDocument += t.second.size();
        const double w = rawInsertSeconds(db, documents, tables, 5000000 + r * each);
        saveSecs += s;
        rawSecs += w;
        lowest = std::min(lowest, w / s);
        highest = std::max(highest, w / s);
    }
    const int n = rounds * each;
    out.timings << Timing{QStringLiteral("save %1, all derived rows (%2)").arg(what, engine), n, saveSecs,
                          n * out.rowsPerDocument};
    out.timings << Timing{QStringLiteral("raw insert of the same %1 rows per document (%2)").arg(out.rowsPerDocument).arg(engine),
                          n, rawSecs, n * out.rowsPerDocument};
    out.timings << Timing{QStringLiteral("save rate / raw rate: %1 % (rounds %2-%3 %)")
                              .arg(qRound(100 * rawSecs / saveSecs))
                              .arg(qRound(100 * lowest))
                              .arg(qRound(100 * highest)),
                          1, 0};
    return out;
}

} // namespace nimbo::bench
