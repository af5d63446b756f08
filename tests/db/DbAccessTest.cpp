#include "db/DbLog.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "support/OtherWorkstation.h"
#include "support/TestEnv.h"

#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class DbAccess : public YearDbTest {
protected:
    void addEmployees(int n)
    {
        DbTransaction tx(db);
        DbStatement ins = db.prepare(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, :a)"));
        for (int i = 1; i <= n; ++i)
            EXPECT_EQ(ins.exec({{QStringLiteral("k"), QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0'))},
                                {QStringLiteral("a"), QStringLiteral("Ad %1").arg(i)}}),
                      1);
        tx.commit();
    }
    int count(const QString& sql) { return db.scalar(sql).toInt(); }
};
} // namespace

// A loop over a read that writes on the same connection sees every row. A forward-only
// PostgreSQL result stopped after the first row as soon as the loop ran its first UPDATE.
TEST_F(DbAccess, ReadLoopSurvivesWritesOnTheSameConnection)
{
    addEmployees(40);
    DbTransaction tx(db);
    int seen = 0;
    QSqlQuery q = db.exec(QStringLiteral("SELECT ISCI_KOD FROM CALISAN ORDER BY ISCI_KOD"));
    while (q.next()) {
        ++seen;
        db.exec(QStringLiteral("UPDATE CALISAN SET ISCI_ADI = 'X' WHERE ISCI_KOD = :k"),
                {{QStringLiteral("k"), q.value(0)}});
    }
    EXPECT_EQ(seen, 40);
    int again = 0;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT ISCI_KOD FROM CALISAN ORDER BY ISCI_KOD"))) {
        ++again;
        EXPECT_EQ(db.execAffected(QStringLiteral("UPDATE CALISAN SET ISCI_ADI = 'Y' WHERE ISCI_KOD = :k"),
                                  {{QStringLiteral("k"), r.value(0)}}),
                  1);
    }
    tx.commit();
    EXPECT_EQ(again, 40);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN WHERE ISCI_ADI = 'Y'")), 40);
}

// Writes say how many rows they touched; any() is an EXISTS test that also takes statements
// with ORDER BY and LIMIT; scalar() of an empty result is invalid.
TEST_F(DbAccess, AffectedRowsExistenceAndScalars)
{
    addEmployees(5);
    DbTransaction tx(db);
    EXPECT_EQ(db.execAffected(QStringLiteral("UPDATE CALISAN SET ISCI_ADI = 'Z' WHERE ISCI_KOD > 'K002'")), 3);
    EXPECT_EQ(db.execAffected(QStringLiteral("DELETE FROM CALISAN WHERE ISCI_KOD = 'YOK'")), 0);
    tx.commit();
    EXPECT_TRUE(db.any(QStringLiteral("SELECT ISCI_KOD FROM CALISAN WHERE ISCI_ADI = :a ORDER BY ISCI_KOD LIMIT 1"),
                       {{QStringLiteral("a"), QStringLiteral("Z")}}));
    EXPECT_FALSE(db.any(QStringLiteral("SELECT 1 FROM CALISAN WHERE ISCI_ADI = :a"), {{QStringLiteral("a"), "Q"}}));
    EXPECT_FALSE(db.scalar(QStringLiteral("SELECT ISCI_ADI FROM CALISAN WHERE ISCI_KOD = 'YOK'")).isValid());
}

// One prepared statement serves every row: PostgreSQL holds it once on the server.
TEST_F(DbAccess, PreparedStatementIsReusedRowByRow)
{
    DbTransaction tx(db);
    DbStatement ins = db.prepare(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, :a)"));
    const int before = db.dialect().isPostgres()
                           ? db.scalar(QStringLiteral("SELECT COUNT(*) FROM pg_prepared_statements")).toInt()
                           : 0;
    for (int i = 0; i < 25; ++i)
        ins.exec({{QStringLiteral("k"), QStringLiteral("P%1").arg(i)}, {QStringLiteral("a"), QStringLiteral("p")}});
    if (db.dialect().isPostgres()) {
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM pg_prepared_statements")).toInt(), before);
    }
    DbStatement read = db.prepare(QStringLiteral("SELECT ISCI_ADI FROM CALISAN WHERE ISCI_KOD = :k"));
    EXPECT_EQ(read.records({{QStringLiteral("k"), QStringLiteral("P7")}}).value(0).value(0).toString(), "p");
    EXPECT_TRUE(read.records({{QStringLiteral("k"), QStringLiteral("YOK")}}).isEmpty());
    tx.commit();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN")), 25);
    // A statement that breaks a rule fails like any other write, with its text.
    try {
        DbTransaction tx2(db);
        ins.exec({{QStringLiteral("k"), QStringLiteral("P1")}, {QStringLiteral("a"), QStringLiteral("again")}});
        FAIL() << "duplicate key accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.failure(), DbFailure::KeyViolation);
        EXPECT_TRUE(e.sql().contains(QLatin1String("INSERT INTO CALISAN")));
    }
}

// An inner scope that rolls back undoes its own work only; the outer scope still commits,
// and the connection takes further statements (PostgreSQL: no "current transaction is
// aborted" after an error caught around an inner scope).
TEST_F(DbAccess, InnerRollbackUndoesOnlyItsOwnWork)
{
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A1', 'Dış')"));
        {
            DbTransaction inner(db);
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A2', 'İç')"));
            inner.rollback();
        }
        try {
            DbTransaction inner(db);
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A3', 'İç')"));
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A1', 'Tekrar')"));
            inner.commit();
            FAIL() << "duplicate accepted";
        } catch (const DbError& e) {
            EXPECT_EQ(e.failure(), DbFailure::KeyViolation);
        }
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A4', 'Sonra')"));
        {
            DbTransaction inner(db);
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A5', 'İç')"));
            inner.commit();
        }
        tx.commit();
    }
    QStringList codes;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT ISCI_KOD FROM CALISAN ORDER BY ISCI_KOD")))
        codes << toText(r.value(0));
    EXPECT_EQ(codes, (QStringList{"A1", "A4", "A5"}));
    EXPECT_FALSE(db.inTransaction());

    // The inner scope's committed work goes when the outer one rolls back.
    {
        DbTransaction tx(db);
        {
            DbTransaction inner(db);
            db.exec(QStringLiteral("DELETE FROM CALISAN"));
            inner.commit();
        }
        tx.rollback();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN")), 3);

    // A scope that joined the caller's transaction and gave up makes the outer commit fail.
    try {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('J1', 'j')"));
        {
            DbTransaction joined(db, DbTransaction::Nesting::Join);
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('J2', 'j')"));
        }
        tx.commit();
        ADD_FAILURE() << "the outer scope committed after a joined scope rolled back";
    } catch (const DbError&) {
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN")), 3);
    EXPECT_FALSE(db.inTransaction());
}

// A failed statement caught outside any inner scope: PostgreSQL ends the transaction, and
// its COMMIT would quietly roll back; the commit says so instead, and nothing is written.
// On SQLite the failed statement alone is undone and the rest commits.
TEST_F(DbAccess, CommitAfterACaughtErrorDoesNotPretend)
{
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('B1', 'b')"));
    EXPECT_THROW(db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('B1', 'b')")), DbError);
    if (db.dialect().isPostgres()) {
        EXPECT_THROW(tx.commit(), DbError);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN")), 0);
    } else {
        tx.commit();
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN")), 1);
    }
    EXPECT_FALSE(db.inTransaction());
    db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('B2', 'b')")); // usable again
}

// A commit the server refuses rolls back: the connection is not left inside a transaction.
TEST_F(DbAccess, FailedCommitRollsBack)
{
    if (!db.dialect().isPostgres())
        GTEST_SKIP() << "SQLite checks every constraint at the statement";
    db.exec(QStringLiteral("CREATE TABLE ERTELENMIS (K INTEGER, CONSTRAINT UQ_ERT UNIQUE (K) DEFERRABLE INITIALLY "
                           "DEFERRED)"));
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO ERTELENMIS (K) VALUES (1)"));
        db.exec(QStringLiteral("INSERT INTO ERTELENMIS (K) VALUES (1)"));
        EXPECT_THROW(tx.commit(), DbError);
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ERTELENMIS")), 0);
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO ERTELENMIS (K) VALUES (2)"));
    tx.commit();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ERTELENMIS")), 1);
}

// A row held by another workstation: the save gives up after the lock timeout with the
// card message instead of waiting forever.
TEST_F(DbAccess, LockHeldByAnotherConnectionTimesOut)
{
    addEmployees(1);
    {
        OtherWorkstation other(db, 300);
        const Db& ws = other.db();
        ws.exec(db.dialect().isSqlite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
        ws.exec(QStringLiteral("UPDATE CALISAN SET ISCI_ADI = 'başka' WHERE ISCI_KOD = 'K001'"));
        try {
            DbTransaction tx(db);
            db.exec(QStringLiteral("UPDATE CALISAN SET ISCI_ADI = 'ben' WHERE ISCI_KOD = 'K001'"));
            tx.commit();
            ADD_FAILURE() << "the locked row was written";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.isLockTimeout()) << e.what();
            EXPECT_EQ(postErrorMessage(e.sqlError()), QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
        }
        ws.exec(QStringLiteral("ROLLBACK"));
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(db.execAffected(QStringLiteral("UPDATE CALISAN SET ISCI_ADI = 'ben' WHERE ISCI_KOD = 'K001'")), 1);
}

// A text longer than its column is refused on both engines (SQLite would store it) and
// reported as such; nothing is stored.
TEST_F(DbAccess, OverLongValueIsRefusedOnBothEngines)
{
    const QString fits = QString(11, QChar(0x015F)); // ISCI_KOD VARCHAR(11): characters, not bytes, count
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, 'a')"), {{QStringLiteral("k"), fits}});
    tx.commit();
    try {
        DbTransaction tx2(db);
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, 'a')"),
                {{QStringLiteral("k"), fits + QLatin1Char('x')}});
        tx2.commit();
        FAIL() << "a 12-character code was stored in VARCHAR(11)";
    } catch (const DbError& e) {
        EXPECT_EQ(e.failure(), DbFailure::ValueTooLong) << e.what();
        EXPECT_EQ(postErrorMessage(e.sqlError()), valueTooLongMessage());
    }
    try {
        DbTransaction tx3(db);
        db.exec(QStringLiteral("UPDATE CALISAN SET ISCI_KOD = :k"), {{QStringLiteral("k"), QString(12, 'k')}});
        tx3.commit();
        FAIL() << "an update past the length was stored";
    } catch (const DbError& e) {
        EXPECT_EQ(e.failure(), DbFailure::ValueTooLong) << e.what();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CALISAN")), 1);
}

// Every failed statement lands in the log file with its SQL text.
TEST_F(DbAccess, ErrorsAreLoggedWithTheirStatement)
{
    const QString file = TestEnv::tempDir() + QStringLiteral("/log/nimbo.log");
    QFile::remove(file);
    ASSERT_TRUE(DbLog::openFile(file));
    EXPECT_THROW(db.exec(QStringLiteral("SELECT NOSUCHCOLUMN FROM CALISAN WHERE ISCI_KOD = :k"),
                         {{QStringLiteral("k"), QStringLiteral("x")}}),
                 DbError);
    DbLog::closeFile();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(log.contains(QLatin1String("nimbo.db"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QLatin1String("SELECT NOSUCHCOLUMN FROM CALISAN WHERE ISCI_KOD = :k")))
        << log.toStdString();
}

// Moments bound and read back are the same wall-clock time in the workstation's zone, also
// across the zone's past offset changes and summer times (the suite also runs under
// TZ=Europe/Istanbul); a date stays a date.
TEST_F(DbAccess, DatesComeBackUnchanged)
{
    db.exec(QStringLiteral("CREATE TABLE ANLAR (N INTEGER, T TIMESTAMP, G DATE)"));
    const QList<QDateTime> moments{
        QDateTime(QDate(1752, 9, 14), QTime(0, 0)),       QDateTime(QDate(1899, 12, 30), QTime(0, 0)),
        QDateTime(QDate(1970, 1, 1), QTime(0, 0)),        QDateTime(QDate(1978, 6, 1), QTime(12, 0)),
        QDateTime(QDate(2007, 3, 25), QTime(4, 30)),      QDateTime(QDate(2016, 9, 7), QTime(0, 0)),
        QDateTime(QDate(2026, 3, 29), QTime(23, 59, 59, 59)), QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))};
    DbTransaction tx(db);
    DbStatement ins = db.prepare(QStringLiteral("INSERT INTO ANLAR (N, T, G) VALUES (:n, :t, :g)"));
    for (int i = 0; i < moments.size(); ++i)
        ins.exec({{QStringLiteral("n"), i}, {QStringLiteral("t"), moments[i]}, {QStringLiteral("g"), moments[i].date()}});
    tx.commit();
    const QVector<QSqlRecord> rows = db.records(QStringLiteral("SELECT N, T, G FROM ANLAR ORDER BY N"));
    ASSERT_EQ(rows.size(), moments.size());
    for (int i = 0; i < moments.size(); ++i) {
        EXPECT_EQ(toDateTime(rows[i].value(1)), moments[i]) << moments[i].toString(Qt::ISODateWithMs).toStdString();
        EXPECT_EQ(toDate(rows[i].value(2)), moments[i].date());
    }
    // The day-end bound of a rate look-up finds a row of that day and no later one.
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT MAX(N) FROM ANLAR WHERE T <= :t"),
                        {{QStringLiteral("t"), QDateTime(QDate(2026, 3, 29), QTime(23, 59, 59, 59))}})
                  .toInt(),
              6);
}

// The existence checks that guard deletes are answered from an index, not by reading the
// movement tables (any() wraps them in EXISTS).
TEST_F(DbAccess, ExistenceChecksUseAnIndex)
{
    const bool pg = db.dialect().isPostgres();
    const auto plan = [&](const QString& select) {
        if (pg)
            db.exec(QStringLiteral("SET enable_seqscan = off")); // a tiny table must not hide a missing index
        QStringList lines;
        for (const QSqlRecord& r : db.records((pg ? QStringLiteral("EXPLAIN ") : QStringLiteral("EXPLAIN QUERY PLAN "))
                                              + QStringLiteral("SELECT EXISTS (%1)").arg(select)))
            lines << r.value(pg ? 0 : 3).toString();
        if (pg)
            db.exec(QStringLiteral("RESET enable_seqscan"));
        return lines.join(QLatin1Char('\n'));
    };
    for (const auto& [select, index] :
         {std::pair{QStringLiteral("SELECT KODU FROM FINHRK WHERE CARIKOD = 'C1'"), QStringLiteral("IX_FINHRK_CARIKOD")},
          // Either index that leads with the code (statements, bank balances) will do; so for the item.
          std::pair{QStringLiteral("SELECT 1 FROM FINHRK WHERE KODU = 'C1'"), QStringLiteral("IX_FINHRK_KODU_")},
          std::pair{QStringLiteral("SELECT 1 FROM STOKHRK WHERE STOK_NO = 5"), QStringLiteral("IX_STOKHRK_STOK")}}) {
        const QString p = plan(select);
        EXPECT_TRUE(p.contains(index, Qt::CaseInsensitive)) << select.toStdString() << "\n" << p.toStdString();
    }
}
