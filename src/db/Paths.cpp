#include "db/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace nimbo {

namespace {
QString g_programDir;
QString g_configDir;
QString g_workDir;

const QString kHelpIndex = QStringLiteral("help/index.html");

QString withSlash(QString d)
{
    if (!d.isEmpty() && !d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

QString appDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString installedDataDir(const QString& appDir)
{
    return withSlash(QDir::cleanPath(appDir + QStringLiteral("/../share/nimbosoft")));
}

// The program folder was not chosen by a test, a tool or the environment.
bool programDirIsTheExecutables() { return g_programDir.isEmpty() && qEnvironmentVariableIsEmpty("NIMBO_PROGRAM_DIR"); }

} // namespace

bool Paths::isInstalled(const QString& appDir)
{
    return !QFileInfo::exists(withSlash(appDir) + kHelpIndex) &&
           QFileInfo::exists(installedDataDir(appDir) + kHelpIndex);
}

QString Paths::dataDirFor(const QString& appDir)
{
    return isInstalled(appDir) ? installedDataDir(appDir) : withSlash(QDir::cleanPath(appDir));
}

QString Paths::systemSettingsFileFor(const QString& appDir)
{
    const QString prefix = QDir::cleanPath(appDir + QStringLiteral("/.."));
    const QString etc = prefix == QLatin1String("/usr") ? QStringLiteral("/etc") : prefix + QStringLiteral("/etc");
    return etc + QStringLiteral("/nimbosoft/NIMBO.ini");
}

QString Paths::installedSettingsFor(const QString& appDir)
{
    const QString file = configDir() + QStringLiteral("NIMBO.ini");
    const QString system = systemSettingsFileFor(appDir);
    if (!QFileInfo::exists(file) && QFileInfo::exists(system)) {
        QDir().mkpath(configDir());
        if (QFile::copy(system, file))
            QFile(file).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return file;
}

QString Paths::programDir()
{
    if (!g_programDir.isEmpty())
        return g_programDir;
    const QString env = qEnvironmentVariable("NIMBO_PROGRAM_DIR");
    if (!env.isEmpty())
        return withSlash(env);
    const QString dir = appDir();
    return isInstalled(dir) ? configDir() : withSlash(dir);
}

void Paths::setProgramDir(const QString& dir) { g_programDir = withSlash(dir); }

QString Paths::configDir()
{
    if (!g_configDir.isEmpty())
        return g_configDir;
    const QString env = qEnvironmentVariable("NIMBO_CONFIG_DIR");
    if (!env.isEmpty())
        return withSlash(env);
    return withSlash(QDir::homePath() + QStringLiteral("/.config/NimboSoft"));
}

void Paths::setConfigDir(const QString& dir) { g_configDir = withSlash(dir); }

QString Paths::defaultDataDir()
{
    return QDir::homePath() + QStringLiteral("/.local/share/NimboSoft");
}

bool Paths::isWritableFolder(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".nimbo-yazma-XXXXXX")));
    return probe.open();
}

QString Paths::workDir()
{
    if (!g_workDir.isEmpty())
        return g_workDir;
    if (programDirIsTheExecutables() && isInstalled(appDir()))
        return withSlash(defaultDataDir());
    const QString program = programDir();
    return isWritableFolder(program) ? program : withSlash(defaultDataDir());
}

void Paths::setWorkDir(const QString& dir) { g_workDir = withSlash(dir); }

QString Paths::shippedSettingsFile() { return programDir() + QStringLiteral("NIMBO.ini"); }

QString Paths::settingsFile()
{
    if (programDirIsTheExecutables() && isInstalled(appDir()))
        return installedSettingsFor(appDir());
    const QString shipped = shippedSettingsFile();
    const QFileInfo fi(shipped);
    const bool writable = fi.exists() ? fi.isWritable() : isWritableFolder(programDir());
    return writable ? shipped : configDir() + QStringLiteral("NIMBO.ini");
}

QString Paths::aliasFile() { return configDir() + QStringLiteral("aliases.ini"); }
QString Paths::userFile() { return configDir() + QStringLiteral("user.ini"); }
QString Paths::logFile() { return workDir() + QStringLiteral("nimbo.log"); }

} // namespace nimbo
