#include "db/DbTransaction.h"
#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "finance/CekSenetListe.h"
#include "ledger/Mizan.h"
#include "ledger/MuhKodIzi.h"
#include "services/SessionContext.h"
#include "support/TestEnv.h"

namespace nimbo::test {

using LedgerDemoTest = YearDbTest;

// The demo year's account and bank movements are posted: most of them become vouchers, each
// of which balances, with its source marked; the ones left unposted have no voucher; the trial
// balance of the year is equal on both sides.
TEST_F(LedgerDemoTest, DemoYearPostedAndBalanced)
{
    MuhKodIzi::setKlasor(TestEnv::tempDir());
    {
        DbTransaction tx(db);
        demo::fillServicesDemo(db, 2026);
        demo::fillAccountsDemo(db, 2026);
        demo::fillStockDemo(db, 2026);
        demo::fillLedgerDemo(db, 2026);
        tx.commit();
    }
    loginAs("YONETICI");
    SessionContext::current().param.YERELDOVIZ = "TL";
    SessionContext::current().param.RDOVIZ1 = "USD";
    SessionContext::current().param.RDOVIZ2 = "EUR";
    demo::fillAccountMovementsDemo(db, 2026, 60);
    demo::fillFinanceDemo(db, 2026, 40);
    demo::fillPurchaseDemo(db, 2026, 20);
    demo::fillSalesDemo(db, 2026, 40);
    const int elle = db.scalar("SELECT COUNT(*) FROM FIS").toInt();
    demo::postDemoDocuments(db, 2026);

    const int posted = db.scalar("SELECT COUNT(*) FROM CARIHRKM WHERE FIS_NO IS NOT NULL").toInt();
    EXPECT_GT(posted, 30);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'C'").toInt(), posted);
    // Every bank movement but the year's opening is posted, each type by its own rule.
    const int banka = db.scalar("SELECT COUNT(*) FROM BANKHRK WHERE FIS_NO IS NOT NULL").toInt();
    EXPECT_EQ(banka, db.scalar("SELECT COUNT(*) FROM BANKHRK").toInt() - 1);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM BANKHRK WHERE TIP = 'A' AND FIS_NO IS NOT NULL").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(DISTINCT TIP) FROM BANKHRK WHERE FIS_NO IS NOT NULL").toInt(), 6);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'B'").toInt(), banka);
    // Every sales and purchase invoice is posted (dispatch notes never are), its items' codes
    // written by the demo's code group cards.
    const int satis = db.scalar("SELECT COUNT(*) FROM SATIS WHERE FIS_NO IS NOT NULL").toInt();
    const int alis = db.scalar("SELECT COUNT(*) FROM ALIS WHERE FIS_NO IS NOT NULL").toInt();
    EXPECT_GT(satis, 20);
    EXPECT_GT(alis, 10);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM SATIS WHERE FIS_NO IS NULL AND TIP IN ('F', 'R', 'A', 'E')").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM ALIS WHERE FIS_NO IS NULL AND TIP IN ('F', 'R', 'A', 'E')").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM SATIS WHERE FIS_NO IS NOT NULL AND TIP IN ('İ', 'L')").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'S'").toInt(), satis);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'A'").toInt(), alis);
    // Each month with sales has its cost-of-sales voucher.
    const int maliyet = db.scalar("SELECT COUNT(*) FROM SATMALIMUH WHERE FIS_NO IS NOT NULL AND TUTAR > 0").toInt();
    EXPECT_GT(maliyet, 5);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM SATMALIMUH WHERE FIS_NO IS NULL").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS").toInt(),
              elle + posted + banka + satis + alis + maliyet
                  + db.scalar("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'X'").toInt());
    // Nothing is dated after today: a current year's documents end today.
    const QDate bugun = QDate::currentDate();
    const Params yarin{{"T", QDateTime(bugun.year() == 2026 ? bugun.addDays(1) : QDate(2027, 1, 1), QTime(0, 0))}};
    for (const char* sql : {"SELECT COUNT(*) FROM SATIS WHERE FATARIH >= :T", "SELECT COUNT(*) FROM ALIS WHERE FATARIH >= :T",
                            "SELECT COUNT(*) FROM FINHRK WHERE TARIH >= :T", "SELECT COUNT(*) FROM STOKHRK WHERE TARIH >= :T",
                            "SELECT COUNT(*) FROM CARIHRKM WHERE TARIH >= :T", "SELECT COUNT(*) FROM FINMAST WHERE ISLEM_TRH >= :T",
                            "SELECT COUNT(*) FROM FIS WHERE TARIH >= :T"})
        EXPECT_EQ(db.scalar(QString::fromLatin1(sql), yarin).toInt(), 0) << sql;
    // Every cash document is posted; openings and special movements never are.
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM CARIHRKM WHERE TIP = 'N' AND FIS_NO IS NULL").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM CARIHRKM WHERE TIP IN ('I', 'O') AND FIS_NO IS NOT NULL").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS WHERE ABS(BORC - ALACAK) > 0.001").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FIS F WHERE ABS(F.BORC - (SELECT SUM(BORC) FROM FISAYR A "
                        "WHERE A.FISNO = F.FISNO)) > 0.001")
                  .toInt(),
              0);

    // Every paper the demo moved has its history, the latest line giving the card its status.
    int tarihceli = 0;
    for (const QSqlRecord& r : db.records("SELECT PORTFOYNO, SON_DURUMU FROM CSKART WHERE COALESCE(B_TUR, '') <> 'D' "
                                          "AND (SON_DURUMU <> 'P' OR PORTFOYNO IN (SELECT CEK_NO FROM FINDET))")) {
        const auto t = CekSenetListe(db).tarihce(r.value(0).toDouble());
        ASSERT_FALSE(t.isEmpty()) << r.value(0).toDouble();
        EXPECT_EQ(t.last().durum, toText(r.value(1)));
        ++tarihceli;
    }
    EXPECT_GT(tarihceli, 30);

    Mizan m(db);
    m.hesapla(HesapKodu::Duzey::Kebir, QDate(2026, 1, 1), QDate(2026, 12, 31));
    EXPECT_GT(m.toplam().donemBorc, 0);
    EXPECT_NEAR(m.toplam().kapanisBorc(), m.toplam().kapanisAlacak(), 0.001);
    EXPECT_NEAR(m.bakiyeBorcToplami(), m.bakiyeAlacakToplami(), 0.001);
}

// The current year's days are pressed into those that have passed: none after today, the
// opening day kept, the order kept (two days may meet, never swap); other years unchanged.
TEST(DemoTarihi, CurrentYearEndsTodayInOrder)
{
    const QDate bugun(2026, 12, 6);
    QDate onceki;
    for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1)) {
        const QDate t = demo::demoTarihi(d, bugun);
        ASSERT_EQ(t.year(), 2026) << d.toString(Qt::ISODate).toStdString();
        EXPECT_LE(t, bugun);
        if (onceki.isValid())
            EXPECT_GE(t, onceki) << d.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(t == QDate(2026, 1, 1), d == QDate(2026, 1, 1));
        onceki = t;
    }
    EXPECT_EQ(demo::demoTarihi(QDate(2026, 12, 31), bugun), bugun);
    EXPECT_EQ(demo::demoTarihi(QDate(2026, 1, 2), bugun), QDate(2026, 1, 2));
    EXPECT_EQ(demo::demoTarihi(QDate(2025, 12, 28), bugun), QDate(2025, 12, 28));
    EXPECT_EQ(demo::demoTarihi(QDate(2027, 2, 1), bugun), QDate(2027, 2, 1));
    EXPECT_EQ(demo::demoTarihi(QDate(2026, 12, 28), QDate(2026, 12, 31)), QDate(2026, 12, 28));
    EXPECT_EQ(demo::demoTarihi(QDate(2026, 7, 1), QDate(2026, 1, 1)), QDate(2026, 7, 1)); // nothing has passed
}

} // namespace nimbo::test
