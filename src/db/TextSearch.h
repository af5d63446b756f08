#pragma once
#include <QString>

namespace nimbo {

class Dialect;

// What a user types into a list's search box, matched the way a Turkish user reads text:
// case folded with the Turkish letters ("şeker" finds "ŞEKER", "ıspart" finds "ISPARTA",
// "i" finds "İzmir" but not "Isparta"), the same on SQLite and PostgreSQL, and a quote,
// "%" or "_" in the typed text taken as itself.
class TextSearch {
public:
    // "<folded expr> LIKE :<param> ESCAPE '\'" for a list's WHERE clause.
    static QString clause(const Dialect& d, const QString& expr, const QString& param);
    // The bound value: the typed text folded and escaped, followed by "%".
    static QString startsWith(const QString& typed);
    // The same, anywhere in the text.
    static QString contains(const QString& typed);
    // A LIKE pattern the user typed himself ("%" and "_" stay wildcards), folded.
    static QString pattern(const QString& typed);
};

} // namespace nimbo
