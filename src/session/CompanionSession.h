#pragma once
#include "db/AliasStore.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace nimbo {

class SessionContext;

// What a companion program receives from the main form: the year alias, then user name,
// user password, database user, database password and fiscal year ("¢" stands for empty).
struct LaunchValues {
    QString alias;
    QString user;
    QString password;
    QString dbUser;
    QString dbPassword;
    QString year;

    // The arguments after the program name; nullopt when they are not a launch string.
    static std::optional<LaunchValues> parse(const QStringList& args);
};

// Opens a year database by its alias and logs the user in without dialogs: how a companion
// program starts from the launch string, and how shots and tools open the demo firm.
class CompanionSession {
public:
    // The year alias must be set in s (YilAliasi). False with the reason in *why; the year
    // database is closed again on failure.
    static bool openYearAndLogin(SessionContext& s, AliasStore& aliases, const QString& user,
                                 const QString& password, QString* why = nullptr);
    static bool open(SessionContext& s, AliasStore& aliases, const LaunchValues& v, QString* why = nullptr);
};

} // namespace nimbo
