#pragma once
#include "session/ProgramEntry.h"
#include "session/forms/MenuRunner.h"
#include "session/forms/TMenuTree.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QShortcut;
class QToolButton;

namespace nimbo {

class SessionContext;

// The frame every module window opens in: toolbar, shortcut buttons, menu bar, status bar
// and the access tree, which is created again at each show (start-up and firm change).
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(SessionContext& s, QWidget* parent = nullptr);

    QLabel* lbSubekod() const { return m_lbSubekod; }
    QLabel* statusPanel() const { return m_lbDurum; }
    QAction* firmaDegistirAction() const { return m_firmaDegistir; }
    TMenuTree* menuTree() const { return m_tree; }
    QToolButton* shortcutButton(int slot) const;
    MenuRunner& runner() { return m_runner; }
    const Installation& installation() const { return m_ekim; }

    // Re-reads the session after a firm change; a visible form builds its access tree again.
    void refresh();
    // Opens a registered window by caption or class name; nullptr when there is none.
    QWidget* openWindow(const QString& name);
    // Runs a menu caption through the dispatch table.
    MenuDispatch::Result runEntry(const QString& caption);
    // The shortcut button of a slot was pressed.
    void runShortcut(int slot);
    // The shortcut list is read again into the buttons.
    void loadShortcuts();

Q_SIGNALS:
    void firmaDegistirRequested();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void buildShortcutBar();
    void buildMenus();
    void onShow();
    void createAccessTree();
    void applyRights();
    QAction* toolAction(const QString& caption, const QString& name, const QString& symbol, const QColor& colour);
    void showHelp();
    void showHelpFor(const QWidget* window);
    void openHelp(const QString& file);
    void showAbout();
    void editCommand(const char* slot);

    SessionContext& m_s;
    MenuRunner m_runner;
    Installation m_ekim;
    QPointer<TMenuTree> m_tree;
    QLabel* m_lbDurum;
    QLabel* m_lbSubekod;
    QAction* m_firmaDegistir = nullptr;
    QAction* m_stok = nullptr;
    QAction* m_kurlar = nullptr;
    QAction* m_sistem = nullptr;
    QAction* m_menuKurlar = nullptr;
    QAction* m_menuSistem = nullptr;
    QList<QToolButton*> m_shortcuts;
    QShortcut* m_ace = nullptr;
};

} // namespace nimbo
