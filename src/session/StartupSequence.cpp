#include "session/StartupSequence.h"
#include "services/CompanyParameterLoader.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "session/DataModules.h"
#include "session/NimboSettings.h"

namespace nimbo {

StartupSequence::StartupSequence(SessionContext& s, AliasStore& aliases, Dialogs dialogs)
    : m_s(s), m_aliases(aliases), m_d(std::move(dialogs))
{
}

bool StartupSequence::traceRequested(const QStringList& args)
{
    return args.size() > 1 && args.at(1) == QLatin1String("-d");
}

StartupSequence::Outcome StartupSequence::start(const QStringList& args)
{
    m_s.traceMode = traceRequested(args);
    if (m_s.traceMode)
        Prompter::instance().trace(QStringLiteral("başla"));
    m_s.ServerAdi = NimboSettings::serverAdi();
    m_s.SurucuAdi = NimboSettings::surucu();

    if (!m_d.firmaSecimi())
        return Outcome::Ended;
    if (!openYearDatabase(m_s, m_aliases))
        return Outcome::Failed;
    if (!m_d.login()) {
        closeYearDatabase();
        return Outcome::Ended;
    }
    if (!OrtakListeleriDoldur(m_s.db(), m_s)) {
        closeYearDatabase();
        return Outcome::Failed;
    }
    loadBranchIdentity(m_s.db(), m_s);
    return Outcome::Run;
}

StartupSequence::Change StartupSequence::changeFirm()
{
    if (!m_d.firmaSecimi())
        return Change::Unchanged;
    if (m_d.closeWindows)
        m_d.closeWindows();
    closeYearDatabase();
    // The modules open as at start-up, with nobody logged in yet: the shared lists must not
    // look for the former user's branches in the new year.
    m_s.KullaniciAdi.clear();
    if (!openYearDatabase(m_s, m_aliases))
        return Change::Failed;
    m_d.login(); // the result is not checked: a cancelled login leaves no rights
    if (!m_s.KullaniciAdi.isEmpty() && !OrtakListeleriDoldur(m_s.db(), m_s))
        return Change::Failed;
    try {
        loadCompanyParameters(m_s.db(), m_s);
        loadBranchIdentity(m_s.db(), m_s);
    } catch (const std::exception& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + QString::fromUtf8(e.what()));
    }
    return Change::Changed;
}

} // namespace nimbo
