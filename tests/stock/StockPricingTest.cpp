#include "StockTestUtil.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StockPricingTest : public YearDbTest {
protected:
    void rate(const QString& dvz, const QDate& day, double satis)
    {
        db.exec("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES (:T, :D, :A, :S)",
                {{"T", QDateTime(day, QTime(0, 0))}, {"D", dvz}, {"A", satis - 0.1}, {"S", satis}});
    }
};
} // namespace

// Leaving the margin field twice with basis 'S' raises the sale price twice; 'A' and 'M'
// start from the purchase and the cost price each time, so leaving twice changes nothing more.
TEST_F(StockPricingTest, MarginBasesAndRepeatedSaleBasis)
{
    StockCard c(db);
    c.startNew();
    for (const char* s : {"TL", "USD", "EUR", "DOVIZ"}) {
        c.setValue(QStringLiteral("SAT_SKFYT_") + s, 100.0);
        c.setValue(QStringLiteral("ALIS_FYT_") + s, 50.0);
        c.setValue(QStringLiteral("MALIYET_FYT_") + s, 40.0);
        c.setValue(QStringLiteral("SAT_ABFYT_") + s, 80.0);
    }
    c.setValue("KAR_TIP", "S");
    c.setValue("KAR_ORAN", 10.0);
    c.applyMargin(StockPricing::Margin::Retail);
    EXPECT_DOUBLE_EQ(c.value("SAT_SKFYT_TL").toDouble(), 110.0);
    c.applyMargin(StockPricing::Margin::Retail);
    EXPECT_DOUBLE_EQ(c.value("SAT_SKFYT_TL").toDouble(), 121.0);
    EXPECT_DOUBLE_EQ(c.value("SAT_SKFYT_EUR").toDouble(), 121.0);
    EXPECT_DOUBLE_EQ(c.value("SAT_SKFYT_DOVIZ").toDouble(), 121.0);
    EXPECT_DOUBLE_EQ(c.value("SAT_ABFYT_TL").toDouble(), 80.0); // other kinds untouched

    c.setValue("KAR_TIP", "A");
    c.setValue("KAR_ORAN_AB", 20.0);
    c.applyMargin(StockPricing::Margin::Wholesale1);
    c.applyMargin(StockPricing::Margin::Wholesale1);
    EXPECT_DOUBLE_EQ(c.value("SAT_ABFYT_USD").toDouble(), 60.0);
    EXPECT_DOUBLE_EQ(c.value("SAT_SKFYT_TL").toDouble(), 121.0);

    c.setValue("KAR_TIP", "M");
    c.setValue("KAR_ORAN_B", 25.0);
    c.applyMargin(StockPricing::Margin::Wholesale2);
    EXPECT_DOUBLE_EQ(c.value("SAT_BFYT_TL").toDouble(), 50.0);
    EXPECT_DOUBLE_EQ(c.value("SAT_BFYT_DOVIZ").toDouble(), 50.0);
}

// Prices from the latest rate, for an item in USD, in TL, in EUR and in another currency.
// The rate of a later day is not used; a day without its own row takes the last earlier one.
TEST_F(StockPricingTest, PricesFromLatestRateForEachCurrencyCase)
{
    const QDate day(2026, 3, 10);
    rate("USD", day.addDays(-3), 30.0);
    rate("EUR", day.addDays(-1), 35.0);
    rate("GBP", day, 40.0);
    rate("USD", day.addDays(1), 99.0);

    auto card = [&](const QString& dvz, double own) {
        auto c = std::make_unique<StockCard>(db);
        c->startNew();
        c->setValue("DOVIZ_KODU", dvz);
        for (const char* k : {"ALIS_FYT_DOVIZ", "SAT_SKFYT_DOVIZ", "SAT_ABFYT_DOVIZ", "SAT_BFYT_DOVIZ",
                              "MALIYET_FYT_DOVIZ", "MINSATFYT_DVZ"})
            c->setValue(k, own);
        return c;
    };

    auto usd = card("USD", 10);
    EXPECT_DOUBLE_EQ(usd->pricesFromLatestRate(day), 30.0);
    EXPECT_DOUBLE_EQ(usd->value("SAT_SKFYT_USD").toDouble(), 10.0);
    EXPECT_DOUBLE_EQ(usd->value("SAT_SKFYT_TL").toDouble(), 300.0);
    EXPECT_DOUBLE_EQ(usd->value("SAT_SKFYT_EUR").toDouble(), 300.0 / 35.0);
    EXPECT_DOUBLE_EQ(usd->value("MINSATFYT_TL").toDouble(), 300.0);
    EXPECT_EQ(toDate(usd->value("FYT_TRH")), day);

    auto tl = card("TL", 700);
    EXPECT_DOUBLE_EQ(tl->pricesFromLatestRate(day), 1.0);
    EXPECT_DOUBLE_EQ(tl->value("ALIS_FYT_TL").toDouble(), 700.0);
    EXPECT_DOUBLE_EQ(tl->value("ALIS_FYT_USD").toDouble(), 700.0 / 30.0);
    EXPECT_DOUBLE_EQ(tl->value("ALIS_FYT_EUR").toDouble(), 20.0);

    auto eur = card("EUR", 2);
    eur->pricesFromLatestRate(day);
    EXPECT_DOUBLE_EQ(eur->value("MALIYET_FYT_EUR").toDouble(), 2.0);
    EXPECT_DOUBLE_EQ(eur->value("MALIYET_FYT_TL").toDouble(), 70.0);
    EXPECT_DOUBLE_EQ(eur->value("MALIYET_FYT_USD").toDouble(), 70.0 / 30.0);

    auto gbp = card("GBP", 3);
    EXPECT_DOUBLE_EQ(gbp->pricesFromLatestRate(day), 40.0);
    EXPECT_DOUBLE_EQ(gbp->value("SAT_BFYT_TL").toDouble(), 120.0);
    EXPECT_DOUBLE_EQ(gbp->value("SAT_BFYT_USD").toDouble(), 4.0);
    EXPECT_DOUBLE_EQ(gbp->value("SAT_BFYT_EUR").toDouble(), 120.0 / 35.0);
    EXPECT_DOUBLE_EQ(gbp->value("DVZKUR").toDouble(), 40.0);

    // A currency without any rate counts as 1.
    auto chf = card("CHF", 5);
    chf->pricesFromLatestRate(day);
    EXPECT_DOUBLE_EQ(chf->value("SAT_SKFYT_TL").toDouble(), 5.0);
}
