#include "ServicesTestSupport.h"
#include "accounts/CariBakiye.h"
#include "services/MoneyFormat.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
MoneyFormat loadedFor(const Db& db, const QString& year)
{
    SessionContext& s = SessionContext::current();
    s.CalismaYili = year;
    loadCompanyParameters(db, s);
    return MoneyFormat::current();
}
} // namespace

class MoneyFormatOfYear : public ServicesTest {};

// A year with decimals shows grouped thousands and two decimals; a year without decimals
// rounds to whole liras, still grouped; edit texts follow the edit format.
TEST_F(MoneyFormatOfYear, DisplayAndEditTextsFollowTheLoadedYear)
{
    const MoneyFormat y2026 = loadedFor(db, "2026");
    EXPECT_EQ(y2026.format(1234567.891), "1.234.567,89");
    EXPECT_EQ(y2026.format(-0.5), "-0,50");
    EXPECT_EQ(y2026.format(-0.004), "0,00"); // rounds to nothing: no minus sign
    EXPECT_EQ(y2026.format(999.999), "1.000,00");
    EXPECT_EQ(y2026.editText(1234.5), "1234,5");
    EXPECT_EQ(y2026.editText(12.0), "12");

    const MoneyFormat y2004 = loadedFor(db, "2004");
    EXPECT_EQ(y2004.decimals(), 0);
    EXPECT_EQ(y2004.format(1234567.891), "1.234.568");
    EXPECT_EQ(y2004.format(-1499.2), "-1.499");
    EXPECT_EQ(y2004.editText(1234.7), "1235");

    // The account balance text takes the same format.
    EXPECT_EQ(CariBakiye::metin(0, 1234.4), "1.234 (A)");
    EXPECT_EQ(CariBakiye::metin(0.3, 0), "---   ");
    loadedFor(db, "2026");
    EXPECT_EQ(CariBakiye::metin(0.3, 0), "0,30 (B)");
    EXPECT_EQ(CariBakiye::metin(5, 5.001), "---   ");
}

// Texts typed or printed in Turkish read back; so do plain numbers.
TEST(MoneyFormat, ParsesTurkishAndPlainNumbers)
{
    bool ok = false;
    EXPECT_DOUBLE_EQ(MoneyFormat::parse("1.234,56", &ok), 1234.56);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(MoneyFormat::parse("-1.234.567", &ok), -1234567);
    EXPECT_DOUBLE_EQ(MoneyFormat::parse("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(MoneyFormat::parse("0.125"), 0.125);
    EXPECT_DOUBLE_EQ(MoneyFormat::parse(" 7,5 "), 7.5);
    MoneyFormat::parse("12a", &ok);
    EXPECT_FALSE(ok);
    // Whatever the format prints reads back to the rounded value.
    const MoneyFormat f(",0.000");
    EXPECT_EQ(f.format(-98765.4321), "-98.765,432");
    EXPECT_DOUBLE_EQ(MoneyFormat::parse(f.format(-98765.4321)), -98765.432);
}
