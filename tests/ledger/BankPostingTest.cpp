#include "BankFixture.h"
#include "finance/BankaHareketBelgesi.h"
#include "model/DocumentError.h"
#include "services/SessionContext.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

struct BankSatiri {
    const char* hesap;
    double borc;
    double alacak;
    const char* cari = "";
    const char* kasa = "";
    const char* karsi = "";
    double komisyon = 0;
    const char* kusurat = "";
    double dvz = 0; // the USD amount on the dollar account
};

struct Durum {
    const char* ad;
    const char* tip;
    QList<BankSatiri> satirlar;
    const char* tur;      // the voucher's type; empty: refused
    QStringList beklenen; // "CODE B|A amount" in line order
    const char* hata = ""; // the refusal's text, when refused
};

class BankaPosting : public BankPostingTest {
protected:
    void hareket(double no, const Durum& d)
    {
        exec("INSERT INTO BANKHRK (HRK_NO, TARIH, TIP) VALUES (:n, :t, :tip)",
             {{"n", no}, {"t", QDateTime(kGun, QTime())}, {"tip", QString::fromLatin1(d.tip)}});
        int sira = 0;
        for (const BankSatiri& s : d.satirlar) {
            const bool usd = QString::fromLatin1(s.hesap) == QLatin1String("USD1");
            exec("INSERT INTO BANKHRKA (HRK_NO, SIRANO, BANKA_KOD, HESAP_NO, CARI_KOD, KASAKOD, MUH_KARSI, BORC, ALACAK, "
                 "BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, TL_KURDEGER, KOMISYON, KUSURAT, CTIP, ACIKLAMA) VALUES (:n, :s, "
                 "'ZIRAAT', :h, :c, :k, :m, :b, :a, :bd, :ad, :d, :kur, :ko, :ku, 1, :ac)",
                 {{"n", no}, {"s", ++sira}, {"h", QString::fromLatin1(s.hesap)}, {"c", QString::fromLatin1(s.cari)},
                  {"k", QString::fromLatin1(s.kasa)}, {"m", QString::fromLatin1(s.karsi)}, {"b", s.borc},
                  {"a", s.alacak}, {"bd", usd ? (s.borc > 0 ? s.dvz : 0) : s.borc},
                  {"ad", usd ? (s.alacak > 0 ? s.dvz : 0) : s.alacak}, {"d", usd ? "USD" : "TL"},
                  {"kur", usd ? 30.0 : 1.0}, {"ko", s.komisyon}, {"ku", QString::fromLatin1(s.kusurat)},
                  {"ac", QStringLiteral("satır %1").arg(sira)}});
        }
    }
};

const char* const kEksikDetay = "Eksik Muhasebe Kodları Var/Detay Mevcut Değil. Öncelikle Kodları Kartlardan Tanımlayın. "
                                "Aksi Takdirde Muhasabe Fişi Oluşturulamaz.";

} // namespace

// Each bank movement type becomes its voucher: the bank account's MUH_CHES against the
// account, the desk or the counter account; a card transfer splits off its commission; a
// rounding row writes only its counter line; missing codes refuse the whole movement.
TEST_F(BankaPosting, EachMovementTypeBecomesItsVoucher)
{
    f.cari("C3");
    const QList<Durum> durumlar = {
        {"gelen havale", "G", {{"TL1", 1500, 0, "C1"}}, "M", {"102.01 B 1500", "120.01 A 1500"}},
        {"giden havale satıcının koduna", "H", {{"TL1", 0, 700, "C2"}}, "M", {"102.01 A 700", "320.01.0 B 700"}},
        {"kredi kartı tahsilatı", "K", {{"TL1", 980, 0, "C1"}}, "M", {"102.01 B 980", "120.01 A 980"}},
        {"döviz hesabına havale, kırılımlı cari", "G", {{"USD1", 3000, 0, "C2", "", "", 0, "", 100}}, "M",
         {"102.02 B 3000", "120.02.1 A 3000"}},
        {"kart transferi 1000, %2 komisyon", "R", {{"TL1", 0, 1000, "", "", "", 2}, {"TL2", 1000, 0}}, "M",
         {"780.02 A 20", "102.01 A 980", "102.03 B 1000"}},
        {"komisyonsuz kart transferi", "R", {{"TL1", 0, 400}, {"TL2", 400, 0}}, "M", {"102.01 A 400", "102.03 B 400"}},
        {"virman karşı hesaplarıyla", "V", {{"TL1", 0, 5000, "", "", "102.03"}, {"TL2", 5000, 0, "", "", "102.01"}}, "M",
         {"102.01 A 5000", "102.03 B 5000", "102.03 B 5000", "102.01 A 5000"}},
        {"kasadan bankaya", "I", {{"TL1", 2000, 0, "", "K01"}}, "E", {"100.01 A 2000", "102.01 B 2000"}},
        {"bankadan kasaya", "I", {{"TL1", 0, 600, "", "K01"}}, "C", {"100.01 B 600", "102.01 A 600"}},
        {"küsurat satırları yalnız karşı hesaba", "M",
         {{"TL1", 100, 0, "", "", "649.01"}, {"TL1", 0, 0.4, "", "", "659.01", 0, "E"},
          {"TL1", 0.4, 0, "", "", "649.01", 0, "E"}},
         "M", {"102.01 B 100", "649.01 A 100", "659.01 B 0.4", "649.01 A 0.4"}},
        {"tek küsurat satırı dengesiz", "M", {{"TL1", 0, 0.4, "", "", "659.01", 0, "E"}}, "", {},
         "Fiş Borç-Alacak Tutarı Birbirine Eşit Değil"},
        {"karşı hesapsız satır", "M", {{"TL1", 100, 0}}, "", {}, kEksikDetay},
        {"banka kodu eksik", "G", {{"TL1", 10, 0, "C1"}, {"BOS", 20, 0, "C1"}}, "", {},
         "13.Nolu Banka Hrk. 2 No.lu Satırda M.Kodu Eksik ya da Hatalı"},
        {"carinin kodu eksik", "H", {{"TL1", 0, 20, "C3"}}, "", {},
         "14.Nolu Banka Hrk. 1 No.lu Satırda Carinin M.Kodu Eksik ya da Hatalı"},
    };
    double no = 0;
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        hareket(++no, d);
        const MuhasebeSonucu r = postAndCheck(QLatin1Char('B'), no, d.tur, d.beklenen);
        if (!r.basarili) {
            EXPECT_TRUE(r.hata.startsWith(QString::fromUtf8(d.hata))) << r.hata.toStdString();
            continue;
        }
        EXPECT_EQ(count("SELECT COUNT(*) FROM FISAYR WHERE FISNO = :f AND ENT_REF_TIP = 'B' AND GRUP1_KOD = 'TH'",
                        {{"f", r.fisNo}}),
                  d.beklenen.size());
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ABS(BORC - ALACAK) > 0.001"), 0);
}

// Narrations: the header names the number and the type, each line carries the group code
// of its movement kind before the row's own text; the dollar line keeps its foreign amount.
TEST_F(BankaPosting, NarrationsGroupCodeAndForeignAmount)
{
    hareket(1234, {"", "G", {{"USD1", 3000, 0, "C2", "", "", 0, "", 100}}, "", {}});
    const auto r = post(QLatin1Char('B'), 1234);
    ASSERT_TRUE(r.basarili) << r.hata.toStdString();
    EXPECT_EQ(fisBaslik(r.fisNo, "ACIKLAMA"), QStringLiteral("1.234 No.lu Banka Hrk. Gelen Havaleler"));
    EXPECT_EQ(fisBaslik(r.fisNo, "ENT_TIP"), QStringLiteral("B"));
    const auto l = db.records("SELECT ACIKLAMA, DOVIZ_KOD, DVZ_BORC, TL_DEGERI FROM FISAYR WHERE FISNO = :f ORDER BY SIRANO",
                              {{"f", r.fisNo}});
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(toText(l[0].value(0)), QStringLiteral("(TH)satır 1"));
    EXPECT_EQ(toText(l[0].value(1)), QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(l[0].value(2).toDouble(), 100);
    EXPECT_DOUBLE_EQ(l[0].value(3).toDouble(), 30);
}

// A saved bank movement asks the ledger question and posts on Yes; corrected, it is posted
// again into the same voucher; posted, it is not deleted.
TEST_F(BankPostingTest, SavedBankMovementAsksRepostsInPlaceAndRefusesDelete)
{
    SessionContext::current().param.ayarlar.MUH_KAY = QStringLiteral("S");
    BankaHareketBelgesi b(db, QStringLiteral("G"));
    b.setHeader(QStringLiteral("TARIH"), kGun);
    const int r = b.addLine();
    b.setLine(r, QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
    b.setLine(r, QStringLiteral("HESAP_NO"), QStringLiteral("TL1"));
    b.setLine(r, QStringLiteral("CARI_KOD"), QStringLiteral("C1"));
    b.setLine(r, QStringLiteral("CTIP"), 1);
    b.setLine(r, QStringLiteral("BORC_DVZ"), 1250.0);
    SaveResult s = b.save();
    ASSERT_EQ(s.steps.size(), 1);
    (**prompter).expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), true);
    runAfterCommitSteps(s.steps);
    const double no = s.key.toDouble();
    const double fisNo = db.scalar("SELECT FIS_NO FROM BANKHRK WHERE HRK_NO = :n", {{"n", no}}).toDouble();
    ASSERT_GT(fisNo, 0);
    EXPECT_EQ(fisSatirlari(fisNo), (QStringList{"102.01 B 1250", "120.01 A 1250"}));

    BankaHareketBelgesi c(db, QStringLiteral("G"));
    c.open(no);
    c.setLine(0, QStringLiteral("BORC_DVZ"), 1400.0);
    s = c.save();
    (**prompter).expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), true);
    runAfterCommitSteps(s.steps);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 1);
    EXPECT_EQ(db.scalar("SELECT FIS_NO FROM BANKHRK WHERE HRK_NO = :n", {{"n", no}}).toDouble(), fisNo);
    EXPECT_EQ(fisSatirlari(fisNo), (QStringList{"102.01 B 1400", "120.01 A 1400"}));

    BankaHareketBelgesi d(db, QStringLiteral("G"));
    d.open(no);
    (**prompter).expectWarn(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
    EXPECT_FALSE(d.deleteIfAllowed());
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKHRKA WHERE HRK_NO = :n", {{"n", no}}), 1);
}

// A card transfer line takes its account's commission rate; its voucher splits the rate off
// the bank's side; a rate that is not a number refuses the save.
TEST_F(BankPostingTest, CardTransferTakesTheAccountsCommissionRate)
{
    exec("UPDATE BANKAYR SET KOMISYON = 2 WHERE HESAP_NO = 'TL1'");
    BankaHareketBelgesi b(db, QStringLiteral("R"));
    b.setHeader(QStringLiteral("TARIH"), kGun);
    int r = b.addLine();
    b.setLine(r, QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
    b.setLine(r, QStringLiteral("HESAP_NO"), QStringLiteral("TL1"));
    b.setLine(r, QStringLiteral("ALACAK_DVZ"), 1000.0);
    EXPECT_DOUBLE_EQ(b.lines().number(r, QStringLiteral("KOMISYON")), 2);
    r = b.addLine();
    b.setLine(r, QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
    b.setLine(r, QStringLiteral("HESAP_NO"), QStringLiteral("TL2"));
    b.setLine(r, QStringLiteral("BORC_DVZ"), 1000.0);
    EXPECT_DOUBLE_EQ(b.lines().number(r, QStringLiteral("KOMISYON")), 0);
    b.setLine(r, QStringLiteral("KOMISYON"), QStringLiteral("yüzde"));
    (**prompter).expectWarn(QStringLiteral("Kredi Kartı Komisyon Oranı Hatalı !"));
    EXPECT_THROW(b.save(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKHRK"), 0);

    b.setLine(r, QStringLiteral("KOMISYON"), QVariant());
    const double no = b.save().key.toDouble();
    const auto m = post(QLatin1Char('B'), no);
    ASSERT_TRUE(m.basarili) << m.hata.toStdString();
    EXPECT_EQ(fisSatirlari(m.fisNo), (QStringList{"780.02 A 20", "102.01 A 980", "102.03 B 1000"}));
}

// Rounding rows marked in the bank movement reach the posting: each books only its counter
// account, and the movement balances with its other rows.
TEST_F(BankPostingTest, RoundingRowsOfASavedMovementPostOnlyTheirCounterAccount)
{
    BankaHareketBelgesi b(db, QStringLiteral("I"));
    b.setHeader(QStringLiteral("TARIH"), kGun);
    auto satir = [&](const char* taraf, double tutar, const char* karsi, const char* kusurat) {
        const int r = b.addLine();
        b.setLine(r, QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
        b.setLine(r, QStringLiteral("HESAP_NO"), QStringLiteral("TL1"));
        b.setLine(r, QString::fromLatin1(taraf), tutar);
        b.setLine(r, QStringLiteral("MUH_KARSI"), QString::fromLatin1(karsi));
        b.setLine(r, QStringLiteral("KUSURAT"), QString::fromLatin1(kusurat));
    };
    satir("BORC_DVZ", 100, "649.01", "H");
    satir("ALACAK_DVZ", 0.4, "659.01", "E");
    satir("BORC_DVZ", 0.4, "649.01", "E");
    const double no = b.save().key.toDouble();
    const auto m = post(QLatin1Char('B'), no);
    ASSERT_TRUE(m.basarili) << m.hata.toStdString();
    EXPECT_EQ(fisSatirlari(m.fisNo), (QStringList{"102.01 B 100", "649.01 A 100", "659.01 B 0.4", "649.01 A 0.4"}));
}
