#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

class SessionContext;

// The string appended to the command line of every companion program: a blank and the year
// alias, then user name, user password, database user, database password and fiscal year,
// each after a blank, an empty value written as "¢".
class LaunchParameters {
public:
    static QString build(const QString& alias, const QString& user, const QString& password, const QString& dbUser,
                         const QString& dbPassword, const QString& year);
    // From the session and the open year connection.
    static QString build(const SessionContext& s);

    // Process-wide, built once when the access tree is created.
    static QString current();
    static void setCurrent(const QString& v);

    // The string as program arguments.
    static QStringList arguments(const QString& v);
};

} // namespace nimbo
