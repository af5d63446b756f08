#include "db/AliasStore.h"
#include "services/SessionContext.h"
#include "session/CompanionSession.h"
#include "session/DataModules.h"
#include "session/LaunchParameters.h"
#include "SessionSteps.h"
#include "support/StartupFixture.h"

using namespace nimbo;
using namespace nimbo::test;

// The launch string the main form builds reads back into the same values, "¢" meaning
// empty; anything that is not six values (a bare start, an option) is not a launch string.
TEST(LaunchValues, LaunchStringReadsBackItsValues)
{
    const QString launch = LaunchParameters::build(QStringLiteral("DEMO2026"), QStringLiteral("ALİ"), QString(),
                                                   QStringLiteral("NIMB"), QString(), QStringLiteral("2026"));
    const auto v = LaunchValues::parse(LaunchParameters::arguments(launch));
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->alias, QStringLiteral("DEMO2026"));
    EXPECT_EQ(v->user, QStringLiteral("ALİ"));
    EXPECT_TRUE(v->password.isEmpty());
    EXPECT_EQ(v->dbUser, QStringLiteral("NIMB"));
    EXPECT_TRUE(v->dbPassword.isEmpty());
    EXPECT_EQ(v->year, QStringLiteral("2026"));

    EXPECT_FALSE(LaunchValues::parse({}).has_value());
    EXPECT_FALSE(LaunchValues::parse({QStringLiteral("DEMO2026"), QStringLiteral("ALİ")}).has_value());
    EXPECT_FALSE(LaunchValues::parse(LaunchParameters::arguments(launch) << QStringLiteral("fazla")).has_value());
    EXPECT_FALSE(LaunchValues::parse({QStringLiteral("--help"), QStringLiteral("a"), QStringLiteral("b"),
                                      QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")})
                     .has_value());
}

// The ledger program opens the year named by the launch string and logs the user in with its
// password; a wrong password is refused with the login's message and leaves no database open.
TEST_F(StartupTest, CompanionOpensTheYearOfTheLaunchStringAndLogsIn)
{
    const QString real = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
    addUser(real, QStringLiteral("ALI"), QStringLiteral("pw"), {2});
    useServerFromSettings(s, server());
    AliasStore aliases;
    ASSERT_TRUE(chooseNewestYear(s, aliases, QStringLiteral("TEST FİRMA")));
    const QString alias = s.YilAliasi;

    s.clearUser();
    (**prompter).expectWarn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"));
    QString why;
    EXPECT_FALSE(CompanionSession::open(s, aliases, {alias, QStringLiteral("ALI"), QStringLiteral("yanlış"), {}, {},
                                                     QStringLiteral("2026")},
                                        &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(s.db().isValid());

    ASSERT_TRUE(CompanionSession::open(
        s, aliases, {alias, QStringLiteral("ali"), QStringLiteral("pw"), {}, {}, QStringLiteral("2026")}, &why))
        << why.toStdString();
    EXPECT_EQ(s.KullaniciAdi, QStringLiteral("ALI"));
    EXPECT_EQ(s.SubeKodu, 2); // the only branch he may enter
    EXPECT_EQ(s.CalismaYiliNo, 2026);
    EXPECT_TRUE(s.db().isValid());
    closeYearDatabase();
}
