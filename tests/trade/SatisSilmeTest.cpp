#include "SatisFixture.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class SatisSilme : public SatisTestBase {
protected:
    std::unique_ptr<SatisBelgesi> acik(double no)
    {
        auto b = std::make_unique<SatisBelgesi>(db);
        b->open(no);
        return b;
    }
};

TEST_F(SatisSilme, DeleteRemovesEverythingTheSaleWrote)
{
    const int once = derivedRows();
    auto b = yeni("R");
    b->setHeader("ACIKLAMA", "Silinecek");
    satir(*b, 1, 2, 100);
    satir(*b, 2, 1, 50);
    const int isc = b->addLine(TicariBelge::kIscilik);
    b->setLine(TicariBelge::kIscilik, isc, "FYT_DOVIZ", 30.0);
    b->setLine(TicariBelge::kIscilik, isc, "KDV", 18.0);
    b->save();
    const double no = b->key().toDouble();
    EXPECT_NEAR(b->headerNumber("ISCI_NET"), 30 * 1.18, 1e-9);
    EXPECT_NEAR(sum("SELECT NETTUT FROM SATIS"), 280 * 1.18, 1e-9);
    insert("SERIHRK", {{"SATISNO", no}, {"TIP", "S"}, {"SIRANO", 1}, {"STOK_NO", 1.0}, {"SERINO", "SN1"}});
    insert("TAKSITS", {{"SATIS_NO", no}, {"SIRANO", 1}, {"CARI_KOD", "M1"}, {"ODEME_TUT", 10.0}});
    insert("CARIHRK", {{"CARI_NO", 77.0}, {"SIRANO", 1}, {"CARI_KOD", "M1"}, {"CRHRK_TUR", "K"}, {"TIP", 1},
                       {"REF_NO", no}, {"DOVIZ_KODU", "TL"}});
    EXPECT_GT(derivedRows(), once);

    auto d = acik(no);
    (*prompter)->expectAsk("Satış Silinsin mi?", true);
    (*prompter)->expectAsk("Silinmek istenen Satışa ait Seri No bilgileri var.Kaydın silinmesi durumunda seri no "
                           "bilgileri de silinecektir.Kayıt Silinsin mi?",
                           true);
    d->deleteDocument();
    EXPECT_EQ(derivedRows(), once);
    for (const char* t : {"SERIHRK", "TAKSITS", "CARIHRK"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))), 0) << t;
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Satış Silindi'", {{"N", no}}), 1);
}

TEST_F(SatisSilme, DeleteRefusalsInOrder)
{
    auto b = yeni("F");
    b->setHeader("ODE_TIP", "V");
    satir(*b, 1, 1, 100);
    b->save();
    const double no = b->key().toDouble();
    const int once = derivedRows();

    // A No keeps everything.
    (*prompter)->expectAsk("Satış Silinsin mi?", false);
    EXPECT_THROW(acik(no)->deleteDocument(), DocumentError);
    // A paid instalment, then matched payments, then a voucher: each checked before the one above.
    insert("TAKSITS", {{"SATIS_NO", no}, {"SIRANO", 1}, {"CARI_KOD", "M1"}, {"TAKSIT_ODENDI", "E"}});
    (*prompter)->expectWarn("Bu Hareketin Taksit Ödemesi Yapılmış.Silinemez.");
    EXPECT_THROW(acik(no)->deleteDocument(), DocumentError);
    insert("CODEKAP", {{"CARI_NO", 5.0}, {"SIRANO", 1}, {"CRHRK_TUR", "S"}, {"REFNO", no}, {"KCARI_NO", 9.0},
                       {"CARI_KOD", "M1"}});
    EXPECT_TRUE(SatisBelgesi::odemeleriKapanmis(db, no));
    (*prompter)->expectWarn("Bu Hareketin Ödemeleri Kapanmış.Önce Ödemeleri İptal Edin.");
    EXPECT_THROW(acik(no)->deleteDocument(), DocumentError);
    exec("UPDATE SATIS SET FIS_NO=12 WHERE SATIS_NO=:N", {{"N", no}});
    (*prompter)->expectWarn("Bu Hareketin Muhasebe Kayıt Fişi Var.Yada Faturası Kesilmiş Silinemez.");
    EXPECT_THROW(acik(no)->deleteDocument(), DocumentError);
    EXPECT_EQ(derivedRows(), once);
}

TEST_F(SatisSilme, CollectiveInvoiceRepricesTheNotesAndReleasesThemOnDelete)
{
    auto irs1 = yeni("İ");
    satir(*irs1, 1, 4, 100);
    irs1->save();
    auto irs2 = yeni("İ");
    satir(*irs2, 2, 2, 50);
    irs2->save();
    const double n1 = irs1->key().toDouble(), n2 = irs2->key().toDouble();

    auto f = yeni("F");
    f->setHeader("ODE_TIP", "V");
    EXPECT_EQ(f->irsaliyeAl(n1), 1);
    EXPECT_EQ(f->irsaliyeAl(n1), 0); // already on the invoice
    EXPECT_EQ(f->irsaliyeAl(n2), 1);
    // The invoice sells the first note's goods dearer and only 3 of the 4.
    f->setLine(0, "FYT_DOVIZ", 120.0);
    f->setLine(0, "MIKTAR", 3.0);
    f->setLine(0, "KDV", 8.0);
    f->save();
    const double fn = f->key().toDouble();
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N", {{"N", fn}}), 0);
    EXPECT_NEAR(sum("SELECT FIYAT FROM STOKHRK WHERE SATISNO=:N", {{"N", n1}}), 120, 1e-9);
    EXPECT_NEAR(sum("SELECT FYT_USD FROM STOKHRK WHERE SATISNO=:N", {{"N", n1}}), 4, 1e-9);
    EXPECT_DOUBLE_EQ(sum("SELECT KDV FROM STOKHRK WHERE SATISNO=:N", {{"N", n1}}), 8);
    EXPECT_DOUBLE_EQ(sum("SELECT CIKMIK FROM STOKHRK WHERE SATISNO=:N", {{"N", n1}}), 4); // the note moved the goods
    EXPECT_EQ(count("SELECT COUNT(*) FROM FATIRS_S WHERE S_NO=:N", {{"N", fn}}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE FAT_REFNO=:N AND FAT_NO=:F", {{"N", fn}, {"F", f->headerText("FAT_NO")}}),
              2);

    // What is left of the first note's line: a second invoice may take only 1 more.
    auto f2 = yeni("F");
    f2->setHeader("ODE_TIP", "V");
    EXPECT_EQ(f2->irsaliyeAl(n1), 1);
    EXPECT_DOUBLE_EQ(f2->lines().number(0, "MIKTAR"), 1);
    f2->setLine(0, "MIKTAR", 5.0);
    EXPECT_DOUBLE_EQ(f2->lines().number(0, "MIKTAR"), 1);

    // A collected note cannot be deleted.
    (*prompter)->expectWarn("Bu Hareketin Muhasebe Kayıt Fişi Var.Yada Faturası Kesilmiş Silinemez.");
    EXPECT_THROW(acik(n1)->deleteDocument(), DocumentError);
    // Deleting the invoice releases the notes.
    (*prompter)->expectAsk("Satış Silinsin mi?", true);
    acik(fn)->deleteDocument();
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE FAT_REFNO IS NOT NULL OR FAT_NO IS NOT NULL"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FATIRS_S"), 0);
    (*prompter)->expectAsk("Satış Silinsin mi?", true);
    acik(n1)->deleteDocument();
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N", {{"N", n1}}), 0);
}

} // namespace nimbo::test
