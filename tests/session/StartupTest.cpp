#include "db/AliasStore.h"
#include "db/Paths.h"
#include "services/SessionContext.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"
#include "session/NimboSettings.h"
#include "SessionSteps.h"
#include "support/StartupFixture.h"

#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

namespace {
struct AskerLog {
    int calls = 0;
    QList<int> modes;
    QStringList captions;
};

FirmSelection::DbLoginAsker typing(AskerLog& log, QStringList servers)
{
    return [&log, servers](int mode, const QString&, const QString& caption) mutable {
        ++log.calls;
        log.modes << mode;
        log.captions << caption;
        VeriTabaniGirisSonucu r;
        if (servers.isEmpty())
            return r; // "Vazgeç"
        r.server = servers.takeFirst();
        r.kabul = QStringLiteral("1");
        return r;
    };
}

QString unreachableServer()
{
    return TestEnv::isPg() ? QStringLiteral("127.0.0.1:1") : TestEnv::tempDir() + QStringLiteral("/bos-klasor");
}
} // namespace

// No settings file and no former alias: the database-opening dialog asks for the server,
// the firms alias is written with the typed server, and so is NIMBO.ini, so that the next
// start goes straight to the firm list.
TEST_F(StartupTest, FirstStartAsksForServerAndRemembersIt)
{
    addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
    ASSERT_FALSE(QFile::exists(Paths::settingsFile()));
    // An installation may name its engine; the server is what the user must type.
    if (TestEnv::isPg())
        NimboSettings::setSurucu(TestEnv::driver());
    AliasStore aliases;
    AskerLog log;
    FirmSelection sel(s, aliases, typing(log, {server().server}));
    ASSERT_TRUE(sel.prepare());
    EXPECT_EQ(log.calls, 1);
    EXPECT_EQ(log.modes, QList<int>{1});
    EXPECT_EQ(log.captions.value(0), QStringLiteral("OrbitaSoft Veri Tabanı Açılışı"));
    EXPECT_EQ(sel.state(), 0);
    EXPECT_EQ(NimboSettings::serverAdi(), server().server);
    EXPECT_EQ(AliasStore().read(kFirmsAlias).param(QStringLiteral("SERVER NAME")), server().server);
    EXPECT_EQ(sel.firms(), QStringList{QStringLiteral("TEST FİRMA")});
    sel.close();

    // Second start: the server comes from the settings file, no dialog.
    s.reset();
    s.ServerAdi = NimboSettings::serverAdi();
    AliasStore again;
    AskerLog log2;
    FirmSelection sel2(s, again, typing(log2, {}));
    EXPECT_TRUE(sel2.prepare());
    EXPECT_EQ(log2.calls, 0);
    sel2.close();
}

// Cancelling the dialog, or leaving the server empty, ends the program without writing
// the server anywhere.
TEST_F(StartupTest, CancelledOrEmptyServerDialogEndsTheProgram)
{
    NimboSettings::setSurucu(TestEnv::driver());
    for (const QStringList& typed : {QStringList{}, QStringList{QStringLiteral("  ")}}) {
        s.reset();
        AliasStore aliases;
        AskerLog log;
        FirmSelection sel(s, aliases, typing(log, typed));
        EXPECT_FALSE(sel.prepare());
        EXPECT_EQ(log.calls, 1);
        EXPECT_TRUE(NimboSettings::serverAdi().isEmpty());
    }
}

// A server name from the settings file that no longer answers ends the program at the
// first failure: one error, no dialog, no retry.
TEST_F(StartupTest, UnreachableServerFromSettingsEndsAfterFirstFailure)
{
    useServerFromSettings(s, {TestEnv::driver(), unreachableServer()});
    (**prompter).expectError(QStringLiteral("Hata:*"));
    AliasStore aliases;
    AskerLog log;
    FirmSelection sel(s, aliases, typing(log, {server().server}));
    EXPECT_FALSE(sel.prepare());
    EXPECT_EQ(log.calls, 0);
    EXPECT_EQ(sel.attempts(), 1);
    EXPECT_EQ(NimboSettings::serverAdi(), unreachableServer());
}

// With the server typed by hand, failures are retried through the dialog, four attempts
// at most; a server taken from the former alias is tried once without asking.
TEST_F(StartupTest, FormerAliasServerIsTriedThenTheUserIsAskedFourTimesAtMost)
{
    {
        AliasStore a;
        a.add(kOldAlias, TestEnv::driver(), {{QStringLiteral("SERVER NAME"), unreachableServer()}});
        a.save();
    }
    for (int i = 0; i < 4; ++i)
        (**prompter).expectError(QStringLiteral("Hata:*"));
    AliasStore aliases;
    AskerLog log;
    const QString bad = unreachableServer();
    FirmSelection sel(s, aliases, typing(log, {bad + QStringLiteral("x"), bad, bad + QStringLiteral("y")}));
    EXPECT_FALSE(sel.prepare());
    EXPECT_EQ(log.calls, 3); // attempt 1 used the former alias's server
    EXPECT_EQ(sel.attempts(), 4);
    EXPECT_TRUE(NimboSettings::serverAdi().isEmpty());
}

// A year whose alias exists is used as it is, even when FIRMALAR now names another
// server or database for it; without an alias and without server data the user is told.
TEST_F(StartupTest, ExistingYearAliasIsUsedUnchanged)
{
    const QString real = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
    addUser(real, QStringLiteral("ALI"), QStringLiteral("pw"), {1});
    editFirmRegister(server(),
                     {QStringLiteral("UPDATE FIRMALAR SET SERVERADI = 'baska-sunucu', DBADI = 'BASKA2026'"),
                      QStringLiteral("INSERT INTO FIRMALAR (FIRMA_ADI, YILI, ALIASADI, SERVERADI, DBADI, SUBENO) "
                                     "VALUES ('TEST FİRMA', '2027', 'YENIYIL2027', '', '', 1)")});
    useServerFromSettings(s, server());
    AliasStore aliases;
    FirmSelection sel(s, aliases, nullptr);
    ASSERT_TRUE(sel.prepare());
    const QVector<FirmYear> years = sel.years(QStringLiteral("TEST FİRMA"));
    ASSERT_EQ(years.size(), 2);
    EXPECT_EQ(years.last().yili, QStringLiteral("2027")); // newest last

    (**prompter).expectWarn(QStringLiteral("Firmalardan server ve veritabanı bilgilerini doldurunuz."));
    EXPECT_FALSE(sel.accept(QStringLiteral("TEST FİRMA"), years.last()));
    EXPECT_FALSE(AliasStore().exists(QStringLiteral("YENIYIL2027")));

    ASSERT_TRUE(sel.accept(QStringLiteral("TEST FİRMA"), years.first()));
    sel.close();
    EXPECT_EQ(AliasStore().read(real).param(QStringLiteral("DATABASE NAME")), real);
    EXPECT_EQ(UserMemory::firma(), QStringLiteral("TEST FİRMA"));
    ASSERT_TRUE(openYearDatabase(s, aliases));
    EXPECT_TRUE(s.DbAdi.endsWith(QStringLiteral("2026")));
    EXPECT_EQ(s.CalismaYiliNo, 2026);
    EXPECT_EQ(s.BazTarih, QDate(2000, 1, 1));
    EXPECT_TRUE(s.MobilBaglanti.startsWith(QStringLiteral("Provider=SQLOLEDB.1;User ID=MOBIL;")));
}

// A year database whose name ends in another year is refused while the data modules are
// created, before any login.
TEST_F(StartupTest, YearDatabaseOfAnotherYearIsRefusedBeforeLogin)
{
    const QString wrong = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2025"));
    // Point the 2026 row of the register at the 2025 database through its alias.
    editFirmRegister(server(), {QStringLiteral("UPDATE FIRMALAR SET YILI = '2026'")});
    useServerFromSettings(s, server());
    AliasStore aliases;
    ASSERT_TRUE(chooseNewestYear(s, aliases, QStringLiteral("TEST FİRMA")));
    EXPECT_EQ(s.CalismaYili, QStringLiteral("2026"));
    (**prompter).expectError(QStringLiteral("Hata: Firma yılı ile veritabanı ismi uyumsuz!"));
    EXPECT_FALSE(openYearDatabase(s, aliases));
    EXPECT_FALSE(s.db().isValid());
    EXPECT_TRUE(s.KullaniciAdi.isEmpty());
}

// A year alias that points nowhere: the year database cannot be opened.
TEST_F(StartupTest, MissingYearDatabaseIsReported)
{
    AliasStore aliases;
    aliases.add(QStringLiteral("KAYIP2026"), TestEnv::driver(),
                {{QStringLiteral("SERVER NAME"), server().server}, {QStringLiteral("DATABASE NAME"), QStringLiteral("KAYIP2026")}});
    aliases.save();
    s.YilAliasi = QStringLiteral("KAYIP2026");
    s.CalismaYili = QStringLiteral("2026");
    (**prompter).expectError(QStringLiteral("Veri Tabanına Giriş Hatası: *"));
    EXPECT_FALSE(openYearDatabase(s, aliases));
}

// Damaged settings and alias files count as absent: the server is asked for and written
// again, the firms alias is recreated with it, and a year alias lost with the file is
// rebuilt from FIRMALAR. A year alias whose driver no engine knows cannot open the year.
TEST_F(StartupTest, DamagedSettingsAndAliasFilesActAsAbsent)
{
    const QString year = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
    for (const QString& file : {Paths::settingsFile(), Paths::aliasFile()}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x01\x02[[[bozuk\nServerAdi\n[SERVER\n=\n");
    }
    if (TestEnv::isPg())
        NimboSettings::setSurucu(TestEnv::driver());
    ASSERT_TRUE(NimboSettings::serverAdi().isEmpty());
    AliasStore aliases;
    ASSERT_FALSE(aliases.exists(kFirmsAlias));
    AskerLog log;
    FirmSelection sel(s, aliases, typing(log, {server().server}));
    ASSERT_TRUE(sel.prepare());
    EXPECT_EQ(log.calls, 1);
    EXPECT_EQ(NimboSettings::serverAdi(), server().server);
    EXPECT_EQ(AliasStore().read(kFirmsAlias).param(QStringLiteral("SERVER NAME")), server().server);
    EXPECT_EQ(AliasStore().read(kFirmsAlias).driver, TestEnv::driver());
    ASSERT_TRUE(sel.accept(QStringLiteral("TEST FİRMA"), sel.years(QStringLiteral("TEST FİRMA")).last()));
    sel.close();
    EXPECT_EQ(AliasStore().read(year).param(QStringLiteral("DATABASE NAME")), year);
    ASSERT_TRUE(openYearDatabase(s, aliases));
    closeYearDatabase();

    aliases.add(year, QStringLiteral("BILINMEYEN"), AliasStore().read(year).params);
    (**prompter).expectError(QStringLiteral("Veri Tabanına Giriş Hatası: *"));
    EXPECT_FALSE(openYearDatabase(s, aliases));
    EXPECT_FALSE(s.db().isValid());
}
