#include "session/CompanionProgram.h"
#include "db/Paths.h"
#include "services/Prompter.h"
#include "session/LaunchParameters.h"
#include "session/NimboSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace nimbo {

namespace {
const QString kSection = QStringLiteral("PROGRAMLAR");

bool runQuietly(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(2000))
        return false;
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(500);
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

CompanionProgram::CompanionProgram() : m_start(&CompanionProgram::startDetached), m_activate(&CompanionProgram::activateByTitle)
{
}

namespace {
// Window title, menu caption, NIMBO.ini key and default executable of each program.
struct Names {
    const char* title;
    const char* display;
    const char* key;
    const char* executable;
};

const Names& names(CompanionProgram::Kind k)
{
    static const Names ledger{"Muhasebe", "Genel Muhasebe", "Muhasebe", "nimbo-muhasebe"};
    static const Names maintenance{"Bakım Ve Destek", "Sistem Yönetimi", "Bakim", "nimbo-admin"};
    static const Names barcode{"Barkod Etiketi", "Barkod Etiketi", "Barkod", "nimbo-barkod"};
    switch (k) {
    case CompanionProgram::Kind::Ledger: return ledger;
    case CompanionProgram::Kind::Maintenance: return maintenance;
    case CompanionProgram::Kind::BarcodeLabel: break;
    }
    return barcode;
}
} // namespace

QString CompanionProgram::windowTitle(Kind k) { return QString::fromUtf8(names(k).title); }
QString CompanionProgram::displayName(Kind k) { return QString::fromUtf8(names(k).display); }
QString CompanionProgram::settingKey(Kind k) { return QString::fromUtf8(names(k).key); }
QString CompanionProgram::defaultExecutable(Kind k) { return QString::fromUtf8(names(k).executable); }

QString CompanionProgram::executable(Kind k)
{
    const QString v = NimboSettings::value(kSection, settingKey(k)).trimmed();
    if (!v.isEmpty())
        return v;
    NimboSettings::setValue(kSection, settingKey(k), defaultExecutable(k));
    return defaultExecutable(k);
}

QString CompanionProgram::resolve(const QString& name, const QString& programPath)
{
    if (name.isEmpty())
        return {};
    const QFileInfo direct(name);
    if (direct.isAbsolute())
        return direct.isFile() && direct.isExecutable() ? direct.absoluteFilePath() : QString();
    QStringList dirs = {Paths::programDir(), QCoreApplication::applicationDirPath()};
    if (!programPath.isEmpty())
        dirs << programPath;
    for (const QString& d : dirs) {
        const QFileInfo f(QDir(d).filePath(name));
        if (f.isFile() && f.isExecutable())
            return f.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

bool CompanionProgram::run(Kind k, const QString& launchParameters) const
{
    if (m_activate && m_activate(windowTitle(k)))
        return true;
    const QString name = executable(k);
    const QString path = resolve(name, m_programPath);
    if (path.isEmpty()) {
        Prompter::instance().warn(displayName(k) + QStringLiteral(" programı bu bilgisayarda bulunamadı (") + name
                                  + QStringLiteral(").\nProgramı bu bilgisayara kurunuz; başka bir klasöre kurulduysa "
                                                   "sistem yöneticinizden programın yerini ayarlamasını isteyiniz."));
        return false;
    }
    if (!m_start(path, LaunchParameters::arguments(launchParameters))) {
        Prompter::instance().warn(displayName(k) + QStringLiteral(" programı başlatılamadı (") + path
                                  + QStringLiteral(").\nProgramın kurulumu bozuk olabilir; yeniden kurunuz."));
        return false;
    }
    return true;
}

bool CompanionProgram::activateByTitle(const QString& title)
{
    // Windows finds the program's main window by class and title. On Linux only an X11
    // session lets another program raise a window, and only through a helper: wmctrl or
    // xdotool. Without one (Wayland, no display, helper not installed) the program is
    // started again, which is what the user asked for anyway.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    const QString wmctrl = QStandardPaths::findExecutable(QStringLiteral("wmctrl"));
    if (!wmctrl.isEmpty())
        return runQuietly(wmctrl, {QStringLiteral("-F"), QStringLiteral("-a"), title});
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (!xdotool.isEmpty())
        return runQuietly(xdotool, {QStringLiteral("search"), QStringLiteral("--limit"), QStringLiteral("1"),
                                    QStringLiteral("--name"),
                                    QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$'),
                                    QStringLiteral("windowactivate")});
    return false;
}

bool CompanionProgram::startDetached(const QString& program, const QStringList& args)
{
    return QProcess::startDetached(program, args);
}

} // namespace nimbo
