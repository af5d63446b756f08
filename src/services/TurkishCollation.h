#pragma once
#include <QList>
#include <QString>

#include <algorithm>

namespace nimbo {

// Turkish alphabetical order for texts held in memory (pick lists): Ç after C, Ğ after G,
// I before İ, Ö after O, Ş after S, Ü after U; letter case does not split the order.
// The database's own ORDER BY compares bytes and puts every Turkish letter after Z.
class TurkishCollation {
public:
    static bool less(const QString& a, const QString& b);

    template <class T, class Key>
    static void sort(QList<T>& list, Key key)
    {
        std::stable_sort(list.begin(), list.end(), [&key](const T& a, const T& b) { return less(key(a), key(b)); });
    }
    static void sort(QStringList& list)
    {
        sort(list, [](const QString& s) -> const QString& { return s; });
    }
};

} // namespace nimbo
