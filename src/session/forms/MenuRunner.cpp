#include "session/forms/MenuRunner.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "session/LaunchParameters.h"
#include "widgets/WindowRegistry.h"
#include "widgets/ErrorPresenter.h"

#include <QWidget>

namespace nimbo {

MenuRunner::MenuRunner(SessionContext& s, QWidget* host) : m_s(s), m_host(host) {}

WindowRegistry& MenuRunner::registry() const { return m_registry ? *m_registry : WindowRegistry::instance(); }

MenuDispatch::Result MenuRunner::run(const QString& caption)
{
    MenuDispatch d(m_s, {[this](const QString& c, bool modal) { return openWindow(c, modal) != nullptr; },
                         [this](MenuRight::Target t) { startProgram(t); }});
    return d.run(caption);
}

void MenuRunner::createResidentWindows()
{
    for (const QPointer<QWidget>& w : std::as_const(m_resident))
        delete w.data(); // the previous firm's
    m_resident.clear();
    for (const WindowEntry& e : registry().all()) {
        if (!e.resident || !e.create)
            continue;
        QWidget* w = nullptr;
        if (!ErrorPresenter::run([&] { w = e.create(m_host, {}); }) || !w)
            continue;
        w->setWindowFlag(Qt::Window, true);
        w->hide();
        m_resident.insert(e.className, w);
    }
}

QWidget* MenuRunner::openWindow(const QString& name, bool modal, const WindowArgs& args)
{
    const WindowEntry* e = registry().find(name);
    if (!e || !e->create || !MenuRights::allows(e->caption, m_s))
        return nullptr;
    QWidget* w = e->resident && args.isEmpty() ? m_resident.value(e->className).data() : nullptr;
    if (w) {
        // Shown again: what was saved meanwhile is listed.
        if (w->metaObject()->indexOfMethod("refreshRows()") >= 0)
            QMetaObject::invokeMethod(w, "refreshRows");
    } else {
        if (!ErrorPresenter::run([&] { w = e->create(m_host, args); }))
            return nullptr;
        if (!w)
            return nullptr;
        if (e->resident && args.isEmpty())
            m_resident.insert(e->className, w);
        else
            w->setAttribute(Qt::WA_DeleteOnClose);
    }
    w->setWindowFlag(Qt::Window, true);
    // Modal without a nested event loop: the rest of the program waits all the same.
    if (modal || e->modal)
        w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->raise();
    w->activateWindow();
    m_last = w;
    return w;
}

bool MenuRunner::available(const QString& caption) const
{
    const MenuRight* row = MenuRights::find(caption);
    if (!row)
        return false;
    if (row->target != MenuRight::Target::Window)
        return true;
    const WindowEntry* e = registry().find(row->caption);
    return e && e->create;
}

void MenuRunner::startProgram(CompanionProgram::Kind k) { m_companions.run(k, LaunchParameters::current()); }

void MenuRunner::startProgram(MenuRight::Target t)
{
    if (t == MenuRight::Target::LedgerProgram)
        startProgram(CompanionProgram::Kind::Ledger);
    else if (t == MenuRight::Target::MaintenanceProgram)
        startProgram(CompanionProgram::Kind::Maintenance);
}

} // namespace nimbo
