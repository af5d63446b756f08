#include "AlisFixture.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class AlisSilme : public AlisTestBase {
protected:
    void sil(double no, bool serili = false)
    {
        AlisBelgesi d(db);
        d.open(no);
        (*prompter)->expectAsk("Alış Silinsin mi?", true);
        if (serili)
            (*prompter)->expectAsk("Silinmek istenen alışa ait Seri No bilgileri var.Kaydın silinmesi durumunda seri no "
                                   "bilgileri de silinecektir.Kayıt Silinsin mi?",
                                   true);
        d.deleteDocument();
    }
};

TEST_F(AlisSilme, DeleteUndoesEveryRowAndRestoresPricesAndCost)
{
    alisYap("F", 1, 10, 20, gun.addDays(-3));
    const int once = alisSatirlari();
    const double ortalamaOnce = stokDegeri("MALIYET_FYT_TL", 1);

    auto b = yeniAlis("R");
    b->setHeader("ODE_TIP", "P");
    b->setHeader("KASAKOD", "K01");
    alisSatiri(*b, 1, 30, 40);
    const int m = b->addLine(TicariBelge::kMasraf);
    b->setLine(TicariBelge::kMasraf, m, "FYT_DOVIZ", 15.0);
    b->save();
    const double no = b->key().toDouble();
    EXPECT_NEAR(sum("SELECT MASRAF FROM ALIS"), 0, 1e-9); // the first invoice has no expense
    EXPECT_EQ(count("SELECT COUNT(*) FROM MASRAFA WHERE BELGE_NO=:N AND BELGE_TIP='A'", {{"N", no}}), 1);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 40, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 1), 35, 1e-9);
    insert("SERIHRK", {{"SATISNO", no}, {"TIP", "A"}, {"SIRANO", 1}, {"STOK_NO", 1.0}, {"SERINO", "SN1"}});
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND TIP='A'", {{"N", no}}), 1);
    // Serial tracking of the units this purchase brought in: one still here, one sold on.
    exec("CREATE TABLE SERTAKIP (STOK_NO DOUBLE PRECISION, SERINO VARCHAR(36), ALIMNO DOUBLE PRECISION, AL_SIRANO "
         "INTEGER, ALIS_CARI VARCHAR(22), AL_FRADI VARCHAR(70), AL_FAT_NO VARCHAR(10), AL_IRS_NO VARCHAR(10), "
         "SATISNO DOUBLE PRECISION)");
    for (const auto& [seri, satis] : {std::pair{"SN1", 0.0}, {"SN2", 77.0}})
        insert("SERTAKIP", {{"STOK_NO", 1.0}, {"SERINO", seri}, {"ALIMNO", no}, {"AL_SIRANO", 1}, {"ALIS_CARI", "M1"},
                            {"AL_FRADI", "Müşteri M1"}, {"AL_FAT_NO", b->headerText("FAT_NO")}, {"SATISNO", satis}});

    sil(no, true);
    EXPECT_EQ(alisSatirlari(), once);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SERIHRK"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SERTAKIP"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SERTAKIP WHERE SERINO='SN2' AND ALIMNO=0 AND AL_SIRANO=0 AND ALIS_CARI IS NULL "
                    "AND AL_FRADI IS NULL AND AL_FAT_NO IS NULL AND SATISNO=77"),
              1);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 20, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 1), ortalamaOnce, 1e-9);
    EXPECT_NEAR(sum("SELECT SUM(GIRMIK) FROM STOKHRK WHERE STOK_NO=1"), 0, 1e-12);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Alış Silindi'", {{"N", no}}), 1);
}

TEST_F(AlisSilme, RefusalsKeepTheDocument)
{
    const double no = alisYap("F", 1, 1, 10);
    const int once = alisSatirlari();
    AlisBelgesi d(db);
    d.open(no);
    (*prompter)->expectAsk("Alış Silinsin mi?", false);
    EXPECT_THROW(d.deleteDocument(), DocumentError);
    EXPECT_EQ(alisSatirlari(), once);

    exec("UPDATE ALIS SET FIS_NO=5 WHERE ALIS_NO=:N", {{"N", no}});
    AlisBelgesi v(db);
    v.open(no);
    (*prompter)->expectWarn("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez.");
    EXPECT_THROW(v.deleteDocument(), DocumentError);

    const double irs = alisYap("İ", 1, 1, 10);
    exec("UPDATE ALIS SET FAT_REFNO=:F WHERE ALIS_NO=:N", {{"F", no}, {"N", irs}});
    AlisBelgesi t(db);
    t.open(irs);
    (*prompter)->expectWarn("Bu İrsaliyeye Ait Fatura İşlenmiş Silinemez.Önce Fat.Silin.");
    EXPECT_THROW(t.deleteDocument(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS"), 2);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 10, 1e-9);
}

} // namespace nimbo::test
