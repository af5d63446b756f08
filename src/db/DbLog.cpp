#include "db/DbLog.h"
#include "db/Errors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

namespace nimbo {

Q_LOGGING_CATEGORY(lcDb, "nimbo.db")

namespace {
QMutex g_mutex;
QFile* g_file = nullptr;
QtMessageHandler g_previous = nullptr;
bool g_installed = false;

const char* typeName(QtMsgType t)
{
    switch (t) {
    case QtDebugMsg: return "DEBUG";
    case QtInfoMsg: return "INFO";
    case QtWarningMsg: return "WARNING";
    case QtCriticalMsg: return "CRITICAL";
    case QtFatalMsg: return "FATAL";
    }
    return "?";
}

void handler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (ctx.category && qstrncmp(ctx.category, "nimbo.", 6) == 0) {
        QMutexLocker lock(&g_mutex);
        if (g_file) {
            const QString line = QStringLiteral("%1 %2 %3: %4\n")
                                     .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                          QString::fromLatin1(typeName(type)), QString::fromLatin1(ctx.category), msg);
            g_file->write(line.toUtf8());
            g_file->flush();
        }
    }
    if (g_previous)
        g_previous(type, ctx, msg);
}
} // namespace

namespace DbLog {

void error(const DbError& e, const QString& connectionName)
{
    const QSqlError& err = e.sqlError();
    qCWarning(lcDb).noquote() << QStringLiteral("[%1] %2 (kod %3) SQL: %4")
                                     .arg(connectionName, err.text().simplified(), err.nativeErrorCode(),
                                          e.sql().simplified());
}

bool openFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto* f = new QFile(path);
    if (!f->open(QIODevice::Append | QIODevice::Text)) {
        delete f;
        return false;
    }
    QMutexLocker lock(&g_mutex);
    delete g_file;
    g_file = f;
    if (!g_installed) {
        g_previous = qInstallMessageHandler(handler);
        g_installed = true;
    }
    return true;
}

QString filePath()
{
    QMutexLocker lock(&g_mutex);
    return g_file ? g_file->fileName() : QString();
}

void closeFile()
{
    QMutexLocker lock(&g_mutex);
    delete g_file;
    g_file = nullptr;
}

} // namespace DbLog
} // namespace nimbo
