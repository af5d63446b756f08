#include "app/AllWindows.h"
#include "TicariWindowTest.h"
#include "trade/forms/TFormAIrsLisKon.h"
#include "trade/forms/TFormAlIrsSorKon.h"
#include "trade/forms/TFormAlisA.h"
#include "trade/forms/TFormAlisBak.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTimer>
#include <QLabel>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class AlisWindows : public TicariWindowTest {
protected:
    void SetUp() override
    {
        TicariWindowTest::SetUp();
        kur("320.01.001", "Anadolu Toptan", "ALIS_FYT", 12);
    }
    // A purchase of `miktar` pens from the supplier saved earlier: a dispatch note by default.
    double alis(const QDate& gun, const QString& no, double miktar, const QString& tip = QStringLiteral("İ"))
    {
        AlisBelgesi b(db);
        b.setHeader("TIP", tip);
        b.setHeader("CARIKOD", "320.01.001");
        b.setHeader("ODE_TIP", "V");
        b.setHeader("FATARIH", gun);
        b.setHeader(b.faturaKismi() ? "FAT_NO" : "IRS_NO", no);
        b.setHeader("IRSTARIH", gun);
        b.setLine(b.stokEkle(1), "MIKTAR", miktar);
        b.save();
        return b.key().toDouble();
    }
};

} // namespace

TEST_F(AlisWindows, PurchaseOnAccountMovesStockCostAndSupplierBalance)
{
    registerAllWindows();
    ASSERT_NE(WindowRegistry::instance().byCaption("Alış İşlemleri"), nullptr);
    EXPECT_EQ(WindowRegistry::instance().byCaption("Alış İşlemleri")->className, "TFormAlisBak");

    TFormAlisA f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    auto* tip = child<QComboBox>(&f, "CmbTIP");
    EXPECT_EQ(tip->count(), 6);
    EXPECT_EQ(tip->itemText(tip->findData("A")), QStringLiteral("Satış İade Faturası"));
    tip->setCurrentIndex(tip->findData("R"));
    auto* odeme = child<QComboBox>(&f, "CmbODE_TIP");
    odeme->setCurrentIndex(odeme->findData("V"));
    type(&f, "EditCARIKOD", "320.01.001");
    leave(&f, "EditCARIKOD");
    EXPECT_EQ(child<QLabel>(&f, "LblFIRMA_ADI")->text(), QStringLiteral("Anadolu Toptan"));
    type(&f, "EditFAT_NO", "T-0001");
    leave(&f, "EditFAT_NO");
    type(&f, "EditSTOKGIR", "KLM-01");
    QTest::keyClick(child<QLineEdit>(&f, "EditSTOKGIR"), Qt::Key_Return);
    LineGridModel* m = f.lineGrid()->lineModel();
    ASSERT_EQ(m->rowCount(), 1);
    m->setData(m->index(0, m->columnOf("MIKTAR")), "50", Qt::EditRole);
    // The purchase price list gives 12 a piece: 600 + 18 % VAT.
    EXPECT_EQ(f.totals()->shown("NETTUT"), QStringLiteral("708,00"));
    // The supplier had no balance; the purchase leaves him a credit of the net total.
    EXPECT_EQ(f.totals()->shown("OBAKIYE"), QStringLiteral("---   "));
    EXPECT_EQ(f.totals()->shown("SBAKIYE"), QStringLiteral("708,00 (A)"));
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    click(&f, "BtnSAKLA");
    EXPECT_DOUBLE_EQ(value("SELECT SUM(GIRMIK) FROM STOKHRK WHERE TIP='A' AND STOK_NO=1"), 50);
    EXPECT_DOUBLE_EQ(value("SELECT MALIYET_FYT_TL FROM STOK WHERE STOK_NO=1"), 12);
    EXPECT_DOUBLE_EQ(value("SELECT ALIS_SON_TL FROM STOK WHERE STOK_NO=1"), 12);
    EXPECT_DOUBLE_EQ(value("SELECT SUM(ALACAK) - SUM(BORC) FROM FINHRK WHERE KODU='320.01.001'"), 708);

    TFormAlisBak l;
    ASSERT_EQ(l.rowCount(), 1);
    EXPECT_EQ(l.currentRecord().value("FIRMA_ADI").toString(), QStringLiteral("Anadolu Toptan"));
    (*prompter)->expectAsk("Alış Silinsin mi?", true);
    l.runDelete();
    EXPECT_EQ(l.rowCount(), 0);
    EXPECT_DOUBLE_EQ(value("SELECT COUNT(*) FROM STOKHRK"), 0);
    EXPECT_DOUBLE_EQ(value("SELECT COUNT(*) FROM FINHRK"), 0);
    EXPECT_DOUBLE_EQ(value("SELECT COUNT(*) FROM MALIFYT"), 0);
}

// "İrsaliye Getir" on a purchase invoice: the picker offers the supplier's open notes in the
// date range typed (not the old one, not an invoice with dispatch), the chosen ones become
// the invoice's lines, and once collected they are offered no more.
TEST_F(AlisWindows, NotePickersCollectTheChosenNotesIntoTheInvoice)
{
    const QDate bugun = QDate::currentDate();
    const double eski = alis(bugun.addDays(-40), "I-0001", 3);
    const double n1 = alis(bugun.addDays(-2), "I-0002", 5);
    const double n2 = alis(bugun, "I-0003", 7);
    alis(bugun, "F-0009", 1, "R");

    TFormAlisA f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    auto* tip = child<QComboBox>(&f, "CmbTIP");
    tip->setCurrentIndex(tip->findData("F"));
    auto* odeme = child<QComboBox>(&f, "CmbODE_TIP");
    odeme->setCurrentIndex(odeme->findData("V"));
    (*prompter)->expectWarn("Lütfen Bir Cari Seçiniz!..");
    click(&f, "BtnIRSALIYE");
    type(&f, "EditCARIKOD", "320.01.001");
    leave(&f, "EditCARIKOD");
    type(&f, "EditFAT_NO", "F-0010");
    leave(&f, "EditFAT_NO");

    int listed = -1;
    QTimer::singleShot(0, &f, [&] {
        auto* sor = qobject_cast<TFormAlIrsSorKon*>(QApplication::activeModalWidget());
        ASSERT_NE(sor, nullptr);
        EXPECT_EQ(child<QLineEdit>(sor, "EditCARIKOD")->text(), QStringLiteral("320.01.001"));
        child<QDateEdit>(sor, "EditIRSTARIH1")->setDate(bugun.addDays(-10));
        QTimer::singleShot(0, sor, [&] {
            auto* l = qobject_cast<TFormAIrsLisKon*>(QApplication::activeModalWidget());
            ASSERT_NE(l, nullptr);
            listed = l->rowCount();
            l->grid()->selectAll();
            click(l, "BtnSEC");
        });
        click(sor, "BtnLISTELE");
    });
    click(&f, "BtnIRSALIYE");
    EXPECT_EQ(listed, 2);
    LineGridModel* m = f.lineGrid()->lineModel();
    ASSERT_EQ(m->rowCount(), 2);
    // 12 pens at 12 a piece with 18 % VAT.
    EXPECT_EQ(f.totals()->shown("NETTUT"), QStringLiteral("169,92"));
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    click(&f, "BtnSAKLA");
    const double fn = f.belge().key().toDouble();
    ASSERT_GT(fn, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FATIRS_A WHERE S_NO=:N", {{"N", fn}}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE FAT_REFNO=:N AND ALIS_NO IN (:A, :B)", {{"N", fn}, {"A", n1}, {"B", n2}}),
              2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N", {{"N", fn}}), 0);

    // Without a date range only the old note is left to collect.
    IrsaliyeFiltresi yalnizCari;
    yalnizCari.cariKod = QStringLiteral("320.01.001");
    TFormAIrsLisKon kalan(yalnizCari);
    ASSERT_EQ(kalan.rowCount(), 1);
    EXPECT_DOUBLE_EQ(kalan.currentRecord().value("ALIS_NO").toDouble(), eski);
}
