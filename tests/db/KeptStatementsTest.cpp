#include "db/DbTransaction.h"
#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class KeptStatements : public YearDbTest {
protected:
    void makeTable()
    {
        db.exec(QStringLiteral("CREATE TABLE DENEME (NO INTEGER NOT NULL PRIMARY KEY, ADI VARCHAR(10), TUTAR DOUBLE "
                               "PRECISION)"));
    }
    int count(const QString& sql) { return db.scalar(sql).toInt(); }
};
} // namespace

// Statements stay prepared from one run to the next: a column added to a table is seen by
// the next SELECT * (PostgreSQL refuses to run a kept plan whose columns changed), by the
// column list writers go by, and a statement that failed runs again with good values; a
// rolled-back transaction leaves the kept statements usable.
TEST_F(KeptStatements, SchemaChangesFailuresAndRollbacksLeaveThemUsable)
{
    makeTable();
    const QString ekle = QStringLiteral("INSERT INTO DENEME (NO, ADI) VALUES (:n, :a)");
    const QString hepsi = QStringLiteral("SELECT * FROM DENEME ORDER BY NO");
    EXPECT_EQ(db.execAffected(ekle, {{"n", 1}, {"a", "bir"}}), 1);
    EXPECT_EQ(db.records(hepsi).first().count(), 3);
    EXPECT_EQ(db.columns(QStringLiteral("DENEME")).size(), 3);

    db.exec(QStringLiteral("ALTER TABLE DENEME ADD COLUMN NOTU VARCHAR(20)"));
    const auto satirlar = db.records(hepsi);
    ASSERT_EQ(satirlar.size(), 1);
    EXPECT_EQ(satirlar.first().count(), 4);
    EXPECT_EQ(db.columns(QStringLiteral("DENEME")).last(), QStringLiteral("NOTU"));

    EXPECT_THROW(db.execAffected(ekle, {{"n", 1}, {"a", "yine"}}), DbError); // the key is taken
    EXPECT_EQ(db.execAffected(ekle, {{"n", 2}, {"a", "iki"}}), 1);
    {
        DbTransaction tx(db);
        EXPECT_EQ(db.execAffected(ekle, {{"n", 3}, {"a", "üç"}}), 1);
        EXPECT_THROW(db.execAffected(ekle, {{"n", 3}, {"a", "üç"}}), DbError);
        // the transaction ends without a commit
    }
    EXPECT_EQ(db.execAffected(ekle, {{"n", 4}, {"a", "dört"}}), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM DENEME")), 3);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT ADI FROM DENEME WHERE NO = :n"), {{"n", 4}}).toString(), "dört");
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT ADI FROM DENEME WHERE NO = :n"), {{"n", 2}}).toString(), "iki");

    db.reopen();
    EXPECT_EQ(db.records(hepsi).size(), 3);
    EXPECT_TRUE(db.any(QStringLiteral("SELECT 1 FROM DENEME WHERE NO = :n"), {{"n", 1}}));
    EXPECT_FALSE(db.any(QStringLiteral("SELECT 1 FROM DENEME WHERE NO = :n"), {{"n", 3}}));
}

// Many rows of one table go in chunks of 16, 8, 4, 2 and 1; every row arrives once, with
// its own values, in order; a column a row leaves out is empty in that row only, and keys
// that are no columns are left out.
TEST_F(KeptStatements, RowsGoInChunksEachWithItsOwnValues)
{
    makeTable();
    for (int n : {23, 16, 1, 7}) {
        SCOPED_TRACE(n);
        QList<QVariantMap> rows;
        for (int i = 0; i < n; ++i) {
            QVariantMap r{{"NO", i}, {"TUTAR", i * 1.5}, {"HESAPLANAN", 99}};
            if (i % 3 != 1)
                r.insert("ADI", QStringLiteral("S%1").arg(i));
            rows << r;
        }
        DbTransaction tx(db);
        db.exec(QStringLiteral("DELETE FROM DENEME"));
        DocumentWriter w(db);
        w.insertRows(QStringLiteral("DENEME"), rows);
        tx.commit();
        const auto got = db.records(QStringLiteral("SELECT NO, ADI, TUTAR FROM DENEME ORDER BY NO"));
        ASSERT_EQ(got.size(), n);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(got[i].value(0).toInt(), i);
            EXPECT_DOUBLE_EQ(got[i].value(2).toDouble(), i * 1.5);
            if (i % 3 == 1)
                EXPECT_TRUE(got[i].value(1).isNull()) << i;
            else
                EXPECT_EQ(toText(got[i].value(1)), QStringLiteral("S%1").arg(i));
        }
    }
}

// Dates written by a document's multi-row inserts are stored exactly as the same date bound
// to a plain statement: a condition on the date finds both, whatever runs of equal dates,
// times of day, milliseconds, UTC or offsets the rows carry.
TEST_F(KeptStatements, DatesOfManyRowsAreStoredAsAPlainStatementStoresThem)
{
    db.exec(QStringLiteral("CREATE TABLE TARIHLI (NO INTEGER NOT NULL PRIMARY KEY, TARIH TIMESTAMP)"));
    const QDate gun(2026, 3, 9);
    const QList<QDateTime> tarihler{QDateTime(gun, QTime(0, 0)), QDateTime(gun, QTime(0, 0)),
                                    QDateTime(gun, QTime(13, 5, 7, 250)), QDateTime(gun.addDays(1), QTime(0, 0)),
                                    QDateTime(gun, QTime(0, 0)), QDateTime(gun, QTime(9, 0), Qt::UTC),
                                    QDateTime(gun, QTime(0, 0), Qt::OffsetFromUTC, 3 * 3600),
                                    QDateTime(gun, QTime(0, 0), Qt::OffsetFromUTC, -5 * 3600), QDateTime(gun, QTime(0, 0)),
                                    QDateTime()};
    QList<QVariantMap> rows;
    for (int i = 0; i < tarihler.size(); ++i)
        rows << QVariantMap{{"NO", i}, {"TARIH", tarihler[i]}};
    DbTransaction tx(db);
    DocumentWriter w(db);
    w.insertRows(QStringLiteral("TARIHLI"), rows);
    for (int i = 0; i < tarihler.size(); ++i)
        db.exec(QStringLiteral("INSERT INTO TARIHLI (NO, TARIH) VALUES (:N, :T)"), {{"N", 100 + i}, {"T", tarihler[i]}});
    tx.commit();
    for (int i = 0; i < tarihler.size() - 1; ++i) {
        SCOPED_TRACE(i);
        const auto got = db.records(QStringLiteral("SELECT NO FROM TARIHLI WHERE TARIH = :T ORDER BY NO"), {{"T", tarihler[i]}});
        QList<int> nos;
        for (const auto& r : got)
            nos << r.value(0).toInt();
        EXPECT_TRUE(nos.contains(i)) << nos.size();
        EXPECT_TRUE(nos.contains(100 + i));
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TARIHLI WHERE TARIH IS NULL")), 2);
    // Ordered as dates: the next day sorts after every time of the day before.
    const auto sirali = db.records(QStringLiteral("SELECT NO FROM TARIHLI WHERE TARIH IS NOT NULL ORDER BY TARIH DESC, NO"));
    ASSERT_FALSE(sirali.isEmpty());
    EXPECT_EQ(sirali.first().value(0).toInt(), 3);
}
