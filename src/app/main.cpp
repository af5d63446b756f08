#include "app/AllWindows.h"
#include "app/CommandLineInfo.h"
#include "app/Shot.h"
#include "app/TurkishLocale.h"
#include "db/DbLog.h"
#include "db/Paths.h"
#include "services/Prompter.h"
#include "session/forms/StartupFlow.h"
#include "widgets/MessageBoxPrompter.h"

#include "NimboVersion.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (const auto code = nimbo::answerInfoOption(argc, argv))
        return *code;
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (raw.contains(QLatin1String("--shot")) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("NimboSoft"));
    QApplication::setOrganizationName(QStringLiteral("NimboSoft"));
    QApplication::setApplicationDisplayName(QStringLiteral("NimboSoft"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.nimbosoft.NimboSoft"));
    nimbo::useTurkishLocale();
    nimbo::registerAllWindows();
    // Database errors go with their statements to a log in the data folder.
    nimbo::DbLog::openFile(nimbo::Paths::logFile());

    const QStringList args = QApplication::arguments();
    const int shot = args.indexOf(QLatin1String("--shot"));
    if (shot >= 0) {
        if (shot + 2 >= args.size()) {
            std::fprintf(stderr, "kullanım: nimbo --shot PENCERE DOSYA.png [--user K --password S] [--click DÜĞME [--wait MS]]\n");
            return 2;
        }
        auto opt = [&args](const char* name, const char* fallback) {
            const int i = args.indexOf(QLatin1String(name));
            return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString::fromUtf8(fallback);
        };
        return nimbo::takeShot(args.at(shot + 1), args.at(shot + 2), opt("--user", "YONETICI"),
                               opt("--password", "1234"), opt("--click", ""), opt("--wait", "3000").toInt());
    }
    nimbo::Prompter::install(std::make_unique<nimbo::MessageBoxPrompter>());
    return nimbo::runProgram(args);
}
