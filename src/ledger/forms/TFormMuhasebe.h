#pragma once
#include "session/forms/MenuRunner.h"

#include <QMainWindow>

namespace nimbo {

class SessionContext;

// The main window of the ledger program ("Muhasebe"): every ledger window from its menus and
// from one large button each. The title stays "Muhasebe" because the main program finds a
// running instance by it.
class TFormMuhasebe : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMuhasebe(SessionContext& s, QWidget* parent = nullptr);

    // The captions offered, by menu, in menu order.
    static QList<QPair<QString, QStringList>> menuler();
    // Opens a registered ledger window by caption; nullptr when none.
    QWidget* ac(const QString& caption);
    MenuRunner& runner() { return m_runner; }

private:
    MenuRunner m_runner;
};

} // namespace nimbo
