#include "printing/AmountInWords.h"
#include "services/SessionContext.h"

#include <gtest/gtest.h>

using namespace nimbo;

// Boundaries between the word groups, where a dropped or doubled "Bir" or scale word shows.
TEST(AmountInWords, IntegerGroupsAndTheirBoundaries)
{
    EXPECT_EQ(integerInWords(0), "");
    EXPECT_EQ(integerInWords(1), "Bir");
    EXPECT_EQ(integerInWords(10), "On");
    EXPECT_EQ(integerInWords(19), "OnDokuz");
    EXPECT_EQ(integerInWords(100), "Yüz");
    EXPECT_EQ(integerInWords(101), "YüzBir");
    EXPECT_EQ(integerInWords(999), "DokuzYüzDoksanDokuz");
    EXPECT_EQ(integerInWords(1000), "Bin");
    EXPECT_EQ(integerInWords(1001), "BinBir");
    EXPECT_EQ(integerInWords(1500), "BinBeşYüz");
    EXPECT_EQ(integerInWords(2000), "İkiBin");
    EXPECT_EQ(integerInWords(9999), "DokuzBinDokuzYüzDoksanDokuz");
    EXPECT_EQ(integerInWords(10000), "OnBin");
    EXPECT_EQ(integerInWords(11000), "OnBirBin"); // "Bir" is dropped only in 1.000 to 1.999
    EXPECT_EQ(integerInWords(100000), "YüzBin");
    EXPECT_EQ(integerInWords(101000), "YüzBirBin");
    EXPECT_EQ(integerInWords(999999), "DokuzYüzDoksanDokuzBinDokuzYüzDoksanDokuz");
    EXPECT_EQ(integerInWords(1000000), "BirMilyon");
    EXPECT_EQ(integerInWords(1000001), "BirMilyonBir");
    EXPECT_EQ(integerInWords(1001000), "BirMilyonBirBin");
    EXPECT_EQ(integerInWords(1234567), "BirMilyonİkiYüzOtuzDörtBinBeşYüzAltmışYedi");
    EXPECT_EQ(integerInWords(2000000000.0), "İkiMilyar");
    EXPECT_EQ(integerInWords(1000000001000.0), "BirTrilyonBirBin");
    EXPECT_EQ(integerInWords(1234567890123.0),
              "BirTrilyonİkiYüzOtuzDörtMilyarBeşYüzAltmışYediMilyonSekizYüzDoksanBinYüzYirmiÜç");
    EXPECT_EQ(integerInWords(999000000000000.0), "DokuzYüzDoksanDokuzTrilyon");
    EXPECT_EQ(integerInWords(1000000000000000.0), "BirKatrilyon");
}

TEST(AmountInWords, AmountWithAndWithoutSubUnits)
{
    EXPECT_EQ(YaziylaTutar(12.50, true), "Onİki TL Elli Kr");
    EXPECT_EQ(YaziylaTutar(12.50, false), "Onİki TL");
    EXPECT_EQ(YaziylaTutar(0.75, true), "YetmişBeş Kr");
    EXPECT_EQ(YaziylaTutar(0.75, false), "");
    EXPECT_EQ(YaziylaTutar(0.0, true), "");
    EXPECT_EQ(YaziylaTutar(1000.00, true), "Bin TL");          // "00" sub-units are not spelled
    EXPECT_EQ(YaziylaTutar(1001.05, true), "BinBir TL Beş Kr");
    EXPECT_EQ(YaziylaTutar(1500.10, true), "BinBeşYüz TL On Kr");
    // Binary fractions just under the cent still round to it.
    EXPECT_EQ(YaziylaTutar(0.1 + 0.2, true), "Otuz Kr");
    EXPECT_EQ(YaziylaTutar(19.99, true), "OnDokuz TL DoksanDokuz Kr");
    EXPECT_EQ(YaziylaTutar(2.999, true), "Üç TL");
    EXPECT_EQ(YaziylaTutar(1234567.89, true, QStringLiteral("TL"), QStringLiteral("Kr")),
              "BirMilyonİkiYüzOtuzDörtBinBeşYüzAltmışYedi TL SeksenDokuz Kr");
    EXPECT_EQ(YaziylaTutar(-5, true), "");
}

TEST(AmountInWords, SubUnitsAreSpelledAfter2004)
{
    EXPECT_FALSE(subUnitsSpelledInYear(QStringLiteral("2003")));
    EXPECT_FALSE(subUnitsSpelledInYear(QStringLiteral("2004")));
    EXPECT_TRUE(subUnitsSpelledInYear(QStringLiteral("2005")));
    EXPECT_TRUE(subUnitsSpelledInYear(QStringLiteral("2026")));
}

// Callers without the switch get the session's: a 2004 year spells no sub-units.
TEST(AmountInWords, SessionYearDecidesSubUnits)
{
    CompanyParameters& p = SessionContext::current().param;
    const CompanyParameters before = p;
    p.kurusYazilir = true;
    EXPECT_EQ(YaziylaTutar(12.50), "Onİki TL Elli Kr");
    p.kurusYazilir = false;
    EXPECT_EQ(YaziylaTutar(12.50), "Onİki TL");
    p = before;
}
