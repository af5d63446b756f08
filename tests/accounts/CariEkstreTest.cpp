#include "CariFixture.h"
#include "accounts/CariEkstre.h"
#include "accounts/CariHareketListesi.h"

namespace nimbo::test {

namespace {

class CariEkstreTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        f = CariFixture{db};
        f.cari("C1");
        // Local rows, USD rows (local value beside the dollar amount), a portfolio row and
        // another account's row.
        row("C1", {2026, 1, 5}, 1000, 0, 1000, 0, "TL", "C", "S", 1);
        row("C1", {2026, 1, 20}, 0, 400, 0, 400, "TL", "C", "N", 2);
        row("C1", {2026, 2, 3}, 3000, 0, 100, 0, "USD", "C", "S", 3);
        row("C1", {2026, 2, 3}, 0, 1500, 0, 50, "USD", "C", "N", 4);
        row("C1", {2026, 4, 1}, 0, 200, 0, 200, "TL", "C", "D", 5);
        row("PK", {2026, 2, 3}, 999, 0, 999, 0, "TL", "E", "0", 6);
        row("C2", {2026, 2, 3}, 7, 0, 7, 0, "TL", "C", "S", 7);
    }
    void row(const QString& kod, const QDate& t, double b, double a, double bd, double ad, const QString& dvz,
             const QString& it, const QString& it2, int hrk)
    {
        f.insert("FINHRK", {{"KODU", kod}, {"TARIH", QDateTime(t, QTime(0, 0))}, {"VADE_TRH", QDateTime(t.addDays(30), QTime(0, 0))},
                            {"BORC", b}, {"ALACAK", a}, {"BORC_DVZ", bd}, {"ALACAK_DVZ", ad}, {"DOVIZ_KODU", dvz},
                            {"ISLEM_TIP", it}, {"ISLEM_TIP2", it2}, {"HRK_NO", hrk}, {"AY", t.month()},
                            {"YIL", t.year()}, {"BELGE_TIP", "F"}});
    }
    CariFixture f;
};

} // namespace

TEST_F(CariEkstreTest, TotalsRunningAndCarriedOverBalancesOverSeveralCurrencies)
{
    CariEkstre e(db);
    const EkstreToplam t = e.toplam("C1");
    EXPECT_DOUBLE_EQ(t.borc, 4000);
    EXPECT_DOUBLE_EQ(t.alacak, 2100);
    EXPECT_EQ(t.bakiyeMetni(), QStringLiteral("1.900,00 (B)"));
    EXPECT_DOUBLE_EQ(e.ortalamaUsdKuru("C1"), -1900.0 / -50.0);

    // Carried over before February: January's rows only.
    const EkstreToplam d = e.devir("C1", {2026, 2, 1});
    EXPECT_DOUBLE_EQ(d.borc, 1000);
    EXPECT_DOUBLE_EQ(d.alacak, 400);
    EXPECT_EQ(d.bakiyeMetni(), QStringLiteral("600,00 (B)"));

    // The balance of a day counts every row of that day.
    const auto y = e.yuruyenBakiye("C1");
    ASSERT_EQ(y.size(), 4);
    EXPECT_DOUBLE_EQ(y.value({2026, 2, 3}).bakiye(), -(1000 + 3000) + (400 + 1500));
    EXPECT_EQ(y.value({2026, 4, 1}).bakiyeMetni(), QStringLiteral("1.900,00 (B)"));
    EXPECT_EQ(y.value({2026, 1, 20}).bakiyeMetni(), QStringLiteral("600,00 (B)"));

    // Newest first; filters by date, type and currency; PK never shows.
    const auto all = e.satirlar("C1");
    ASSERT_EQ(all.size(), 5);
    EXPECT_EQ(toDate(all.first().value("TARIH")), QDate(2026, 4, 1));
    EXPECT_EQ(all[1].value("HRK_NO").toInt(), 3); // same day: by movement number
    EXPECT_EQ(e.satirlar("PK").size(), 0);
    CariEkstreFiltre fl;
    fl.doviz = "USD";
    EXPECT_EQ(e.satirlar("C1", fl).size(), 2);
    fl = {};
    fl.tarihBas = {2026, 1, 20};
    fl.tarihBit = {2026, 2, 3};
    EXPECT_EQ(e.satirlar("C1", fl).size(), 3);
    fl = {};
    fl.islemTip = "C";
    fl.islemTip2 = "N";
    EXPECT_EQ(e.satirlar("C1", fl).size(), 2);
    fl = {};
    fl.vadeBas = {2026, 3, 1};
    EXPECT_EQ(e.satirlar("C1", fl).size(), 3);

    EXPECT_EQ(CariEkstre::hareketTuru("C", "Ş"), QStringLiteral("Alış İşlemi Hareketi"));
    EXPECT_EQ(CariEkstre::hareketTuru("E", "7"), QStringLiteral("Çek/Senet Tahsil Olmuyor"));
}

TEST_F(CariEkstreTest, SettledAndEmptyAccountsShowNoBalanceAndMonthsWithoutRowsAreZero)
{
    CariEkstre e(db);
    f.cari("C3");
    row("C3", {2026, 5, 5}, 250.5, 0, 250.5, 0, "TL", "C", "S", 8);
    row("C3", {2026, 6, 5}, 0, 250.5, 0, 250.5, "TL", "C", "N", 9);
    EXPECT_EQ(e.toplam("C3").bakiyeMetni(), QStringLiteral("---   "));
    EXPECT_EQ(e.toplam("YOK").bakiyeMetni(), QStringLiteral("---   "));

    const QList<AylikToplam> aylar = e.aylik("C1", 2026);
    ASSERT_EQ(aylar.size(), 12);
    EXPECT_EQ(aylar[1].ayAdi, QStringLiteral("Şubat"));
    EXPECT_DOUBLE_EQ(aylar[0].toplam.borc, 1000);
    EXPECT_DOUBLE_EQ(aylar[0].toplam.alacak, 400);
    EXPECT_DOUBLE_EQ(aylar[1].toplam.borcDvz, 100);
    EXPECT_DOUBLE_EQ(aylar[2].toplam.borc, 0); // March: no rows
    EXPECT_DOUBLE_EQ(aylar[3].toplam.alacak, 200);
    EXPECT_DOUBLE_EQ(aylar[11].toplam.alacak, 0);
    EXPECT_DOUBLE_EQ(e.aylik("C1", 2025)[0].toplam.borc, 0);
}

TEST_F(CariEkstreTest, MovementListFiltersByTypePostingAndAccount)
{
    f.insert("CARIHRKM", {{"CARI_NO", 1}, {"TIP", "N"}, {"TARIH", QDateTime({2026, 1, 1}, {})}, {"ALACAK", 50}});
    f.insert("CARIHRKM", {{"CARI_NO", 2}, {"TIP", "D"}, {"TARIH", QDateTime({2026, 2, 1}, {})}, {"FIS_NO", 5}});
    f.insert("CARIHRKM", {{"CARI_NO", 3}, {"TIP", "N"}, {"TARIH", QDateTime({2026, 3, 1}, {})}, {"BORC", 70}});
    f.insert("CARIHRK", {{"CARI_NO", 1}, {"SIRANO", 1}, {"CARI_KOD", "AB_1"}, {"TIP", 1}, {"DOVIZ_KODU", "TL"}});
    f.insert("CARIHRK", {{"CARI_NO", 3}, {"SIRANO", 1}, {"CARI_KOD", "ABX1"}, {"TIP", 1}, {"DOVIZ_KODU", "TL"}});
    auto keys = [&](const CariHareketListeFiltre& fl) {
        const ListQuery q = CariHareketListesi(db).sorgu(fl);
        QList<int> out;
        for (const QSqlRecord& r : db.records(q.orderedSql(db.dialect()), q.params))
            out << r.value("CARI_NO").toInt();
        return out;
    };
    EXPECT_EQ(keys({}), (QList<int>{3, 2, 1}));
    // A cash document crediting the account is a collection, one debiting it a payment.
    QStringList kinds;
    const ListQuery all = CariHareketListesi(db).sorgu({});
    for (const QSqlRecord& r : db.records(all.orderedSql(db.dialect()), all.params))
        kinds << r.value("TIP_TARAF").toString();
    EXPECT_EQ(kinds, (QStringList{"NA", "D", "NB"}));
    CariHareketListeFiltre fl;
    fl.tip = "N";
    EXPECT_EQ(keys(fl), (QList<int>{3, 1}));
    fl = {};
    fl.muhasebe = CariHareketListeFiltre::Muhasebe::Kayitli;
    EXPECT_EQ(keys(fl), (QList<int>{2}));
    fl.muhasebe = CariHareketListeFiltre::Muhasebe::Kayitsiz;
    fl.tarihBit = {2026, 2, 28};
    EXPECT_EQ(keys(fl), (QList<int>{1}));
    fl = {};
    fl.cariKod = "AB_"; // the underscore is a character, not a wildcard
    EXPECT_EQ(keys(fl), (QList<int>{1}));
}

// Every code's balance at once: sums per code as the movements stand (also after one is
// removed), the portfolio code "PK" left out, a code with Turkish letters and a trailing
// blank found by its plain spelling, and fractions kept exact.
TEST_F(CariEkstreTest, AllBalancesAtOnce)
{
    row("ÇİĞ ", {2026, 3, 1}, 0.1, 0, 0.1, 0, "TL", "C", "S", 8);
    row("ÇİĞ ", {2026, 3, 2}, 0.2, 1e-7, 0.2, 0, "TL", "C", "S", 9);
    QHash<QString, EkstreToplam> t = CariEkstre(db).tumBakiyeler();
    EXPECT_EQ(t.size(), 3);
    EXPECT_FALSE(t.contains("PK"));
    EXPECT_DOUBLE_EQ(t.value("C1").borc, 4000);
    EXPECT_DOUBLE_EQ(t.value("C1").alacak, 2100);
    EXPECT_DOUBLE_EQ(t.value("C2").borc, 7);
    ASSERT_TRUE(t.contains(QStringLiteral("ÇİĞ")));
    EXPECT_EQ(t.value(QStringLiteral("ÇİĞ")).borc, 0.1 + 0.2);
    EXPECT_EQ(t.value(QStringLiteral("ÇİĞ")).alacak, 1e-7);

    {
        DbTransaction tx(db);
        db.exec("DELETE FROM FINHRK WHERE HRK_NO IN (1, 7)");
        tx.commit();
    }
    t = CariEkstre(db).tumBakiyeler();
    EXPECT_DOUBLE_EQ(t.value("C1").borc, 3000);
    EXPECT_FALSE(t.contains("C2"));
}

} // namespace nimbo::test
