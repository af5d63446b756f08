#pragma once
#include <QDate>

#include <cstddef>

namespace nimbo::demo {

// The kind of the i-th document of a demo year from a weighted plan: every entry (with an
// `agirlik` member) takes that many of each 20 documents, in the order listed.
template <typename Plan, std::size_t N> const Plan& planFor(const Plan (&plans)[N], int i)
{
    int k = i % 20;
    for (const Plan& p : plans) {
        if (k < p.agirlik)
            return p;
        k -= p.agirlik;
    }
    return plans[0];
}

// The day of the demo year's documents that falls on `d` when the year is whole. A firm's
// books hold nothing dated after today, so in the current year the days after the opening
// day (1 January, which stays the openings' own) are pressed into those that have passed,
// keeping their order; another year's dates stay as they are.
inline QDate demoTarihi(const QDate& d, const QDate& bugun = QDate::currentDate())
{
    const QDate ilk(bugun.year(), 1, 1);
    if (!d.isValid() || d.year() != bugun.year() || d == ilk || bugun == ilk)
        return d;
    const qint64 yil = ilk.daysTo(QDate(d.year(), 12, 31)) - 1, gecen = ilk.daysTo(bugun) - 1;
    return ilk.addDays(1 + (ilk.daysTo(d) - 1) * gecen / yil);
}

} // namespace nimbo::demo
