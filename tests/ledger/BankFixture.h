#pragma once
#include "FinanceFixture.h"
#include "ledger/BelgeTurleri.h"

namespace nimbo::test {

// The finance fixture with bank and portfolio accounts: bank ZIRAAT with a lira trade
// account TL1 (102.01), a second lira account TL2 (102.03), a dollar account USD1 (102.02),
// a credit account KR1 (type 2) and an account BOS without a ledger code; the portfolio,
// protest and charge accounts of PARAMET.
class BankPostingTest : public FinanceTest {
protected:
    void SetUp() override
    {
        FinanceTest::SetUp();
        hesaplariAc(db, {
                 {"101.01", "PORTFÖYDEKİ ÇEKLER"}, {"101.02", "TAKASTAKİ ÇEKLER"}, {"101.03", "TEMİNATTAKİ ÇEKLER"},
                 {"101.09", "KARŞILIKSIZ ÇEKLER"}, {"101", "ALINAN ÇEKLER"}, {"102.01", "ZİRAAT TL"},
                 {"102.02", "ZİRAAT USD"}, {"102.03", "ZİRAAT TL 2"}, {"102", "BANKALAR"}, {"103.01", "VERİLEN ÇEKLER"},
                 {"103", "VERİLEN ÇEKLER"}, {"121.01", "PORTFÖYDEKİ SENETLER"}, {"121.02", "TAHSİLDEKİ SENETLER"},
                 {"121.03", "TEMİNATTAKİ SENETLER"}, {"121.08", "BANKADA PROTESTOLU"}, {"121.09", "PROTESTOLU SENETLER"},
                 {"121", "ALACAK SENETLERİ"}, {"300.01", "ÇEK KARŞILIĞI KREDİ"}, {"300.02", "SENET KARŞILIĞI KREDİ"},
                 {"300", "BANKA KREDİLERİ"}, {"321.01", "BORÇ SENETLERİ"}, {"321", "BORÇ SENETLERİ"},
                 {"649.01", "DİĞER GELİRLER"}, {"649", "DİĞER GELİRLER"}, {"659.01", "DİĞER GİDERLER"},
                 {"659", "DİĞER GİDERLER"}, {"780.02", "KOMİSYON GİDERLERİ"}, {"780.03", "PROVİZYON MASRAFI"},
                 {"780.04", "PROTESTO MASRAFI"}});
        f.insert("BANKA", {{"BANKA_KOD", "ZIRAAT"}, {"BANKA_ADI", "Ziraat"}});
        hesap("TL1", "1", "TL", "102.01");
        hesap("TL2", "1", "TL", "102.03");
        hesap("USD1", "3", "USD", "102.02");
        hesap("KR1", "2", "TL", "102.01");
        hesap("BOS", "1", "TL", "");
        exec("UPDATE PARAMET SET MUH_ELCEK = '101.01', MUH_ELSEN = '121.01', MUH_KESCEK = '103.01', "
             "MUH_BORCSEN = '321.01', MUH_PROSEN = '121.09', MUH_PROTES_SENET = '121.08', MUH_PROVIZMAS = '780.03', "
             "MUH_PROTESMAS = '780.04'");
    }

    void hesap(const char* no, const char* tur, const char* doviz, const char* muh)
    {
        f.insert("BANKAYR", {{"BANKA_KOD", "ZIRAAT"}, {"HESAP_NO", no}, {"HESAR_TURU", tur}, {"DOVIZ_KODU", doviz},
                             {"MUH_CHES", muh}, {"MUH_KOMISYON", "780.02"}, {"MUH_TAKCEK", "101.02"},
                             {"MUH_TEMCEK", "101.03"}, {"MUH_TAHSEN", "121.02"}, {"MUH_TEMSEN", "121.03"},
                             {"MUH_KESCEK", "103.01"}, {"MUH_CEKREDI", "300.01"}, {"MUH_SENKRED", "300.02"}});
    }

    MuhasebeSonucu post(QChar tur, double no) { return BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(tur), no, false); }

    // Posts document no of the kind and checks the outcome against one case of a table: with
    // an empty voucher type a refusal that stores nothing and leaves the document unposted,
    // otherwise the voucher's lines in order, its type, and the document marked with it.
    MuhasebeSonucu postAndCheck(QChar tur, double no, const char* fisTuru, const QStringList& beklenen)
    {
        const BelgeTuru& t = *BelgeTurleri::bul(tur);
        const MuhasebeSonucu r = BelgeTurleri::muhasebelestir(db, t, no, false);
        const QVariant fisNo = db.scalar(QStringLiteral("SELECT FIS_NO FROM %1 WHERE %2 = :n").arg(t.tablo, t.anahtar),
                                         {{"n", no}});
        if (QString::fromLatin1(fisTuru).isEmpty()) {
            EXPECT_FALSE(r.basarili);
            EXPECT_FALSE(r.hata.isEmpty());
            EXPECT_TRUE(fisNo.isNull());
            EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = :t AND ENT_REF_NO = :n", {{"t", QString(tur)}, {"n", no}}),
                      0);
            return r;
        }
        EXPECT_TRUE(r.basarili) << r.hata.toStdString();
        EXPECT_EQ(fisNo.toDouble(), r.fisNo);
        EXPECT_EQ(fisSatirlari(r.fisNo), beklenen);
        EXPECT_EQ(fisBaslik(r.fisNo, "TUR"), QString::fromLatin1(fisTuru));
        return r;
    }
    QString fisBaslik(double fisNo, const char* kolon)
    {
        return toText(db.scalar(QStringLiteral("SELECT %1 FROM FIS WHERE FISNO = :f").arg(QString::fromLatin1(kolon)),
                                {{"f", fisNo}}));
    }
};

} // namespace nimbo::test
