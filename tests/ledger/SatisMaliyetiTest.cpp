#include "TicariMuhasebeFixture.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/TopluMuhasebe.h"

namespace nimbo::test {

namespace {

const char* const kAylar[] = {"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran",
                              "Temmuz", "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"};

} // namespace

// The month's cost of sales: each invoiced line at the average purchase cost up to its
// invoice date (a later purchase does not count, a dispatch note is not costed); bulk posting
// offers the month; its voucher credits stock and debits cost of sales; costing and posting
// again keeps the voucher and follows a corrected purchase.
TEST_F(TicariMuhasebeTest, MonthlyCostOfSalesVoucher)
{
    exec("UPDATE PARAMET SET ISK_DUS = 'D'");
    alisYap("F", 1, 10, 40, gun);
    alisYap("F", 1, 10, 30, gun);
    auto s = yeni("F");
    s->setHeader("ODE_TIP", "V");
    satir(*s, 1, 3, 100);
    s->save();
    auto irs = yeni("İ");
    satir(*irs, 1, 5, 100);
    irs->save();
    alisYap("F", 1, 10, 90, gun.addDays(1)); // after the sale

    const int ay = gun.month();
    TopluMuhasebe toplu(db);
    const auto liste = toplu.bekleyenler(QDate(gun.year(), ay, 1), QDate(gun.year(), ay, 1).addMonths(1).addDays(-1),
                                         {QLatin1Char('6')});
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste.first().no, ay);
    EXPECT_EQ(toplu.muhasebelestir(liste).muhasebelesen, 1);

    EXPECT_EQ(count("SELECT COUNT(*) FROM MALSAT"), 1);
    EXPECT_DOUBLE_EQ(sum("SELECT MALIYET_TL FROM MALSAT"), 35);
    EXPECT_DOUBLE_EQ(sum("SELECT TUTAR FROM SATMALIMUH WHERE AY = :a", {{"a", ay}}), 105);
    const double f = sum("SELECT FIS_NO FROM SATMALIMUH WHERE AY = :a", {{"a", ay}});
    ASSERT_GT(f, 0);
    EXPECT_EQ(fisSatirlari(f), (QStringList{"153.01 A 105", "621.01 B 105"}));
    const auto h = db.records("SELECT TUR, BELGENO, ACIKLAMA, ENT_TIP, TARIH FROM FIS WHERE FISNO = :f", {{"f", f}});
    ASSERT_EQ(h.size(), 1);
    EXPECT_EQ(toText(h[0].value(0)), "6");
    EXPECT_EQ(toText(h[0].value(1)), QString::number(ay));
    EXPECT_EQ(toText(h[0].value(2)), QString::fromUtf8(kAylar[ay - 1]) + " Ayı Satışların Maliyetler Fişi.");
    EXPECT_EQ(toText(h[0].value(3)), "6");
    EXPECT_EQ(toDate(h[0].value(4)), QDate(gun.year(), ay, 1).addMonths(1).addDays(-1));

    // The cheaper purchase is corrected to 50: posting the month again costs 45 a unit.
    exec("UPDATE MALIFYT SET MALIYET_TL = 50 WHERE MALIYET_TL = 30");
    ASSERT_TRUE(BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('6')), ay, false).basarili);
    EXPECT_EQ(sum("SELECT FIS_NO FROM SATMALIMUH WHERE AY = :a", {{"a", ay}}), f);
    EXPECT_EQ(fisSatirlari(f), (QStringList{"153.01 A 135", "621.01 B 135"}));
    EXPECT_TRUE(toplu.bekleyenler(QDate(gun.year(), 1, 1), QDate(gun.year(), 12, 31), {QLatin1Char('6')}).isEmpty());
}

// A sales return entered on the purchase side takes back the cost its sold line had: stock
// debited, cost of sales credited, before the return's own lines; also when the sale's month
// was not costed yet. The counter account is the card's supplier-side code.
TEST_F(TicariMuhasebeTest, SalesReturnReversesTheCostOfTheSoldLine)
{
    exec("UPDATE PARAMET SET ISK_DUS = 'H'");
    alisYap("F", 1, 10, 40, gun);
    auto s = yeni("F");
    s->setHeader("ODE_TIP", "V");
    satir(*s, 1, 3, 100);
    s->save();

    auto iade = yeniAlis("A");
    const int r = alisSatiri(*iade, 1, 2, 100);
    iade->setLine(r, "IADE_REFNO", s->key());
    iade->setLine(r, "IADE_SIRA", 1);
    saklaVeMuhasebelestir(*iade);
    EXPECT_EQ(fisSatirlari(fisNo("ALIS", iade->key().toDouble())),
              (QStringList{"320.01 A 236", "153.01 B 80", "621.01 A 80", "610.01 B 200", "191.02 B 36"}));
}

} // namespace nimbo::test
