#include "FinansFixture.h"
#include "accounts/CariHareketBelgesi.h"
#include "finance/FinansBelgesi.h"
#include "model/DocumentError.h"
#include "stock/StokFisi.h"

namespace nimbo::test {

namespace {

// The account movement, bank movement, finance transaction and stock slip follow their
// header date the same way: lines take the new date, rates of the new day come in where the
// document looks them up again, and a date outside the firm's open period stops the save.
class BelgeTarihiTest : public FinansTestBase {
protected:
    inline static const QDate kYeniGun{2026, 3, 20};

    void SetUp() override
    {
        FinansTestBase::SetUp();
        for (const auto& [d, v] : {std::pair{"USD", 32.0}, std::pair{"EUR", 35.0}})
            f.insert(QStringLiteral("KURDEGER"), {{QStringLiteral("DOVIZ_KODU"), d},
                                                  {QStringLiteral("TARIH"), QDateTime(kYeniGun, QTime(10, 0))},
                                                  {QStringLiteral("TLDEGERI_ALIS"), v},
                                                  {QStringLiteral("TLDEGERI_SATIS"), v}});
    }
    void kilit(const QDate& bas, const QDate& son)
    {
        exec("UPDATE PARAMET SET KILIT_TRH = :a, KILIT_TRH2 = :b",
             {{"a", QDateTime(bas, QTime())}, {"b", QDateTime(son, QTime())}});
    }
    // The save stops at the lock, with the cursor on the header date; nothing is written.
    void kilitteKalir(DocumentModel& b, const QString& tarihKolonu, const QString& tablo)
    {
        (*prompter)->expectError("Sadece 01.03.2026-31.03.2026 tarihleri arasında işlem yapabilirsiniz !\n"
                                 "İşlem tarihi : 01.04.2026");
        try {
            b.save();
            ADD_FAILURE() << tablo.toStdString() << " saved on a locked date";
        } catch (const DocumentError& e) {
            EXPECT_EQ(e.column(), tarihKolonu) << tablo.toStdString();
            EXPECT_EQ(e.row(), -1);
        }
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ") + tablo), 0) << tablo.toStdString();
    }
};

} // namespace

TEST_F(BelgeTarihiTest, LinesFollowANewHeaderDate)
{
    // Account and bank movements: every line takes the date; the rates it already has stay.
    CariHareketBelgesi c(db, "D");
    c.setHeader("TARIH", kGun);
    for (const char* kod : {"C1", "C2"}) {
        const int r = c.addLine();
        c.setLine(r, "CARI_KOD", kod);
        c.setLine(r, "DOVIZ_KODU", "USD");
        c.setLine(r, "BORC_DVZ", 10.0);
    }
    EXPECT_DOUBLE_EQ(c.lines().number(1, "TL_KURDEGER"), 30);
    c.setHeader("TARIH", kYeniGun);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(toDate(c.lines().value(r, "TARIH")), kYeniGun);
        EXPECT_DOUBLE_EQ(c.lines().number(r, "TL_KURDEGER"), 30);
        EXPECT_DOUBLE_EQ(c.lines().number(r, "BORC"), 300);
    }

    auto b = yeniBelge("I");
    satir(*b, "USD-1", 10, true);
    satir(*b, "TL-1", 100, false);
    b->setHeader("TARIH", kYeniGun);
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(toDate(b->lines().value(r, "TARIH")), kYeniGun);
    EXPECT_DOUBLE_EQ(b->lines().number(0, "TL_KURDEGER"), 30);
    EXPECT_DOUBLE_EQ(b->lines().number(1, "TL_KURDEGER"), 1);

    // A finance transaction prices every line at the new day's rate; a local line stays at 1.
    FinansBelgesi fin(db, "C", "N");
    fin.setHeader("ISLEM_TRH", kGun);
    fin.setHeader("KODU", "C1");
    const int usd = fin.addLine();
    fin.setLine(usd, "KODU", "K02");
    fin.setLine(usd, FinansBelgesi::kTutar, 10.0);
    const int tl = fin.addLine();
    fin.setLine(tl, "KODU", "K01");
    fin.setLine(tl, FinansBelgesi::kTutar, 100.0);
    EXPECT_DOUBLE_EQ(fin.lines().number(usd, "DVZ_KUR"), 30);
    fin.setHeader("ISLEM_TRH", kYeniGun);
    EXPECT_EQ(toDate(fin.lines().value(usd, "TARIH")), kYeniGun);
    EXPECT_DOUBLE_EQ(fin.lines().number(usd, "DVZ_KUR"), 32);
    EXPECT_DOUBLE_EQ(fin.lines().number(usd, "BORC"), 320);
    EXPECT_DOUBLE_EQ(fin.lines().number(tl, "DVZ_KUR"), 1);
    EXPECT_DOUBLE_EQ(fin.headerNumber("ALACAK"), 420);

    // A stock slip's dollar and euro rates are the new day's.
    StokFisi s(db);
    s.setHeader("TARIH", kGun);
    EXPECT_DOUBLE_EQ(s.headerNumber("USDFYT"), 30);
    s.setHeader("TARIH", kYeniGun);
    EXPECT_DOUBLE_EQ(s.headerNumber("USDFYT"), 32);
    EXPECT_DOUBLE_EQ(s.headerNumber("EURFYT"), 35);
}

TEST_F(BelgeTarihiTest, ALockedDateStopsEverySaveAtItsHeaderDate)
{
    kilit(QDate(2026, 3, 1), QDate(2026, 3, 31));
    const QDate kapali(2026, 4, 1);

    CariHareketBelgesi c(db, "D");
    c.setHeader("TARIH", kapali);
    const int r = c.addLine();
    c.setLine(r, "CARI_KOD", "C1");
    c.setLine(r, "TIP", 1);
    c.setLine(r, "BORC_DVZ", 10.0);
    kilitteKalir(c, "TARIH", "CARIHRKM");

    auto b = yeniBelge("G");
    b->setHeader("TARIH", kapali);
    satir(*b, "TL-1", 100, true, "C1");
    kilitteKalir(*b, "TARIH", "BANKHRK");

    FinansBelgesi fin(db, "C", "N");
    fin.setHeader("ISLEM_TRH", kapali);
    fin.setHeader("KODU", "C1");
    const int k = fin.addLine();
    fin.setLine(k, "KODU", "K01");
    fin.setLine(k, FinansBelgesi::kTutar, 100.0);
    kilitteKalir(fin, "ISLEM_TRH", "FINMAST");

    StokFisi s(db);
    s.setHeader("TARIH", kapali);
    kilitteKalir(s, "TARIH", "FISTK");

    // The last day of the open period is open.
    fin.setHeader("ISLEM_TRH", QDate(2026, 3, 31));
    EXPECT_GT(fin.save().key.toInt(), 0);
}

} // namespace nimbo::test
