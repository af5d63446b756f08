#include "CariFixture.h"
#include "demo/DemoData.h"
#include "services/SessionContext.h"

namespace nimbo::test {

using CariHareketDemoTest = YearDbTest;

// The demo year gets movement documents of every type, saved through the document: each
// with its lines, finance rows and, for cash documents, its cash rows.
TEST_F(CariHareketDemoTest, DemoMovementsOfEveryTypeWithTheirDerivedRows)
{
    {
        DbTransaction tx(db);
        demo::fillServicesDemo(db, 2026);
        demo::fillAccountsDemo(db, 2026);
        tx.commit();
    }
    loginAs("YONETICI");
    SessionContext::current().param.YERELDOVIZ = "TL";
    SessionContext::current().param.RDOVIZ1 = "USD";
    SessionContext::current().param.RDOVIZ2 = "EUR";
    demo::fillAccountMovementsDemo(db, 2026, 60);

    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM CARIHRKM").toInt(), 60);
    for (const char* tip : {"N", "D", "V", "F", "O", "I"})
        EXPECT_GT(db.scalar("SELECT COUNT(*) FROM CARIHRKM WHERE TIP=:t", {{"t", tip}}).toInt(), 0) << tip;
    // Transfers balance; every line has its finance row; cash documents their cash rows.
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM CARIHRKM WHERE TIP='V' AND ABS(BORC-ALACAK) > 0.000001").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FINHRK WHERE BELGE_TIP='C' AND ISLEM_TIP='C'").toInt(),
              db.scalar("SELECT COUNT(*) FROM CARIHRK").toInt());
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM KASAHRKT").toInt(),
              db.scalar("SELECT COUNT(*) FROM CARIHRK WHERE CRHRK_TUR='N'").toInt());
    EXPECT_GT(db.scalar("SELECT COUNT(DISTINCT KASAKOD) FROM KASAHRKT").toInt(), 1);
    EXPECT_EQ(db.scalar("SELECT YENINO FROM NEWCARI").toInt(), 1 + db.scalar("SELECT MAX(CARI_NO) FROM CARIHRKM").toInt());
}

} // namespace nimbo::test
