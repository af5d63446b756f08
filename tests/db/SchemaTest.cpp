#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "support/TestEnv.h"

#include <QSqlQuery>

using namespace nimbo;
using namespace nimbo::test;

namespace {
QStringList tableShape(const Db& db)
{
    QStringList out;
    for (const SchemaPart& part : yearSchema())
        for (const TableDef& t : part.tables)
            out << t.name + QLatin1Char(':') + db.columns(t.name).join(QLatin1Char(','));
    out.sort();
    return out;
}
} // namespace

// A database upgraded from an older, smaller schema ends with the same tables and columns
// as one created fresh, and the upgrade can be run again without harm.
TEST(Schema, UpgradeOfOldDatabaseMatchesFreshOne)
{
    const ConnectionParams oldP = TestEnv::params(TestEnv::uniqueName(QStringLiteral("OLD")));
    Db::createDatabase(oldP);
    {
        Db old = Db::open(QStringLiteral("OLD"), oldP);
        // What an early version had: KIMKUL with a few columns and no other table.
        old.exec(QStringLiteral("CREATE TABLE KIMKUL (KULLANICI VARCHAR(15) NOT NULL PRIMARY KEY, SIFRE VARCHAR(15))"));
        old.exec(QStringLiteral("INSERT INTO KIMKUL (KULLANICI, SIFRE) VALUES ('ESKI', 'e')"));
        SchemaManager::upgradeYear(old);
        SchemaManager::upgradeYear(old);
        EXPECT_EQ(SchemaManager::versionOf(old), SchemaManager::currentVersion());
        EXPECT_EQ(old.scalar(QStringLiteral("SELECT COUNT(*) FROM SCHEMA_SURUM")).toInt(),
                  SchemaManager::migrations().size());
        EXPECT_EQ(old.scalar(QStringLiteral("SELECT SIFRE FROM KIMKUL WHERE KULLANICI = 'ESKI'")).toString(), "e");

        Db fresh = freshYearDb();
        EXPECT_EQ(tableShape(old), tableShape(fresh));
        releaseYearDb(fresh);
    }
    Db::close(QStringLiteral("OLD"));
    Db::dropDatabase(oldP);
}

TEST(Schema, ParsesColumnsAndConstraints)
{
    const auto cols = parseColumns(QStringLiteral("A VARCHAR(10) NOT NULL, B FLOAT, C NUMERIC(12,2) DEFAULT 0, "
                                                  "PRIMARY KEY (A, B)"));
    ASSERT_EQ(cols.size(), 3);
    EXPECT_EQ(cols[0].type, "VARCHAR(10)");
    EXPECT_EQ(cols[0].rest, "NOT NULL");
    EXPECT_EQ(cols[2].type, "NUMERIC(12,2)");
    EXPECT_EQ(cols[2].rest, "DEFAULT 0");
    EXPECT_EQ(parseConstraints(QStringLiteral("A INTEGER, PRIMARY KEY (A)")), QStringList{"PRIMARY KEY (A)"});
}

class DbLayer : public YearDbTest {};

// A write that fails half-way leaves nothing behind; nested scopes join the outer one.
TEST_F(DbLayer, TransactionRollsBackEverythingOnError)
{
    try {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A1', 'Ali')"));
        {
            DbTransaction inner(db);
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A2', 'Veli')"));
            inner.commit();
        }
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('A1', 'Tekrar')"));
        tx.commit();
        FAIL() << "duplicate key was accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(postErrorMessage(e.sqlError()), QStringLiteral("Aynı Kodlu Kayıt Var."));
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CALISAN")).toInt(), 0);
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(DbLayer, MissingRequiredValueMapsToItsCardMessage)
{
    try {
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (NULL, 'x')"));
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(postErrorMessage(e.sqlError()), QStringLiteral("Gerekli Alanları Lüften Giriniz."));
    }
}

// Quotes and SQL syntax in values are data; Turkish text and dates survive the round trip.
TEST_F(DbLayer, BoundValuesRoundTripLiterally)
{
    const QString nasty = QStringLiteral("O'Brien'; DROP TABLE CALISAN; --İığüşöç");
    db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, :a)"),
            {{QStringLiteral("k"), QStringLiteral("Q'1")}, {QStringLiteral("a"), nasty}});
    EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT ISCI_ADI FROM CALISAN WHERE ISCI_KOD = :k"),
                               {{QStringLiteral("k"), QStringLiteral("Q'1")}})),
              nasty);
    EXPECT_TRUE(db.tableExists(QStringLiteral("CALISAN")));
    db.exec(QStringLiteral("CREATE TABLE TARIHLER (T TIMESTAMP)"));
    const QDateTime noon(QDate(2026, 3, 1), QTime(14, 0));
    db.exec(QStringLiteral("INSERT INTO TARIHLER (T) VALUES (:t)"), {{QStringLiteral("t"), noon}});
    // A day-end bound value finds the row of that day; the day before does not.
    const QDateTime dayEnd(QDate(2026, 3, 1), QTime(23, 59, 59, 59));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM TARIHLER WHERE T <= :t"), {{QStringLiteral("t"), dayEnd}}).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM TARIHLER WHERE T <= :t"),
                        {{QStringLiteral("t"), QDateTime(QDate(2026, 2, 28), QTime(23, 59, 59, 59))}}).toInt(), 0);
    EXPECT_EQ(toDateTime(db.scalar(QStringLiteral("SELECT T FROM TARIHLER"))), noon);
}
