#include "db/Paths.h"
#include "services/SessionContext.h"
#include "session/FirmSelection.h"
#include "session/NimboSettings.h"
#include "session/ServerFinder.h"
#include "support/StartupFixture.h"

#include <QTcpServer>

using namespace nimbo;
using namespace nimbo::test;

// Only hosts that accept a connection on the port are returned, each once, with the
// network-browser backslashes removed; a closed port answers nothing.
TEST(ServerFinder, ReturnsOnlyHostsThatAcceptTheConnection)
{
    QTcpServer listening;
    ASSERT_TRUE(listening.listen(QHostAddress::LocalHost));
    const int open = listening.serverPort();
    EXPECT_EQ(SunucuAra({QStringLiteral("\\\\127.0.0.1"), QStringLiteral("127.0.0.1")}, open, 1000),
              QStringList{QStringLiteral("127.0.0.1")});

    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const int closed = probe.serverPort();
    probe.close();
    EXPECT_TRUE(SunucuAra({QStringLiteral("127.0.0.1")}, closed, 1000).isEmpty());
}

TEST(ServerFinder, CandidatesAndPortComeFromTheSettingsFile)
{
    NimboSettings::setValue(QStringLiteral("SERVER"), QStringLiteral("AramaPortu"), QStringLiteral("15432"));
    EXPECT_EQ(NimboSettings::aramaPortu(), 15432);
    NimboSettings::setValue(QStringLiteral("SERVER"), QStringLiteral("AramaPortu"), QString());
    EXPECT_EQ(NimboSettings::aramaPortu(), 1433);
    EXPECT_EQ(NimboSettings::aramaAdaylari().size(), 1); // this workstation when none are listed
}

// Trace mode shows its short words at the traced steps, in order.
TEST_F(StartupTest, TraceModeShowsTheStepWords)
{
    addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
    NimboSettings::setSurucu(TestEnv::driver());
    s.traceMode = true;
    for (const char* w : {"show", "eski alias kontrolü", "server adi bitti", "db open"})
        (**prompter).expect(ScriptedPrompter::Kind::Trace, QString::fromUtf8(w));
    AliasStore aliases;
    FirmSelection sel(s, aliases, [this](int, const QString&, const QString&) {
        VeriTabaniGirisSonucu r;
        r.server = server().server;
        r.kabul = QStringLiteral("1");
        return r;
    });
    EXPECT_TRUE(sel.prepare());
    sel.close();
}
