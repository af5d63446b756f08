#pragma once
#include <QMainWindow>

class QLabel;
class QAction;

namespace nimbo {

class SessionContext;

// The frame every module window opens in.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(SessionContext& s, QWidget* parent = nullptr);

    QLabel* lbSubekod() const { return m_lbSubekod; }
    QAction* firmaDegistirAction() const { return m_firmaDegistir; }
    // Re-reads the session into the title and labels.
    void refresh();
    // Opens a registered window by caption or class name; nullptr when there is none.
    QWidget* openWindow(const QString& name);

Q_SIGNALS:
    void firmaDegistirRequested();

private:
    SessionContext& m_s;
    QLabel* m_lbFirma;
    QLabel* m_lbKullanici;
    QLabel* m_lbSubekod;
    QAction* m_firmaDegistir;
};

} // namespace nimbo
