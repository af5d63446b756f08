#include "LedgerFixture.h"
#include "ledger/ElleFis.h"
#include "model/DocumentError.h"
#include "ledger/HesapAylik.h"
#include "ledger/HesapEkstresi.h"
#include "ledger/Mizan.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

// A manual voucher through the entry domain; true when stored.
bool elleFis(const Db& db, const QDate& t, const QList<std::tuple<QString, double, double>>& satirlar,
             double miktar = 0)
{
    Fis taslak;
    taslak.TARIH = t;
    taslak.ACIKLAMA = QStringLiteral("elle");
    for (const auto& [kod, borc, alacak] : satirlar) {
        FisSatiri s;
        s.HSPKODU = kod;
        s.BORC = borc;
        s.ALACAK = alacak;
        s.MIKTAR = miktar;
        s.ACIKLAMA = kod;
        taslak.satirlar << s;
    }
    ElleFis f(db);
    f.taslaktan(taslak);
    return f.sakla();
}

} // namespace

class LedgerReports : public LedgerTest {
protected:
    void SetUp() override
    {
        LedgerTest::SetUp();
        hesapAc(QStringLiteral("153"), QStringLiteral("TİCARİ MALLAR"), QStringLiteral("ADET"));
        // A fixture year: sales in January, March and June, a purchase in March.
        ASSERT_TRUE(elleFis(db, {2026, 1, 10}, {{"120.01", 1200, 0}, {"600.01", 0, 1000}, {"391.01", 0, 200}}));
        ASSERT_TRUE(elleFis(db, {2026, 3, 5}, {{"100.01", 500, 0}, {"120.01", 0, 500}}));
        ASSERT_TRUE(elleFis(db, {2026, 3, 20}, {{"153", 800, 0}, {"100.01", 0, 800}}, 8));
        ASSERT_TRUE(elleFis(db, {2026, 6, 1}, {{"120.01", 2400, 0}, {"600.01", 0, 2000}, {"391.01", 0, 400}}));
    }
};

// Every level gives equal debit and credit totals; opening, period and closing split by date.
TEST_F(LedgerReports, TrialBalanceBalancesOnEveryLevel)
{
    using D = HesapKodu::Duzey;
    Mizan m(db);
    for (D seviye : {D::Sinif, D::Grup, D::Kebir, D::Muavin, D::Detay, D::Tumu}) {
        const auto rows = m.hesapla(seviye, {2026, 3, 1}, {2026, 3, 31});
        double ab = 0, aa = 0, db_ = 0, da = 0;
        for (const MizanSatiri& r : rows)
            if (seviye != D::Tumu || r.kod.size() == 1) {
                ab += r.acilisBorc;
                aa += r.acilisAlacak;
                db_ += r.donemBorc;
                da += r.donemAlacak;
            }
        EXPECT_DOUBLE_EQ(ab, aa) << int(seviye);
        EXPECT_DOUBLE_EQ(db_, da) << int(seviye);
        EXPECT_DOUBLE_EQ(ab, 1200) << int(seviye);
        EXPECT_DOUBLE_EQ(db_, 1300) << int(seviye);
        EXPECT_DOUBLE_EQ(m.bakiyeBorcToplami(), m.bakiyeAlacakToplami()) << int(seviye);
    }
    EXPECT_DOUBLE_EQ(m.toplam().kapanisBorc(), 2500);
    EXPECT_DOUBLE_EQ(m.toplam().kapanisAlacak(), 2500);

    const auto ana = m.hesapla(D::Kebir, {2026, 3, 1}, {2026, 3, 31});
    QStringList kodlar;
    for (const auto& r : ana)
        kodlar << r.kod;
    EXPECT_EQ(kodlar, (QStringList{"100", "120", "153", "391", "600"}));
    const MizanSatiri& alici = ana[1];
    EXPECT_EQ(alici.ad, QStringLiteral("ALICILAR"));
    EXPECT_DOUBLE_EQ(alici.acilisBorc, 1200);
    EXPECT_DOUBLE_EQ(alici.donemAlacak, 500);
    EXPECT_DOUBLE_EQ(alici.bakiyeBorc(), 700);
    EXPECT_DOUBLE_EQ(alici.bakiyeAlacak(), 0);

    const auto siniflar = m.hesapla(D::Sinif, {2026, 3, 1}, {2026, 3, 31});
    ASSERT_EQ(siniflar.size(), 3);
    EXPECT_EQ(siniflar[0].kod, QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(siniflar[0].kapanisBorc(), 2500);

    // "Tümü" lists parents and children; June is outside the range.
    const auto hepsi = m.hesapla(D::Tumu, {2026, 1, 1}, {2026, 3, 31});
    auto bul = [&](const QString& k) {
        for (const auto& r : hepsi)
            if (r.kod == k)
                return r;
        return MizanSatiri{};
    };
    EXPECT_DOUBLE_EQ(bul("600").donemAlacak, 1000);
    EXPECT_DOUBLE_EQ(bul("600.01").donemAlacak, 1000);
    EXPECT_EQ(bul("600.01").seviye, 1);
    EXPECT_DOUBLE_EQ(bul("60").donemAlacak, 1000);
    EXPECT_DOUBLE_EQ(bul("6").donemAlacak, 1000);
    EXPECT_DOUBLE_EQ(bul("1").donemBorc, 2500);
}

// The extract brings the balance forward and runs it line by line; sub-accounts count.
TEST_F(LedgerReports, ExtractRunsBalanceFromOpening)
{
    HesapEkstresi e(db, QStringLiteral("120.01"));
    const auto rows = e.oku({2026, 3, 1}, {2026, 12, 31});
    EXPECT_DOUBLE_EQ(e.devirBorc, 1200);
    EXPECT_DOUBLE_EQ(e.devirAlacak, 0);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].tarih, QDate(2026, 3, 5));
    EXPECT_DOUBLE_EQ(rows[0].alacak, 500);
    EXPECT_DOUBLE_EQ(rows[0].bakiye, 700);
    EXPECT_DOUBLE_EQ(rows[1].bakiye, 3100);
    EXPECT_FALSE(rows[1].fisNumara.isEmpty());
    EXPECT_DOUBLE_EQ(e.bakiye(), 3100);

    HesapEkstresi ust(db, QStringLiteral("120"));
    EXPECT_EQ(ust.oku({2026, 1, 1}, {2026, 12, 31}).size(), 3);
    EXPECT_DOUBLE_EQ(ust.bakiye(), 3100);
}

// Twelve months with the running balance on its side, and quantities for a unit account.
TEST_F(LedgerReports, MonthlyViewWithQuantities)
{
    HesapAylik a(db, QStringLiteral("120"));
    const auto aylar = a.oku();
    ASSERT_EQ(aylar.size(), 12);
    EXPECT_EQ(HesapAylik::ayAdi(aylar[0].ay), QStringLiteral("OCAK"));
    EXPECT_EQ(HesapAylik::ayAdi(12), QStringLiteral("ARALIK"));
    EXPECT_DOUBLE_EQ(aylar[0].bakiyeBorc, 1200);
    EXPECT_DOUBLE_EQ(aylar[2].alacak, 500);
    EXPECT_DOUBLE_EQ(aylar[2].bakiyeBorc, 700);
    EXPECT_DOUBLE_EQ(aylar[5].bakiyeBorc, 3100);
    EXPECT_DOUBLE_EQ(a.toplam.borc, 3600);
    EXPECT_TRUE(a.birim.isEmpty());

    HesapAylik k(db, QStringLiteral("391"));
    k.oku();
    EXPECT_DOUBLE_EQ(k.toplam.bakiyeAlacak, 600);

    HesapAylik m(db, QStringLiteral("153"));
    const auto stok = m.oku();
    EXPECT_EQ(m.birim, QStringLiteral("ADET"));
    EXPECT_DOUBLE_EQ(stok[2].giren, 8);
    EXPECT_DOUBLE_EQ(stok[2].cikan, 0);
    EXPECT_DOUBLE_EQ(stok[11].kumKalan, 8);
}

// Manual vouchers run the same checks; a correction keeps the numbers; a voucher of a
// document is not deleted from here.
TEST_F(LedgerReports, ManualVoucherChecksCorrectionAndDelete)
{
    (*prompter)->expectWarn(QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil.Dengesiz Fiş Kaydı Yapılamaz, "
                                           "Borç:10,00 Alacak:9,00"));
    EXPECT_FALSE(elleFis(db, {2026, 7, 1}, {{"100.01", 10, 0}, {"600.01", 0, 9}}));
    (*prompter)->expectWarn(QStringLiteral("Hatalı Hesap Kodları Var. Fiş Kaydı Yapılamaz"));
    EXPECT_FALSE(elleFis(db, {2026, 7, 1}, {{"100.01", 10, 0}, {"600", 0, 10}}));
    (*prompter)->expectWarn(QStringLiteral("Hatalı Hesap Kodları Var. Fiş Kaydı Yapılamaz"));
    EXPECT_FALSE(elleFis(db, {2026, 7, 1}, {{"100.01", 10, 0}, {"", 0, 10}}));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 4);

    const double no = db.scalar(QStringLiteral("SELECT MAX(FISNO) FROM FIS")).toDouble();
    ElleFis f(db);
    f.open(no);
    const QString numara = f.headerText(QStringLiteral("FISNUMARA"));
    const QVariant yevmiye = f.header(QStringLiteral("YEVMIYE_NO"));
    ASSERT_EQ(f.lines().count(), 3);
    f.removeLine(DocumentModel::kItems, 2);
    f.setLine(1, QStringLiteral("ALACAK"), 2400);
    f.addLine(); // an untouched grid row is dropped
    ASSERT_TRUE(f.sakla());
    ElleFis g(db);
    g.open(no);
    EXPECT_EQ(g.headerText(QStringLiteral("FISNUMARA")), numara);
    EXPECT_EQ(g.header(QStringLiteral("YEVMIYE_NO")).toInt(), yevmiye.toInt());
    EXPECT_EQ(g.lines().count(), 2);
    EXPECT_DOUBLE_EQ(g.headerNumber(QStringLiteral("BORC")), 2400);

    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), false);
    EXPECT_THROW(g.deleteDocument(), DocumentError);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS WHERE FISNO = :n"), {{QStringLiteral("n"), no}}), 1);
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    g.deleteDocument();
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR WHERE FISNO = :n"), {{QStringLiteral("n"), no}}), 0);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS WHERE FISNO = :n"), {{QStringLiteral("n"), no}}), 0);

    // A document's voucher is neither changed nor deleted here.
    satisEkle(1);
    dengeliSatis(1, 0.2);
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));
    ElleFis b(db);
    b.open(db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS")));
    (*prompter)->expectWarn(ElleFis::belgeFisiMesaji());
    EXPECT_THROW(b.deleteDocument(), DocumentError);
    (*prompter)->expectWarn(ElleFis::belgeFisiMesaji());
    EXPECT_FALSE(b.sakla());
}
