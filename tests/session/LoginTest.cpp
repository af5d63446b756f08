#include "db/AliasStore.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"
#include "session/Login.h"
#include "session/NimboSettings.h"
#include "SessionSteps.h"
#include "support/StartupFixture.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class LoginTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        dbName = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
        addUser(dbName, QStringLiteral("Mehmet"), QStringLiteral("Gizli1"), {1});
        addUser(dbName, QStringLiteral("SUBESIZ"), QStringLiteral("x"), {});
        useServerFromSettings(s, server());
        AliasStore aliases;
        ASSERT_TRUE(chooseNewestYear(s, aliases, QStringLiteral("TEST FİRMA")));
        ASSERT_TRUE(openYearDatabase(s, aliases));
    }
    QString dbName;
};
} // namespace

// The name is found whatever its letter case; the password must match exactly; the
// branch must be one of the user's; every refusal keeps the user out.
TEST_F(LoginTest, NameIgnoresCasePasswordDoesNotBranchMustBeAllowed)
{
    Login login(s, s.db());
    EXPECT_EQ(login.initialUser(), QStringLiteral("3"));
    EXPECT_EQ(login.initialBranch().toInt(), 0);
    QStringList names;
    for (const PickItem& b : login.branches())
        names << b.text;
    EXPECT_FALSE(names.contains(QStringLiteral("ORBITA WEB")));
    EXPECT_EQ(names.size(), 2);

    (**prompter)
        .expectWarn(QStringLiteral("Program Kullanıcı Adı Yazılmadan Açılmaz!"))
        .expectWarn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"))
        .expectWarn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"))
        .expectWarn(QStringLiteral("Lütfen şube seçiniz !"))
        .expectWarn(QStringLiteral("Bu şubeye giriş yetkiniz yok !"));
    EXPECT_EQ(login.tamam(QString(), QStringLiteral("Gizli1"), 1), Login::Outcome::EmptyUser);
    EXPECT_EQ(login.focus(), Login::Focus::User);
    EXPECT_EQ(login.tamam(QStringLiteral("MEHMET"), QStringLiteral("gizli1"), 1), Login::Outcome::BadPassword);
    EXPECT_EQ(login.focus(), Login::Focus::Password);
    // SQL typed as a name is plain data.
    EXPECT_EQ(login.tamam(QStringLiteral("x' OR '1'='1"), QStringLiteral("' OR '1'='1"), 1), Login::Outcome::BadPassword);
    EXPECT_EQ(login.tamam(QStringLiteral("mehmet"), QStringLiteral("Gizli1"), QVariant()), Login::Outcome::NoBranch);
    EXPECT_EQ(login.focus(), Login::Focus::Branch);
    EXPECT_EQ(login.tamam(QStringLiteral("mehmet"), QStringLiteral("Gizli1"), 2), Login::Outcome::BranchRefused);
    EXPECT_FALSE(login.succeeded());

    EXPECT_EQ(login.tamam(QStringLiteral("mehmet"), QStringLiteral("Gizli1"), 1), Login::Outcome::Success);
    EXPECT_EQ(s.KullaniciAdi, QStringLiteral("Mehmet"));
    EXPECT_EQ(s.KullaniciSifresi, QStringLiteral("Gizli1"));
    EXPECT_EQ(s.PersonelAdi, QStringLiteral("Ayşe Yılmaz"));
    EXPECT_EQ(s.hak(QStringLiteral("STKART")), QStringLiteral("H"));
    EXPECT_EQ(s.hak(QStringLiteral("BEYAN")), QStringLiteral("H")); // empty counts as "H"
    EXPECT_EQ(s.SubeKodu, 1);
    EXPECT_EQ(s.SubeKoduMetni, QStringLiteral("1"));
    EXPECT_TRUE(s.MerkezSube);
    EXPECT_EQ(s.MalAlacagiDepo, QStringLiteral("1"));
    EXPECT_EQ(s.ServisDepo, QStringLiteral("3"));
    login.close();
    EXPECT_EQ(s.KullaniciAdi, QStringLiteral("Mehmet")); // a successful close keeps the user

    // The next start remembers user and branch.
    Login next(s, s.db());
    EXPECT_EQ(next.initialUser(), QStringLiteral("mehmet"));
    EXPECT_EQ(next.initialBranch().toInt(), 1);
}

// A login dialog that closes without success (as after "&Firma Değiştir") leaves no user
// and no right that could pass.
TEST_F(LoginTest, CancelledLoginClearsUserAndEveryRight)
{
    Login first(s, s.db());
    ASSERT_EQ(first.tamam(QStringLiteral("Mehmet"), QStringLiteral("Gizli1"), 1), Login::Outcome::Success);
    ASSERT_TRUE(s.anyRight());
    s.KullaniciAdi.clear();
    Login again(s, s.db());
    EXPECT_FALSE(again.autoLogin());
    again.close();
    EXPECT_TRUE(s.KullaniciAdi.isEmpty());
    EXPECT_TRUE(s.KullaniciSifresi.isEmpty());
    EXPECT_FALSE(s.anyRight());
    EXPECT_TRUE(s.hak(QStringLiteral("STKART")).isEmpty());
}

// A user without any branch passes no branch check, and the shared lists end the program.
TEST_F(LoginTest, UserWithoutBranchesIsStoppedByTheSharedLists)
{
    (**prompter).expectWarn(QStringLiteral("Bu şubeye giriş yetkiniz yok !"));
    Login login(s, s.db());
    EXPECT_EQ(login.tamam(QStringLiteral("SUBESIZ"), QStringLiteral("x"), 1), Login::Outcome::BranchRefused);
    (**prompter).expectError(QStringLiteral("Kullanıcı ayarlarından şube kodunuz girilmemiş !"));
    EXPECT_FALSE(OrtakListeleriDoldur(s.db(), s)); // the user row was loaded by the check
    s.KullaniciAdi = QStringLiteral("Mehmet");
    EXPECT_TRUE(OrtakListeleriDoldur(s.db(), s));
    EXPECT_EQ(s.kullaniciSubeleri.size(), 1);
}

// Quotes and SQL typed as name or password are plain data, in the user check, in the
// branch check and in the shared branch list.
TEST_F(LoginTest, QuotesInNameAndPasswordArePlainData)
{
    const QString name = QStringLiteral("O'Brien\"--");
    const QString pw = QStringLiteral("a'b\";--");
    addUser(dbName, name, pw, {1});
    (**prompter)
        .expectWarn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"))
        .expectWarn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"))
        .expectWarn(QStringLiteral("Bu şubeye giriş yetkiniz yok !"));
    Login login(s, s.db());
    EXPECT_EQ(login.tamam(name, QStringLiteral("a'b"), 1), Login::Outcome::BadPassword);
    EXPECT_EQ(login.tamam(QStringLiteral("' OR 1=1 --"), pw, 1), Login::Outcome::BadPassword);
    EXPECT_EQ(login.tamam(name, pw, QStringLiteral("1 OR 1=1")), Login::Outcome::BranchRefused);
    ASSERT_EQ(login.tamam(name, pw, 1), Login::Outcome::Success);
    EXPECT_EQ(s.KullaniciAdi, name);
    EXPECT_EQ(s.KullaniciSifresi, pw);
    ASSERT_TRUE(OrtakListeleriDoldur(s.db(), s));
    EXPECT_EQ(s.kullaniciSubeleri.size(), 1);
    EXPECT_EQ(Login(s, s.db()).initialUser(), name);
}
