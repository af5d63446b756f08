#pragma once
#include "session/Login.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace nimbo {

// "Şifre Onay": user name, password and branch.
class TPassWordDlg : public QDialog {
    Q_OBJECT
public:
    TPassWordDlg(SessionContext& s, const Db& db, QWidget* parent = nullptr);

    QLineEdit* userEdit() const { return m_user; }
    QLineEdit* passwordEdit() const { return m_password; }
    QComboBox* branchBox() const { return m_branch; }
    bool succeeded() const { return m_login.succeeded(); }

    // Runs the on-show steps (the automatic re-login may close the dialog at once).
    void prepare();
    // Shows modally; true after a successful login.
    bool run();

public Q_SLOTS:
    void tamam();

protected:
    void done(int r) override;

private:
    SessionContext& m_s;
    Login m_login;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QComboBox* m_branch;
    bool m_prepared = false;
};

} // namespace nimbo
