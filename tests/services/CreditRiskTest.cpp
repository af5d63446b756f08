#include "ServicesTestSupport.h"
#include "services/CariRisk.h"

using namespace nimbo;
using namespace nimbo::test;

class CreditRisk : public ServicesTest {
protected:
    void SetUp() override
    {
        ServicesTest::SetUp();
        DbTransaction tx(db);
        if (!db.tableExists("CARI")) // declared by the accounts schema; the risk columns are all this needs
            db.exec("CREATE TABLE CARI (CARI_KOD VARCHAR(22) NOT NULL PRIMARY KEY, RISK_LIMITI DOUBLE PRECISION, "
                    "RISKRITER VARCHAR(1), RISBAKTIP VARCHAR(1), RISK_DIG VARCHAR(1))");
        db.exec("INSERT INTO CARI (CARI_KOD, RISK_LIMITI, RISKRITER, RISBAKTIP, RISK_DIG) VALUES "
                "('M1', 1000, '3', 'B', 'U')");
        // Balance 600 debit.
        db.exec("INSERT INTO CARIHRK (CARI_NO, SIRANO, CARI_KOD, TIP, DOVIZ_KODU, BORC_USD, ALACAK_USD) VALUES "
                "(1, 1, 'M1', 1, 'USD', 900, 0), (2, 1, 'M1', 1, 'USD', 0, 300), (3, 1, 'X9', 1, 'USD', 5000, 0)");
        // Sales notes: one open (150), one invoiced, one without a dispatch number.
        db.exec("INSERT INTO SATIS (SATIS_NO, CARIKOD, IRS_NO, FAT_NO, NET_USD) VALUES (1, 'M1', 'I1', NULL, 150), "
                "(2, 'M1', 'I2', 'F2', 999), (3, 'M1', NULL, NULL, 999), (4, 'M1', 'I4', '', 50)");
        db.exec("INSERT INTO ALIS (ALIS_NO, CARIKOD, IRS_NO, FAT_NO, NET_USD) VALUES (1, 'M1', 'A1', NULL, 70)");
        // Papers: received 200 open + 500 collected; own 40; a customer's paper endorsed to M1, 25.
        db.exec("INSERT INTO CSKART (PORTFOYNO, SAHIP, SON_DURUMU, CARIKOD, CIRO_CKOD, TUTAR_USD) VALUES "
                "(1, 'M', 'P', 'M1', NULL, 200), (2, 'M', 'T', 'M1', NULL, 500), (3, 'F', 'P', 'M1', NULL, 40), "
                "(4, 'M', 'C', 'X9', 'M1', 25)");
        tx.commit();
    }
    void set(const QString& kriter, const QString& taraf, const QString& dig = "U")
    {
        DbTransaction tx(db);
        db.exec("UPDATE CARI SET RISKRITER = :k, RISBAKTIP = :t, RISK_DIG = :d WHERE CARI_KOD = 'M1'",
                {{"k", kriter}, {"t", taraf}, {"d", dig}});
        tx.commit();
    }
};

// Each criterion sums its parts on the chosen side, the line (or the change of it) is added,
// and the warning names the account when the limit is passed.
TEST_F(CreditRisk, CriteriaSidesAndLimit)
{
    const CariRiskBilesenleri b = cariRiskBilesenleri(db, "M1");
    EXPECT_DOUBLE_EQ(b.bakiye, 600);
    EXPECT_DOUBLE_EQ(b.acikSatisIrsaliye, 200);
    EXPECT_DOUBLE_EQ(b.acikAlisIrsaliye, 70);
    EXPECT_DOUBLE_EQ(b.alinanCekSenet, 200);
    EXPECT_DOUBLE_EQ(b.verilenCekSenet, 65);

    EXPECT_DOUBLE_EQ(cariRiskHesapla(db, "M1", 0).tutar, 1000); // 600 + 200 + 200
    EXPECT_FALSE(cariRiskHesapla(db, "M1", 0).asildi);          // not above the limit
    (*prompter)->expectWarn("M1 Kodlu Hesabın Borç Risk Limiti Aşılıyor !!!");
    EXPECT_TRUE(cariRiskUyar(db, "M1", 10).asildi);
    const CariRiskSonucu edit = cariRiskHesapla(db, "M1", 300, 295); // an edit adds the difference
    EXPECT_DOUBLE_EQ(edit.tutar, 1005);
    EXPECT_TRUE(edit.asildi);

    set("B", "B");
    EXPECT_DOUBLE_EQ(cariRiskHesapla(db, "M1", 0).tutar, 600);
    set("1", "B");
    EXPECT_DOUBLE_EQ(cariRiskHesapla(db, "M1", 0).tutar, 200);
    set("2", "B");
    EXPECT_DOUBLE_EQ(cariRiskHesapla(db, "M1", 0).tutar, 800);
    set("4", "B");
    EXPECT_DOUBLE_EQ(cariRiskHesapla(db, "M1", 0).tutar, 800);

    set("3", "A"); // credit side: balance negated, purchase notes, papers given
    const CariRiskSonucu a = cariRiskHesapla(db, "M1", 2000);
    EXPECT_DOUBLE_EQ(a.tutar, -600 + 70 + 65 + 2000);
    EXPECT_TRUE(a.asildi);
    EXPECT_EQ(a.uyariMetni(), "M1 Kodlu Hesabın Risk Alacak Limiti Aşılıyor !!!");
    EXPECT_FALSE(cariRiskHesapla(db, "M1", 100).asildi); // negative exposure never passes

    set("3", "B", "H"); // no check asked for
    EXPECT_FALSE(cariRiskHesapla(db, "M1", 1e6).denetlenir);
    EXPECT_FALSE(cariRiskHesapla(db, "M1", 1e6).asildi);
    set("Y", "B", "D");
    EXPECT_FALSE(cariRiskHesapla(db, "M1", 1e6).asildi);
    EXPECT_FALSE(cariRiskHesapla(db, "YOK", 1e6).denetlenir);
}
