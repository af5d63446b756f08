#include "app/AllWindows.h"
#include "TicariWindowTest.h"
#include "trade/forms/TFormSatisA.h"
#include "trade/forms/TFormSatisBak.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QLabel>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class SatisWindows : public TicariWindowTest {
protected:
    void SetUp() override
    {
        TicariWindowTest::SetUp();
        kur("120.01.001", "Güneş Kırtasiye", "SAT_SKFYT", 20);
        exec("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU) VALUES (1, 'F', 1, 1, 100, "
             "0, 1)");
    }
};

} // namespace

TEST_F(SatisWindows, CashInvoiceIsTypedSavedListedAndDeleted)
{
    registerAllWindows();
    ASSERT_NE(WindowRegistry::instance().byCaption("Satış İşlemleri"), nullptr);
    EXPECT_EQ(WindowRegistry::instance().byCaption("Satış İşlemleri")->className, "TFormSatisBak");

    TFormSatisA f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    auto* tip = child<QComboBox>(&f, "CmbTIP");
    tip->setCurrentIndex(tip->findData("F"));
    type(&f, "EditCARIKOD", "120.01.001");
    leave(&f, "EditCARIKOD");
    EXPECT_EQ(child<QLabel>(&f, "LblFIRMA_ADI")->text(), QStringLiteral("Güneş Kırtasiye"));
    type(&f, "EditFAT_NO", "A000001");
    leave(&f, "EditFAT_NO");
    auto* kasa = child<QComboBox>(&f, "CmbKASAKOD");
    kasa->setCurrentIndex(kasa->findData("K01"));

    // The same item twice by code and by barcode: one line of two.
    type(&f, "EditSTOKGIR", "KLM-01");
    QTest::keyClick(child<QLineEdit>(&f, "EditSTOKGIR"), Qt::Key_Return);
    type(&f, "EditSTOKGIR", "8690001");
    QTest::keyClick(child<QLineEdit>(&f, "EditSTOKGIR"), Qt::Key_Return);
    LineGridModel* m = f.lineGrid()->lineModel();
    ASSERT_EQ(m->rowCount(), 1);
    m->setData(m->index(0, m->columnOf("MIKTAR")), "10", Qt::EditRole);
    EXPECT_EQ(f.totals()->shown("NETTUT"), QStringLiteral("236,00"));
    EXPECT_EQ(f.totals()->shown("NET_USD"), QStringLiteral("7,38"));
    EXPECT_EQ(f.totals()->shown("NET_EUR"), QStringLiteral("6,74"));

    // Not posted: the invoice can be deleted below.
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    (*prompter)->expectAsk("Fatura Kesilsin mi?", false);
    click(&f, "BtnSAKLA");
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE FAT_NO='A000001' AND CARIKOD='120.01.001'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE BELGE_TIP='S'"), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE TIP='S'"), 0); // an invoice without dispatch

    TFormSatisBak l;
    ASSERT_EQ(l.rowCount(), 1);
    EXPECT_EQ(l.currentRecord().value("FIRMA_ADI").toString(), QStringLiteral("Güneş Kırtasiye"));
    (*prompter)->expectAsk("Satış Silinsin mi?", true);
    l.runDelete();
    EXPECT_EQ(l.rowCount(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT"), 0);
}

TEST_F(SatisWindows, RefusedSaveKeepsTheWindowOpenOnTheField)
{
    TFormSatisA f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    type(&f, "EditCARIKOD", "120.01.001");
    leave(&f, "EditCARIKOD");
    type(&f, "EditSTOKGIR", "KLM-01");
    QTest::keyClick(child<QLineEdit>(&f, "EditSTOKGIR"), Qt::Key_Return);
    // An invoice with dispatch and no invoice number.
    (*prompter)->expectWarn("Fat.No,Fat.Trh .Yazılmadan Saklanamaz.");
    click(&f, "BtnSAKLA");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(&f, "EditFAT_NO"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 0);
}
