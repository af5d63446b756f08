#include "trade/SatirHesabi.h"
#include "trade/Yuvarlama.h"

#include <gtest/gtest.h>

namespace nimbo::test {

TEST(SatirHesabi, VatIncludedAndAddedPricesSplitTheSameLineDifferently)
{
    SatirGirdisi g{118, 1, 18, 0, 0, true};
    SatirDegerleri d = satirHesapla(g, 0, 0);
    EXPECT_DOUBLE_EQ(d.kdvsizTut, 100);
    EXPECT_DOUBLE_EQ(d.asilKdv, 18);
    EXPECT_DOUBLE_EQ(d.kdvliFyt, 118);
    EXPECT_DOUBLE_EQ(d.kdvsizFyt, 100);

    g.kdvDahil = false;
    d = satirHesapla(g, 0, 0);
    EXPECT_DOUBLE_EQ(d.kdvsizTut, 118);
    EXPECT_NEAR(d.kdvliFyt, 139.24, 1e-9);
    EXPECT_NEAR(d.asilKdv, 21.24, 1e-9);
    EXPECT_NEAR(d.kdvliTut, 139.24, 1e-9);
}

TEST(SatirHesabi, ThreeDiscountsRunOnTheShrinkingAmount)
{
    // 100 net, line 10 %, document 5 %, amount discount worth 10 % of the gross.
    const SatirDegerleri d = satirHesapla({100, 1, 18, 0, 10, false}, 5, 10);
    EXPECT_DOUBLE_EQ(d.kiskon, 10);
    EXPECT_DOUBLE_EQ(d.yuzdIskon, 4.5);
    EXPECT_NEAR(d.musIskon, 8.55, 1e-12);
    EXPECT_NEAR(d.netKdvsizTut, 76.95, 1e-12);
    EXPECT_NEAR(d.asilKdv, 76.95 * 0.18, 1e-12);
    // VAT before discounts is for display only.
    EXPECT_DOUBLE_EQ(d.kdvTut, 18);
    EXPECT_NEAR(d.iskontoToplami(), 23.05, 1e-12);
}

TEST(SatirHesabi, MaturitySurchargeRaisesPricesBeforeDiscounts)
{
    const SatirDegerleri d = satirHesapla({50, 3, 18, 2, 10, false}, 0, 0);
    EXPECT_NEAR(d.kdvsizFyt, 51, 1e-12);
    EXPECT_NEAR(d.kdvsizTut, 153, 1e-12);
    EXPECT_NEAR(d.kdvliFyt, 50 * 1.18 * 1.02, 1e-12);
    EXPECT_NEAR(d.kiskon, 15.3, 1e-12);
    const SatirDegerleri dahil = satirHesapla({118, 1, 18, 2, 0, true}, 0, 0);
    EXPECT_NEAR(dahil.kdvsizTut, 102, 1e-12);
    EXPECT_NEAR(dahil.kdvliFyt, 120.36, 1e-12);
}

TEST(SatirHesabi, QuantityZeroGivesZeroAmountsButKeepsUnitPrices)
{
    const SatirDegerleri d = satirHesapla({80, 0, 8, 0, 10, false}, 5, 0);
    EXPECT_DOUBLE_EQ(d.kdvsizTut, 0);
    EXPECT_DOUBLE_EQ(d.netKdvsizTut, 0);
    EXPECT_DOUBLE_EQ(d.kdvsizFyt, 80);
}

TEST(Yuvarlama, ModesLandOnTheStep)
{
    // Nearest and up end exactly on a multiple of the step.
    EXPECT_NEAR(123.4 + yuvarlamaFarki(123.4, 5, "O"), 125, 1e-9);
    EXPECT_NEAR(122.4 + yuvarlamaFarki(122.4, 5, "O"), 120, 1e-9);
    EXPECT_NEAR(121.01 + yuvarlamaFarki(121.01, 5, "Y"), 125, 1e-9);
    EXPECT_NEAR(yuvarlamaFarki(125.0, 5, "Y"), 0, 1e-9);
    EXPECT_NEAR(0.1 * 3 + yuvarlamaFarki(0.1 * 3, 0.1, "Y"), 0.3, 1e-9); // float noise does not round up
    // Down works from the whole-number total: 123.4 -> n 123, q 25 -> 125 > 123 -> 120 - 123.
    EXPECT_NEAR(yuvarlamaFarki(123.4, 5, "A"), -3, 1e-9);
    EXPECT_NEAR(yuvarlamaFarki(121.6, 5, "A"), -2, 1e-9);  // q 24 -> 120 < 122
    EXPECT_NEAR(yuvarlamaFarki(120.2, 5, "A"), 0, 1e-9);   // q 24 -> 120 == n
    // No step, a negative step or no mode: nothing.
    EXPECT_EQ(yuvarlamaFarki(123.4, 0, "O"), 0);
    EXPECT_EQ(yuvarlamaFarki(123.4, -1, "Y"), 0);
    EXPECT_EQ(yuvarlamaFarki(123.4, 5, "H"), 0);
}

} // namespace nimbo::test
