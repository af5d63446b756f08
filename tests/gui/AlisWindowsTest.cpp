#include "app/AllWindows.h"
#include "support/WindowTest.h"
#include "trade/forms/TFormAlisA.h"
#include "trade/forms/TFormAlisBak.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QLabel>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class AlisWindows : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        s.param.RDOVIZ1 = "USD";
        s.param.RDOVIZ2 = "EUR";
        for (const char* d : {"TL", "USD", "EUR"}) {
            exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES (:d, :d)", {{"d", d}});
            s.dovizler << PickItem{d, d};
        }
        const QDateTime bugun(QDate::currentDate(), QTime(8, 0));
        exec("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES ('USD', :t, 32, 32)",
             {{"t", bugun}});
        exec("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES ('EUR', :t, 35, 35)",
             {{"t", bugun}});
        exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('320.01.001', 'Anadolu Toptan')");
        exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez Depo')");
        s.depolar << PickItem{"Merkez Depo", 1};
        exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BARKOD, BIRIM1, KDV, KDV_DAHIL, DOVIZ_KODU, "
             "ALIS_FYT_TL, ALIS_FYT_DOVIZ) VALUES (1, 'KLM-01', 'Tükenmez Kalem', '8690001', 'ADET', 18, 'H', 'TL', "
             "12, 12)");
    }
    double value(const QString& sql) { return db.scalar(sql).toDouble(); }
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
