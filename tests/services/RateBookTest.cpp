#include "ServicesTestSupport.h"
#include "db/Errors.h"
#include "services/DovizKurlari.h"
#include "services/DovizTanimlari.h"

#include <limits>

using namespace nimbo;
using namespace nimbo::test;

namespace {
KurSatiri row(const QString& dvz, const QDateTime& t, double alis, double satis)
{
    KurSatiri k;
    k.dovizKodu = dvz;
    k.tarih = t;
    k.alis = alis;
    k.satis = satis;
    return k;
}

QString refusal(const std::function<void()>& f)
{
    try {
        f();
    } catch (const UserError& e) {
        return e.message();
    }
    return {};
}
} // namespace

class RateBook : public ServicesTest {};

// Typed rates: a second row on the same day is refused, and so is a missing, zero or negative rate.
TEST_F(RateBook, DuplicateDayAndMissingOrNonPositiveRatesRefused)
{
    DovizKurlari book(db);
    book.ekle(row("USD", at(2026, 5, 4), 43.1, 43.2));
    const QString dup = "Aynı Tarihli Döviz Değeri Vardı. Bu Yüzden Kaydedilmedi.";
    EXPECT_EQ(refusal([&] { book.ekle(row("USD", at(2026, 5, 4, 15, 30), 43.3, 43.4)); }), dup);
    EXPECT_EQ(refusal([&] { book.ekle(row("EUR", at(2026, 5, 4), 50.1, 50.2)); }), QString());

    const QString req = "Lütfen Gerekli alanı girin.";
    EXPECT_EQ(refusal([&] { book.ekle(row("USD", at(2026, 5, 5), 0, 43.2)); }), req);
    EXPECT_EQ(refusal([&] { book.ekle(row("USD", at(2026, 5, 5), 43.1, -43.2)); }), req);
    EXPECT_EQ(refusal([&] { book.ekle(row("USD", QDateTime(), 43.1, 43.2)); }), req);
    KurSatiri negBank = row("USD", at(2026, 5, 5), 43.1, 43.2);
    negBank.bankaSatis = -1;
    EXPECT_EQ(refusal([&] { book.ekle(negBank); }), req);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER"), 2);

    // Changing a row may keep its own day but not move onto another row's day.
    book.ekle(row("USD", at(2026, 5, 6), 43.5, 43.6));
    EXPECT_EQ(refusal([&] { book.degistir(at(2026, 5, 4), row("USD", at(2026, 5, 4), 43.15, 43.25)); }), QString());
    EXPECT_EQ(refusal([&] { book.degistir(at(2026, 5, 4), row("USD", at(2026, 5, 6, 9, 0), 1, 1)); }), dup);
    const auto rows = book.kurlar("USD");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_DOUBLE_EQ(rows[0].alis, 43.15);
    EXPECT_EQ(rows[1].tarih, at(2026, 5, 6));
    book.sil("USD", at(2026, 5, 6));
    EXPECT_EQ(book.kurlar("USD").size(), 1);
}

// A typed figure that is not a finite number is refused like a missing one, in every column.
TEST_F(RateBook, NonFiniteRatesRefused)
{
    DovizKurlari book(db);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QString req = "Lütfen Gerekli alanı girin.";
    EXPECT_EQ(refusal([&] { book.ekle(row("USD", at(2026, 5, 5), inf, 43.2)); }), req);
    EXPECT_EQ(refusal([&] { book.ekle(row("USD", at(2026, 5, 5), 43.1, nan)); }), req);
    double KurSatiri::*others[] = {&KurSatiri::efektifAlis, &KurSatiri::efektifSatis, &KurSatiri::bankaSatis,
                                   &KurSatiri::bayiSatis, &KurSatiri::ozelSatis};
    for (double KurSatiri::*f : others)
        for (double v : {nan, inf}) {
            KurSatiri k = row("USD", at(2026, 5, 5), 43.1, 43.2);
            k.*f = v;
            EXPECT_EQ(refusal([&] { book.ekle(k); }), req);
        }
    book.ekle(row("USD", at(2026, 5, 5), 43.1, 43.2));
    KurSatiri changed = row("USD", at(2026, 5, 5), 43.1, 43.2);
    changed.ozelSatis = nan;
    EXPECT_EQ(refusal([&] { book.degistir(at(2026, 5, 5), changed); }), req);
    const auto rows = book.kurlar("USD");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_DOUBLE_EQ(rows[0].ozelSatis, 0.0);
}

// Item prices in a foreign currency are recomputed at the day's rates, buying or selling as
// asked; local-currency items and currencies without a rate are left alone.
TEST_F(RateBook, StockPricesFollowTheRatesOfTheDay)
{
    addRate("USD", at(2026, 5, 4), 40.0, 40.5);
    addRate("EUR", at(2026, 5, 4), 46.0, 46.5);
    addRate("USD", at(2026, 5, 8), 41.0, 41.5); // after the date asked for
    {
        DbTransaction tx(db);
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, DOVIZ_KODU, ALIS_FYT_DOVIZ, SAT_SKFYT_DOVIZ, SAT_BFYT_DOVIZ, "
                "ALIS_FYT_TL, SAT_SKFYT_TL) VALUES (1, 'A1', 'USD', 10, 20, 15, 1, 1)");
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, DOVIZ_KODU, ALIS_FYT_DOVIZ, SAT_SKFYT_DOVIZ, ALIS_FYT_TL, "
                "SAT_SKFYT_TL) VALUES (2, 'A2', 'TL', 100, 200, 100, 200)");
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, DOVIZ_KODU, SAT_SKFYT_DOVIZ, SAT_SKFYT_TL) "
                "VALUES (3, 'A3', 'CHF', 10, 7)");
        tx.commit();
    }
    DovizKurlari book(db);
    EXPECT_EQ(book.stokFiyatlariniGuncelle(QDate(2026, 5, 6), false), 1);
    auto r = db.records("SELECT ALIS_FYT_TL, SAT_SKFYT_TL, SAT_BFYT_TL, SAT_SKFYT_USD, SAT_SKFYT_EUR, FYT_TRH "
                        "FROM STOK WHERE STOK_NO = 1");
    EXPECT_DOUBLE_EQ(r[0].value(0).toDouble(), 405.0);
    EXPECT_DOUBLE_EQ(r[0].value(1).toDouble(), 810.0);
    EXPECT_DOUBLE_EQ(r[0].value(2).toDouble(), 607.5);
    EXPECT_DOUBLE_EQ(r[0].value(3).toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(r[0].value(4).toDouble(), 810.0 / 46.5);
    EXPECT_EQ(toDate(r[0].value(5)), QDate(2026, 5, 6));

    EXPECT_EQ(book.stokFiyatlariniGuncelle(QDate(2026, 5, 6), true), 1);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT SAT_SKFYT_TL FROM STOK WHERE STOK_NO = 1").toDouble(), 800.0);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT SAT_SKFYT_TL FROM STOK WHERE STOK_NO = 2").toDouble(), 200.0);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT SAT_SKFYT_TL FROM STOK WHERE STOK_NO = 3").toDouble(), 7.0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER"), 3); // rates rewritten, none lost
}

class CurrencyList : public ServicesTest {};

// A code used by a stock card can be neither changed nor deleted; a duplicate code is refused;
// a renamed code takes its rates along.
TEST_F(CurrencyList, UsedCodesAreProtected)
{
    DovizTanimlari list(db);
    list.ekle({"USD", "Amerikan Doları", "E"});
    list.ekle({"CHF", "İsviçre Frangı", "E"});
    EXPECT_EQ(refusal([&] { list.ekle({"usd", "Tekrar", "E"}); }),
              "Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
    {
        DbTransaction tx(db);
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, DOVIZ_KODU) VALUES (1, 'A1', 'USD')");
        tx.commit();
    }
    EXPECT_EQ(refusal([&] { list.degistir("USD", {"USD", "Dolar", "E"}); }),
              "Bu Döviz Kodu ile ilgili işlem var.Değiştirilemez!");
    EXPECT_EQ(refusal([&] { list.sil("USD"); }), "Bu Döviz Kodu ile ilgili işlem var.Silinemez!");

    addRate("CHF", at(2026, 5, 4), 48.0, 48.3);
    list.degistir("CHF", {"SFR", "İsviçre Frangı", "H"});
    EXPECT_EQ(count("SELECT COUNT(*) FROM KURDEGER WHERE DOVIZ_KODU = 'SFR'"), 1);
    const auto l = list.liste();
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0].kod, "SFR"); // ordered by code
    EXPECT_EQ(l[1].kod, "USD");
    list.sil("SFR");
    EXPECT_EQ(list.liste().size(), 1);
}
