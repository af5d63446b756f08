#pragma once
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

} // namespace nimbo::demo
