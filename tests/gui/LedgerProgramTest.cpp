#include "app/AllWindows.h"
#include "ledger/FinanceFixture.h"
#include "ledger/forms/AmountTable.h"
#include "ledger/forms/TFormMuhGrup.h"
#include "ledger/forms/TFormMuhasebe.h"
#include "ledger/forms/TFormTopluMuh.h"
#include "ledger/forms/TarihAraligi.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class LedgerProgram : public FinanceTest {
protected:
    void SetUp() override
    {
        FinanceTest::SetUp();
        registerAllWindows();
    }
    void hareket(double no, const char* tip, const QString& cari, double borc, double alacak, const QDate& gun = kGun)
    {
        exec("INSERT INTO CARIHRKM (CARI_NO, TARIH, TIP) VALUES (:n, :t, :tip)",
             {{"n", no}, {"t", QDateTime(gun, QTime())}, {"tip", QString::fromLatin1(tip)}});
        exec("INSERT INTO CARIHRK (CARI_NO, SIRANO, CARI_KOD, TIP, BORC, ALACAK, DOVIZ_KODU, KASAKOD) "
             "VALUES (:n, 1, :c, 1, :b, :a, 'TL', 'K01')",
             {{"n", no}, {"c", cari}, {"b", borc}, {"a", alacak}});
    }
};

} // namespace

// The ledger program's main window is titled "Muhasebe" (the main program finds it by that)
// and every entry of its menus opens a registered window.
TEST_F(LedgerProgram, MainWindowOpensEveryLedgerWindow)
{
    TFormMuhasebe form(SessionContext::current());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Muhasebe"));
    int girisler = 0;
    for (const auto& [menu, captions] : TFormMuhasebe::menuler()) {
        for (const QString& c : captions) {
            SCOPED_TRACE(c.toStdString());
            ++girisler;
            ASSERT_NE(WindowRegistry::instance().byCaption(c), nullptr);
            EXPECT_NE(form.findChild<QPushButton*>(QStringLiteral("Btn_") + c), nullptr);
            QWidget* w = form.ac(c);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->isVisible());
            w->close();
        }
    }
    EXPECT_EQ(girisler, 12);
    EXPECT_EQ(form.menuBar()->actions().size(), 4); // three menus and "Çıkış"
}

// The bulk posting window lists the unposted movements of the period, posts them with its
// progress bar, stops between two documents on "Durdur", and lists each refusal with its
// reason.
TEST_F(LedgerProgram, BulkPostingWindowPostsStopsAndListsRefusals)
{
    hareket(1, "N", "C1", 0, 500);
    hareket(2, "N", "C3", 100, 0); // C3 has no ledger code
    hareket(3, "N", "C1", 0, 70);
    hareket(4, "N", "C1", 0, 80, QDate(2026, 5, 2));
    f.cari("C3");

    TFormTopluMuh w;
    w.aralik()->set(QDate(2026, 3, 1), QDate(2026, 3, 31));
    w.listele();
    ASSERT_EQ(w.belgeler()->rowCount(), 3);
    EXPECT_EQ(w.belgeler()->text(0, 0), QStringLiteral("Cari Hareketler"));
    EXPECT_EQ(w.sonuc()->text(), QStringLiteral("Muhasebeleşmemiş Belge: 3"));

    w.ilerlemeGozcusu = [&w](int yapilan) {
        if (yapilan == 1)
            w.findChild<QPushButton*>(QStringLiteral("BtnDURDUR"))->click();
    };
    w.findChild<QPushButton*>(QStringLiteral("BtnMUHASEBELESTIR"))->click();
    EXPECT_EQ(w.sonuc()->text(), QStringLiteral("Muhasebeleşen: 1   Reddedilen: 0   (Durduruldu)"));
    EXPECT_EQ(w.belgeler()->rowCount(), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM WHERE FIS_NO IS NOT NULL"), 1);

    w.ilerlemeGozcusu = {};
    w.muhasebelestir();
    EXPECT_EQ(w.sonuc()->text(), QStringLiteral("Muhasebeleşen: 1   Reddedilen: 1"));
    ASSERT_EQ(w.redler()->rowCount(), 1);
    EXPECT_EQ(w.redler()->text(0, 1), QStringLiteral("2"));
    EXPECT_EQ(w.redler()->text(0, 3), TDMuh::eksikKodMesaji());
    EXPECT_EQ(w.belgeler()->rowCount(), 1); // the refused one waits
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM WHERE CARI_NO = 4 AND FIS_NO IS NULL"), 1);

    // Unticking the kind lists nothing.
    w.turler()->item(0)->setCheckState(Qt::Unchecked);
    w.listele();
    EXPECT_EQ(w.belgeler()->rowCount(), 0);
    EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("BtnMUHASEBELESTIR"))->isEnabled());
}

// The stock code group card: a code that is not a posting account is refused on its field
// and nothing is saved; corrected, "Kodları Yaz" saves the group, writes its codes to the
// items of its VAT rate (creating their code rows) and tells how many took them.
TEST_F(LedgerProgram, CodeGroupCardWritesItsCodesToTheItems)
{
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, KDV) VALUES (1, 'A1', 20)");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, KDV) VALUES (2, 'A2', 10)");
    TFormMuhGrup f(MuhasebeKodGrubu::Tur::Stok);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("MUHASEBE HESAP KODU GRUP KAYIT KARTI"));
    QTest::keyClicks(f.findChild<QLineEdit*>("EditADI"), "KDV20");
    QTest::keyClicks(f.findChild<QLineEdit*>("EditKDV"), "20");
    auto* satis = f.findChild<QLineEdit*>("EditMUH_S");
    QTest::keyClicks(satis, "600");
    (**prompter).expectWarn("Lütfen Hatalı Hesap kodunu Düzeltiniz");
    QTest::mouseClick(f.findChild<QPushButton*>("BtnKODYAZ"), Qt::LeftButton);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM MUHSTK").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM STOKMUH").toInt(), 0);

    QTest::keyClicks(satis, ".01");
    QTest::keyClicks(f.findChild<QLineEdit*>("EditMUH_KDV_S"), "391.01");
    (**prompter).expectInfo("1 Karta Muhasebe Kodları Yazıldı.");
    QTest::mouseClick(f.findChild<QPushButton*>("BtnKODYAZ"), Qt::LeftButton);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM MUHSTK WHERE ADI = 'KDV20' AND KDV = 20").toInt(), 1);
    EXPECT_EQ(toText(db.scalar("SELECT MUH_S FROM STOKMUH WHERE STOK_NO = 1")), QStringLiteral("600.01"));
    EXPECT_EQ(toText(db.scalar("SELECT MUH_KDV_S FROM STOKMUH WHERE STOK_NO = 1")), QStringLiteral("391.01"));
    EXPECT_TRUE(db.scalar("SELECT MUH_S FROM STOKMUH WHERE STOK_NO = 2").isNull());
    EXPECT_EQ(f.findChild<QComboBox*>("CmbGRUPLAR")->count(), 1);
}
