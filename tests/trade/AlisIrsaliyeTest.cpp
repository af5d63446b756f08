#include "AlisFixture.h"
#include "db/Errors.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class AlisIrsaliye : public AlisTestBase {
protected:
    std::unique_ptr<AlisBelgesi> acik(double no)
    {
        auto b = std::make_unique<AlisBelgesi>(db);
        b->open(no);
        return b;
    }
    double hareket(const char* kolon, double irs)
    {
        return sum(QStringLiteral("SELECT %1 FROM STOKHRK WHERE SATISNO=:N AND TIP='A'").arg(QLatin1String(kolon)),
                   {{"N", irs}});
    }
};

TEST_F(AlisIrsaliye, InvoiceCollectsTwoNotesRepricesThemCapsQuantitiesAndDeleteUndoesIt)
{
    const QDate irsGunu = gun.addDays(-5);
    const double n1 = alisYap("İ", 1, 4, 100, irsGunu);
    const double n2 = alisYap("İ", 2, 2, 50, irsGunu);
    auto baska = yeniAlis("İ", "M2", irsGunu);
    alisSatiri(*baska, 1, 1, 10);
    baska->save();
    const int once = alisSatirlari();
    const double notUsd = hareket("FYT_USD", n1);

    auto f = yeniAlis("F");
    EXPECT_EQ(f->irsaliyeAl(n1), 1);
    EXPECT_EQ(f->irsaliyeAl(n1), 0); // already on the invoice
    EXPECT_EQ(f->irsaliyeAl(n2), 1);
    EXPECT_THROW(f->irsaliyeAl(baska->key().toDouble()), UserError); // another supplier's note
    // The supplier charges the first note dearer, invoices 3 of its 4, at 8 % VAT.
    f->setLine(0, "FYT_DOVIZ", 120.0);
    f->setLine(0, "MIKTAR", 3.0);
    f->setLine(0, "KDV", 8.0);
    EXPECT_NEAR(f->headerNumber("NETTUT"), 3 * 120 * 1.08 + 2 * 50 * 1.18, 1e-9);
    f->save();
    const double fn = f->key().toDouble();
    const Params inv{{"N", fn}};

    // The invoice moves nothing itself; the notes' movements take its prices and VAT.
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N", inv), 0);
    EXPECT_NEAR(hareket("FIYAT", n1), 120, 1e-9);
    EXPECT_NEAR(hareket("FYT_USD", n1), 4, 1e-9);
    EXPECT_DOUBLE_EQ(hareket("KDV", n1), 8);
    EXPECT_DOUBLE_EQ(hareket("GIRMIK", n1), 4);
    EXPECT_NEAR(hareket("FIYAT", n2), 50, 1e-9);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FATIRS_A WHERE S_NO=:N", inv), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FATIRS_A WHERE S_NO=:N AND IRS_SNO=:I AND IRS_NO=:R",
                    {{"N", fn}, {"I", n1}, {"R", acik(n1)->headerText("IRS_NO")}}),
              1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE FAT_REFNO=:N AND FAT_NO=:F", {{"N", fn}, {"F", f->headerText("FAT_NO")}}),
              2);
    // A collected note keeps its own date.
    EXPECT_EQ(acik(n1)->header("FATARIH").toDate(), irsGunu);
    // The invoice is what costs the goods: its prices are the last purchase prices.
    EXPECT_EQ(count("SELECT COUNT(*) FROM MALIFYT WHERE ALIS_NO=:N", inv), 2);
    // Both items of the one invoice get their own last price and average cost.
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 120, 1e-9);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 2), 50, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 1), 120, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 2), 50, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_USD", 2), std::round(50.0 / 30 * 10000) / 10000, 1e-12);
    EXPECT_NEAR(sum("SELECT SUM(ALACAK) FROM FINHRK WHERE HRK_NO=:N", inv), f->headerNumber("NETTUT"), 1e-9);

    // Only what is left of a note line can be invoiced again: 1 of the first, none of the second.
    auto f2 = yeniAlis("F");
    EXPECT_EQ(f2->irsaliyeAl(n1), 1);
    EXPECT_EQ(f2->irsaliyeAl(n2), 0);
    EXPECT_DOUBLE_EQ(f2->lines().number(0, "MIKTAR"), 1);
    f2->setLine(0, "MIKTAR", 5.0);
    EXPECT_DOUBLE_EQ(f2->lines().number(0, "MIKTAR"), 1);
    // A document with its own dispatch would move the goods twice.
    auto r = yeniAlis("R");
    EXPECT_THROW(r->irsaliyeAl(n1), UserError);

    // A collected note cannot be deleted before its invoice.
    (*prompter)->expectWarn("Bu İrsaliyeye Ait Fatura İşlenmiş Silinemez.Önce Fat.Silin.");
    EXPECT_THROW(acik(n1)->deleteDocument(), DocumentError);

    (*prompter)->expectAsk("Alış Silinsin mi?", true);
    acik(fn)->deleteDocument();
    EXPECT_EQ(alisSatirlari(), once);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE FAT_REFNO IS NOT NULL OR FAT_NO IS NOT NULL"), 0);
    EXPECT_NEAR(hareket("FIYAT", n1), 100, 1e-9);
    EXPECT_NEAR(hareket("FYT_USD", n1), notUsd, 1e-9);
    EXPECT_DOUBLE_EQ(hareket("KDV", n1), 18);
    (*prompter)->expectAsk("Alış Silinsin mi?", true);
    acik(n1)->deleteDocument();
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N", {{"N", n1}}), 0);
}

TEST_F(AlisIrsaliye, CorrectedInvoiceReleasesTheNoteItNoLongerCollects)
{
    const double n1 = alisYap("İ", 1, 2, 100);
    const double n2 = alisYap("İ", 2, 3, 40);
    auto f = yeniAlis("F");
    f->irsaliyeAl(n1);
    f->irsaliyeAl(n2);
    f->setLine(1, "FYT_DOVIZ", 45.0);
    f->save();
    EXPECT_NEAR(hareket("FIYAT", n2), 45, 1e-9);

    auto d = acik(f->key().toDouble());
    d->removeLine(DocumentModel::kItems, 1);
    d->save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM FATIRS_A"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE ALIS_NO=:N AND FAT_REFNO IS NULL AND FAT_NO IS NULL", {{"N", n2}}),
              1);
    EXPECT_NEAR(hareket("FIYAT", n2), 40, 1e-9);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE ALIS_NO=:N AND FAT_REFNO=:F", {{"N", n1}, {"F", d->key()}}), 1);
}

} // namespace nimbo::test
