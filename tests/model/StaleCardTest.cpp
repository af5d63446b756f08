#include "accounts/CariKart.h"
#include "db/RecordWriter.h"
#include "stock/StockTestUtil.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
// A second workstation: its own connection to the same year database.
class StaleCardTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        other = Db::open(QStringLiteral("OTHER_WORKSTATION"), db.params());
    }
    void TearDown() override
    {
        other = Db();
        Db::close(QStringLiteral("OTHER_WORKSTATION"));
        YearDbTest::TearDown();
    }
    void otherExec(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(other);
        other.exec(sql, p);
        tx.commit();
    }
    static QString saveRefusal(CardModel& c)
    {
        try {
            c.save();
        } catch (const UserError& e) {
            return e.message();
        }
        return {};
    }
    Db other;
};

const QString kGone = QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor.");
} // namespace

// Saving a card whose row another workstation deleted meanwhile says so and brings
// nothing back: neither with a change nor without one.
TEST_F(StaleCardTest, CardDeletedByAnotherWorkstationIsReportedNotRecreated)
{
    const double no = saveItem(db, QStringLiteral("ESKI"));
    StockCard item(db);
    item.open(no);
    otherExec(QStringLiteral("DELETE FROM STOK WHERE STOK_NO = :N"), {{QStringLiteral("N"), no}});
    item.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("Yeni Ad"));
    EXPECT_EQ(saveRefusal(item), kGone);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM STOK")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM STOKMUH WHERE STOK_NO = :N"), {{"N", no}}).toInt(), 1)
        << "the refused save rolled back whatever it had written";

    CariKart acc(db);
    acc.startNew();
    for (const char* c : {"ADRES_1", "TEL1", "VD", "VN", "FIRMA_ADI"})
        acc.setValue(QLatin1String(c), QStringLiteral("x"));
    acc.setValue(QStringLiteral("CARI_KOD"), QStringLiteral("120.01"));
    acc.save();
    CariKart again(db);
    ASSERT_TRUE(again.open(QStringLiteral("120.01")));
    otherExec(QStringLiteral("DELETE FROM CARI WHERE CARI_KOD = '120.01'"));
    EXPECT_EQ(saveRefusal(again), kGone) << "nothing changed, the row is still gone";
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARIBANKA")).toInt(), 0);
}

// Two workstations change different fields of one card: both changes stay, because each
// save writes only what its user changed.
TEST_F(StaleCardTest, OnlyChangedColumnsAreWritten)
{
    const double no = saveItem(db, QStringLiteral("ORTAK"), {{QStringLiteral("TEMSILCI"), QStringLiteral("A1")}});
    StockCard mine(db);
    mine.open(no);
    otherExec(QStringLiteral("UPDATE STOK SET TEMSILCI = 'B7' WHERE STOK_NO = :N"), {{QStringLiteral("N"), no}});
    mine.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("Benim Adım"));
    mine.save();
    const QVariantMap row = readRow(db, QStringLiteral("SELECT * FROM STOK WHERE STOK_NO = :N"), {{"N", no}});
    EXPECT_EQ(toText(row.value(QStringLiteral("STOK_ADI_TR"))), QStringLiteral("Benim Adım"));
    EXPECT_EQ(toText(row.value(QStringLiteral("TEMSILCI"))), QStringLiteral("B7"));

    // Emptying a field is a change too: stored as NULL.
    mine.setValue(QStringLiteral("STOK_ADI_ING"), QStringLiteral("English"));
    mine.save();
    mine.setValue(QStringLiteral("STOK_ADI_ING"), QStringLiteral("   "));
    mine.save();
    EXPECT_TRUE(db.scalar(QStringLiteral("SELECT STOK_ADI_ING FROM STOK WHERE STOK_NO = :N"), {{"N", no}}).isNull());
}
