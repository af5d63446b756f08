#include "StockTestUtil.h"
#include "stock/StockItems.h"
#include "stock/StockQuantities.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StockItemsTest : public YearDbTest {};
} // namespace

// Any line or movement that names the item blocks its deletion; an item with none is
// deleted and its STOKMUH row stays where it was.
TEST_F(StockItemsTest, DeleteRefusedWithAnyLineAndLeavesStokmuhAlone)
{
    const struct {
        const char* table;
        const char* insert;
    } lines[] = {
        {"TEKLFAYR", "INSERT INTO TEKLFAYR (TEKLIF_NO, SIRANO, STOK_NO) VALUES (1, 1, :S)"},
        {"KAMPAYR", "INSERT INTO KAMPAYR (KAMP_NO, SIRANO, STOK_NO) VALUES (1, 1, :S)"},
        {"SIPALAYR", "INSERT INTO SIPALAYR (SIP_NO, SIRANO, STOK_NO) VALUES (1, 1, :S)"},
        {"OEMPCAYR", "INSERT INTO OEMPCAYR (OEMPC_NO, SIRANO, STOK_NO) VALUES (1, 1, :S)"},
        {"SIPVRAYR", "INSERT INTO SIPVRAYR (SIP_NO, SIRANO, STOK_NO) VALUES (1, 1, :S)"},
        {"STOKHRK", "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK) VALUES (1, 'S', 1, :S, 0, 0)"},
    };
    const double item = saveItem(db, "SIL-1");
    const double bystander = saveItem(db, "SIL-2");
    for (const auto& l : lines) {
        db.exec(QLatin1String(l.insert), {{"S", item}});
        (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
        (*prompter)->expectWarn("Bu Stoğun Hareketeleri İşlenmiş.Silinemez!");
        EXPECT_FALSE(StockItems::remove(db, item)) << l.table;
        EXPECT_TRUE(db.any("SELECT 1 FROM STOK WHERE STOK_NO = :S", {{"S", item}})) << l.table;
        db.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(l.table)));
    }
    (*prompter)->expectAsk("Kayıt Silinsin mi?", false);
    EXPECT_FALSE(StockItems::remove(db, item));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(StockItems::remove(db, item));
    EXPECT_FALSE(db.any("SELECT 1 FROM STOK WHERE STOK_NO = :S", {{"S", item}}));
    EXPECT_TRUE(db.any("SELECT 1 FROM STOK WHERE STOK_NO = :S", {{"S", bystander}}));
    EXPECT_TRUE(db.any("SELECT 1 FROM STOKMUH WHERE STOK_NO = :S", {{"S", item}}));
}

// A copy is a new card with a new number, every column of the original and its own STOKMUH row.
TEST_F(StockItemsTest, CopyTakesEveryColumnAndTheStokmuhRow)
{
    StockCard c(db);
    c.startNew();
    c.setValue("STOK_KOD_NO", "KOP-1");
    c.setValue("STOK_ADI_TR", "Kopya kaynağı");
    c.setValue("ANAGRUPNO", 4);
    c.setValue("SAT_SKFYT_USD", 12.25);
    c.setValue("YER3", "R-3");
    c.setMuh("MUH_A", "153.10");
    c.setValue("ACILIS_TRH", QDate(2020, 2, 3));
    c.save();
    db.exec("UPDATE STOK SET AKTARILDI = 'E' WHERE STOK_NO = :S", {{"S", c.stokNo()}});
    const double copy = StockItems::copy(db, c.stokNo());
    EXPECT_NE(copy, c.stokNo());
    StockCard k(db);
    k.open(copy);
    EXPECT_EQ(k.text("STOK_ADI_TR"), "Kopya kaynağı");
    EXPECT_EQ(k.text("YER3"), "R-3");
    EXPECT_DOUBLE_EQ(k.value("SAT_SKFYT_USD").toDouble(), 12.25);
    EXPECT_EQ(k.value("ANAGRUPNO").toInt(), 4);
    EXPECT_EQ(k.muh("MUH_A").toString().trimmed(), "153.10");
    // Every column means the opening date and the transfer flag as well.
    EXPECT_EQ(toDate(k.value("ACILIS_TRH")), QDate(2020, 2, 3));
    EXPECT_EQ(k.text("AKTARILDI"), "E");
    EXPECT_TRUE(k.muhExists());
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKMUH").toInt(), 2);
}

TEST_F(StockItemsTest, QuantitiesPerWarehouseAndOpeningBalance)
{
    db.exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez')");
    db.exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (2, 'Şube')");
    const double item = saveItem(db, "Q-1");
    const double other = saveItem(db, "Q-2");
    addMovement(db, item, 1, 10, 0, 100, "D");
    addMovement(db, item, 1, 0, 4, 101, "S");
    addMovement(db, item, 2, 5, 0, 102, "A");
    addMovement(db, item, 2, 0, 7, 103, "S");
    addMovement(db, other, 1, 50, 0, 104, "D");
    EXPECT_DOUBLE_EQ(StockQuantities::total(db, item), 4.0);
    const auto w = StockQuantities::perWarehouse(db, item);
    ASSERT_EQ(w.size(), 2);
    EXPECT_EQ(w[0].depoAdi, "Merkez");
    EXPECT_DOUBLE_EQ(w[0].girMik, 10);
    EXPECT_DOUBLE_EQ(w[0].cikMik, 4);
    EXPECT_DOUBLE_EQ(w[0].miktar, 6);
    EXPECT_DOUBLE_EQ(w[1].miktar, -2);
    const auto o = StockQuantities::opening(db, item);
    EXPECT_DOUBLE_EQ(o.miktar, 10);
    EXPECT_DOUBLE_EQ(o.fiyat(), 10);
    EXPECT_DOUBLE_EQ(o.fiyatUsd(), 1);
}

// A copy shares the original's code until it gets its own: saving it under a new code takes
// the barcode and supplier rows along as copies and leaves the original's in place.
TEST_F(StockItemsTest, SavingACopyUnderANewCodeLeavesTheOriginalsBarcodes)
{
    StockCard a(db);
    a.startNew();
    a.setValue("STOK_KOD_NO", "CP-1");
    a.setValue("STOK_ADI_TR", "Asıl");
    a.setValue("ANAGRUPNO", 1);
    StockBarcode b = a.newBarcodeRow();
    b.barkod = "8690007778889";
    a.barcodes() << b;
    a.supplierPrices() << SupplierPrice{3, 9.5, "USD"};
    a.save();

    StockCard copy(db);
    copy.open(StockItems::copy(db, a.stokNo()));
    EXPECT_EQ(copy.text("STOK_KOD_NO"), "CP-1");
    copy.setValue("STOK_KOD_NO", "CP-2");
    copy.save();
    for (const char* kod : {"CP-1", "CP-2"}) {
        EXPECT_TRUE(db.any("SELECT 1 FROM STOKBARK WHERE STOK_KOD_NO = :K AND BARKOD = '8690007778889'", {{"K", kod}}))
            << kod;
        EXPECT_TRUE(db.any("SELECT 1 FROM TEDARIKFIYAT WHERE STOK_KOD_NO = :K AND TED_KOD = 3", {{"K", kod}})) << kod;
    }

    // The original, opened again, still saves with its own rows.
    StockCard again(db);
    again.open(a.stokNo());
    ASSERT_EQ(again.barcodes().size(), 1);
    again.setValue("STOK_ADI_TR", "Asıl ürün");
    again.save();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKBARK WHERE STOK_KOD_NO = 'CP-1'").toInt(), 1);
}
