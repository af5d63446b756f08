#include "accounts/forms/TFormCariBr.h"
#include "finance/TaksitPlani.h"
#include "finance/forms/TFormFinansHrk.h"
#include "finance/forms/TFormFinansHrkBr.h"
#include "finance/forms/TFormTaksitTakip.h"
#include "printing/forms/ReportOutput.h"
#include "DocumentWindowTest.h"
#include "widgets/LineGrid.h"
#include "widgets/LineGridModel.h"

#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <QTimer>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// The finance document, its list and the instalment tracking list, driven as a clerk does.
class FinansWindows : public DocumentWindowTest {
protected:
    void SetUp() override
    {
        DocumentWindowTest::SetUp();
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES ('TL', 'TL')");
        s.dovizler << PickItem{"TL", "TL"};
        exec("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) VALUES ('K01', 'Merkez Kasa', 'TL')");
        exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.001', 'Güneş Kırtasiye')");
        exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.002', 'ŞAHİN TİCARET')");
        m_hooks = ReportOutput::hooks();
        m_dosya = TestEnv::tempDir() + QStringLiteral("/makbuz.txt");
        QFile::remove(m_dosya);
        ReportOutput::hooks().saveFileName = [this](QWidget*, const QString&, const QString&) { return m_dosya; };
    }
    void TearDown() override
    {
        ReportOutput::hooks() = m_hooks;
        WindowTest::TearDown();
    }
    // What the last receipt sent to a text file says (and the file removed for the next one).
    QString makbuz()
    {
        QFile f(m_dosya);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QString t = QString::fromUtf8(f.readAll());
        f.close();
        QFile::remove(m_dosya);
        return t;
    }
    static void satirSec(ListWindow& w, int row) { w.grid()->setCurrentIndex(w.grid()->model()->index(row, 0)); }

    ReportOutput::Hooks m_hooks;
    QString m_dosya;
};

} // namespace

TEST_F(FinansWindows, CollectionIsTypedForAnAccountFoundByNameSavedCorrectedPrintedAndDeleted)
{
    auto f = std::make_unique<TFormFinansHrk>("C", "N", -1);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    // Part of the name in lower case: the account list opens searched by it, with one row.
    QTimer::singleShot(0, [] {
        auto* l = qobject_cast<TFormCariBr*>(QApplication::activeModalWidget());
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->rowCount(), 1);
        l->grid()->setCurrentIndex(l->grid()->model()->index(0, 0));
        click(l, "BtnSEC");
    });
    type(f.get(), "EditKODU", "şahin");
    leave(f.get(), "EditKODU");
    EXPECT_EQ(f->belge().headerText("KODU"), QStringLiteral("120.01.002"));
    EXPECT_EQ(child<QLineEdit>(f.get(), "EditADI")->text(), QStringLiteral("ŞAHİN TİCARET"));
    // A whole code typed is taken without the list.
    type(f.get(), "EditKODU", "120.01.001");
    leave(f.get(), "EditKODU");
    EXPECT_EQ(child<QLineEdit>(f.get(), "EditADI")->text(), QStringLiteral("Güneş Kırtasiye"));

    // Refused without lines, with no word of a save; stored, the clerk is told so and the window closes.
    (*prompter)->expectWarn("Eksik Bilgi Var Kayıt Yapamazsınız...");
    click(f.get(), "BtnSAKLA");
    EXPECT_TRUE(f->isVisible());
    LineGrid* g = f->lineGrid();
    g->addLine();
    cell(g, 0, "KODU", "K01");
    cell(g, 0, FinansBelgesi::kTutar, "150");
    (*prompter)->expectInfo("Kayıt saklandı.");
    click(f.get(), "BtnSAKLA");
    EXPECT_EQ(f->result(), QDialog::Accepted);
    const int no = db.scalar("SELECT MAX(FIN_ID) FROM FINMAST").toInt();
    ASSERT_GT(no, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINMAST WHERE FIN_ID=:N AND KODU='120.01.001'", {{"N", no}}), 1);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=-1 AND BELGE_TIP='F'", {{"N", no}}), 150);
    EXPECT_DOUBLE_EQ(sum("SELECT BORC FROM FINHRK WHERE FIN_ID=:N AND KODU='K01' AND BELGE_TIP='F'", {{"N", no}}), 150);
    f.reset();

    // Reopened and corrected: the mirror follows.
    auto d = std::make_unique<TFormFinansHrk>("C", "N", no);
    d->show();
    EXPECT_EQ(child<QLineEdit>(d.get(), "EditKODU")->text(), QStringLiteral("120.01.001"));
    cell(d->lineGrid(), 0, FinansBelgesi::kTutar, "200");
    (*prompter)->expectInfo("Kayıt saklandı.");
    click(d.get(), "BtnSAKLA");
    d.reset();
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=-1 AND BELGE_TIP='F'", {{"N", no}}), 200);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:N AND BELGE_TIP='F'", {{"N", no}}), 2);

    // The list by the desk of a line; its receipt; its delete.
    TFormFinansHrkBr l;
    l.show();
    type(&l, "EditKODU", "K01");
    click(&l, "BtnFILTRELE");
    ASSERT_EQ(l.rowCount(), 1);
    satirSec(l, 0);
    l.makbuzYazdir("Text");
    const QString m = makbuz();
    EXPECT_TRUE(m.contains(QStringLiteral("TAHSİLAT MAKBUZU"))) << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("Merkez Kasa")));
    EXPECT_TRUE(m.contains(QStringLiteral("200,00")));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    click(&l, "BtnSIL");
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINMAST"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINDET"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 0);
}

TEST_F(FinansWindows, InstalmentIsCollectedGivenItsReceiptAndSetBackToUnpaid)
{
    TaksitPlanGirdisi g;
    g.satisNo = 501;
    g.cariKod = "120.01.001";
    g.doviz = "TL";
    g.satisTutari = 900;
    g.pesinatTarihi = QDate::currentDate();
    g.taksitSayisi = 3;
    TaksitPlani::sakla(db, g, TaksitPlani::olustur(g));

    TFormTaksitTakip w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Taksit Takip Formu [Listelenmiş kayıt sayısı = 3]"));
    satirSec(w, 0);
    (*prompter)->expectWarn("Ödemesi yapılmamış taksit için makbuz kesilemez.");
    w.makbuz("Text");
    EXPECT_TRUE(makbuz().isEmpty());

    (*prompter)->expectInfo("Kayıt saklandı.");
    (*prompter)->expectInfo("Yaptığınız değişiklikler kaydedildi.");
    click(&w, "BtnTAHSIL");
    EXPECT_EQ(toText(db.scalar("SELECT TAKSIT_ODENDI FROM TAKSITS WHERE SATIS_NO=501 AND SIRANO=1")), QStringLiteral("E"));
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM FINHRK WHERE KODU='120.01.001' AND ACIKLAMA='1. Taksit Ödemesi.'"), 300);

    // Only the unpaid ones now.
    auto* durum = child<QComboBox>(&w, "CmbDURUM");
    durum->setCurrentIndex(durum->findData("H"));
    click(&w, "BtnFILTRELE");
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Taksit Takip Formu [Listelenmiş kayıt sayısı = 2]"));
    durum->setCurrentIndex(durum->findData("E"));
    click(&w, "BtnFILTRELE");
    ASSERT_EQ(w.rowCount(), 1);
    satirSec(w, 0);
    w.makbuz("Text");
    const QString m = makbuz();
    EXPECT_TRUE(m.contains(QStringLiteral("TAHSİLAT MAKBUZU"))) << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("300,00")));

    (*prompter)->expectAsk("Ödenmiş taksidi carinin hareketlerinden silmek üzeresiniz. Devam edilsin mi?", true);
    click(&w, "BtnODENMEDI");
    EXPECT_EQ(toText(db.scalar("SELECT TAKSIT_ODENDI FROM TAKSITS WHERE SATIS_NO=501 AND SIRANO=1")), QStringLiteral("H"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE KODU='120.01.001'"), 0);
}
