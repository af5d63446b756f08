#include "db/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace nimbo {

namespace {
QString g_programDir;
QString g_configDir;
QString g_dataDir;

QString withSlash(QString d)
{
    if (!d.isEmpty() && !d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}
} // namespace

QString Paths::programDir()
{
    if (!g_programDir.isEmpty())
        return g_programDir;
    const QString env = qEnvironmentVariable("NIMBO_PROGRAM_DIR");
    if (!env.isEmpty())
        return withSlash(env);
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    return withSlash(QDir::currentPath());
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

QString Paths::dataDir()
{
    if (!g_dataDir.isEmpty())
        return g_dataDir;
    const QString program = programDir();
    if (isWritableFolder(program))
        return program;
    return withSlash(defaultDataDir());
}

void Paths::setDataDir(const QString& dir) { g_dataDir = withSlash(dir); }

QString Paths::shippedSettingsFile() { return programDir() + QStringLiteral("NIMBO.ini"); }

QString Paths::settingsFile()
{
    const QString shipped = shippedSettingsFile();
    const QFileInfo fi(shipped);
    const bool writable = fi.exists() ? fi.isWritable() : isWritableFolder(programDir());
    return writable ? shipped : configDir() + QStringLiteral("NIMBO.ini");
}

QString Paths::aliasFile() { return configDir() + QStringLiteral("aliases.ini"); }
QString Paths::userFile() { return configDir() + QStringLiteral("user.ini"); }
QString Paths::logFile() { return dataDir() + QStringLiteral("nimbo.log"); }

} // namespace nimbo
