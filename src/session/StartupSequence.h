#pragma once
#include "db/AliasStore.h"

#include <QStringList>
#include <functional>

namespace nimbo {

class SessionContext;

// The decisions of the start-up sequence and of "&Firma Değiştir", without windows. The
// dialogs come in as functions so that the windows (or a test) supply them.
class StartupSequence {
public:
    struct Dialogs {
        std::function<bool()> firmaSecimi;   // "Firma Seçimi": true when it ends with OK
        std::function<bool()> login;         // "Şifre Onay": true after a successful login
        std::function<void()> closeWindows;  // every open window but the main form
    };
    enum class Outcome { Run, Ended, Failed };
    enum class Change { Unchanged, Changed, Failed };

    StartupSequence(SessionContext& s, AliasStore& aliases, Dialogs dialogs);

    // Trace mode only when the very first argument after the program is "-d".
    static bool traceRequested(const QStringList& args);

    // From the settings file up to the main loop. Run: the main form may run. Ended: the
    // user stopped (cancel). Failed: an error ended the program. Anything but Run leaves
    // both data modules closed.
    Outcome start(const QStringList& args);

    // "&Firma Değiştir". Unchanged: the firm selection was cancelled and nothing moved.
    // Changed: the new year is open; the session may be without user when the login was
    // cancelled. Failed: the new year could not be opened; the program must end.
    Change changeFirm();

private:
    SessionContext& m_s;
    AliasStore& m_aliases;
    Dialogs m_d;
};

} // namespace nimbo
