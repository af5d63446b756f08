#include "db/Paths.h"
#include "session/NimboSettings.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QSettings>

using namespace nimbo;
using namespace nimbo::test;

namespace {
// Points the program and configuration folders elsewhere for one test.
class FolderScope {
public:
    FolderScope(const QString& program, const QString& config)
        : m_program(Paths::programDir()), m_config(Paths::configDir())
    {
        Paths::setProgramDir(program);
        Paths::setConfigDir(config);
    }
    ~FolderScope()
    {
        Paths::setProgramDir(m_program);
        Paths::setConfigDir(m_config);
    }

private:
    QString m_program, m_config;
};

// A folder that can never be created: its parent is a plain file.
QString unwritableFolder(const QString& stem)
{
    const QString file = TestEnv::tempDir() + QStringLiteral("/%1-dosya").arg(stem);
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    return file + QStringLiteral("/program");
}
} // namespace

// An installed program cannot write beside its executable: NIMBO.ini and the work folders go
// to the user's folders, and what is written there is read back.
TEST(SettingsLocation, UnwritableProgramFolderMovesSettingsToTheUser)
{
    const QString config = TestEnv::tempDir() + QStringLiteral("/kullanici-ayar");
    QDir(config).removeRecursively();
    FolderScope scope(unwritableFolder(QStringLiteral("kurulu")), config);
    EXPECT_EQ(QDir::cleanPath(Paths::settingsFile()), QDir::cleanPath(config + QStringLiteral("/NIMBO.ini")));
    EXPECT_FALSE(Paths::workDir().startsWith(Paths::programDir()));
    EXPECT_TRUE(Paths::logFile().startsWith(Paths::workDir()));

    PrompterScope prompter;
    EXPECT_TRUE(NimboSettings::setServerAdi(QStringLiteral("sunucu1")));
    EXPECT_EQ(NimboSettings::serverAdi(), QStringLiteral("sunucu1"));
    EXPECT_EQ(QSettings(config + QStringLiteral("/NIMBO.ini"), QSettings::IniFormat).value("SERVER/ServerAdi").toString(),
              QStringLiteral("sunucu1"));

    // A writable program folder keeps NIMBO.ini beside the program.
    const QString program = TestEnv::tempDir() + QStringLiteral("/yazilabilir-program");
    FolderScope writable(program, config);
    EXPECT_EQ(QDir::cleanPath(Paths::settingsFile()), QDir::cleanPath(program + QStringLiteral("/NIMBO.ini")));
    EXPECT_EQ(Paths::workDir(), Paths::programDir());
}

// A setting that cannot be written anywhere is told to the user, not dropped in silence.
TEST(SettingsLocation, FailedWriteIsReported)
{
    FolderScope scope(unwritableFolder(QStringLiteral("p")), unwritableFolder(QStringLiteral("c")));
    PrompterScope prompter;
    prompter->expectWarn(QStringLiteral("Ayar kaydedilemedi: %1 dosyasına yazılamıyor. Dosyanın ve klasörün "
                                        "yazılabilir olduğundan emin olunuz.")
                             .arg(QDir::toNativeSeparators(Paths::settingsFile())));
    EXPECT_FALSE(NimboSettings::setServerAdi(QStringLiteral("sunucu2")));
}
