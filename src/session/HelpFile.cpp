#include "session/HelpFile.h"
#include "db/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nimbo {

namespace {
const QString kIndex = QStringLiteral("index.html");

bool hasIndex(const QString& dir) { return !dir.isEmpty() && QFileInfo(QDir(dir).filePath(kIndex)).isFile(); }

QString helpFolder() { return HelpFile::folderFor(QCoreApplication::applicationDirPath()); }
} // namespace

QString HelpFile::folderFor(const QString& appDir)
{
    const QString shipped = Paths::dataDirFor(appDir) + QStringLiteral("help");
    if (hasIndex(shipped))
        return QFileInfo(shipped).absoluteFilePath();
    // A build folder inside the source tree that has not copied the guide yet.
    QDir d(appDir);
    for (int i = 0; i < 4 && d.cdUp(); ++i) {
        const QString src = d.filePath(QStringLiteral("docs/help"));
        if (hasIndex(src))
            return QFileInfo(src).absoluteFilePath();
    }
    return {};
}

QString HelpFile::path()
{
    const QString dir = helpFolder();
    return dir.isEmpty() ? QString() : QDir(dir).filePath(kIndex);
}

QString HelpFile::pageFor(const QString& className)
{
    const QString dir = helpFolder();
    if (dir.isEmpty())
        return {};
    const QFileInfo page(QDir(dir).filePath(className + QStringLiteral(".html")));
    return !className.isEmpty() && page.isFile() ? page.absoluteFilePath() : QDir(dir).filePath(kIndex);
}

} // namespace nimbo
