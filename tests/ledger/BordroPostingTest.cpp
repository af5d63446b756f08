#include "BankFixture.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

struct Kagit {
    const char* csTip = "Ç";
    const char* sahip = "M";
    double tutar = 1000;
    const char* muhKod = "";
    double masraf = 0;
    const char* kasa = "";
    const char* doviz = "TL";
    double dvz = 0;
    const char* durum = "P";     // the card's status
    const char* oncekiTur = "";  // a bordereau of this type took the paper to the bank before
};

struct Durum {
    const char* ad;
    const char* bTur;
    const char* isTur;
    const char* cari; // B_CARIKOD (a bank code for bank bordereaux)
    const char* hspNo;
    Kagit kagit;
    const char* tur;      // the voucher's type; empty: refused
    QStringList beklenen; // "CODE B|A amount" in line order
};

class BordroPosting : public BankPostingTest {
protected:
    // A bordereau with one paper as an older bordereau holds it: the card, the header, the row
    // (and the earlier bordereau that took the paper to the bank, when there is one).
    void bordro(double no, const Durum& d)
    {
        const Kagit& k = d.kagit;
        const double portfoy = no * 10;
        f.insert("CSKART", {{"PORTFOYNO", portfoy}, {"CS_TIP", QString::fromUtf8(k.csTip)}, {"SAHIP", k.sahip},
                            {"SON_DURUMU", k.durum}, {"VADETARIH", QDateTime(kGun.addMonths(2), QTime())}});
        if (*k.oncekiTur)
            f.insert("CSBORAYR", {{"BORDRONO", no - 0.5}, {"PORTFOYNO", portfoy}, {"B_TUR", k.oncekiTur}});
        f.insert("CSBORDRO", {{"BORDRONO", no}, {"B_TUR", d.bTur}, {"IS_TUR", d.isTur}, {"B_CARIKOD", d.cari},
                              {"B_HSPNO", d.hspNo}, {"BORDROTRH", QDateTime(kGun, QTime())}});
        f.insert("CSBORAYR", {{"BORDRONO", no}, {"PORTFOYNO", portfoy}, {"CS_TIP", QString::fromUtf8(k.csTip)},
                              {"SAHIP", k.sahip}, {"B_TUR", d.bTur}, {"TUTAR", k.tutar}, {"TUTAR_DOVIZ", k.dvz > 0 ? k.dvz : k.tutar},
                              {"DOVIZ_KOD", k.doviz}, {"MASRAF", k.masraf}, {"MUH_KOD", k.muhKod}, {"KASAKOD", k.kasa},
                              {"VADETARIH", QDateTime(kGun.addMonths(2), QTime())}});
    }
};

} // namespace

// Each bordereau type and operation posts the paper's amount between the accounts it names:
// the portfolio, the current account (with the suffix of the paper's currency), the paper's
// own code, the desk, the bank account's accounts (by account type, by collection or
// guarantee) and the fixed accounts; charges go with the operations that carry them.
TEST_F(BordroPosting, EachBordereauKindBecomesItsVoucher)
{
    const QList<Durum> durumlar = {
        {"çek girişi", "0", "", "C1", "", {}, "M", {"101.01 B 1000", "120.01 A 1000"}},
        {"dövizli çek girişi, kırılımlı cari", "0", "", "C2", "", {.doviz = "USD", .dvz = 100}, "M",
         {"101.01 B 1000", "120.02.1 A 1000"}},
        {"senet girişi", "6", "", "C1", "", {.csTip = "E"}, "M", {"121.01 B 1000", "120.01 A 1000"}},
        {"cariye çek çıkışı", "1", "", "C2", "", {}, "M", {"120.02.0 B 1000", "101.01 A 1000"}},
        {"cariye senet çıkışı", "7", "", "C1", "", {.csTip = "E"}, "M", {"120.01 B 1000", "121.01 A 1000"}},
        {"bankaya tahsile çek", "2", "", "ZIRAAT", "TL1", {.muhKod = "101.01"}, "M", {"101.02 B 1000", "101.01 A 1000"}},
        {"bankaya teminata çek", "3", "", "ZIRAAT", "TL1", {.muhKod = "101.01"}, "M", {"101.03 B 1000", "101.01 A 1000"}},
        {"bankaya tahsile senet", "8", "", "ZIRAAT", "TL1", {.csTip = "E", .muhKod = "121.01"}, "M",
         {"121.02 B 1000", "121.01 A 1000"}},
        {"bankaya teminata senet", "9", "", "ZIRAAT", "TL1", {.csTip = "E", .muhKod = "121.01"}, "M",
         {"121.03 B 1000", "121.01 A 1000"}},
        {"müşteriye iade çek, masraflı", "4", "0", "C1", "", {.masraf = 50}, "M",
         {"120.01 B 1000", "101.01 A 1000", "120.01 B 50", "780.03 A 50"}},
        {"portföyden kasaya tahsil", "4", "1", "C1", "", {.muhKod = "101.01", .kasa = "K01"}, "C",
         {"100.01 B 1000", "101.01 A 1000"}},
        {"bankada tahsil, ticari hesap", "4", "2", "ZIRAAT", "TL1", {.muhKod = "101.02"}, "M",
         {"102.01 B 1000", "101.02 A 1000"}},
        {"bankada tahsil, kredi hesabı", "4", "2", "ZIRAAT", "KR1", {.muhKod = "101.02"}, "M",
         {"300.01 B 1000", "101.02 A 1000"}},
        {"bankada karşılıksız, teminattaki çek", "4", "3", "ZIRAAT", "TL1", {.muhKod = "101.09", .oncekiTur = "3"}, "M",
         {"101.09 B 1000", "101.03 A 1000"}},
        {"bankada karşılıksız, tahsildeki çek", "4", "3", "ZIRAAT", "TL1", {.muhKod = "101.09", .oncekiTur = "2"}, "M",
         {"101.09 B 1000", "101.02 A 1000"}},
        {"portföyde karşılıksız", "4", "4", "C1", "", {.muhKod = "101.09"}, "M", {"101.09 B 1000", "101.01 A 1000"}},
        {"müşteriden karşılıksız iade, masraflı", "4", "5", "C1", "", {.muhKod = "101.09", .masraf = 25}, "M",
         {"101.09 B 1000", "120.01 A 1000", "780.03 B 25", "120.01 A 25"}},
        {"protestolu senet müşteriye iade", "L", "0", "C1", "", {.csTip = "E", .masraf = 30, .durum = "K"}, "M",
         {"120.01 B 1000", "121.09 A 1000", "120.01 B 30", "780.04 A 30"}},
        {"senet bankada tahsil, kredi hesabı", "L", "2", "ZIRAAT", "KR1", {.csTip = "E", .muhKod = "121.02"}, "M",
         {"300.02 B 1000", "121.02 A 1000"}},
        {"senet bankada protestolu", "L", "3", "ZIRAAT", "TL1", {.csTip = "E", .oncekiTur = "8"}, "M",
         {"121.08 B 1000", "121.02 A 1000"}},
        {"senet portföyde protestolu", "L", "4", "C1", "", {.csTip = "E", .muhKod = "121.01"}, "M",
         {"121.09 B 1000", "121.01 A 1000"}},
        {"kendi çekimiz iade", "5", "0", "C2", "", {.sahip = "F", .muhKod = "103.01"}, "M",
         {"103.01 B 1000", "120.02.0 A 1000"}},
        {"kendi senedimiz kasadan ödendi", "R", "1", "C2", "", {.csTip = "E", .sahip = "F", .muhKod = "321.01", .kasa = "K01"},
         "E", {"321.01 B 1000", "100.01 A 1000"}},
        {"kodsuz kağıt", "2", "", "ZIRAAT", "TL1", {}, "", {}},
        {"devir bordrosu", "D", "", "C1", "", {}, "", {}},
    };
    double no = 0;
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        bordro(++no, d);
        postAndCheck(QLatin1Char('E'), no, d.tur, d.beklenen);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ABS(BORC - ALACAK) > 0.001"), 0);
}

// The header narration names the bordereau type; operation lines name the operation; a
// foreign-currency paper keeps its amount in its currency on the suffixed account; without
// the breakdown switch the card's own code is used.
TEST_F(BordroPosting, NarrationsAndCurrencySuffix)
{
    bordro(1205, {"", "4", "0", "C1", "", {}, "", {}});
    auto r = post(QLatin1Char('E'), 1205);
    ASSERT_TRUE(r.basarili) << r.hata.toStdString();
    EXPECT_EQ(fisBaslik(r.fisNo, "ACIKLAMA"), QStringLiteral("1.205 No.lu Ç/S Bordro Hrk.Müşteri Çek İşlemleri"));
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FISAYR WHERE FISNO = :f AND SIRANO = 1", {{"f", r.fisNo}})),
              QStringLiteral("1.205 No.lu Ç/S Bordro Hrk.Müşteriye İade Edilen Çekler"));

    bordro(7, {"", "0", "", "C2", "", {.tutar = 3000, .doviz = "USD", .dvz = 100}, "", {}});
    r = post(QLatin1Char('E'), 7);
    ASSERT_TRUE(r.basarili) << r.hata.toStdString();
    EXPECT_EQ(fisBaslik(r.fisNo, "ACIKLAMA"), QStringLiteral("7 No.lu Ç/S Bordro Hrk.Çek Girişi"));
    const auto usd = db.records("SELECT DOVIZ_KOD, DVZ_ALACAK, TL_DEGERI FROM FISAYR WHERE FISNO = :f AND HSPKODU = '120.02.1'",
                                {{"f", r.fisNo}});
    ASSERT_EQ(usd.size(), 1);
    EXPECT_EQ(toText(usd[0].value(0)), QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(usd[0].value(1).toDouble(), 100);
    EXPECT_DOUBLE_EQ(usd[0].value(2).toDouble(), 30);

    exec("UPDATE PARAMET SET KIRIL_TAKIP = 'H'");
    bordro(8, {"", "0", "", "C2", "", {.tutar = 3000, .doviz = "USD", .dvz = 100}, "", {}});
    r = post(QLatin1Char('E'), 8);
    EXPECT_FALSE(r.basarili); // 120.02 is a main account
    EXPECT_EQ(r.hata, TDMuh::eksikKodMesaji());

    // A missing fixed account blocks the voucher.
    exec("UPDATE PARAMET SET KIRIL_TAKIP = 'E', MUH_PROVIZMAS = NULL");
    bordro(9, {"", "4", "0", "C1", "", {.masraf = 10}, "", {}});
    EXPECT_FALSE(post(QLatin1Char('E'), 9).basarili);
    EXPECT_TRUE(db.scalar("SELECT FIS_NO FROM CSBORDRO WHERE BORDRONO = 9").isNull());
}
