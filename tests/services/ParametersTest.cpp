#include "ServicesTestSupport.h"

using namespace nimbo;
using namespace nimbo::test;

class CompanyParams : public ServicesTest {
protected:
    void exec(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }
};

// Empty period dates take the session year; a digit count below 1 is 0; an empty ledger lock
// is no lock; empty codes keep their defaults.
TEST_F(CompanyParams, DefaultsWhileLoading)
{
    exec("UPDATE PARAMETRE SET HES_DON_BSTRH = NULL, HES_DON_BITRH = NULL, MUAVIN_HANE = -1, TALI_HANE = 0, "
         "DETAY_HANE = 3, YERELDOVIZ = 'TL'");
    exec("UPDATE PARAMUH SET KILIT_TRH = NULL");
    exec("UPDATE PARAMET SET STK_NEG = NULL, NEGATIF_STOK = 1, ARCSATKURALM = 'EA', ODEKAPAC = 'A'");
    SessionContext& s = SessionContext::current();
    s.CalismaYili = "2008";
    s.CalismaYiliNo = 2008;
    loadCompanyParameters(db, s);
    EXPECT_EQ(s.param.HES_DON_BSTRH, QDate(2008, 1, 1));
    EXPECT_EQ(s.param.HES_DON_BITRH, QDate(2008, 12, 31));
    EXPECT_EQ(s.param.MUAVIN_HANE, 0);
    EXPECT_EQ(s.param.TALI_HANE, 0);
    EXPECT_EQ(s.param.DETAY_HANE, 3);
    EXPECT_FALSE(s.param.KILIT_TRH.isValid());
    EXPECT_EQ(s.param.YERELDOVIZ, "TL");
    EXPECT_EQ(s.param.ayarlar.STK_NEG, "V");
    EXPECT_EQ(s.param.ayarlar.ARCSATKURALM, "EA");
    EXPECT_TRUE(s.param.NEGATIF_STOK);
    EXPECT_EQ(s.param.ODEKAPAC, "A");
    EXPECT_EQ(s.param.values.value("PARAMETRE.YERELDOVIZ").toString().trimmed(), "TL");

    exec("UPDATE PARAMETRE SET HES_DON_BSTRH = :b, HES_DON_BITRH = :e",
         {{"b", at(2008, 4, 1)}, {"e", at(2009, 3, 31)}});
    exec("UPDATE PARAMUH SET KILIT_TRH = :k", {{"k", at(2008, 2, 1)}});
    loadCompanyParameters(db, s);
    EXPECT_EQ(s.param.HES_DON_BSTRH, QDate(2008, 4, 1));
    EXPECT_EQ(s.param.HES_DON_BITRH, QDate(2009, 3, 31));
    EXPECT_EQ(s.param.KILIT_TRH, QDate(2008, 2, 1));
}

// Years after 2004 show kuruş; 2004 and before do not.
TEST_F(CompanyParams, MoneyFormatOfTheYear)
{
    SessionContext& s = SessionContext::current();
    s.CalismaYili = "2004";
    loadCompanyParameters(db, s);
    EXPECT_FALSE(s.param.kurusYazilir);
    EXPECT_EQ(s.param.tutarGosterimBicimi, ",0");
    EXPECT_EQ(s.param.tutarDuzenlemeBicimi, "#");
    s.CalismaYili = "2005";
    loadCompanyParameters(db, s);
    EXPECT_TRUE(s.param.kurusYazilir);
    EXPECT_EQ(s.param.tutarGosterimBicimi, ",0.00");
    EXPECT_EQ(s.param.tutarDuzenlemeBicimi, "#.##");
    EXPECT_EQ(s.param.paraBirimi, "TL");
    EXPECT_EQ(s.param.altBirim, "Kr");
}

// The identity is the chosen branch's row; before the login the first row stands in; a
// branch without a row leaves the identity empty.
TEST_F(CompanyParams, IdentityOfTheChosenBranch)
{
    exec("INSERT INTO FIRKIM (SUBEKODU, EADI, OZEL1, ADR1, TLF, VERGIDAIRE, VERGINO, URET_BKOD, TED_BKOD, XXX) "
         "VALUES (1, 'NİMBO', 'TİCARET A.Ş.', 'Merkez Cad. 1', '02125550000', 'KOZYATAĞI', '111', 'U1', 'T1', 'X1')");
    exec("INSERT INTO FIRKIM (SUBEKODU, EADI, OZEL1, ADR1, URET_BKOD) VALUES (2, 'NİMBO', 'ANKARA ŞUBESİ', "
         "'Ankara Yolu 2', 'U2')");
    SessionContext& s = SessionContext::current();
    loadCompanyParameters(db, s); // no branch yet
    EXPECT_EQ(s.param.FirmaUnvani, "NİMBO TİCARET A.Ş.");

    s.SubeKodu = 2;
    s.SubeKoduMetni = "2";
    loadBranchIdentity(db, s);
    EXPECT_EQ(s.param.FirmaUnvani, "NİMBO ANKARA ŞUBESİ");
    EXPECT_EQ(s.param.kimlik.adres1, "Ankara Yolu 2");
    EXPECT_EQ(s.param.kimlik.kod, "U2");
    EXPECT_TRUE(s.param.TED_BKOD.isEmpty());

    s.SubeKodu = 1;
    s.SubeKoduMetni = "1";
    loadBranchIdentity(db, s);
    EXPECT_EQ(s.param.kimlik.vergiDairesi, "KOZYATAĞI");
    EXPECT_EQ(s.param.kimlik.tedBKod, "T1");
    EXPECT_EQ(s.param.XXX, "X1");

    s.SubeKodu = 7;
    s.SubeKoduMetni = "7";
    loadBranchIdentity(db, s);
    EXPECT_TRUE(s.param.FirmaUnvani.isEmpty());
    EXPECT_TRUE(s.param.kimlik.isEmpty());
}
