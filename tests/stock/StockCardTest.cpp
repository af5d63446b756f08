#include "StockTestUtil.h"
#include "db/DbTransaction.h"
#include "services/SessionContext.h"
#include "stock/StockParts.h"
#include "stock/StockRights.h"
#include "support/TestEnv.h"

#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StockCardTest : public YearDbTest {};

QString fieldErrorOf(StockCard& c)
{
    try {
        c.save();
    } catch (const FieldError& e) {
        return e.message() + QLatin1Char('@') + e.column();
    }
    return {};
}
} // namespace

// A new card takes its numbers from NEWSTOK and its defaults from the parameters; a 'D'
// VAT-included parameter becomes 'E' on the card, an empty currency becomes TL.
TEST_F(StockCardTest, NewCardDefaultsAndNumbers)
{
    db.exec(QStringLiteral("UPDATE NEWSTOK SET YENINO = 41"));
    db.exec(QStringLiteral("UPDATE PARAMET SET STK_KDV_DH = 'D', STK_PARABAZ = NULL, STK_KDV = 20, STK_DVZ = '', "
                           "STK_KAR = 35"));
    StockCard a(db);
    a.startNew();
    StockCard b(db);
    b.startNew();
    EXPECT_EQ(a.stokNo(), 41);
    EXPECT_EQ(b.stokNo(), 42);
    EXPECT_EQ(a.text("KDV_DAHIL"), "E");
    EXPECT_EQ(a.text("PARA_BAZ"), "T");
    EXPECT_EQ(a.value("KDV").toDouble(), 20);
    EXPECT_EQ(a.text("DOVIZ_KODU"), "TL");
    EXPECT_EQ(a.value("KAR_ORAN").toDouble(), 35);
    for (const auto& [col, val] : {std::pair{"PASIF", "A"}, {"BARK_TIP", "E"}, {"KAR_TIP", "S"}, {"WEBDENMI", "H"},
                                   {"SERITAKIP", "H"}, {"BIRIM1", "ADET"}, {"PAY", "P"}, {"ORJ", "O"}})
        EXPECT_EQ(a.text(col), val) << col;
    EXPECT_EQ(a.value("INSOTOM").toInt(), 1);
    EXPECT_EQ(toDate(a.value("ACILIS_TRH")), QDate::currentDate());
    EXPECT_FALSE(a.muhExists());

    db.exec(QStringLiteral("UPDATE PARAMET SET STK_KDV_DH = NULL"));
    StockCard c(db);
    c.startNew();
    EXPECT_EQ(c.text("KDV_DAHIL"), "H");
}

// The save checks run in order and name the field to go back to; the STOKMUH row is
// written with the card and AKTARILDI is reset on every save.
TEST_F(StockCardTest, SaveChecksInOrderThenWritesCardAndStokmuh)
{
    StockCard c(db);
    c.startNew();
    EXPECT_EQ(fieldErrorOf(c), "Stok Kod No Boş Geçilemez!@STOK_KOD_NO");
    c.setValue("STOK_KOD_NO", "A-001");
    EXPECT_EQ(fieldErrorOf(c), "Ana Ürün Grubu seçmeden Kayıt Saklanamaz...@ANAGRUPNO");
    c.setValue("ANAGRUPNO", 3);
    EXPECT_EQ(fieldErrorOf(c), "Stok Adı Bilgisini Vermeden Kayıt Saklanamaz.@STOK_ADI_TR");
    EXPECT_FALSE(db.any("SELECT 1 FROM STOK"));

    c.setValue("STOK_ADI_TR", "Vida 'M8'");
    c.setValue("AKTARILDI", "E");
    c.setMuh("MUH_S", "600.01");
    c.save();
    EXPECT_FALSE(c.isNew());
    EXPECT_FALSE(c.isModified());
    const auto rows = db.records("SELECT STOK_ADI_TR, AKTARILDI, ANAGRUPNO FROM STOK WHERE STOK_NO = :N",
                                 {{"N", c.stokNo()}});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(sqlText(rows[0].value(0)), "Vida 'M8'");
    EXPECT_EQ(sqlText(rows[0].value(1)), "H");
    EXPECT_EQ(rows[0].value(2).toInt(), 3);
    EXPECT_EQ(sqlText(db.scalar("SELECT MUH_S FROM STOKMUH WHERE STOK_NO = :N", {{"N", c.stokNo()}})), "600.01");

    // Changing the card later updates the same rows.
    StockCard again(db);
    again.open(c.stokNo());
    EXPECT_EQ(again.muh("MUH_S").toString().trimmed(), "600.01");
    again.setValue("STOK_ADI_TR", "Vida M10");
    again.setMuh("MUH_A", "153.01");
    again.save();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOK").toInt(), 1);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKMUH").toInt(), 1);
    EXPECT_EQ(sqlText(db.scalar("SELECT MUH_A FROM STOKMUH")), "153.01");
}

// Saving with a code another card uses is refused; leaving the field only warns; the
// card's own code is no duplicate of itself.
TEST_F(StockCardTest, DuplicateCodeRefusedOnSaveWhileLeavingOnlyWarns)
{
    const double first = saveItem(db, "KALEM-01");
    StockCard c(db);
    c.startNew();
    c.setValue("STOK_KOD_NO", "KALEM-01");
    c.setValue("STOK_ADI_TR", "Başka kalem");
    c.setValue("ANAGRUPNO", 1);
    (*prompter)->expectWarn("Dikkat Aynı Stok Kod No başka bir Kayıda da Verilmiş.");
    c.checkCode();
    EXPECT_EQ(c.text("STOK_KOD_NO"), "KALEM-01"); // the warning keeps what was typed
    EXPECT_EQ(fieldErrorOf(c), "Aynı Stok Kod No başka bir Kayıda da Verilmiş. Kayıt Saklanamaz.Lütfen Kod Noyu "
                               "Değiştirin.@STOK_KOD_NO");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOK").toInt(), 1);

    StockCard own(db);
    own.open(first);
    own.checkCode(); // no message expected
    own.setValue("STOK_ADI_TR", "Kalem mavi");
    own.save();
    c.setValue("STOK_KOD_NO", "KALEM-02");
    c.save();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOK").toInt(), 2);
}

TEST_F(StockCardTest, LastCodeForPrefix)
{
    saveItem(db, "MT-0007");
    saveItem(db, "MT-0012");
    saveItem(db, "MU-0099");
    StockCard c(db);
    c.startNew();
    ASSERT_TRUE(c.fillLastCode("MT-"));
    EXPECT_EQ(c.text("STOK_KOD_NO"), "MT-0012");
    c.setValue("STOK_KOD_NO", "ZZ");
    (*prompter)->expectWarn("Verilen Ana Hesap Ait Alt Hesap Bulunamadı!");
    EXPECT_FALSE(c.fillLastCode("QQ"));
    EXPECT_EQ(c.text("STOK_KOD_NO"), "ZZ");
}

// Barcode rows: empty barcode or unit refuse the row, a foreign unit is replaced by the
// main unit, a barcode another item has only warns; the rows follow a code change.
TEST_F(StockCardTest, BarcodeRowChecks)
{
    saveItem(db, "B-1", {{"SAT_SKFYT_TL", 12.5}});
    {
        StockCard other(db);
        other.open(db.scalar("SELECT STOK_NO FROM STOK").toDouble());
        StockBarcode b = other.newBarcodeRow();
        EXPECT_EQ(b.barkTip, "C");
        EXPECT_EQ(b.birim, "ADET");
        EXPECT_DOUBLE_EQ(b.fiyat, 12.5);
        b.barkod = "8690000000011";
        other.checkBarcodeRow(b);
        other.barcodes() << b;
        other.save();
    }
    StockCard c(db);
    c.startNew();
    c.setValue("STOK_KOD_NO", "B-2");
    c.setValue("STOK_ADI_TR", "Koli");
    c.setValue("ANAGRUPNO", 1);
    c.setValue("BIRIM2", "KOLI");
    StockBarcode row = c.newBarcodeRow();
    auto refusal = [&](StockBarcode& r) {
        try {
            c.checkBarcodeRow(r);
        } catch (const FieldError& e) {
            return e.message();
        }
        return QString();
    };
    row.barkod = "  ";
    EXPECT_EQ(refusal(row), "Barkod alanı boş bırakılamaz.");
    row.barkod = "8690000000028";
    row.birim = "";
    EXPECT_EQ(refusal(row), "Birim alanı boş bırakılamaz.");
    row.birim = "KOLI";
    EXPECT_EQ(refusal(row), "");
    row.birim = "PALET";
    (*prompter)->expectWarn("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz.");
    EXPECT_EQ(refusal(row), "");
    EXPECT_EQ(row.birim, "ADET");
    c.barcodes() << row;

    StockBarcode dup = c.newBarcodeRow();
    dup.barkod = "8690000000011";
    (*prompter)->expectWarn("Dikkat Aynı Barkod Başka Bir Ürüne Atanmış.");
    c.checkBarcodeRow(dup);
    c.barcodes() << dup;
    c.save();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKBARK WHERE STOK_KOD_NO = 'B-2'").toInt(), 2);

    // A code change carries the barcodes along; an unchanged row does not warn again.
    StockCard re(db);
    re.open(c.stokNo());
    ASSERT_EQ(re.barcodes().size(), 2);
    re.checkBarcodeRow(re.barcodes()[0]);
    re.setValue("STOK_KOD_NO", "B-2X");
    re.save();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKBARK WHERE STOK_KOD_NO = 'B-2'").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKBARK WHERE STOK_KOD_NO = 'B-2X'").toInt(), 2);
    EXPECT_EQ(sqlText(db.scalar("SELECT BIRIM FROM STOKBARK WHERE BARKOD = '8690000000028'")), "ADET");
}

// The prefix is matched as typed: '_' is no wildcard and letter case counts, on both engines.
TEST_F(StockCardTest, LastCodeTakesThePrefixLiterally)
{
    saveItem(db, "A_1-005");
    saveItem(db, "AB1-900");
    saveItem(db, "a_1-999");
    saveItem(db, "5%-010");
    saveItem(db, "5X-020");
    StockCard c(db);
    c.startNew();
    ASSERT_TRUE(c.fillLastCode("A_1"));
    EXPECT_EQ(c.text("STOK_KOD_NO"), "A_1-005");
    ASSERT_TRUE(c.fillLastCode("5%"));
    EXPECT_EQ(c.text("STOK_KOD_NO"), "5%-010");
    c.setValue("STOK_KOD_NO", "AB");
    (*prompter)->expectWarn("Verilen Ana Hesap Ait Alt Hesap Bulunamadı!");
    EXPECT_FALSE(c.fillLastCode("ab1"));
    EXPECT_EQ(c.text("STOK_KOD_NO"), "AB");
}

// A STOKMUH row that already exists for the new number is opened for edit, not inserted
// again; the rights to open the card and to see warehouse quantities say why they refuse.
TEST_F(StockCardTest, NewCardEditsAnExistingStokmuhRowAndRightsRefuseWithTheirMessages)
{
    db.exec(QStringLiteral("UPDATE NEWSTOK SET YENINO = 77"));
    db.exec(QStringLiteral("INSERT INTO STOKMUH (STOK_NO, MUH_A) VALUES (77, '153.77')"));
    StockCard c(db);
    c.startNew();
    ASSERT_EQ(c.stokNo(), 77);
    EXPECT_TRUE(c.muhExists());
    EXPECT_EQ(c.muh("MUH_A").toString().trimmed(), "153.77");
    c.setValue("STOK_KOD_NO", "M-77");
    c.setValue("STOK_ADI_TR", "Muhasebeli");
    c.setValue("ANAGRUPNO", 1);
    c.setMuh("MUH_S", "600.77");
    c.save();
    const auto rows = db.records("SELECT MUH_A, MUH_S FROM STOKMUH WHERE STOK_NO = 77");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(sqlText(rows[0].value(0)), "153.77");
    EXPECT_EQ(sqlText(rows[0].value(1)), "600.77");

    SessionContext& s = SessionContext::current();
    s.setHak("STKART", "O");
    s.setHak("DEPSTK", "H");
    EXPECT_TRUE(StockRights::mayOpenCard());
    EXPECT_TRUE(StockRights::maySeeQuantities());
    s.setHak("STKART", "-");
    s.setHak("DEPSTK", "");
    (*prompter)->expectWarn("Stok Kartı Yetkiniz Yok");
    EXPECT_FALSE(StockRights::mayOpenCard());
    (*prompter)->expectWarn("Depo Stok Miktarlarını Görme Yetkiniz Yok..!");
    EXPECT_FALSE(StockRights::maySeeQuantities());
}

// Spaces typed around a code do not make it another code: it is stored trimmed and a second
// card typed the same way is refused.
TEST_F(StockCardTest, CodeIsStoredTrimmedSoSpacesCannotDuplicateIt)
{
    saveItem(db, "KALEM-01 ");
    EXPECT_EQ(db.scalar("SELECT STOK_KOD_NO FROM STOK").toString(), "KALEM-01");
    StockCard c(db);
    c.startNew();
    c.setValue("STOK_KOD_NO", " KALEM-01 ");
    c.setValue("STOK_ADI_TR", "İkinci kalem");
    c.setValue("ANAGRUPNO", 1);
    (*prompter)->expectWarn("Dikkat Aynı Stok Kod No başka bir Kayıda da Verilmiş.");
    c.checkCode();
    EXPECT_EQ(fieldErrorOf(c), "Aynı Stok Kod No başka bir Kayıda da Verilmiş. Kayıt Saklanamaz.Lütfen Kod Noyu "
                               "Değiştirin.@STOK_KOD_NO");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOK").toInt(), 1);
}

// Pictures are written by the card's save, in its transaction: a card left without saving
// leaves none behind, a removal is undone by leaving too.
TEST_F(StockCardTest, PicturesAreWrittenOnlyWithTheCard)
{
    const QString file = TestEnv::tempDir() + "/vida.jpg";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\xFF\xD8\xFF\xE0 fake jpeg");
    }
    auto pictures = [&] { return db.scalar("SELECT COUNT(*) FROM STOKRESIM").toInt(); };
    StockCard abandoned(db);
    abandoned.startNew();
    EXPECT_THROW(abandoned.addPicture(file), UserError); // no code yet
    abandoned.setValue("STOK_KOD_NO", "R-1");
    abandoned.addPicture(file);
    EXPECT_TRUE(abandoned.isModified());
    EXPECT_EQ(pictures(), 0); // "Vazgeç": nothing was written

    StockCard c(db);
    startCard(c, "R-2", "Resimli");
    c.addPicture(file);
    EXPECT_THROW(c.addPicture(TestEnv::tempDir() + "/vida.png"), UserError);
    c.save();
    EXPECT_EQ(pictures(), 1);
    EXPECT_EQ(sqlText(db.scalar("SELECT DOSYA_ADI FROM STOKRESIM WHERE STOK_NO = :S", {{"S", c.stokNo()}})), "vida.jpg");

    StockCard again(db);
    again.open(c.stokNo());
    ASSERT_EQ(again.pictures().size(), 1);
    EXPECT_EQ(again.pictures()[0].data, QByteArray("\xFF\xD8\xFF\xE0 fake jpeg"));
    again.removePicture(0);
    EXPECT_TRUE(again.isModified());
    EXPECT_EQ(pictures(), 1);
    again.save();
    EXPECT_EQ(pictures(), 0);
}

// A save without any window checks the barcode rows it has not checked: a unit that is not
// the item's becomes BIRIM1 with its message, a barcode of another item warns once.
TEST_F(StockCardTest, SaveChecksBarcodeRowsItself)
{
    StockCard other(db);
    startCard(other, "B-1", "Diğer");
    StockBarcode taken = other.newBarcodeRow();
    taken.barkod = "8690000000011";
    other.barcodes() << taken;
    other.save();

    StockCard c(db);
    startCard(c, "B-2", "Barkodlu");
    c.setValue("BIRIM2", "KOLI");
    StockBarcode row = c.newBarcodeRow();
    row.barkod = "8690000000011";
    row.birim = "PAKET";
    c.barcodes() << row;
    (*prompter)->expectWarn("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz.");
    (*prompter)->expectWarn("Dikkat Aynı Barkod Başka Bir Ürüne Atanmış.");
    c.save();
    EXPECT_EQ(sqlText(db.scalar("SELECT BIRIM FROM STOKBARK WHERE STOK_KOD_NO = 'B-2'")), "ADET");
    c.save(); // checked rows are not checked (nor warned about) again

    StockBarcode empty = c.newBarcodeRow();
    c.barcodes() << empty;
    EXPECT_EQ(fieldErrorOf(c), "Barkod alanı boş bırakılamaz.@BARKOD");
}

// An earlier purchase price picked into a price kind fills TL, USD and EUR, and the
// own-currency column of a TL item with it.
TEST_F(StockCardTest, PickedHistoryPriceFillsTheOwnCurrencyToo)
{
    StockCard c(db);
    c.startNew();
    ASSERT_EQ(c.text("DOVIZ_KODU"), "TL");
    StockPriceHistory::Row r;
    r.tl = 80;
    r.usd = 2;
    r.eur = 1.6;
    c.takeHistoryPrice("MALIYET_FYT", r);
    EXPECT_DOUBLE_EQ(c.value("MALIYET_FYT_TL").toDouble(), 80);
    EXPECT_DOUBLE_EQ(c.value("MALIYET_FYT_USD").toDouble(), 2);
    EXPECT_DOUBLE_EQ(c.value("MALIYET_FYT_EUR").toDouble(), 1.6);
    EXPECT_DOUBLE_EQ(c.value("MALIYET_FYT_DOVIZ").toDouble(), 80);
}

// One row per warehouse: a second row on the same warehouse is refused by the row check and
// by the save; the rows are stored with the card and read back.
TEST_F(StockCardTest, WarehouseLocationsOncePerWarehouse)
{
    StockCard c(db);
    startCard(c, "Y-1", "Raflı");
    c.locations() << StockLocation{1, "A-01"} << StockLocation{2, "B-07"} << StockLocation{1, "C-03"};
    EXPECT_NO_THROW(c.checkLocationRow(1));
    const QString twice = "Bu Depoyu Daha Önce Seçtiniz.Lütfen Başka Bir Depo Seçiniz... @DEPO_KODU";
    try {
        c.checkLocationRow(2);
        ADD_FAILURE() << "second row on warehouse 1 accepted";
    } catch (const FieldError& e) {
        EXPECT_EQ(e.message() + '@' + e.column(), twice);
    }
    EXPECT_EQ(fieldErrorOf(c), twice);
    EXPECT_FALSE(db.any("SELECT 1 FROM STOK WHERE STOK_KOD_NO = 'Y-1'"));

    c.locations().removeLast();
    c.save();
    StockCard again(db);
    again.open(c.stokNo());
    ASSERT_EQ(again.locations().size(), 2);
    EXPECT_EQ(again.locations()[1].depoKodu, 2);
    EXPECT_EQ(again.locations()[1].rafYeri, "B-07");
    again.locations().removeFirst();
    EXPECT_TRUE(again.isModified());
    again.save();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKDEPOYER WHERE STOK_NO = :S", {{"S", c.stokNo()}}).toInt(), 1);
}

// The parts list: added by code (an unknown code and the item itself refused, a repeat adds
// one more), an empty list refused, the list stored whole and read back.
TEST_F(StockCardTest, PartsListIsCheckedAndStoredWhole)
{
    const double set = saveItem(db, "SET-1");
    saveItem(db, "VIDA");
    saveItem(db, "SOMUN");
    StockParts parts(db, set);
    auto refusal = [&](auto f) {
        try {
            f();
        } catch (const UserError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(refusal([&] { parts.save(); }), "İçindeki Parçalar Boş Olarak Saklanmamaz");
    EXPECT_EQ(refusal([&] { parts.addByCode("YOK"); }), "Stok Bulunamadı.");
    EXPECT_EQ(refusal([&] { parts.addByCode("SET-1"); }), "Bir Ürün Kendi Parçası Olamaz.");
    parts.addByCode("VIDA");
    parts.addByCode("SOMUN");
    parts.addByCode(" VIDA ");
    ASSERT_EQ(parts.rows().size(), 2);
    EXPECT_DOUBLE_EQ(parts.rows()[0].miktar, 2);
    parts.rows()[1].miktar = 0;
    EXPECT_EQ(refusal([&] { parts.save(); }), "SOMUN için miktar sıfırdan büyük olmalı.");
    parts.rows()[1].miktar = 4;
    parts.save();

    StockParts read(db, set);
    read.load();
    ASSERT_EQ(read.rows().size(), 2);
    EXPECT_EQ(read.rows()[0].kod, "VIDA");
    EXPECT_EQ(read.rows()[1].adi, "Ürün SOMUN");
    EXPECT_DOUBLE_EQ(read.rows()[1].miktar, 4);
    read.rows().clear();
    EXPECT_EQ(refusal([&] { read.save(); }), "İçindeki Parçalar Boş Olarak Saklanmamaz");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKPARCA").toInt(), 2); // the refused save changed nothing
}
