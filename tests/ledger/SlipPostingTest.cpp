#include "BankFixture.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

struct FisSatiri {
    const char* tip;
    const char* kodu;
    double borc;
    double alacak;
    double kdv = 0;
    const char* karsi = "";
    double isin = 0;
    double vergi = 0;
};

struct Durum {
    const char* ad;
    const char* tip;
    QList<FisSatiri> satirlar;
    const char* tur;      // the voucher's type; empty: refused
    QStringList beklenen; // "CODE B|A amount" in line order
};

class SlipPosting : public BankPostingTest {
protected:
    void SetUp() override
    {
        BankPostingTest::SetUp();
        for (const auto& [kod, ad] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"153.01", "TİCARİ MALLAR"}, {"153", "TİCARİ MALLAR"}, {"360.01", "STOPAJ"}, {"360", "ÖDENECEK VERGİLER"},
                 {"770.01", "KİRA"}, {"770", "GENEL YÖNETİM GİDERLERİ"}}) {
            HesapKart k(db);
            k.yeni(QString::fromUtf8(kod));
            k.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(ad));
            k.save();
        }
        f.insert("MASRAF", {{"KODU", "KIRA"}, {"ADI", "Kira"}, {"MUH_A", "770.01"}, {"MUH_S", "649.01"},
                            {"MUH_KDV_A", "191.01"}, {"MUH_KDV_S", "391.01"}});
        f.insert("MASRAF", {{"KODU", "KODSUZ"}, {"ADI", "Kodsuz"}});
        f.insert("STOKMUH", {{"STOK_NO", 5.0}, {"MUH_A", "153.01"}, {"MUH_S", "600.01"}, {"MUH_KDV_A", "191.01"},
                             {"MUH_KDV_S", "391.01"}});
    }

    void fis(double no, const Durum& d, const QVariant& fisNo = {})
    {
        f.insert("FISG", {{"HRK_NO", no}, {"TARIH", QDateTime(kGun, QTime())}, {"TIP", d.tip}, {"BELGE_NO", "G-1"},
                          {"FIS_NO", fisNo}});
        int sira = 0;
        for (const FisSatiri& s : d.satirlar)
            f.insert("FISGA", {{"HRK_NO", no}, {"SIRANO", ++sira}, {"TIP", s.tip},
                               {"KODU", QString::fromLatin1(s.tip) == QLatin1String("S") ? QVariant() : QVariant(s.kodu)},
                               {"STOK_NO", QString::fromLatin1(s.tip) == QLatin1String("S") ? QVariant(5.0) : QVariant()},
                               {"HESAP_NO", QString::fromLatin1(s.tip) == QLatin1String("B") ? "TL1" : ""},
                               {"BORC", s.borc}, {"ALACAK", s.alacak}, {"KDV_TUT", s.kdv}, {"MUH_KARSI", s.karsi},
                               {"ISIN_TUTARI", s.isin}, {"VERGI_TUTARI", s.vergi}, {"ACIKLAMA1", "Satır"},
                               {"ACIKLAMA2", QString::number(sira)}, {"DOVIZ_KODU", "TL"}, {"TL_KURDEGER", 1.0}});
    }
};

} // namespace

// Each slip type gives its voucher type and each row type posts on its own accounts: desk,
// current account (the supplier side on a payment slip), expense and item cards with their
// VAT, an expense with withholding, a bank row with VAT; rows without their codes refuse.
TEST_F(SlipPosting, EachSlipAndRowKindBecomesItsVoucher)
{
    const QList<Durum> durumlar = {
        {"tahsil: cariden kasaya", "N", {{"K", "K01", 500, 0}, {"C", "C1", 0, 500}}, "C", {"100.01 B 500", "120.01 A 500"}},
        {"tediye: satıcıya kasadan", "M", {{"C", "C2", 300, 0}, {"K", "K01", 0, 300}}, "E",
         {"320.01.0 B 300", "100.01 A 300"}},
        {"KDV'li masraf", "M", {{"M", "KIRA", 120, 0, 20}, {"K", "K01", 0, 120}}, "E",
         {"770.01 B 100", "191.01 B 20", "100.01 A 120"}},
        {"stopajlı masraf", "M", {{"G", "KIRA", 800, 0, 0, "360.01", 1000, 200}, {"K", "K01", 0, 800}}, "E",
         {"770.01 B 1000", "360.01 A 200", "100.01 A 800"}},
        {"mahsup: stok alışı", "F", {{"S", "", 240, 0, 40}, {"C", "C2", 0, 240}}, "M",
         {"153.01 B 200", "191.01 B 40", "120.02.0 A 240"}},
        {"banka masrafı", "M", {{"B", "ZIRAAT", 118, 0, 18, "780.02"}, {"K", "K01", 0, 118}}, "E",
         {"780.02 B 100", "191.01 B 18", "100.01 A 118"}},
        {"virman", "V", {{"C", "C1", 0, 200}, {"C", "C2", 200, 0}}, "M", {"120.01 A 200", "120.02.0 B 200"}},
        {"karşı hesaplı kasa satırı", "N", {{"K", "K01", 50, 0, 0, "100.02"}, {"C", "C1", 0, 50}}, "C",
         {"100.02 B 50", "120.01 A 50"}},
        {"kodsuz masraf kartı", "M", {{"M", "KODSUZ", 10, 0}, {"K", "K01", 0, 10}}, "", {}},
    };
    double no = 0;
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        fis(++no, d);
        postAndCheck(QLatin1Char('X'), no, d.tur, d.beklenen);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ABS(BORC - ALACAK) > 0.001"), 0);
}

// The narrations of a slip and its rows; a slip pointing to another document's voucher is
// refused and leaves that voucher as it was; its own voucher is rebuilt in place.
TEST_F(SlipPosting, NarrationsAndForeignVoucherLeftAlone)
{
    fis(1500, {"", "M", {{"B", "ZIRAAT", 118, 0, 18, "780.02"}, {"K", "K01", 0, 118}}, "", {}});
    auto r = post(QLatin1Char('X'), 1500);
    ASSERT_TRUE(r.basarili) << r.hata.toStdString();
    EXPECT_EQ(fisBaslik(r.fisNo, "ACIKLAMA"), QStringLiteral("1.500 No.lu Kasa Tediye Fişi"));
    EXPECT_EQ(fisBaslik(r.fisNo, "BELGENO"), QStringLiteral("G-1"));
    QStringList anlatim;
    for (const QSqlRecord& l : db.records("SELECT ACIKLAMA FROM FISAYR WHERE FISNO = :f ORDER BY SIRANO", {{"f", r.fisNo}}))
        anlatim << toText(l.value(0));
    EXPECT_EQ(anlatim, (QStringList{"Satır 1 Alış", "Satır 1 Alış KDV", "Satır 2"}));
    const double kendi = r.fisNo;
    r = post(QLatin1Char('X'), 1500);
    ASSERT_TRUE(r.basarili);
    EXPECT_EQ(r.fisNo, kendi);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 1);

    exec("UPDATE FIS SET ENT_TIP = 'B', ENT_REF_NO = 77 WHERE FISNO = :f", {{"f", kendi}});
    const QStringList onceki = fisSatirlari(kendi);
    r = post(QLatin1Char('X'), 1500);
    EXPECT_FALSE(r.basarili);
    EXPECT_EQ(r.hata, QStringLiteral("İlgili Muhasebe Fişi üzerinde değişiklik yapılamaz!"));
    EXPECT_EQ(fisSatirlari(kendi), onceki);
    EXPECT_EQ(fisBaslik(kendi, "ENT_TIP"), QStringLiteral("B"));
}
