#include "TradeBench.h"
#include "BenchSql.h"
#include "db/SchemaDef.h"
#include "services/SessionContext.h"

#include <QDateTime>

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
    SaveRun out;
    const QString engine = engineName(db);
    double last = 0;
    const double saveSecs = timeIt([&] {
        for (int i = 0; i < saves; ++i)
            last = save(i);
    });
    const auto sample = rowsOfDocument(db, last, tables);
    for (const auto& t : sample)
        out.rowsPerDocument += t.second.size();
    out.timings << Timing{QStringLiteral("save %1, all derived rows (%2)").arg(what, engine), saves, saveSecs,
                          saves * out.rowsPerDocument};
    const double rawSecs = rawInsertSeconds(db, sample, tables, saves, 5000000);
    out.timings << Timing{QStringLiteral("raw insert of the same %1 rows per document (%2)").arg(out.rowsPerDocument).arg(engine),
                          saves, rawSecs, saves * out.rowsPerDocument};
    out.timings << Timing{QStringLiteral("save rate / raw rate: %1 %").arg(qRound(100 * rawSecs / saveSecs)), 1, 0};
    return out;
}

} // namespace nimbo::bench
