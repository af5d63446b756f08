#include "session/forms/StartupFlow.h"
#include "services/CompanyParameterLoader.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "session/CompanionSession.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"
#include "session/Login.h"
#include "session/NimboSettings.h"
#include "session/StartupSequence.h"
#include "session/forms/MainForm.h"
#include "session/forms/TFormFirmaSec.h"
#include "session/forms/TPassWordDlg.h"

#include <QApplication>
#include <memory>

namespace nimbo {

namespace {
StartupSequence::Dialogs startupDialogs(SessionContext& s, AliasStore& aliases, std::unique_ptr<MainForm>& form)
{
    StartupSequence::Dialogs d;
    d.firmaSecimi = [&s, &aliases, &form]() { return TFormFirmaSec::FirmaSecimi(s, aliases, form.get()); };
    d.login = [&s, &form]() {
        // The main form exists, hidden, before the login dialog is shown.
        if (!form)
            form = std::make_unique<MainForm>(s);
        TPassWordDlg login(s, s.db());
        return login.run();
    };
    return d;
}
} // namespace

int runProgram(const QStringList& args)
{
    SessionContext& s = SessionContext::current();
    QApplication::setApplicationDisplayName(QStringLiteral("NimboSoft"));
    AliasStore aliases;
    std::unique_ptr<MainForm> form;
    StartupSequence seq(s, aliases, startupDialogs(s, aliases, form));
    switch (seq.start(args)) {
    case StartupSequence::Outcome::Ended: return 0;
    case StartupSequence::Outcome::Failed: return 1;
    case StartupSequence::Outcome::Run: break;
    }
    form->refresh();
    QObject::connect(form.get(), &MainForm::firmaDegistirRequested, form.get(),
                     [&form, &s, &aliases]() { changeFirm(*form, s, aliases); });
    form->show();
    const int rc = QApplication::exec();
    closeYearDatabase();
    return rc;
}

void changeFirm(MainForm& form, SessionContext& s, AliasStore& aliases)
{
    StartupSequence::Dialogs d;
    d.firmaSecimi = [&s, &aliases, &form]() { return TFormFirmaSec::FirmaSecimi(s, aliases, &form); };
    d.login = [&s, &form]() {
        TPassWordDlg login(s, s.db(), &form);
        return login.run();
    };
    d.closeWindows = [&form]() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &form && w->isVisible())
                w->close();
    };
    switch (StartupSequence(s, aliases, d).changeFirm()) {
    case StartupSequence::Change::Unchanged: return;
    case StartupSequence::Change::Failed: QApplication::exit(1); return;
    case StartupSequence::Change::Changed: form.refresh(); return;
    }
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
    if (!ok)
        return fail(QStringLiteral("yıl veritabanı açılamadı"));
    return CompanionSession::openYearAndLogin(s, aliases, user, password, why);
}

} // namespace nimbo
