#include "db/DbTransaction.h"
#include "demo/DemoData.h"
#include "services/SessionContext.h"
#include "session/CompanionProgram.h"
#include "session/DesktopCalculator.h"
#include "session/HelpFile.h"
#include "session/LaunchParameters.h"
#include "session/MenuRights.h"
#include "session/MenuTree.h"
#include "session/NimboSettings.h"
#include "session/ProgramEntry.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

// Empty values travel as "¢" so that the receiving program still counts six fields.
TEST(MenuLaunchParameters, EmptyValuesBecomeTheCentSign)
{
    EXPECT_EQ(LaunchParameters::build(QStringLiteral("DEMO2026"), QStringLiteral("YONETICI"), QStringLiteral("1234"),
                                      QStringLiteral("NIMB"), QString(), QStringLiteral("2026")),
              QStringLiteral(" DEMO2026 YONETICI 1234 NIMB ¢ 2026"));
    const QString allEmpty = LaunchParameters::build(QStringLiteral("A"), {}, {}, {}, {}, {});
    EXPECT_EQ(allEmpty, QStringLiteral(" A ¢ ¢ ¢ ¢ ¢"));
    EXPECT_EQ(LaunchParameters::arguments(allEmpty),
              (QStringList{QStringLiteral("A"), QStringLiteral("¢"), QStringLiteral("¢"), QStringLiteral("¢"),
                           QStringLiteral("¢"), QStringLiteral("¢")}));
}

namespace {
class MenuEntryTest : public YearDbTest {};
} // namespace

// The access tree's creation logs the entry with the staff code, reads ODEKAPAC into the
// session and builds the parameter string from the session and the connection.
TEST_F(MenuEntryTest, EntryLogsReadsSwitchAndBuildsParameters)
{
    loginAs(QStringLiteral("AYSE"));
    SessionContext& s = SessionContext::current();
    s.YilAliasi = QStringLiteral("DEMO2026");
    s.KullaniciSifresi = QString();
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("UPDATE KIMKUL SET PERSON_KOD = 'P007' WHERE KULLANICI = 'AYSE'"));
        db.exec(QStringLiteral("UPDATE PARAMET SET ODEKAPAC = 'A'"));
        db.exec(QStringLiteral("INSERT INTO EKIM (FIRMA_ADI, ACE, PRGYOLU) VALUES ('Lisans AŞ', 'Ctrl+M', '/opt/x')"));
        tx.commit();
    }
    ProgramEntry::enter(db, s);
    ProgramEntry::enter(db, s);
    const QVector<QSqlRecord> log = db.records(QStringLiteral("SELECT KULLANICI, TIP, ACIKLAMA, TARIH FROM PROSES"));
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(toText(log.first().value(0)), QStringLiteral("AYSE"));
    EXPECT_EQ(toText(log.first().value(1)), QStringLiteral("G"));
    EXPECT_EQ(toText(log.first().value(2)), QStringLiteral("Programa Giriş P007"));
    EXPECT_EQ(toDateTime(log.first().value(3)).date(), QDate::currentDate());
    EXPECT_EQ(s.param.ODEKAPAC, QStringLiteral("A"));
    EXPECT_EQ(LaunchParameters::current(),
              QStringLiteral(" DEMO2026 AYSE ¢ ") + db.params().user + QStringLiteral(" ¢ 2026"));

    const Installation ekim = ProgramEntry::readInstallation(db);
    EXPECT_EQ(ekim.prgYolu, QStringLiteral("/opt/x"));
    EXPECT_EQ(ProgramEntry::mainTitle(ekim, s), QStringLiteral("Lisans AŞ (VT : DEMO2026) (KULLANICI : AYSE)"));

    // Without a user (cancelled login at a firm change) nothing is logged.
    s.clearUser();
    ProgramEntry::enter(db, s);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM PROSES")).toInt(), 2);
}

// The demo firm's menu carries every caption of the dispatch table; the full-rights user has
// every entry, the sales clerk a subset.
TEST_F(MenuEntryTest, DemoMenuCarriesEveryDispatchCaption)
{
    {
        DbTransaction tx(db);
        demo::fillMenuDemo(db, 2026);
        tx.commit();
    }
    QSet<QString> inMenu;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT TANIM FROM MENULIST WHERE PARENT <> 0")))
        inMenu << toText(r.value(0)).trimmed();
    for (const MenuRight& r : MenuRights::table())
        EXPECT_TRUE(inMenu.contains(r.caption)) << r.caption.toStdString();

    const int entries = db.scalar(QStringLiteral("SELECT COUNT(*) FROM MENULIST WHERE PARENT <> 0")).toInt();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM KIMKULMENU WHERE KULLANICI = 'YONETICI'")).toInt(),
              entries);
    const int satis = db.scalar(QStringLiteral("SELECT COUNT(*) FROM KIMKULMENU WHERE KULLANICI = 'SATIS'")).toInt();
    EXPECT_GT(satis, 0);
    EXPECT_LT(satis, entries);
    const MenuTree tree(db, QStringLiteral("SATIS"));
    EXPECT_FALSE(tree.favourites().isEmpty());
    EXPECT_EQ(tree.groups().size(), MenuTree(db, QStringLiteral("YONETICI")).groups().size());
}

namespace {
class CompanionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prompter = std::make_unique<PrompterScope>();
        for (auto k : {CompanionProgram::Kind::Ledger, CompanionProgram::Kind::Maintenance,
                       CompanionProgram::Kind::BarcodeLabel})
            NimboSettings::setValue(QStringLiteral("PROGRAMLAR"), CompanionProgram::settingKey(k), QString());
        c.setActivator([this](const QString& title) {
            asked << title;
            return running.contains(title);
        });
        c.setStarter([this](const QString& program, const QStringList& args) {
            started << program;
            startArgs = args;
            return true;
        });
    }
    QString fakeProgram(const QString& name)
    {
        const QString path = QDir(TestEnv::tempDir()).filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexit 0\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }

    std::unique_ptr<PrompterScope> prompter;
    CompanionProgram c;
    QStringList asked, started, startArgs, running;
};
} // namespace

// A running program is brought forward and not started again; otherwise the configured
// executable starts with the parameter string; a missing one says which setting to fix.
TEST_F(CompanionTest, FoundByTitleOrStartedWithParametersOrReportedMissing)
{
    EXPECT_EQ(CompanionProgram::executable(CompanionProgram::Kind::Maintenance), QStringLiteral("nimbo-admin"));
    EXPECT_EQ(NimboSettings::value(QStringLiteral("PROGRAMLAR"), QStringLiteral("Bakim")), QStringLiteral("nimbo-admin"));

    running << QStringLiteral("Muhasebe");
    EXPECT_TRUE(c.run(CompanionProgram::Kind::Ledger, QStringLiteral(" DEMO2026 U ¢ NIMB ¢ 2026")));
    EXPECT_TRUE(started.isEmpty());

    const QString barkod = fakeProgram(QStringLiteral("barkod-test"));
    NimboSettings::setValue(QStringLiteral("PROGRAMLAR"), QStringLiteral("Barkod"), barkod);
    EXPECT_TRUE(c.run(CompanionProgram::Kind::BarcodeLabel, QStringLiteral(" DEMO2026 U ¢ NIMB ¢ 2026")));
    EXPECT_EQ(started, QStringList{barkod});
    EXPECT_EQ(startArgs, (QStringList{QStringLiteral("DEMO2026"), QStringLiteral("U"), QStringLiteral("¢"),
                                      QStringLiteral("NIMB"), QStringLiteral("¢"), QStringLiteral("2026")}));
    // A bare name is found in the installation's program path.
    NimboSettings::setValue(QStringLiteral("PROGRAMLAR"), QStringLiteral("Muhasebe"), QStringLiteral("muhasebe-test"));
    fakeProgram(QStringLiteral("muhasebe-test"));
    running.clear();
    c.setProgramPath(TestEnv::tempDir());
    EXPECT_TRUE(c.run(CompanionProgram::Kind::Ledger, {}));
    EXPECT_EQ(started.last(), QDir(TestEnv::tempDir()).filePath(QStringLiteral("muhasebe-test")));

    NimboSettings::setValue(QStringLiteral("PROGRAMLAR"), QStringLiteral("Muhasebe"), QStringLiteral("yok-boyle-program"));
    // Said in plain words: what is missing and what to do, not which setting to edit.
    (*prompter)->expectWarn(QStringLiteral("Genel Muhasebe programı bu bilgisayarda bulunamadı (yok-boyle-program).\n"
                                           "Programı bu bilgisayara kurunuz*"));
    EXPECT_FALSE(c.run(CompanionProgram::Kind::Ledger, {}));
    EXPECT_EQ(started.size(), 2);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("Muhasebe"), QStringLiteral("Barkod Etiketi"),
                                  QStringLiteral("Muhasebe"), QStringLiteral("Muhasebe")}));
}

// The calculator is whichever usual one is on PATH; without one the user is told so.
TEST(MenuDesktopTools, CalculatorFoundOnPathOrReported)
{
    PrompterScope prompter;
    const QByteArray oldPath = qgetenv("PATH");
    const QString dir = QDir(TestEnv::tempDir()).filePath(QStringLiteral("calcpath"));
    QDir().mkpath(dir);
    qputenv("PATH", dir.toLocal8Bit());
    prompter->expectWarn(QStringLiteral("Bu bilgisayarda hesap makinesi programı bulunamadı.*"));
    EXPECT_TRUE(DesktopCalculator::find().isEmpty());
    EXPECT_FALSE(DesktopCalculator::start());

    QFile f(QDir(dir).filePath(QStringLiteral("galculator")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nexit 0\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    EXPECT_EQ(DesktopCalculator::find(), f.fileName());
    qputenv("PATH", oldPath);
}

// The main form's page of the Turkish guide ships with the program and tells what the form holds.
TEST(MenuDesktopTools, HelpPageIsFoundAndTurkish)
{
    const QString path = HelpFile::pageFor(QStringLiteral("MainForm"));
    ASSERT_TRUE(path.endsWith(QStringLiteral("/MainForm.html"))) << path.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("lang=\"tr\"")));
    for (const char* c : {"Firma Seçimi", "Şifre Onay", "Kullanıcı Seçimleri", "Kısayol Ekle", "Döviz Kurları",
                          "[PROGRAMLAR]"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(c))) << c;
}
