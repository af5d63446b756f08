#include "db/Paths.h"
#include "session/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace nimbo;

namespace {
void touch(const QString& file, const QByteArray& text = "<html lang=\"tr\"></html>")
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
    f.write(text);
}

struct ConfigDirScope {
    QString old = Paths::configDir();
    explicit ConfigDirScope(const QString& dir) { Paths::setConfigDir(dir); }
    ~ConfigDirScope() { Paths::setConfigDir(old); }
};
} // namespace

// An installed program (prefix/bin + prefix/share/nimbosoft) and a build tree (help/ beside the
// binaries) find the guide and their data in different places with the same binaries.
TEST(InstallLayout, DataAndHelpAreFoundInstalledAndInTheBuildTree)
{
    QTemporaryDir tmp;
    const QString root = tmp.path();

    const QString prefixBin = root + "/opt/nimbo/bin";
    QDir().mkpath(prefixBin);
    touch(root + "/opt/nimbo/share/nimbosoft/help/index.html");
    EXPECT_TRUE(Paths::isInstalled(prefixBin));
    EXPECT_EQ(Paths::dataDirFor(prefixBin), root + "/opt/nimbo/share/nimbosoft/");
    EXPECT_EQ(HelpFile::folderFor(prefixBin), root + "/opt/nimbo/share/nimbosoft/help");
    EXPECT_EQ(Paths::systemSettingsFileFor(prefixBin), root + "/opt/nimbo/etc/nimbosoft/NIMBO.ini");
    EXPECT_EQ(Paths::systemSettingsFileFor("/usr/bin"), "/etc/nimbosoft/NIMBO.ini");

    // A build folder has the guide beside its binaries; a share/ above it does not make it installed.
    const QString buildBin = root + "/src/build/bin";
    touch(buildBin + "/help/index.html");
    touch(root + "/src/build/share/nimbosoft/help/index.html");
    EXPECT_FALSE(Paths::isInstalled(buildBin));
    EXPECT_EQ(Paths::dataDirFor(buildBin), buildBin + "/");
    EXPECT_EQ(HelpFile::folderFor(buildBin), buildBin + "/help");

    // A build folder that has not copied the guide yet falls back to the source tree's docs/help.
    const QString freshBin = root + "/src/fresh/bin";
    QDir().mkpath(freshBin);
    touch(root + "/src/docs/help/index.html");
    EXPECT_FALSE(Paths::isInstalled(freshBin));
    EXPECT_EQ(HelpFile::folderFor(freshBin), root + "/src/docs/help");

    // Nothing anywhere: no guide rather than a wrong path.
    const QString bare = root + "/bare/bin";
    QDir().mkpath(bare);
    EXPECT_FALSE(Paths::isInstalled(bare));
    EXPECT_TRUE(HelpFile::folderFor(bare).isEmpty());
}

// The workstation-wide NIMBO.ini is each user's starting point, copied once: what the user's
// program writes later (a server typed at the first start) is never overwritten.
TEST(InstallLayout, WorkstationSettingsSeedTheUsersOnce)
{
    QTemporaryDir tmp;
    const QString bin = tmp.path() + "/usr/bin";
    QDir().mkpath(bin);
    touch(tmp.path() + "/usr/share/nimbosoft/help/index.html");
    ConfigDirScope config(tmp.path() + "/home/.config/NimboSoft");

    // No workstation file: nothing is invented.
    const QString file = Paths::installedSettingsFor(bin);
    EXPECT_EQ(file, tmp.path() + "/home/.config/NimboSoft/NIMBO.ini");
    EXPECT_FALSE(QFile::exists(file));

    touch(tmp.path() + "/usr/etc/nimbosoft/NIMBO.ini", "[SERVER]\nServerAdi=db.firma.local:5432\nSurucu=PGSQL\n");
    ASSERT_EQ(Paths::installedSettingsFor(bin), file);
    {
        QSettings s(file, QSettings::IniFormat);
        EXPECT_EQ(s.value("SERVER/ServerAdi").toString(), "db.firma.local:5432");
        EXPECT_EQ(s.value("SERVER/Surucu").toString(), "PGSQL");
        EXPECT_TRUE(QFileInfo(file).isWritable());
        s.setValue("SERVER/ServerAdi", "yedek-sunucu");
    }
    Paths::installedSettingsFor(bin);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("SERVER/ServerAdi").toString(), "yedek-sunucu");
}
