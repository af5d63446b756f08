#include "ServicesTestSupport.h"
#include "services/ExchangeRates.h"

using namespace nimbo;
using namespace nimbo::test;

class ExchangeRates : public ServicesTest {};

// The look-up rules: nothing before the first row, the whole day counts, the earlier of two
// rows is taken between them, and the kept date follows the row found.
TEST_F(ExchangeRates, LatestRowAtOrBeforeTheDayWins)
{
    addRate("USD", at(2026, 3, 2, 14, 0), 40.10, 40.30);
    addRate("USD", at(2026, 3, 6), 41.00, 41.20);

    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 2, QDate(2026, 3, 1)), 1.0); // before the first rate

    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 1, QDate(2026, 3, 2)), 40.10); // stored at 14:00, same day
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 2, QDate(2026, 3, 2)), 40.30);
    EXPECT_EQ(SonKurTarihi(), at(2026, 3, 2, 14, 0));

    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 2, QDate(2026, 3, 4)), 40.30); // between: the earlier
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 1, QDate(2026, 3, 6)), 41.00);
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 2, QDate(2026, 12, 31)), 41.20);
    EXPECT_EQ(SonKurTarihi(), at(2026, 3, 6));

    EXPECT_DOUBLE_EQ(KurBulDeger("GBP", 2, QDate(2026, 3, 4)), 1.0); // currency without rows
}

// Local currency is 1 even with a row of its own; a zero rate is 1; report currencies treat a
// negative rate as 1 too, and only report currency 1 moves the kept date.
TEST_F(ExchangeRates, LocalZeroAndReportCurrencies)
{
    addRate("TL", at(2026, 3, 2), 5.0, 5.0, 5.0, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(KurBulDeger("TL", 2, QDate(2026, 3, 2)), 1.0);
    EXPECT_DOUBLE_EQ(KurBulDeger2("TL", "MS", QDate(2026, 3, 2)), 1.0);

    addRate("EUR", at(2026, 3, 2), 0.0, 47.5);
    EXPECT_DOUBLE_EQ(KurBulDeger("EUR", 1, QDate(2026, 3, 3)), 1.0);
    EXPECT_DOUBLE_EQ(KurBulDeger("EUR", 2, QDate(2026, 3, 3)), 47.5);

    addRate("USD", at(2026, 3, 2), 40.0, -3.0);
    addRate("EUR", at(2026, 3, 3, 10, 0), 48.0, 48.5);
    EXPECT_DOUBLE_EQ(Kur1RxBulDeger(2, QDate(2026, 3, 5)), 1.0); // negative
    EXPECT_DOUBLE_EQ(Kur1RxBulDeger(1, QDate(2026, 3, 5)), 40.0);
    EXPECT_EQ(SonKurTarihi(), at(2026, 3, 2));
    EXPECT_DOUBLE_EQ(Kur2RyBulDeger(2, QDate(2026, 3, 5)), 48.5);
    EXPECT_EQ(SonKurTarihi(), at(2026, 3, 2)); // untouched by report currency 2
    EXPECT_DOUBLE_EQ(Kur2RyBulDeger(2, QDate(2026, 3, 1)), 1.0);
}

// KurBulDeger2 takes the column the two rate-kind settings name; other uses and kinds give 1.
TEST_F(ExchangeRates, RateUseFollowsTheRateKindSettings)
{
    addRate("USD", at(2026, 4, 1), 40.0, 40.2, 39.9, 40.4, 40.9);
    {
        DbTransaction tx(db);
        db.exec("UPDATE PARAMET SET ARCSATKURALM = 'ES', SATISKURALM = 'OS'");
        tx.commit();
    }
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "MS", QDate(2026, 4, 1)), 40.4);
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "BS", QDate(2026, 4, 2)), 40.9);
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "XX", QDate(2026, 4, 2)), 1.0);
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "MS", QDate(2026, 3, 31)), 1.0);
    {
        DbTransaction tx(db);
        db.exec("UPDATE PARAMET SET ARCSATKURALM = 'MA', SATISKURALM = 'OA'");
        tx.commit();
    }
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "MS", QDate(2026, 4, 1)), 40.0);
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "BS", QDate(2026, 4, 1)), 1.0); // no special buying column
}

// The day ends at 23:59:59.059: a row stamped exactly then still belongs to the day, a row of
// the next midnight does not. Only a row found by KurBulDeger moves the kept date: the local
// currency, a missing rate and KurBulDeger2 leave it alone.
TEST_F(ExchangeRates, DayBoundaryAndKeptDate)
{
    addRate("USD", QDateTime(QDate(2026, 6, 1), QTime(23, 59, 59, 59)), 40.0, 40.5);
    addRate("USD", at(2026, 6, 2), 41.0, 41.5);
    addRate("USD", QDateTime(QDate(2026, 6, 3), QTime(23, 59, 59, 60)), 42.0, 42.5);
    addRate("TL", at(2026, 6, 1), 7.0, 7.0);
    {
        DbTransaction tx(db);
        db.exec("UPDATE PARAMET SET ARCSATKURALM = 'MS', SATISKURALM = 'MS'");
        tx.commit();
    }

    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 2, QDate(2026, 6, 1)), 40.5);
    EXPECT_EQ(SonKurTarihi(), QDateTime(QDate(2026, 6, 1), QTime(23, 59, 59, 59)));
    EXPECT_DOUBLE_EQ(KurBulDeger("USD", 1, QDate(2026, 6, 3)), 41.0); // 23:59:59.060 is past the day
    EXPECT_EQ(SonKurTarihi(), at(2026, 6, 2));

    EXPECT_DOUBLE_EQ(KurBulDeger("TL", 1, QDate(2026, 6, 5)), 1.0);
    EXPECT_DOUBLE_EQ(KurBulDeger("JPY", 1, QDate(2026, 6, 5)), 1.0);
    EXPECT_DOUBLE_EQ(KurBulDeger2("USD", "MS", QDate(2026, 6, 5)), 42.5);
    EXPECT_EQ(SonKurTarihi(), at(2026, 6, 2));

    // A zero in the column a rate-kind setting names gives 1, as a missing row does.
    addRate("EUR", at(2026, 6, 1), 48.0, 0.0);
    EXPECT_DOUBLE_EQ(KurBulDeger2("EUR", "MS", QDate(2026, 6, 1)), 1.0);
    EXPECT_DOUBLE_EQ(KurBulDeger2("EUR", "BS", QDate(2026, 5, 31)), 1.0);
}
