#include "db/DbTransaction.h"
#include "services/SessionContext.h"
#include "stock/forms/TFormStok.h"
#include "stock/forms/TFormStokBr.h"
#include "stock/StockMasterDefs.h"
#include "stock/forms/TFormStokParca.h"
#include "widgets/CodeNameWindow.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StokWindows : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        exec("INSERT INTO ANAGRUP (GRUP_KODU, GRUP_ADI) VALUES (5, 'Hırdavat')");
        exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez Depo')");
    }
};
} // namespace

// A new card typed as a user would: the duplicate code only warns on leaving and blocks the
// save; margins applied on leaving twice; a barcode row; the row, STOKMUH and STOKBARK read back.
TEST_F(StokWindows, NewCardIsTypedCheckedSavedAndReadBack)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO) VALUES (900, 'VİDA-01', 'Eski', 5)");
    TFormStok f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Stok Kartı"));

    type(&f, "EditSTOK_KOD_NO", QStringLiteral("VİDA-01"));
    (*prompter)->expectWarn(QStringLiteral("Dikkat Aynı Stok Kod No başka bir Kayıda da Verilmiş."));
    leave(&f, "EditSTOK_KOD_NO");
    type(&f, "EditSTOK_ADI_TR", QStringLiteral("Sunta vidası 4x40 çinko"));
    auto* ana = child<QComboBox>(&f, "CmbANAGRUPNO");
    ana->setCurrentIndex(ana->findText(QStringLiteral("Hırdavat")));
    (*prompter)->expectWarn(QStringLiteral("Aynı Stok Kod No başka bir Kayıda da Verilmiş. Kayıt Saklanamaz.Lütfen "
                                           "Kod Noyu Değiştirin."));
    click(&f, "BtnSAKLA");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), f.findChild<QLineEdit*>("EditSTOK_KOD_NO"));
    type(&f, "EditSTOK_KOD_NO", QStringLiteral("VİDA-02"));

    child<QTabWidget>(&f, "PageControl")->setCurrentIndex(1);
    type(&f, "EditSAT_SKFYT_TL", QStringLiteral("200"));
    type(&f, "EditKAR_ORAN", QStringLiteral("10"));
    leave(&f, "EditKAR_ORAN");
    leave(&f, "EditKAR_ORAN");
    EXPECT_EQ(child<QLineEdit>(&f, "EditSAT_SKFYT_TL")->text(), QStringLiteral("242"));

    child<QTabWidget>(&f, "PageControl")->setCurrentIndex(2);
    click(&f, "BtnBARKODEKLE");
    auto* grid = child<QTableWidget>(&f, "GridBARKOD");
    ASSERT_EQ(grid->rowCount(), 1);
    grid->item(0, 0)->setText(QStringLiteral("8690001112223"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("ADET"));

    click(&f, "BtnSAKLA");
    EXPECT_EQ(f.result(), QDialog::Accepted);
    const auto rows = db.records("SELECT STOK_NO, STOK_ADI_TR, SAT_SKFYT_TL, KAR_ORAN, ANAGRUPNO, PASIF "
                                 "FROM STOK WHERE STOK_KOD_NO = 'VİDA-02'");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(sqlText(rows[0].value(1)), QStringLiteral("Sunta vidası 4x40 çinko"));
    EXPECT_DOUBLE_EQ(rows[0].value(2).toDouble(), 242.0);
    EXPECT_DOUBLE_EQ(rows[0].value(3).toDouble(), 10.0);
    EXPECT_EQ(rows[0].value(4).toInt(), 5);
    EXPECT_EQ(sqlText(rows[0].value(5)), QStringLiteral("A"));
    EXPECT_TRUE(db.any("SELECT 1 FROM STOKMUH WHERE STOK_NO = :S", {{"S", rows[0].value(0)}}));
    EXPECT_EQ(sqlText(db.scalar("SELECT BIRIM FROM STOKBARK WHERE STOK_KOD_NO = 'VİDA-02' AND BARKOD = '8690001112223'")),
              QStringLiteral("ADET"));
}

// The card shows the warehouse quantities beside it; without the right it says so.
TEST_F(StokWindows, WarehouseQuantitiesAndTheirRight)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO) VALUES (7, 'K7', 'Kablo', 5)");
    exec("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU) VALUES (1, 'D', 1, 7, 30, 0, 1)");
    exec("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU) VALUES (2, 'S', 1, 7, 0, 12, 1)");
    {
        TFormStok f(7);
        auto* g = child<QTableWidget>(&f, "GridDEPO");
        ASSERT_EQ(g->rowCount(), 2);
        EXPECT_EQ(g->item(0, 0)->text(), QStringLiteral("Merkez Depo"));
        EXPECT_EQ(g->item(0, 3)->text(), QStringLiteral("18,00"));
    }
    SessionContext::current().setHak("DEPSTK", "-");
    (*prompter)->expectWarn(QStringLiteral("Depo Stok Miktarlarını Görme Yetkiniz Yok..!"));
    TFormStok f(7);
    EXPECT_EQ(child<QTableWidget>(&f, "GridDEPO")->rowCount(), 0);
}

// The list filters by free text and deletes only items without movements.
TEST_F(StokWindows, ListFiltersAndDeletes)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF) VALUES (1, 'A1', 'Matkap ucu', 'A')");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF) VALUES (2, 'A2', 'Boya fırçası', 'A')");
    exec("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU) VALUES (1, 'D', 1, 1, 3, 0, 1)");
    TFormStokBr br;
    br.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&br));
    EXPECT_EQ(br.rowCount(), 2);
    type(&br, "EditMETIN", QStringLiteral("fırça"));
    QTest::keyClick(child<QLineEdit>(&br, "EditMETIN"), Qt::Key_Return);
    ASSERT_EQ(br.rowCount(), 1);
    EXPECT_EQ(br.currentKey().toDouble(), 2);
    type(&br, "EditMETIN", QString());
    child<QLineEdit>(&br, "EditMETIN")->clear();
    br.refresh(1);
    ASSERT_TRUE(br.locate(1));
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    (*prompter)->expectWarn(QStringLiteral("Bu Stoğun Hareketeleri İşlenmiş.Silinemez!"));
    br.runDelete();
    EXPECT_EQ(br.rowCount(), 2);
    ASSERT_TRUE(br.locate(2));
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    br.runDelete();
    EXPECT_EQ(br.rowCount(), 1);
    EXPECT_FALSE(db.any("SELECT 1 FROM STOK WHERE STOK_NO = 2"));
}

// A master-data list refuses to delete a brand an item uses.
TEST_F(StokWindows, BrandListRefusesDeletingABrandInUse)
{
    exec("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (3, 'Makita')");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, FIRMANO) VALUES (1, 'A1', 'Matkap', 3)");
    CodeNameWindow w(stockMasterDef(StockMaster::Marka));
    ASSERT_EQ(w.rowCount(), 1);
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    (*prompter)->expectWarn(QStringLiteral("Bu Firma Stok Listesine İşlenmiş.Silinemez!"));
    w.runDelete();
    EXPECT_EQ(w.rowCount(), 1);
}

// Answering yes to the closing question saves the barcode typed into the grid, as "Sakla" does.
TEST_F(StokWindows, ClosingQuestionSavesTheBarcodeGrid)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO, BIRIM1) VALUES (31, 'K31', 'Kablo', 5, "
         "'ADET')");
    TFormStok f(31);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    child<QTabWidget>(&f, "PageControl")->setCurrentIndex(2);
    click(&f, "BtnBARKODEKLE");
    auto* grid = child<QTableWidget>(&f, "GridBARKOD");
    ASSERT_EQ(grid->rowCount(), 1);
    grid->item(0, 0)->setText(QStringLiteral("8690003334445"));
    (*prompter)->expectAsk(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"), true);
    f.close();
    EXPECT_EQ(sqlText(db.scalar("SELECT BIRIM FROM STOKBARK WHERE STOK_KOD_NO = 'K31' AND BARKOD = '8690003334445'")),
              QStringLiteral("ADET"));
}

// "Sakla" checks a changed barcode row once: a barcode another item has warns one time only.
TEST_F(StokWindows, SaklaWarnsOnceForABarcodeUsedElsewhere)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO, BIRIM1) VALUES (41, 'K41', 'Kablo', 5, 'ADET')");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO, BIRIM1) VALUES (42, 'K42', 'Kablo 2', 5, "
         "'ADET')");
    exec("INSERT INTO STOKBARK (STOK_KOD_NO, BARKOD, BARK_TIP, BIRIM, FIYAT) VALUES ('K41', '8690005556667', 'C', "
         "'ADET', 0)");
    TFormStok f(42);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    child<QTabWidget>(&f, "PageControl")->setCurrentIndex(2);
    click(&f, "BtnBARKODEKLE");
    child<QTableWidget>(&f, "GridBARKOD")->item(0, 0)->setText(QStringLiteral("8690005556667"));
    (*prompter)->expectWarn(QStringLiteral("Dikkat Aynı Barkod Başka Bir Ürüne Atanmış."));
    click(&f, "BtnSAKLA");
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(db.any("SELECT 1 FROM STOKBARK WHERE STOK_KOD_NO = 'K42' AND BARKOD = '8690005556667'"));
}

// Every page of the card speaks to people: no label is a stored column name, and a date
// the item has not got shows empty.
TEST_F(StokWindows, CardLabelsAreCaptionsAndEmptyDatesShowEmpty)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO) VALUES (51, 'K51', 'Kablo', 5)");
    TFormStok f(51);
    const QStringList columns = db.columns(QStringLiteral("STOK"));
    int labels = 0;
    for (QLabel* l : f.findChildren<QLabel*>()) {
        EXPECT_FALSE(columns.contains(l->text().trimmed())) << l->text().toStdString();
        ++labels;
    }
    EXPECT_GT(labels, 40);
    auto* izin = child<QDateEdit>(&f, QStringLiteral("EditIZIN_TRH"));
    EXPECT_TRUE(izin->text().trimmed().isEmpty()) << izin->text().toStdString();
}

// With "O" the stock list offers no editing, yet a double-click still opens the card:
// read-only, Sakla grey from the start.
TEST_F(StokWindows, ViewOnlyListOpensTheCardReadOnly)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO, PASIF) VALUES (61, 'K61', 'Kablo', 5, 'A')");
    SessionContext::current().setHak(QStringLiteral("STKART"), QStringLiteral("O"));
    TFormStokBr list;
    ASSERT_TRUE(list.locate(61.0));
    bool seen = false;
    QTimer::singleShot(0, &list, [&] {
        auto* card = qobject_cast<TFormStok*>(QApplication::activeModalWidget());
        ASSERT_NE(card, nullptr);
        seen = true;
        EXPECT_TRUE(card->viewOnly());
        EXPECT_FALSE(child<QPushButton>(card, QStringLiteral("BtnSAKLA"))->isEnabled());
        EXPECT_TRUE(child<QLineEdit>(card, QStringLiteral("EditSTOK_ADI_TR"))->isReadOnly());
        EXPECT_EQ(child<QTableWidget>(card, QStringLiteral("GridBARKOD"))->editTriggers(),
                  QAbstractItemView::NoEditTriggers);
        card->close();
    });
    list.runChange();
    EXPECT_TRUE(seen);
}

// A TL item with only its TL purchase price typed: the rate button keeps 12,50 and fills the
// USD and EUR columns; a margin on the purchase price gives the sale price in TL and in the
// item's own currency; the card stores both.
TEST_F(StokWindows, PriceButtonsOnATlItemComputeFromWhatWasTyped)
{
    const QDateTime today(QDate::currentDate(), QTime(9, 0));
    exec("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES (:t, 'USD', 39.9, 40)",
         {{"t", today}});
    exec("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES (:t, 'EUR', 49.9, 50)",
         {{"t", today}});
    TFormStok f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    type(&f, "EditSTOK_KOD_NO", QStringLiteral("TL-1"));
    type(&f, "EditSTOK_ADI_TR", QStringLiteral("Menteşe"));
    auto* ana = child<QComboBox>(&f, "CmbANAGRUPNO");
    ana->setCurrentIndex(ana->findText(QStringLiteral("Hırdavat")));
    child<QTabWidget>(&f, "PageControl")->setCurrentIndex(1);
    EXPECT_EQ(f.model().text("DOVIZ_KODU"), QStringLiteral("TL"));
    type(&f, "EditALIS_FYT_TL", QStringLiteral("12,50"));
    click(&f, "BtnKURHESAPLA");
    EXPECT_DOUBLE_EQ(f.model().value("ALIS_FYT_TL").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(f.model().value("ALIS_FYT_DOVIZ").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(f.model().value("ALIS_FYT_USD").toDouble(), 12.5 / 40);
    EXPECT_DOUBLE_EQ(f.model().value("ALIS_FYT_EUR").toDouble(), 12.5 / 50);
    EXPECT_EQ(child<QLineEdit>(&f, "EditALIS_FYT_USD")->text(), QStringLiteral("0,3125"));

    auto* karTip = child<QComboBox>(&f, "CmbKAR_TIP");
    karTip->setCurrentIndex(karTip->findData(QStringLiteral("A")));
    type(&f, "EditKAR_ORAN", QStringLiteral("20"));
    leave(&f, "EditKAR_ORAN");
    EXPECT_EQ(child<QLineEdit>(&f, "EditSAT_SKFYT_TL")->text(), QStringLiteral("15"));
    EXPECT_EQ(child<QLineEdit>(&f, "EditSAT_SKFYT_DOVIZ")->text(), QStringLiteral("15"));

    // A changed TL price wins over the own-currency column it mirrors.
    type(&f, "EditALIS_FYT_TL", QStringLiteral("20"));
    click(&f, "BtnKURHESAPLA");
    EXPECT_DOUBLE_EQ(f.model().value("ALIS_FYT_DOVIZ").toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(f.model().value("ALIS_FYT_USD").toDouble(), 0.5);

    click(&f, "BtnSAKLA");
    EXPECT_EQ(f.result(), QDialog::Accepted);
    const auto rows = db.records("SELECT ALIS_FYT_TL, ALIS_FYT_DOVIZ, SAT_SKFYT_TL, SAT_SKFYT_DOVIZ FROM STOK "
                                 "WHERE STOK_KOD_NO = 'TL-1'");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_DOUBLE_EQ(rows[0].value(0).toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(rows[0].value(1).toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(rows[0].value(2).toDouble(), 15.0);
    EXPECT_DOUBLE_EQ(rows[0].value(3).toDouble(), 15.0);
}

// The location grid refuses a warehouse chosen twice as it is chosen; the parts form refuses
// to store an empty list and stores a typed one.
TEST_F(StokWindows, LocationGridAndPartsForm)
{
    exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (2, 'Şube Depo')");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO) VALUES (7, 'K7', 'Kablo', 5)");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, ANAGRUPNO) VALUES (8, 'F8', 'Fiş', 5)");
    TFormStok f(7);
    f.show();
    click(&f, "BtnDEPOEKLE");
    click(&f, "BtnDEPOEKLE");
    auto* grid = child<QTableWidget>(&f, "GridDEPOYER");
    ASSERT_EQ(grid->rowCount(), 2);
    auto* first = qobject_cast<QComboBox*>(grid->cellWidget(0, 0));
    auto* second = qobject_cast<QComboBox*>(grid->cellWidget(1, 0));
    ASSERT_TRUE(first && second);
    first->setCurrentIndex(first->findText(QStringLiteral("Merkez Depo")));
    (*prompter)->expectWarn(QStringLiteral("Bu Depoyu Daha Önce Seçtiniz.Lütfen Başka Bir Depo Seçiniz... "));
    second->setCurrentIndex(second->findText(QStringLiteral("Merkez Depo")));
    EXPECT_EQ(second->currentIndex(), 0);
    second->setCurrentIndex(second->findText(QStringLiteral("Şube Depo")));
    grid->item(1, 1)->setText(QStringLiteral("R-2"));
    click(&f, "BtnSAKLA");
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(sqlText(db.scalar("SELECT RAF_YERI FROM STOKDEPOYER WHERE STOK_NO = 7 AND DEPO_KODU = 2")),
              QStringLiteral("R-2"));

    TFormStokParca parts(7);
    parts.show();
    EXPECT_EQ(parts.windowTitle(), QStringLiteral("İçindeki Parçalar"));
    (*prompter)->expectWarn(QStringLiteral("İçindeki Parçalar Boş Olarak Saklanmamaz"));
    click(&parts, "BtnSAKLA");
    EXPECT_TRUE(parts.isVisible());
    type(&parts, "EditPARCAKOD", QStringLiteral("F8"));
    click(&parts, "BtnEKLE");
    auto* pg = child<QTableWidget>(&parts, "GridPARCA");
    ASSERT_EQ(pg->rowCount(), 1);
    pg->item(0, 2)->setText(QStringLiteral("2,5"));
    click(&parts, "BtnSAKLA");
    EXPECT_EQ(parts.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT MIKTAR FROM STOKPARCA WHERE STOK_NO = 7 AND PARCA_STOK_NO = 8").toDouble(), 2.5);

    // Opened again, the quantity reads back as typed and survives another save.
    TFormStokParca again(7);
    again.show();
    EXPECT_EQ(child<QTableWidget>(&again, "GridPARCA")->item(0, 2)->text(), QStringLiteral("2,5"));
    click(&again, "BtnSAKLA");
    EXPECT_DOUBLE_EQ(db.scalar("SELECT MIKTAR FROM STOKPARCA WHERE STOK_NO = 7 AND PARCA_STOK_NO = 8").toDouble(), 2.5);
}

// The list's filter offers the card's lists: groups of the chosen main group, in Turkish order.
TEST_F(StokWindows, ListFilterGroupsFollowTheMainGroup)
{
    exec("INSERT INTO ANAGRUP (GRUP_KODU, GRUP_ADI) VALUES (6, 'Çay')");
    exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (61, 'Siyah', 6)");
    exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (62, 'Çiçek', 6)");
    exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (51, 'Vida', 5)");
    exec("INSERT INTO ALTGRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, ALT_GRUP_KODU) VALUES (611, 'Rize', 6, 61)");
    exec("INSERT INTO ALTGRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, ALT_GRUP_KODU) VALUES (511, 'M8', 5, 51)");
    TFormStokBr br;
    auto items = [&](const char* name) {
        QStringList out;
        auto* c = child<QComboBox>(&br, name);
        for (int i = 1; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    };
    EXPECT_EQ(items("CmbANAGRUP"), (QStringList{"Çay", "Hırdavat"}));
    EXPECT_EQ(items("CmbGRUP"), (QStringList{"Çiçek", "Siyah", "Vida"}));
    auto* ana = child<QComboBox>(&br, "CmbANAGRUP");
    ana->setCurrentIndex(ana->findText(QStringLiteral("Çay")));
    EXPECT_EQ(items("CmbGRUP"), (QStringList{"Çiçek", "Siyah"}));
    auto* grup = child<QComboBox>(&br, "CmbGRUP");
    grup->setCurrentIndex(grup->findText(QStringLiteral("Siyah")));
    EXPECT_EQ(items("CmbALTGRUP"), QStringList{"Rize"});
}
