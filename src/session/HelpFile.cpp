#include "session/HelpFile.h"
#include "db/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nimbo {

QString HelpFile::path()
{
    const QString rel = QStringLiteral("help/index.html");
    for (const QString& d : {Paths::programDir(), QCoreApplication::applicationDirPath()}) {
        const QFileInfo f(QDir(d).filePath(rel));
        if (f.isFile())
            return f.absoluteFilePath();
    }
    // A build folder inside the source tree: walk up to the tree's docs/.
    QDir d(QCoreApplication::applicationDirPath());
    for (int i = 0; i < 4 && d.cdUp(); ++i) {
        const QFileInfo f(d.filePath(QStringLiteral("docs/") + rel));
        if (f.isFile())
            return f.absoluteFilePath();
    }
    return {};
}

} // namespace nimbo
