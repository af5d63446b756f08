#include "model/RightColumns.h"
#include "db/SchemaDef.h"

#include <QMutex>
#include <QSet>

namespace nimbo {

namespace {
struct Seen {
    QMutex lock;
    QSet<QString> columns;
};
Seen& seen()
{
    static Seen s;
    return s;
}
} // namespace

bool RightColumns::isRightColumn(const QString& column)
{
    static const QSet<QString> known = [] {
        QSet<QString> s;
        for (const QString& c : kimkulRightColumns())
            s.insert(c);
        // Read at login beside the right columns.
        s << QStringLiteral("BEYAN") << QStringLiteral("FATKILIT");
        return s;
    }();
    return known.contains(column.toUpper());
}

void RightColumns::note(const QString& column)
{
    {
        Seen& s = seen();
        QMutexLocker guard(&s.lock);
        if (s.columns.contains(column))
            return;
        s.columns.insert(column);
    }
    if (!isRightColumn(column)) {
        qCritical("%s is not a right column of KIMKUL: every user would see its records as view only",
                  qPrintable(column));
        Q_ASSERT_X(false, "RightColumns::note", "not a right column of KIMKUL");
    }
}

QStringList RightColumns::inUse()
{
    Seen& s = seen();
    QMutexLocker guard(&s.lock);
    QStringList out(s.columns.cbegin(), s.columns.cend());
    out.sort();
    return out;
}

} // namespace nimbo
