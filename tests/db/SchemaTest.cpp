#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "support/TestEnv.h"

#include <QSqlQuery>
#include <QSqlRecord>

using namespace nimbo;
using namespace nimbo::test;

namespace {
// Every column with its type, length and nullability, and every index with its columns,
// as the engine's catalogue reports them.
QStringList schemaShape(const Db& db)
{
    QStringList out;
    for (const SchemaPart& part : yearSchema())
        for (const TableDef& t : part.tables) {
            if (db.dialect().isSqlite()) {
                for (const QSqlRecord& c : db.records(QStringLiteral("PRAGMA table_info(%1)").arg(t.name)))
                    out << QStringLiteral("%1.%2 %3 notnull=%4 pk=%5")
                               .arg(t.name, c.value(1).toString().toUpper(), c.value(2).toString().toUpper(),
                                    c.value(3).toString(), c.value(5).toString());
                for (const QSqlRecord& i : db.records(QStringLiteral("PRAGMA index_list(%1)").arg(t.name))) {
                    QStringList cols;
                    for (const QSqlRecord& ic : db.records(QStringLiteral("PRAGMA index_info(\"%1\")").arg(i.value(1).toString())))
                        cols << ic.value(2).toString().toUpper();
                    const QString name = i.value(1).toString().startsWith(QLatin1String("sqlite_autoindex"))
                                             ? QStringLiteral("(anahtar)")
                                             : i.value(1).toString().toUpper();
                    out << QStringLiteral("%1 index %2 unique=%3 (%4)")
                               .arg(t.name, name, i.value(2).toString(), cols.join(QLatin1Char(',')));
                }
            } else {
                for (const QSqlRecord& c : db.records(
                         QStringLiteral("SELECT column_name, data_type, character_maximum_length, is_nullable, "
                                        "numeric_precision FROM information_schema.columns WHERE table_name = :t"),
                         {{QStringLiteral("t"), t.name.toLower()}}))
                    out << QStringLiteral("%1.%2 %3(%4) nullable=%5 p=%6")
                               .arg(t.name, c.value(0).toString().toUpper(), c.value(1).toString(),
                                    c.value(2).toString(), c.value(3).toString(), c.value(4).toString());
                for (const QSqlRecord& i :
                     db.records(QStringLiteral("SELECT indexname, indexdef FROM pg_indexes WHERE tablename = :t"),
                                {{QStringLiteral("t"), t.name.toLower()}}))
                    out << QStringLiteral("%1 index %2").arg(t.name, i.value(1).toString().toUpper());
            }
        }
    out.sort();
    return out;
}

bool hasIndex(const Db& db, const QString& name)
{
    return db.dialect().isSqlite()
               ? db.any(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND UPPER(name) = :n"),
                        {{QStringLiteral("n"), name.toUpper()}})
               : db.any(QStringLiteral("SELECT 1 FROM pg_indexes WHERE UPPER(indexname) = :n"),
                        {{QStringLiteral("n"), name.toUpper()}});
}
} // namespace

// A database upgraded from an older, smaller schema ends with the same columns (types,
// lengths, nullability) and indexes as one created fresh, and the upgrade can be run again
// without harm.
TEST(Schema, UpgradeOfOldDatabaseMatchesFreshOne)
{
    const ConnectionParams oldP = TestEnv::params(TestEnv::uniqueName(QStringLiteral("OLD")));
    Db::createDatabase(oldP);
    {
        Db old = Db::open(QStringLiteral("OLD"), oldP);
        // What an early version had: KIMKUL with a few columns, a rate table without its
        // indexes and one column short, and no other table.
        old.exec(QStringLiteral("CREATE TABLE KIMKUL (KULLANICI VARCHAR(15) NOT NULL PRIMARY KEY, SIFRE VARCHAR(15))"));
        old.exec(QStringLiteral("INSERT INTO KIMKUL (KULLANICI, SIFRE) VALUES ('ESKI', 'e')"));
        SchemaManager::upgradeYear(old);
        SchemaManager::upgradeYear(old);
        EXPECT_EQ(SchemaManager::versionOf(old), SchemaManager::currentVersion());
        EXPECT_EQ(old.scalar(QStringLiteral("SELECT COUNT(*) FROM SCHEMA_SURUM")).toInt(),
                  SchemaManager::migrations().size());
        EXPECT_EQ(old.scalar(QStringLiteral("SELECT SIFRE FROM KIMKUL WHERE KULLANICI = 'ESKI'")).toString(), "e");

        Db fresh = freshYearDb();
        const QStringList a = schemaShape(old);
        const QStringList b = schemaShape(fresh);
        EXPECT_GT(b.size(), 100);
        QStringList onlyOld, onlyFresh;
        for (const QString& x : a)
            if (!b.contains(x))
                onlyOld << x;
        for (const QString& x : b)
            if (!a.contains(x))
                onlyFresh << x;
        EXPECT_TRUE(onlyOld.isEmpty() && onlyFresh.isEmpty())
            << "upgraded only: " << onlyOld.join(" | ").toStdString() << "\nfresh only: " << onlyFresh.join(" | ").toStdString();
        releaseYearDb(fresh);
    }
    Db::close(QStringLiteral("OLD"));
    Db::dropDatabase(oldP);
}

// A year whose schema is newer or older than the program's is refused with the maintenance
// command named; the upgrade itself refuses a newer one.
TEST(Schema, YearOfAnotherSchemaVersionIsRefused)
{
    Db db = freshYearDb();
    const auto expectRefused = [&](const char* word) {
        try {
            SchemaManager::checkYearVersion(db);
            ADD_FAILURE() << "a schema of another version was accepted (" << word << ")";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String("nimbo-admin upgrade"))) << e.what();
            EXPECT_TRUE(e.message().contains(QLatin1String(word))) << e.what();
        }
    };
    EXPECT_NO_THROW(SchemaManager::checkYearVersion(db));
    db.exec(QStringLiteral("INSERT INTO SCHEMA_SURUM (SURUM, ACIKLAMA) VALUES (:v, 'gelecek')"),
            {{QStringLiteral("v"), SchemaManager::currentVersion() + 1}});
    expectRefused("yeni");
    EXPECT_THROW(SchemaManager::upgradeYear(db), UserError);
    db.exec(QStringLiteral("DELETE FROM SCHEMA_SURUM WHERE SURUM >= :v"),
            {{QStringLiteral("v"), SchemaManager::currentVersion()}});
    expectRefused("eski");
    SchemaManager::upgradeYear(db);
    EXPECT_NO_THROW(SchemaManager::checkYearVersion(db));
    releaseYearDb(db);
}

// Years of version 10 were made before the finance list's type-pair index: such a year is
// refused until upgraded, and the upgrade gives it the index.
TEST(Schema, VersionTenYearIsUpgradedWithTheFinanceTypeIndex)
{
    Db db = freshYearDb();
    ASSERT_TRUE(hasIndex(db, QStringLiteral("IX_FINMAST_TIP")));
    db.exec(QStringLiteral("DROP INDEX IX_FINMAST_TIP"));
    db.exec(QStringLiteral("DELETE FROM SCHEMA_SURUM WHERE SURUM > 10"));
    ASSERT_FALSE(hasIndex(db, QStringLiteral("IX_FINMAST_TIP")));
    EXPECT_THROW(SchemaManager::checkYearVersion(db), UserError);
    SchemaManager::upgradeYear(db);
    EXPECT_TRUE(hasIndex(db, QStringLiteral("IX_FINMAST_TIP")));
    EXPECT_NO_THROW(SchemaManager::checkYearVersion(db));
    releaseYearDb(db);
}

// Years of version 11 keep the cost rows' item index without the date: the upgrade puts the
// dated one in its place.
TEST(Schema, VersionElevenYearGetsTheDatedCostIndex)
{
    Db db = freshYearDb();
    db.exec(QStringLiteral("DROP INDEX IX_MALIFYT_STOKTARIH"));
    db.exec(QStringLiteral("CREATE INDEX IX_MALIFYT_STOK ON MALIFYT (STOK_NO, MIKTAR, MALIYET_TL, MALIYET_USD, MALIYET_EUR)"));
    db.exec(QStringLiteral("DELETE FROM SCHEMA_SURUM WHERE SURUM > 11"));
    EXPECT_THROW(SchemaManager::checkYearVersion(db), UserError);
    SchemaManager::upgradeYear(db);
    EXPECT_TRUE(hasIndex(db, QStringLiteral("IX_MALIFYT_STOKTARIH")));
    EXPECT_FALSE(hasIndex(db, QStringLiteral("IX_MALIFYT_STOK")));
    EXPECT_NO_THROW(SchemaManager::checkYearVersion(db));
    releaseYearDb(db);
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
