#pragma once
#include "db/Db.h"
#include "services/SessionContext.h"

#include <QVariant>

namespace nimbo {

// The rules of the login dialog TPassWordDlg, without the dialog.
class Login {
public:
    enum class Outcome { Success, EmptyUser, BadPassword, NoBranch, BranchRefused };
    enum class Focus { None, User, Password, Branch };

    Login(SessionContext& s, const Db& db) : m_s(s), m_db(db) {}

    // Branches of the pick list: every branch except "ORBITA WEB", by number.
    QList<PickItem> branches() const;
    // First-start values and remembered ones.
    QString initialUser() const;     // remembered name, "3" the first time
    QVariant initialBranch() const;  // remembered branch, 0 the first time
    bool autoLogin() const { return !m_s.KullaniciAdi.isEmpty(); }

    // The user check: the KIMKUL row found by name (letter case ignored) and the password
    // equal byte for byte. Loads the row into the session on success.
    bool Kullanici(const QString& user, const QString& password);

    // "Tamam". Shows the message of a refusal and tells where the focus goes.
    Outcome tamam(const QString& user, const QString& password, const QVariant& branch);
    Focus focus() const { return m_focus; }
    bool succeeded() const { return m_success; }

    // The dialog closes: without success nothing of the user stays in the session.
    void close();

private:
    SessionContext& m_s;
    Db m_db;
    bool m_success = false;
    Focus m_focus = Focus::None;
};

} // namespace nimbo
