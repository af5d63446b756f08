#include "db/AliasStore.h"
#include "services/SessionContext.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"
#include "session/Login.h"
#include "session/MenuDispatch.h"
#include "session/NimboSettings.h"
#include "session/StartupSequence.h"
#include "SessionSteps.h"
#include "support/StartupFixture.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
// The start-up sequence with the dialogs played by the headless logic: the firm dialog
// takes the newest year of a named firm, the login types a name and password or cancels.
class StartupSequenceTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        first = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
        addUser(first, QStringLiteral("Mehmet"), QStringLiteral("Gizli1"), {1});
        useServerFromSettings(s, server());
    }

    StartupSequence::Dialogs dialogs()
    {
        StartupSequence::Dialogs d;
        d.firmaSecimi = [this]() {
            ++firmDialogs;
            if (firm.isEmpty())
                return false; // "İptal"
            return chooseNewestYear(s, aliases, firm);
        };
        d.login = [this]() {
            modulesOpenAtLogin = s.db().isValid() && Db::existing(kFirmsOfModule).isValid();
            Login login(s, s.db());
            if (!user.isEmpty())
                login.tamam(user, password, 1);
            login.close();
            return login.succeeded();
        };
        d.closeWindows = [this]() { ++windowsClosed; };
        return d;
    }

    bool modulesClosed() const { return !s.db().isValid() && !Db::existing(kFirmsOfModule).isValid(); }

    QString first;
    AliasStore aliases;
    QString firm = QStringLiteral("TEST FİRMA");
    QString user = QStringLiteral("Mehmet");
    QString password = QStringLiteral("Gizli1");
    int firmDialogs = 0;
    int windowsClosed = 0;
    bool modulesOpenAtLogin = false;
};
} // namespace

// The login comes after both data modules; a login that is not completed closes both and
// ends the program; a cancelled firm selection opens nothing; a completed one runs.
TEST_F(StartupSequenceTest, LoginNotCompletedClosesBothModules)
{
    StartupSequence seq(s, aliases, dialogs());
    user.clear();
    EXPECT_EQ(seq.start({QStringLiteral("nimbo")}), StartupSequence::Outcome::Ended);
    EXPECT_TRUE(modulesOpenAtLogin);
    EXPECT_TRUE(modulesClosed());
    EXPECT_TRUE(s.KullaniciAdi.isEmpty());

    firm.clear();
    modulesOpenAtLogin = false;
    EXPECT_EQ(seq.start({QStringLiteral("nimbo")}), StartupSequence::Outcome::Ended);
    EXPECT_FALSE(modulesOpenAtLogin); // no login without a firm
    EXPECT_TRUE(modulesClosed());

    firm = QStringLiteral("TEST FİRMA");
    user = QStringLiteral("Mehmet");
    ASSERT_EQ(seq.start({QStringLiteral("nimbo")}), StartupSequence::Outcome::Run);
    EXPECT_TRUE(s.db().isValid());
    EXPECT_EQ(s.KullaniciAdi, QStringLiteral("Mehmet"));
    EXPECT_EQ(s.kullaniciSubeleri.size(), 1); // the shared lists were filled for the user
    EXPECT_EQ(s.ServerAdi, server().server);
}

// "-d" turns the trace on only as the first argument, and exactly "-d".
TEST_F(StartupSequenceTest, TraceOnlyWithDashDAsFirstArgument)
{
    EXPECT_TRUE(StartupSequence::traceRequested({QStringLiteral("nimbo"), QStringLiteral("-d")}));
    EXPECT_TRUE(StartupSequence::traceRequested({QStringLiteral("nimbo"), QStringLiteral("-d"), QStringLiteral("x")}));
    EXPECT_FALSE(StartupSequence::traceRequested({QStringLiteral("nimbo"), QStringLiteral("x"), QStringLiteral("-d")}));
    EXPECT_FALSE(StartupSequence::traceRequested({QStringLiteral("nimbo"), QStringLiteral("-D")}));
    EXPECT_FALSE(StartupSequence::traceRequested({QStringLiteral("nimbo"), QStringLiteral("-d ")}));
    EXPECT_FALSE(StartupSequence::traceRequested({QStringLiteral("-d")})); // the program's own name

    // The server comes from the settings file, so the former alias is not looked at.
    (**prompter)
        .expect(ScriptedPrompter::Kind::Trace, QStringLiteral("başla"))
        .expect(ScriptedPrompter::Kind::Trace, QStringLiteral("show"))
        .expect(ScriptedPrompter::Kind::Trace, QStringLiteral("server adi bitti"))
        .expect(ScriptedPrompter::Kind::Trace, QStringLiteral("db open"));
    StartupSequence seq(s, aliases, dialogs());
    EXPECT_EQ(seq.start({QStringLiteral("nimbo"), QStringLiteral("-d")}), StartupSequence::Outcome::Run);
    EXPECT_TRUE(s.traceMode);
    closeYearDatabase();
    // Any other first argument shows nothing (an unexpected trace fails the test).
    EXPECT_EQ(seq.start({QStringLiteral("nimbo"), QStringLiteral("D"), QStringLiteral("-d")}),
              StartupSequence::Outcome::Run);
    EXPECT_FALSE(s.traceMode);
}

// "&Firma Değiştir" that ends without OK, also when the chosen year cannot be reached,
// leaves firm, year, user and the open database as they were.
TEST_F(StartupSequenceTest, CancelledFirmChangeChangesNothing)
{
    editFirmRegister(server(), {QStringLiteral("INSERT INTO FIRMALAR (FIRMA_ADI, YILI, ALIASADI, SERVERADI, DBADI, "
                                               "SUBENO) VALUES ('EKSİK FİRMA', '2027', 'EKSIK2027', '', '', 1)")});
    StartupSequence seq(s, aliases, dialogs());
    ASSERT_EQ(seq.start({QStringLiteral("nimbo")}), StartupSequence::Outcome::Run);
    const QString dbName = s.DbAdi;

    for (const QString& choice : {QString(), QStringLiteral("EKSİK FİRMA")}) {
        firm = choice;
        if (!choice.isEmpty())
            (**prompter).expectWarn(QStringLiteral("Firmalardan server ve veritabanı bilgilerini doldurunuz."));
        EXPECT_EQ(seq.changeFirm(), StartupSequence::Change::Unchanged);
        EXPECT_EQ(s.FirmaAdi, QStringLiteral("TEST FİRMA"));
        EXPECT_EQ(s.CalismaYili, QStringLiteral("2026"));
        EXPECT_EQ(s.CalismaYiliNo, 2026);
        EXPECT_EQ(s.YilAliasi, first);
        EXPECT_EQ(s.KullaniciAdi, QStringLiteral("Mehmet"));
        EXPECT_EQ(s.hak(QStringLiteral("STKART")), QStringLiteral("H"));
        EXPECT_TRUE(s.db().isValid());
        EXPECT_EQ(s.DbAdi, dbName);
        EXPECT_EQ(windowsClosed, 0);
    }
}

// A firm change opens the new year even when the user logged in before does not exist
// there; a cancelled login then leaves the main form without user, and every guarded
// command is refused while unguarded ones still run.
TEST_F(StartupSequenceTest, FirmChangeWithCancelledLoginLeavesNoUserAndNoRight)
{
    const QString other = addYear(QStringLiteral("BAŞKA FİRMA"), QStringLiteral("2025"));
    addUser(other, QStringLiteral("Zeynep"), QStringLiteral("z"), {1});
    StartupSequence seq(s, aliases, dialogs());
    ASSERT_EQ(seq.start({QStringLiteral("nimbo")}), StartupSequence::Outcome::Run);

    firm = QStringLiteral("BAŞKA FİRMA");
    user.clear();
    EXPECT_EQ(seq.changeFirm(), StartupSequence::Change::Changed);
    EXPECT_EQ(windowsClosed, 1);
    EXPECT_TRUE(modulesOpenAtLogin);
    EXPECT_EQ(s.FirmaAdi, QStringLiteral("BAŞKA FİRMA"));
    EXPECT_EQ(s.CalismaYili, QStringLiteral("2025"));
    EXPECT_TRUE(s.DbAdi.endsWith(QStringLiteral("2025")));
    EXPECT_TRUE(s.KullaniciAdi.isEmpty());
    EXPECT_TRUE(s.KullaniciSifresi.isEmpty());
    EXPECT_FALSE(s.anyRight());
    EXPECT_TRUE(s.kullaniciSubeleri.isEmpty());

    int started = 0;
    MenuDispatch dispatch(s, {[](const QString&, bool) { return true; }, [&started](MenuRight::Target) { ++started; }});
    for (const MenuRight& row : MenuRights::table()) {
        const MenuDispatch::Result want =
            row.test == MenuRight::Test::None ? MenuDispatch::Result::Opened : MenuDispatch::Result::Refused;
        EXPECT_EQ(dispatch.run(row.caption), want) << row.caption.toStdString();
    }
    EXPECT_EQ(started, 1); // "Genel Muhasebe" needs no right, "Sistem Yönetimi" does

    // The user of the new firm logs in at the next change back and forth.
    user = QStringLiteral("Zeynep");
    password = QStringLiteral("z");
    EXPECT_EQ(seq.changeFirm(), StartupSequence::Change::Changed);
    EXPECT_EQ(s.KullaniciAdi, QStringLiteral("Zeynep"));
    EXPECT_EQ(s.hak(QStringLiteral("STKFIS")), QStringLiteral("H"));
    EXPECT_EQ(s.kullaniciSubeleri.size(), 1);
}
