#include "app/AllWindows.h"
#include "TicariWindowTest.h"
#include "session/forms/MenuRunner.h"
#include "trade/SatisBelgesi.h"
#include "trade/forms/TFormSatisA.h"
#include "trade/forms/TFormSatisBak.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPointer>
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
    // A cash invoice of item 1 saved through the document, as another window would.
    void nakitSatis(const QString& cari, const QString& fatNo, double miktar)
    {
        SatisBelgesi b(db);
        b.setHeader("TIP", "F");
        b.setHeader("CARIKOD", cari);
        b.setHeader("FAT_NO", fatNo);
        b.setHeader("KASAKOD", "K01");
        b.setLine(b.stokEkle(1.0), "MIKTAR", miktar);
        b.save();
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

// The sales list is created hidden after login and lives for the session: the menu shows
// that same window, with the sales saved meanwhile and the filter the user left; closing
// it only hides it; after a firm change a new one takes its place.
TEST_F(SatisWindows, SalesListLivesHiddenForTheSession)
{
    registerAllWindows();
    QWidget host;
    MenuRunner runner(SessionContext::current(), &host);
    runner.createResidentWindows();
    QPointer<QWidget> liste = runner.resident("TFormSatisBak");
    ASSERT_NE(liste, nullptr);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(static_cast<TFormSatisBak*>(liste.data())->rowCount(), 0);

    nakitSatis("120.01.001", "A000009", 2.0);

    EXPECT_EQ(runner.openWindow("Satış İşlemleri"), liste.data());
    EXPECT_TRUE(liste->isVisible());
    auto* l = static_cast<TFormSatisBak*>(liste.data());
    EXPECT_EQ(l->rowCount(), 1);
    auto* tip = child<QComboBox>(l, "CmbTIP");
    tip->setCurrentIndex(tip->findData("F"));
    liste->close();
    QCoreApplication::processEvents();
    ASSERT_FALSE(liste.isNull());
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(runner.openWindow("TFormSatisBak"), liste.data());
    EXPECT_EQ(tip->currentData().toString(), "F");

    runner.createResidentWindows();
    QCoreApplication::processEvents();
    EXPECT_TRUE(liste.isNull());
    ASSERT_NE(runner.resident("TFormSatisBak"), nullptr);
    EXPECT_FALSE(runner.resident("TFormSatisBak")->isVisible());
}

// A customer who paid in advance exactly what this sale comes to: the balance after it is
// a rounding remainder below zero and shows as a zero balance ("---"), never "-0,00".
TEST_F(SatisWindows, BalanceThatRoundsToNothingShowsNoMinus)
{
    exec("INSERT INTO FINHRK (KODU, BORC, ALACAK, ISLEM_TIP, BELGE_TIP, HRK_NO, TARIH) VALUES ('120.01.001', 0, 0.3, "
         "'C', 'X', 1, :t)",
         {{"t", QDateTime(QDate::currentDate(), QTime(0, 0))}});
    exec("UPDATE STOK SET KDV=0, SAT_SKFYT_TL=0.1, SAT_SKFYT_DOVIZ=0.1 WHERE STOK_NO=1");
    TFormSatisA f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    type(&f, "EditCARIKOD", "120.01.001");
    leave(&f, "EditCARIKOD");
    type(&f, "EditSTOKGIR", "KLM-01");
    QTest::keyClick(child<QLineEdit>(&f, "EditSTOKGIR"), Qt::Key_Return);
    LineGridModel* m = f.lineGrid()->lineModel();
    m->setData(m->index(0, m->columnOf("MIKTAR")), "3", Qt::EditRole);
    ASSERT_LT(f.belge().headerNumber("SBAKIYE"), 0); // 0.3 - 3 x 0.1
    EXPECT_GT(f.belge().headerNumber("SBAKIYE"), -1e-9);
    EXPECT_EQ(f.totals()->shown("NETTUT"), QStringLiteral("0,30"));
    EXPECT_EQ(f.totals()->shown("SBAKIYE"), QStringLiteral("---   "));
    EXPECT_EQ(m->data(m->index(0, m->columnOf("KDVLI_TUT")), Qt::DisplayRole).toString(), QStringLiteral("0,30"));
}

// The list finds a customer's documents by any part of the name typed with Turkish capitals,
// and its "Sil" refuses a user who may correct sales but not delete them, keeping the row.
TEST_F(SatisWindows, ListSearchesByCustomerNameAndDeletesOnlyWithTheRight)
{
    exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.002', 'Ahmet şükrü Işık')");
    for (const char* cari : {"120.01.001", "120.01.002"}) {
        nakitSatis(cari, QString::fromLatin1(cari).right(3), 1.0);
    }
    TFormSatisBak l;
    l.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&l));
    ASSERT_EQ(l.rowCount(), 2);
    auto* alan = child<QComboBox>(&l, "CmbARANAN");
    alan->setCurrentIndex(alan->findData("FIRMA_ADI"));
    type(&l, "EditARANAN", "ŞÜKRÜ IŞ");
    QTest::keyClick(child<QLineEdit>(&l, "EditARANAN"), Qt::Key_Return);
    ASSERT_EQ(l.rowCount(), 1);
    EXPECT_EQ(l.currentRecord().value("CARIKOD").toString(), "120.01.002");

    SessionContext::current().setHak("SATIS_DUZEL", "H");
    SessionContext::current().setHak("SATIS_SIL", "E");
    (*prompter)->expectWarn("Satış Silme Hakkınız Yok.");
    l.runDelete();
    EXPECT_EQ(l.rowCount(), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE BELGE_TIP='S'"), 6);
}

// The dispatch date field follows the type: blank on a pure invoice (and saved empty), the
// invoice date on an invoice with dispatch.
TEST_F(SatisWindows, DispatchDateIsBlankOnAPureInvoice)
{
    {
        TFormSatisA r;
        auto* tip = child<QComboBox>(&r, "CmbTIP");
        tip->setCurrentIndex(tip->findData("F"));
        EXPECT_EQ(child<QDateEdit>(&r, "EditIRSTARIH")->text().trimmed(), QString());
        tip->setCurrentIndex(tip->findData("R"));
        EXPECT_EQ(child<QDateEdit>(&r, "EditIRSTARIH")->date(), QDate::currentDate());
    }
    TFormSatisA f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    auto* tip = child<QComboBox>(&f, "CmbTIP");
    tip->setCurrentIndex(tip->findData("F"));
    type(&f, "EditCARIKOD", "120.01.001");
    leave(&f, "EditCARIKOD");
    EXPECT_EQ(child<QDateEdit>(&f, "EditIRSTARIH")->text().trimmed(), QString());
    type(&f, "EditFAT_NO", "A000002");
    leave(&f, "EditFAT_NO");
    auto* kasa = child<QComboBox>(&f, "CmbKASAKOD");
    kasa->setCurrentIndex(kasa->findData("K01"));
    type(&f, "EditSTOKGIR", "KLM-01");
    QTest::keyClick(child<QLineEdit>(&f, "EditSTOKGIR"), Qt::Key_Return);
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    (*prompter)->expectAsk("Fatura Kesilsin mi?", false);
    click(&f, "BtnSAKLA");
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE FAT_NO='A000002' AND IRSTARIH IS NULL"), 1);
}

// A clerk who may move stock from no warehouse is refused the sales window by every road:
// a new sale from the list, a sale opened from the list, the entry opened by name. One
// warehouse right is enough to open it.
TEST_F(SatisWindows, NoWarehouseRightOpensNoSale)
{
    nakitSatis("120.01.001", "D01", 1.0);
    SessionContext& s = SessionContext::current();
    for (int d = 1; d <= 20; ++d)
        s.setHak(QStringLiteral("DEPO%1").arg(d), "E");
    EXPECT_THROW(SatisBelgesi::acilisDenetimi(s), UserError);

    TFormSatisBak l;
    l.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&l));
    (*prompter)->expectWarn("Kullanıcının Hiç Bir Depodan Hareket Hakkı Yok");
    l.runNew();
    (*prompter)->expectWarn("Kullanıcının Hiç Bir Depodan Hareket Hakkı Yok");
    l.runChange();
    registerAllWindows();
    QWidget host;
    MenuRunner runner(s, &host);
    (*prompter)->expectWarn("Kullanıcının Hiç Bir Depodan Hareket Hakkı Yok");
    EXPECT_EQ(runner.openWindow("TFormSatisA"), nullptr);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS"), 1);

    s.setHak("DEPO7", "H");
    EXPECT_NO_THROW(SatisBelgesi::acilisDenetimi(s));
}
