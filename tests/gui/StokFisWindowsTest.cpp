#include "services/SessionContext.h"
#include "stock/DepoKarti.h"
#include "stock/StockQuantities.h"
#include "printing/forms/ReportOutput.h"
#include "widgets/TotalsPanel.h"

#include <QPrintPreviewDialog>
#include "stock/forms/TFormDepoBr.h"
#include "stock/forms/TFormDepoStoklari.h"
#include "stock/forms/TFormStkFis.h"
#include "stock/forms/TFormStokFisBak.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QLabel>
#include <QSqlRecord>
#include <QTableView>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class StokFisWindows : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        SessionContext::current().setHak("STKFISDEPTRSFR", "E");
        exec("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('P7', 'Depo Sorumlusu')");
        for (int d : {1, 2}) {
            DepoKarti k(db);
            k.startNew();
            k.setValue("DEPO_ADI", d == 1 ? QStringLiteral("Merkez") : QStringLiteral("Ankara"));
            k.save();
        }
        exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BIRIM1, BIRIM2, B_KATSAYI2, KDV) "
             "VALUES (10, 'VİDA-4', 'Vida 4x40', 'ADET', 'KOLI', 100, 20)");
    }
    static void choose(QWidget* w, const char* combo, const QVariant& data)
    {
        auto* c = child<QComboBox>(w, QLatin1String(combo));
        c->setCurrentIndex(c->findData(data));
    }
    // Types into a cell of the line grid as its editor hands the text over.
    static void setCell(TFormStkFis& f, int row, const char* field, const QString& text)
    {
        LineGridModel* m = f.lineGrid()->lineModel();
        ASSERT_TRUE(m->setData(m->index(row, m->columnOf(QLatin1String(field))), text, Qt::EditRole));
    }
    static int lineCount(TFormStkFis& f) { return f.lineGrid()->lineModel()->rowCount(); }
    double onHand(int depo)
    {
        for (const auto& w : StockQuantities::perWarehouse(db, 10))
            if (w.depoKodu == depo)
                return w.miktar;
        return 0;
    }
};

} // namespace

// A user's day: an opening slip typed into the window, then a transfer marked done; the
// quantities move in the stock card's warehouse figures, and the list shows both slips.
TEST_F(StokFisWindows, OpeningSlipThenTransferMoveTheQuantities)
{
    {
        TFormStkFis f(0, "D");
        f.show();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Stok Fişi Kayıt Formu"));
        choose(&f, "CmbPERSON_KOD", "P7");
        choose(&f, "CmbDEPO", 1);
        type(&f, "EditARA", "VİDA-4");
        QTest::keyClick(child<QLineEdit>(&f, "EditARA"), Qt::Key_Return);
        ASSERT_EQ(lineCount(f), 1);
        setCell(f, 0, "MIKTAR", "3");
        setCell(f, 0, "BIRIM", "koli");
        setCell(f, 0, "FYT_DOVIZ", "250,5");
        EXPECT_EQ(f.totals()->shown("BRUTTUT"), QStringLiteral("751,50"));
        EXPECT_EQ(f.totals()->shown("NETTUT"), QStringLiteral("901,80"));
        (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
        click(&f, "BtnSAKLA");
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
    EXPECT_DOUBLE_EQ(onHand(1), 300);

    {
        TFormStkFis t(0, "D");
        t.show();
        choose(&t, "CmbTIP", "O");
        choose(&t, "CmbPERSON_KOD", "P7");
        choose(&t, "CmbCIKDEPO", 1);
        choose(&t, "CmbGIRDEPO", 2);
        choose(&t, "CmbHRKDURUM", "T");
        type(&t, "EditARA", "VİDA-4");
        click(&t, "BtnEKLE");
        setCell(t, 0, "MIKTAR", "120");
        (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
        click(&t, "BtnSAKLA");
        EXPECT_EQ(t.result(), QDialog::Accepted);
    }
    EXPECT_DOUBLE_EQ(onHand(1), 180);
    EXPECT_DOUBLE_EQ(onHand(2), 120);

    TFormStokFisBak list;
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.currentRecord().value("TIP").toString(), "O"); // newest first
    TFormDepoStoklari stocks;
    EXPECT_EQ(stocks.rowCount(), 2);
}

// A refused save keeps the window open with the lines; closing with changes asks, and No
// leaves nothing behind.
TEST_F(StokFisWindows, RefusalKeepsTheWindowAndCloseAsks)
{
    TFormStkFis f(0, "F");
    f.show();
    choose(&f, "CmbDEPO", 2);
    type(&f, "EditARA", "vida");
    click(&f, "BtnEKLE");
    ASSERT_EQ(lineCount(f), 1);
    (*prompter)->expectWarn("Lütfen İşlem Sorumlusunu Boş Bırakmayın");
    click(&f, "BtnSAKLA");
    EXPECT_TRUE(f.isVisible());
    (*prompter)->expectAsk("Kaydı Saklamak İstiyormusunuz?", false);
    f.close(); // the window's close box
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(db.any("SELECT 1 FROM FISTK"));
}

// At most two slip windows: the list refuses a third for correction, and a user without the
// correction right is told so before any window opens.
TEST_F(StokFisWindows, CorrectionRightsAndTheTwoWindowLimit)
{
    StokFisi s(db, "D");
    s.setHeader("PERSON_KOD", "P7");
    s.satirEkle(10, 5, 1);
    s.save();
    const double no = s.hrkNo();

    TFormStokFisBak list;
    SessionContext::current().setHak("STKFISDUZEL", "E");
    (*prompter)->expectWarn("Depolar Arası Transfer Yapma Dışında Düzeltme Yetkiniz Yok.");
    EXPECT_FALSE(list.duzelt(no, "D"));
    SessionContext::current().setHak("STKFISDUZEL", "H");

    TFormStkFis a(0, "D");
    TFormStkFis b(no, "D");
    EXPECT_EQ(TFormStkFis::acikPencere(), 2);
    EXPECT_EQ(b.fis().lines().count(), 1);
    (*prompter)->expectWarn("2 den fazla Stok Fişi Penceresi ile Çalışılmaz.Lütfen Stok Fişi Pencerelerinden Birini "
                            "Kapatıp Bu Kaydı yeniden Çağırmayo Deneyin.");
    EXPECT_FALSE(list.duzelt(no, "D"));
}

// The warehouse list deletes through its command after the question, and refuses a
// warehouse that holds movements.
TEST_F(StokFisWindows, WarehouseListDelete)
{
    StokFisi s(db, "D");
    s.setHeader("PERSON_KOD", "P7");
    s.satirEkle(10, 5, 1);
    s.save();
    TFormDepoBr w;
    ASSERT_EQ(w.rowCount(), 2);
    ASSERT_TRUE(w.locate(1));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Depoya Ait Hareketler Var. Silinemez.");
    w.runDelete();
    ASSERT_TRUE(w.locate(2));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    w.runDelete();
    EXPECT_EQ(w.rowCount(), 1);
}

// Yazdır on a new slip saves it first, then shows what was stored in the preview; a refused
// save previews nothing.
TEST_F(StokFisWindows, PrintSavesFirstThenPreviews)
{
    int previews = 0;
    ReportOutput::hooks().preview = [&](QPrintPreviewDialog&) { ++previews; };
    TFormStkFis f(0, "F");
    f.show();
    choose(&f, "CmbDEPO", 1);
    type(&f, "EditARA", "VİDA-4");
    click(&f, "BtnEKLE");
    (*prompter)->expectWarn("Lütfen İşlem Sorumlusunu Boş Bırakmayın");
    click(&f, "BtnYAZDIR");
    EXPECT_EQ(previews, 0);
    choose(&f, "CmbPERSON_KOD", "P7");
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    click(&f, "BtnYAZDIR");
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(db.any("SELECT 1 FROM FISTK WHERE TIP = 'F'"));
    ReportOutput::hooks().preview = nullptr;
}

// A line added with Insert and a code typed into its first cell takes the item's name, unit
// and VAT and the warehouse chosen above the grid; a unit typed in small letters is the
// item's own.
TEST_F(StokFisWindows, CodeTypedIntoTheGridFillsTheLine)
{
    TFormStkFis f(0, "D");
    f.show();
    choose(&f, "CmbDEPO", 2);
    f.lineGrid()->setFocus();
    QTest::keyClick(f.lineGrid(), Qt::Key_Insert);
    ASSERT_EQ(lineCount(f), 1);
    setCell(f, 0, "STOK_KOD_NO", "VİDA-4");
    setCell(f, 0, "BIRIM", "koli");
    setCell(f, 0, "MIKTAR", "2");
    const LineTable& l = f.fis().lines();
    EXPECT_EQ(l.text(0, "STOK_ADI"), "Vida 4x40");
    EXPECT_EQ(l.value(0, "DEPO_KODU").toInt(), 2);
    EXPECT_EQ(l.text(0, "BIRIM"), "KOLI");
    EXPECT_DOUBLE_EQ(l.number(0, "KDV"), 20);
    EXPECT_DOUBLE_EQ(f.fis().hareketMiktari(0), 200);
}
