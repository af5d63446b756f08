#include "BenchRunner.h"
#include "db/DbTransaction.h"
#include "db/SchemaManager.h"

namespace nimbo::bench {

namespace {

Db freshYear(const BenchContext& ctx, const QString& name)
{
    const ConnectionParams p = ctx.year(name);
    if (Db::databaseExists(p))
        Db::dropDatabase(p);
    Db::createDatabase(p);
    Db db = Db::open(QStringLiteral("BENCHDB"), p);
    SchemaManager::createYear(db);
    return db;
}

Params movement(int i, const QString& account)
{
    return {{QStringLiteral("k"), account},
            {QStringLiteral("c"), account},
            {QStringLiteral("b"), double(i % 97)},
            {QStringLiteral("t"), QDateTime(QDate(2026, 1, 1).addDays(i % 365), QTime(10, 0))},
            {QStringLiteral("f"), i}};
}

const QString kInsert = QStringLiteral("INSERT INTO FINHRK (KODU, CARIKOD, BORC, TARIH, FIN_ID, SIRA_NO) VALUES (:k, :c, :b, :t, :f, 1)");

// Line and movement writers: a statement prepared per row against one prepared once; a read
// looped over while writing; an existence check over an account with many movements.
QList<Timing> dbScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int n = 20000 * ctx.size;
    Db db = freshYear(ctx, QStringLiteral("BENCHDB2026"));

    out << Timing{QStringLiteral("FINHRK insert, prepared per row"), n, timeIt([&] {
                      DbTransaction tx(db);
                      for (int i = 0; i < n; ++i)
                          db.exec(kInsert, movement(i, QStringLiteral("120.001")));
                      tx.commit();
                  })};
    out << Timing{QStringLiteral("FINHRK insert, one DbStatement"), n, timeIt([&] {
                      DbTransaction tx(db);
                      DbStatement ins = db.prepare(kInsert);
                      for (int i = 0; i < n; ++i)
                          ins.exec(movement(n + i, QStringLiteral("120.002")));
                      tx.commit();
                  })};

    int touched = 0;
    out << Timing{QStringLiteral("read 2 000 rows, update each (one DbStatement)"), 2000, timeIt([&] {
                      DbTransaction tx(db);
                      DbStatement upd = db.prepare(QStringLiteral("UPDATE FINHRK SET ALACAK = BORC WHERE FIN_ID = :f AND SIRA_NO = 1"));
                      for (const QSqlRecord& r : db.records(db.dialect().limit(
                               QStringLiteral("SELECT FIN_ID FROM FINHRK WHERE KODU = '120.001' ORDER BY FIN_ID"), 2000)))
                          touched += upd.exec({{QStringLiteral("f"), r.value(0)}});
                      tx.commit();
                  })};
    if (touched < 2000)
        throw std::runtime_error("read loop stopped early");

    const int checks = 200;
    bool found = true;
    out << Timing{QStringLiteral("any(): account with %1 movements, EXISTS").arg(2 * n), checks, timeIt([&] {
                      for (int i = 0; i < checks; ++i)
                          found = found && db.any(QStringLiteral("SELECT KODU FROM FINHRK WHERE CARIKOD = :c"),
                                                  {{QStringLiteral("c"), i % 2 ? QStringLiteral("120.001")
                                                                               : QStringLiteral("120.002")}});
                  })};
    out << Timing{QStringLiteral("first row of the same SELECT, as any() read it before"), checks, timeIt([&] {
                      for (int i = 0; i < checks; ++i) {
                          QSqlQuery q(db.sql());
                          q.setForwardOnly(true);
                          q.prepare(QStringLiteral("SELECT KODU FROM FINHRK WHERE CARIKOD = :c"));
                          q.bindValue(QStringLiteral(":c"), QStringLiteral("120.001"));
                          q.exec();
                          found = found && q.next();
                      }
                  })};
    if (!found)
        throw std::runtime_error("existence check missed");
    const ConnectionParams p = db.params();
    Db::close(db.connectionName());
    Db::dropDatabase(p);
    return out;
}

} // namespace

void registerDbScenarios()
{
    registerScenario({QStringLiteral("vt"), QStringLiteral("Database layer: prepared writers, read loops, EXISTS checks"),
                      dbScenario});
}

} // namespace nimbo::bench
