#pragma once
#include "session/MenuRights.h"

#include <functional>

namespace nimbo {

class SessionContext;

// Runs a menu entry by its caption: the first row of the dispatch table with that caption
// decides; a failed right test does nothing and says nothing. What "open" means is given by
// the caller (the main form opens registered windows and starts companion programs).
class MenuDispatch {
public:
    enum class Result {
        Unknown,  // no row has the caption
        Refused,  // the right test failed
        Opened,   // handed to a window or a companion program
        NoWindow  // a known caption whose window is not registered
    };
    struct Handlers {
        // Opens the window registered under the caption; false when there is none.
        std::function<bool(const QString& caption, bool modal)> openWindow;
        std::function<void(MenuRight::Target)> startProgram;
    };

    MenuDispatch(const SessionContext& s, Handlers h) : m_s(s), m_h(std::move(h)) {}
    Result run(const QString& caption) const;

private:
    const SessionContext& m_s;
    Handlers m_h;
};

} // namespace nimbo
