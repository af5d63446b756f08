#pragma once
#include <QList>
#include <QString>

namespace nimbo {

class SessionContext;

// One row of the main menu's dispatch table: a caption, the right flag that guards it and
// what it opens. The first row whose caption equals the entry's caption decides.
struct MenuRight {
    enum class Test {
        None,       // always opens
        ViewOrFull, // the flag must be "H" or "O"
        FullOnly,   // the flag must be "H"
        NotDash     // the flag must not be "-" (empty passes)
    };
    enum class Target { Window, LedgerProgram, MaintenanceProgram };

    QString caption;
    QString column; // KIMKUL right column; empty with Test::None
    Test test = Test::None;
    Target target = Target::Window;
    bool modal = false;
};

class MenuRights {
public:
    static const QList<MenuRight>& table();
    // The deciding row for a caption, or nullptr when no row has it.
    static const MenuRight* find(const QString& caption);
    static bool passes(MenuRight::Test test, const QString& flag);
    static bool passes(const MenuRight& row, const SessionContext& s);
    // Whether the session may open what the caption names, however it is opened (the access
    // tree, a shared shortcut, a toolbar button, another window): the right test of its row.
    // A caption with no row is no menu entry's and guarded by nothing here.
    static bool allows(const QString& caption, const SessionContext& s);
};

} // namespace nimbo
