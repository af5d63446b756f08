#include "app/AllWindows.h"
#include "app/TurkishLocale.h"
#include "db/DbLog.h"
#include "db/Paths.h"
#include "ledger/forms/TFormMuhasebe.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "session/CompanionSession.h"
#include "session/DataModules.h"
#include "session/StartupSequence.h"
#include "session/forms/TFormFirmaSec.h"
#include "session/forms/TPassWordDlg.h"
#include "widgets/MessageBoxPrompter.h"

#include "NimboVersion.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

using namespace nimbo;

namespace {
const char* const kHelp =
    "Kullanım: nimbo-muhasebe [TAKMAAD KULLANICI ŞİFRE VTKULLANICI VTŞİFRE YIL]\n"
    "\n"
    "NimboSoft genel muhasebe programı: hesap planı, muhasebe fişleri, fiş listesi, mizan,\n"
    "hesap ekstresi, aylık döküm, fiş dökümleri ve belgelerin toplu muhasebeleştirilmesi.\n"
    "Ana programın \"Genel Muhasebe\" menüsü onu açık yılın başlatma parametreleriyle başlatır:\n"
    "yıl veritabanının takma adı, kullanıcı adı ve şifresi, veritabanı kullanıcısı ve şifresi,\n"
    "çalışma yılı; boş bir değer yerine \"¢\" yazılır. Parametresiz başlatılırsa firma seçimi ve\n"
    "şifre onayı pencereleri açılır.\n"
    "\n"
    "Seçenekler:\n"
    "  -h, --help         bu yardımı gösterir\n"
    "  -v, --version      sürümü gösterir\n"
    "\n"
    "Dosyalar:\n"
    "  ~/.config/NimboSoft/NIMBO.ini   sunucu adı ve sürücü\n"
    "  ~/.config/NimboSoft/aliases.ini veritabanı takma adları\n";

// The start-up dialogs of the main program, for a start without the launch string.
bool startWithDialogs(SessionContext& s, AliasStore& aliases, const QStringList& args)
{
    StartupSequence::Dialogs d;
    d.firmaSecimi = [&s, &aliases] { return TFormFirmaSec::FirmaSecimi(s, aliases, nullptr); };
    d.login = [&s] {
        TPassWordDlg login(s, s.db());
        return login.run();
    };
    return StartupSequence(s, aliases, d).start(args) == StartupSequence::Outcome::Run;
}
} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("nimbo-muhasebe %s\n", NIMBO_VERSION);
            return 0;
        }
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("NimboSoft"));
    QApplication::setOrganizationName(QStringLiteral("NimboSoft"));
    QApplication::setApplicationDisplayName(QStringLiteral("Muhasebe"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.nimbosoft.NimboSoft.Muhasebe"));
    useTurkishLocale();
    registerAllWindows();
    DbLog::openFile(Paths::logFile());
    Prompter::install(std::make_unique<MessageBoxPrompter>());

    SessionContext& s = SessionContext::current();
    AliasStore aliases;
    const QStringList args = QApplication::arguments();
    if (const auto v = LaunchValues::parse(args.mid(1))) {
        QString why;
        if (!CompanionSession::open(s, aliases, *v, &why)) {
            Prompter::instance().error(QStringLiteral("Muhasebe programı açılamadı: ") + why);
            return 1;
        }
    } else if (args.size() > 1) {
        std::fputs(kHelp, stderr);
        return 2;
    } else if (!startWithDialogs(s, aliases, args)) {
        return 1;
    }
    TFormMuhasebe form(s);
    form.show();
    const int rc = QApplication::exec();
    closeYearDatabase();
    return rc;
}
