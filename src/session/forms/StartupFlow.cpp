#include "session/forms/StartupFlow.h"
#include "services/CompanyParameterLoader.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"
#include "session/Login.h"
#include "session/NimboSettings.h"
#include "session/forms/MainForm.h"
#include "session/forms/TFormFirmaSec.h"
#include "session/forms/TPassWordDlg.h"

#include <QApplication>

namespace nimbo {

int runProgram(const QStringList& args)
{
    SessionContext& s = SessionContext::current();
    s.traceMode = args.size() > 1 && args.at(1) == QLatin1String("-d");
    if (s.traceMode)
        Prompter::instance().trace(QStringLiteral("başla"));
    s.ServerAdi = NimboSettings::serverAdi();
    s.SurucuAdi = NimboSettings::surucu();
    QApplication::setApplicationDisplayName(QStringLiteral("NimboSoft"));

    AliasStore aliases;
    if (!TFormFirmaSec::FirmaSecimi(s, aliases))
        return 0;
    if (!openYearDatabase(s, aliases))
        return 1;

    MainForm form(s);
    bool loggedIn = false;
    {
        TPassWordDlg login(s, s.db());
        loggedIn = login.run();
    }
    if (!loggedIn) {
        closeYearDatabase();
        return 0;
    }
    if (!OrtakListeleriDoldur(s.db(), s)) {
        closeYearDatabase();
        return 1;
    }
    loadBranchIdentity(s.db(), s);
    form.refresh();
    QObject::connect(&form, &MainForm::firmaDegistirRequested, &form,
                     [&form, &s, &aliases]() { changeFirm(form, s, aliases); });
    form.show();
    const int rc = QApplication::exec();
    closeYearDatabase();
    return rc;
}

void changeFirm(MainForm& form, SessionContext& s, AliasStore& aliases)
{
    if (!TFormFirmaSec::FirmaSecimi(s, aliases, &form))
        return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &form && w->isVisible())
            w->close();
    closeYearDatabase();
    if (!openYearDatabase(s, aliases)) {
        QApplication::exit(1);
        return;
    }
    s.KullaniciAdi.clear();
    {
        TPassWordDlg login(s, s.db(), &form);
        login.run(); // the result is not checked: a cancelled login leaves no rights
    }
    if (!s.KullaniciAdi.isEmpty() && !OrtakListeleriDoldur(s.db(), s)) {
        QApplication::exit(1);
        return;
    }
    try {
        loadCompanyParameters(s.db(), s);
        loadBranchIdentity(s.db(), s);
    } catch (const std::exception& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + QString::fromUtf8(e.what()));
    }
    form.refresh();
}

bool openSessionQuietly(SessionContext& s, AliasStore& aliases, const QString& user, const QString& password,
                        QString* why, const QString& firm)
{
    auto fail = [why](const QString& r) {
        if (why)
            *why = r;
        return false;
    };
    s.ServerAdi = NimboSettings::serverAdi();
    s.SurucuAdi = NimboSettings::surucu();
    if (s.ServerAdi.isEmpty())
        return fail(QStringLiteral("NIMBO.ini içinde ServerAdi yok"));
    FirmSelection sel(s, aliases, nullptr);
    if (!sel.prepare())
        return fail(QStringLiteral("firma veritabanı açılamadı"));
    const QString f = firm.isEmpty() ? sel.initialFirm() : firm;
    const QVector<FirmYear> years = sel.years(f);
    if (years.isEmpty())
        return fail(QStringLiteral("firma bulunamadı: ") + f);
    const bool ok = sel.accept(f, years.last());
    sel.close();
    if (!ok || !openYearDatabase(s, aliases))
        return fail(QStringLiteral("yıl veritabanı açılamadı"));
    Login login(s, s.db());
    // The first branch the user may enter.
    const QVariant branch = s.db().scalar(QStringLiteral("SELECT MIN(SUBEKODU) FROM KIMKULSUBE WHERE "
                                                         "UPPER(KULLANICI) = UPPER(:k)"),
                                          {{QStringLiteral("k"), user}});
    if (login.tamam(user, password, branch) != Login::Outcome::Success)
        return fail(QStringLiteral("giriş yapılamadı"));
    if (!OrtakListeleriDoldur(s.db(), s))
        return fail(QStringLiteral("şube yok"));
    loadBranchIdentity(s.db(), s);
    return true;
}

} // namespace nimbo
