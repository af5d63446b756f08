#include "db/DbTransaction.h"
#include "db/SchemaManager.h"
#include "support/OtherWorkstation.h"
#include "support/TestEnv.h"

#include <QSqlRecord>
#include <cmath>

using namespace nimbo;
using namespace nimbo::test;

namespace {

void addRow(const Db& db, const QVariant& kod, const QVariant& borc, const QVariant& alacak, int hrkNo)
{
    db.exec(QStringLiteral("INSERT INTO FINHRK (BELGE_TIP, HRK_NO, SIRA_NO, KODU, BORC, ALACAK) "
                           "VALUES ('F', :n, 1, :k, :b, :a)"),
            {{QStringLiteral("n"), hrkNo}, {QStringLiteral("k"), kod}, {QStringLiteral("b"), borc},
             {QStringLiteral("a"), alacak}});
}

// code -> "debit/credit/rows" as the summary holds it, and as summing the ledger gives it.
QMap<QString, QString> shape(const Db& db, const QString& sql)
{
    QMap<QString, QString> out;
    for (const QSqlRecord& r : db.records(sql))
        out.insert(r.value(0).toString(), QStringLiteral("%1/%2/%3")
                                              .arg(std::round(r.value(1).toDouble() * 100) / 100, 0, 'f', 2)
                                              .arg(std::round(r.value(2).toDouble() * 100) / 100, 0, 'f', 2)
                                              .arg(r.value(3).toInt()));
    return out;
}

QMap<QString, QString> summary(const Db& db)
{
    return shape(db, QStringLiteral("SELECT KODU, BORC, ALACAK, SATIR FROM FINBAKIYE"));
}

QMap<QString, QString> summed(const Db& db)
{
    return shape(db, QStringLiteral("SELECT KODU, COALESCE(SUM(BORC), 0), COALESCE(SUM(ALACAK), 0), COUNT(*) "
                                    "FROM FINHRK WHERE KODU IS NOT NULL GROUP BY KODU"));
}

} // namespace

class BalanceSummary : public YearDbTest {};

// Inserts, amount and code changes and deletes keep the summary equal to the sums of the
// ledger; rows without amounts or without a code are handled; a code whose last row goes
// disappears; a rolled-back write leaves the summary as it was.
TEST_F(BalanceSummary, FollowsEveryChangeOfTheLedger)
{
    addRow(db, "120.01", 100.10, QVariant(), 1);
    addRow(db, "120.01", QVariant(), 40.05, 2);
    addRow(db, "K01", 40.05, 0, 2);
    addRow(db, QVariant(), 5, 5, 3);
    addRow(db, "PK", 12, 0, 4);
    EXPECT_EQ(summary(db).value("120.01"), "100.10/40.05/2");
    EXPECT_EQ(summary(db), summed(db));

    db.exec(QStringLiteral("UPDATE FINHRK SET BORC = 250.25 WHERE HRK_NO = 1"));
    db.exec(QStringLiteral("UPDATE FINHRK SET KODU = '120.02' WHERE HRK_NO = 2 AND KODU = '120.01'"));
    db.exec(QStringLiteral("UPDATE FINHRK SET KODU = '320.01' WHERE KODU IS NULL"));
    db.exec(QStringLiteral("UPDATE FINHRK SET ACIKLAMA = 'yalnız açıklama' WHERE HRK_NO = 4"));
    EXPECT_EQ(summary(db).value("120.01"), "250.25/0.00/1");
    EXPECT_EQ(summary(db).value("120.02"), "0.00/40.05/1");
    EXPECT_EQ(summary(db).value("320.01"), "5.00/5.00/1");
    EXPECT_EQ(summary(db), summed(db));

    try {
        DbTransaction tx(db);
        addRow(db, "120.01", 1000, 0, 9);
        db.exec(QStringLiteral("DELETE FROM FINHRK WHERE KODU = 'K01'"));
        throw std::runtime_error("yarıda kesildi");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(summary(db).value("120.01"), "250.25/0.00/1");
    EXPECT_TRUE(summary(db).contains("K01"));

    db.exec(QStringLiteral("DELETE FROM FINHRK WHERE HRK_NO IN (2, 3)"));
    EXPECT_FALSE(summary(db).contains("K01"));
    EXPECT_FALSE(summary(db).contains("120.02"));
    EXPECT_EQ(summary(db), summed(db));
    EXPECT_EQ(summary(db).keys(), (QStringList{"120.01", "PK"}));
}

// A year that had movements before the summary existed gets it filled by the upgrade, and
// the triggers work afterwards.
TEST_F(BalanceSummary, UpgradeFillsItFromExistingMovements)
{
    addRow(db, "120.01", 10, 0, 1);
    addRow(db, "120.01", 0, 4, 2);
    addRow(db, "600.01", 0, 99.99, 3);
    db.exec(QStringLiteral("DROP TABLE FINBAKIYE"));
    int step = 0;
    for (const Migration& m : SchemaManager::migrations())
        if (m.what.contains(QStringLiteral("bakiye özeti")))
            step = m.version;
    ASSERT_GT(step, 0);
    db.exec(QStringLiteral("DELETE FROM SCHEMA_SURUM WHERE SURUM >= :v"), {{QStringLiteral("v"), step}});
    SchemaManager::upgradeYear(db);
    EXPECT_EQ(summary(db).value("120.01"), "10.00/4.00/2");
    EXPECT_EQ(summary(db).value("600.01"), "0.00/99.99/1");
    addRow(db, "600.01", 0, 0.01, 4);
    EXPECT_EQ(summary(db).value("600.01"), "0.00/100.00/2");
    EXPECT_EQ(summary(db), summed(db));
}

// Two workstations saving movements of the same two codes in opposite order: the summary
// rows are locked only when each commits, both in code order, so neither waits on the other
// while writing and the second commit at most waits for the first (before, the second write
// ran into the first's lock and the pair deadlocked). A savepoint rolled back with the first
// change of a transaction takes its queued summary change with it, and later changes are
// still summed.
TEST_F(BalanceSummary, WritersInOppositeOrderNeitherBlockNorDeadlock)
{
    if (!db.dialect().isPostgres())
        GTEST_SKIP() << "SQLite has one writer at a time";
    addRow(db, "120.A", 1, 0, 1);
    addRow(db, "120.B", 0, 1, 2);
    {
        OtherWorkstation other(db, 1000);
        const Db& ws = other.db();
        DbTransaction mine(db);
        addRow(db, "120.A", 10, 0, 10);
        ws.exec(QStringLiteral("BEGIN"));
        addRow(ws, "120.B", 0, 20, 11);
        addRow(db, "120.B", 5, 0, 12); // the other holds 120.B's summary row until it commits
        addRow(ws, "120.A", 0, 7, 13);
        ws.exec(QStringLiteral("DELETE FROM FINHRK WHERE HRK_NO = 2"));
        mine.commit();
        ws.exec(QStringLiteral("COMMIT"));

        ws.exec(QStringLiteral("BEGIN"));
        ws.exec(QStringLiteral("SAVEPOINT S1"));
        addRow(ws, "120.C", 99, 0, 20);
        ws.exec(QStringLiteral("ROLLBACK TO SAVEPOINT S1"));
        addRow(ws, "120.C", 3, 0, 21);
        ws.exec(QStringLiteral("COMMIT"));
    }
    EXPECT_EQ(summary(db).value("120.A"), "11.00/7.00/3");
    EXPECT_EQ(summary(db).value("120.B"), "5.00/20.00/2");
    EXPECT_EQ(summary(db).value("120.C"), "3.00/0.00/1");
    EXPECT_EQ(summary(db), summed(db));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FINBAKIYE_FARK")).toInt(), 0);
}
