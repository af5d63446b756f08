#include "db/AliasStore.h"
#include "services/SessionContext.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"
#include "session/NimboSettings.h"
#include "session/forms/TFormFirmaSec.h"
#include "session/forms/TFormVeriTabLogin.h"
#include "session/forms/TPassWordDlg.h"
#include "support/StartupFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class SessionDialogs : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        addYear(QStringLiteral("BETA LTD"), QStringLiteral("2026"));
        older = addYear(QStringLiteral("ALFA AŞ"), QStringLiteral("2025"));
        newer = addYear(QStringLiteral("ALFA AŞ"), QStringLiteral("2026"));
        addUser(newer, QStringLiteral("AYSE"), QStringLiteral("Sifre"), {2});
        NimboSettings::setServerAdi(server().server);
        NimboSettings::setSurucu(TestEnv::driver());
        s.ServerAdi = NimboSettings::serverAdi();
    }
    QString older, newer;
};
} // namespace

// The remembered firm is selected, its newest year is offered, and OK binds the session to
// that year's alias; changing the firm re-reads its years.
TEST_F(SessionDialogs, FirmSelectionOffersRememberedFirmAndNewestYear)
{
    UserMemory::setFirma(QStringLiteral("ALFA AŞ"));
    AliasStore aliases;
    FirmSelection sel(s, aliases, nullptr);
    ASSERT_TRUE(sel.prepare());
    TFormFirmaSec dlg(sel);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Firma Seçimi"));
    EXPECT_EQ(dlg.firmBox()->currentText(), QStringLiteral("ALFA AŞ"));
    EXPECT_EQ(dlg.yearBox()->count(), 2);
    EXPECT_EQ(dlg.yearBox()->currentText(), QStringLiteral("2026"));
    dlg.firmBox()->setCurrentText(QStringLiteral("BETA LTD"));
    EXPECT_EQ(dlg.yearBox()->count(), 1);
    dlg.firmBox()->setCurrentText(QStringLiteral("ALFA AŞ"));
    dlg.yearBox()->setCurrentIndex(0);
    dlg.show();
    QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(s.FirmaAdi, QStringLiteral("ALFA AŞ"));
    EXPECT_EQ(s.CalismaYili, QStringLiteral("2025"));
    EXPECT_EQ(s.YilAliasi, older);
    sel.close();
}

// Typing into the real login dialog: a wrong password keeps it open with the password
// focused; the right one with an allowed branch closes it with the session filled.
TEST_F(SessionDialogs, LoginDialogRefusesThenAccepts)
{
    AliasStore aliases;
    {
        FirmSelection sel(s, aliases, nullptr);
        ASSERT_TRUE(sel.prepare());
        ASSERT_TRUE(sel.accept(QStringLiteral("ALFA AŞ"), sel.years(QStringLiteral("ALFA AŞ")).last()));
        sel.close();
    }
    ASSERT_TRUE(openYearDatabase(s, aliases));
    TPassWordDlg dlg(s, s.db());
    dlg.prepare();
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Şifre Onay"));
    EXPECT_EQ(dlg.userEdit()->text(), QStringLiteral("3")); // first start
    EXPECT_EQ(dlg.branchBox()->currentData().toInt(), 0);

    dlg.userEdit()->clear();
    QTest::keyClicks(dlg.userEdit(), QStringLiteral("ayse"));
    QTest::keyClicks(dlg.passwordEdit(), QStringLiteral("sifre"));
    (**prompter).expectWarn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"));
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("btnTamam")), Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.passwordEdit()->hasFocus());

    dlg.passwordEdit()->clear();
    QTest::keyClicks(dlg.passwordEdit(), QStringLiteral("Sifre"));
    dlg.branchBox()->setCurrentIndex(dlg.branchBox()->findData(2));
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("btnTamam")), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(dlg.succeeded());
    EXPECT_EQ(s.KullaniciAdi, QStringLiteral("AYSE"));
    EXPECT_EQ(s.SubeKodu, 2);
    EXPECT_EQ(UserMemory::sube(), QStringLiteral("2"));
}

// With a user already in the session the dialog confirms itself; "İ&ptal" after a firm
// change leaves no user and no rights.
TEST_F(SessionDialogs, AutomaticReLoginAndCancel)
{
    AliasStore aliases;
    {
        FirmSelection sel(s, aliases, nullptr);
        ASSERT_TRUE(sel.prepare());
        ASSERT_TRUE(sel.accept(QStringLiteral("ALFA AŞ"), sel.years(QStringLiteral("ALFA AŞ")).last()));
        sel.close();
    }
    ASSERT_TRUE(openYearDatabase(s, aliases));
    UserMemory::setSube(QStringLiteral("2"));
    s.KullaniciAdi = QStringLiteral("AYSE");
    s.KullaniciSifresi = QStringLiteral("Sifre");
    {
        TPassWordDlg dlg(s, s.db());
        dlg.prepare();
        QTest::qWait(20);
        EXPECT_TRUE(dlg.succeeded());
        EXPECT_EQ(s.hak(QStringLiteral("SAT")), QStringLiteral("H"));
    }
    s.KullaniciAdi.clear();
    TPassWordDlg dlg(s, s.db());
    dlg.prepare();
    dlg.show();
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("btnIptal")), Qt::LeftButton);
    EXPECT_FALSE(dlg.succeeded());
    EXPECT_TRUE(s.KullaniciAdi.isEmpty());
    EXPECT_FALSE(s.anyRight());
}

// The database-opening dialog's other mode shows the chosen year's server and database; mode 1
// shows the firms database, read-only.
TEST_F(SessionDialogs, DatabaseDialogOtherModeShowsTheYearAlias)
{
    AliasStore aliases;
    aliases.add(QStringLiteral("YIL2026"), TestEnv::driver(),
                {{QStringLiteral("SERVER NAME"), QStringLiteral("muhasebe-sunucu:5433")},
                 {QStringLiteral("DATABASE NAME"), QStringLiteral("ALFA2026")}});
    aliases.save();
    s.YilAliasi = QStringLiteral("YIL2026");
    TFormVeriTabLogin year(0, QStringLiteral("NIMB"), {});
    EXPECT_EQ(year.windowTitle(), QStringLiteral("Veri Tabanı Açılışı"));
    EXPECT_EQ(year.serverBox()->currentText(), QStringLiteral("muhasebe-sunucu:5433"));
    EXPECT_EQ(year.databaseBox()->text(), QStringLiteral("ALFA2026"));
    EXPECT_FALSE(year.databaseBox()->isReadOnly());

    TFormVeriTabLogin firms(1, QStringLiteral("NIMB"), QStringLiteral("OrbitaSoft Veri Tabanı Açılışı"));
    EXPECT_EQ(firms.databaseBox()->text(), kFirmsDatabase);
    EXPECT_TRUE(firms.databaseBox()->isReadOnly());
    EXPECT_EQ(firms.serverBox()->currentText(), s.ServerAdi);
}
