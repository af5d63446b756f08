#pragma once
#include "db/Db.h"

namespace nimbo {

class SessionContext;

// The installation record EKIM: licensee, keyboard shortcut and program path.
struct Installation {
    QString firmaAdi;
    QString ace;
    QString prgYolu;
};

// What happens when the access tree is created: the title, the session-log row, the
// account switch ODEKAPAC and the launch parameter string.
class ProgramEntry {
public:
    static Installation readInstallation(const Db& db);
    // Licensee + " (VT : " + firm + year + ")" + " (KULLANICI : " + user + ")".
    static QString mainTitle(const Installation& ekim, const SessionContext& s);
    // One PROSES row "Programa Giriş " + staff code, the switch and the parameter string.
    static void enter(const Db& db, SessionContext& s);
};

} // namespace nimbo
