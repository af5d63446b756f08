#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// The user-right columns of KIMKUL as the program knows them. A list or card guarded by a
// column that is not one reads "" for every user and turns view only for everybody without
// a word, so a guard naming such a column asserts in a debug build and is logged as critical
// in any build; the columns guards named in a run are kept for the tests to check against
// the year's own KIMKUL.
class RightColumns {
public:
    static bool isRightColumn(const QString& column);
    // Called by every guard that checks a right; complains about an unknown column.
    static void note(const QString& column);
    // Every column note() saw in this run, sorted.
    static QStringList inUse();
};

} // namespace nimbo
