#pragma once
#include <QDialog>

namespace nimbo {

class SessionContext;

// The about box "Program Hakkında": program, licensee and the session it runs in.
class TFormHakkinda : public QDialog {
    Q_OBJECT
public:
    TFormHakkinda(const SessionContext& s, const QString& licensee, QWidget* parent = nullptr);
};

} // namespace nimbo
