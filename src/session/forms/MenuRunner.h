#pragma once
#include "session/CompanionProgram.h"
#include "session/MenuDispatch.h"
#include "widgets/WindowRegistry.h"

#include <QHash>
#include <QPointer>
#include <QString>

class QWidget;

namespace nimbo {

class SessionContext;
class WindowRegistry;

// Opens what a menu caption names: a registered window (modally when the dispatch table or
// the registration says so) or a companion program.
class MenuRunner {
public:
    MenuRunner(SessionContext& s, QWidget* host);

    // Through the dispatch table with its right tests.
    MenuDispatch::Result run(const QString& caption);
    // A registered window by caption or class name, opened on the arguments; nullptr when
    // none, or when the right test of the caption it is registered under refuses (silently,
    // as the menu does): a toolbar button or another window opens nothing the menu would not.
    QWidget* openWindow(const QString& name, bool modal = false, const WindowArgs& args = {});
    // The resident windows of the registry, created hidden (again, after a firm change).
    void createResidentWindows();
    // A resident window by class name; nullptr before createResidentWindows().
    QWidget* resident(const QString& className) const { return m_resident.value(className); }
    // Whether the caption leads anywhere: a companion program, or a window that is built
    // (registered). Entries whose windows are not built yet are shown disabled.
    bool available(const QString& caption) const;
    void startProgram(CompanionProgram::Kind k);
    void startProgram(MenuRight::Target t);

    // The window opened last (tests look at it).
    QWidget* lastOpened() const { return m_last; }
    // Tests use their own registry and program starter.
    void setRegistry(WindowRegistry* r) { m_registry = r; }
    WindowRegistry& registry() const;
    CompanionProgram& companions() { return m_companions; }

private:

    SessionContext& m_s;
    QWidget* m_host;
    WindowRegistry* m_registry = nullptr;
    CompanionProgram m_companions;
    QPointer<QWidget> m_last;
    QHash<QString, QPointer<QWidget>> m_resident; // by class name
};

} // namespace nimbo
