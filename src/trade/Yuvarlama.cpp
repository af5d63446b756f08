#include "trade/Yuvarlama.h"

#include <cmath>

namespace nimbo {

double yuvarlamaFarki(double net, double adim, const QString& mod)
{
    if (adim <= 0)
        return 0;
    const double q = std::round(net / adim);
    if (mod == QLatin1String("A")) {
        const double n = std::round(net);
        if (q * adim > n)
            return (q - 1) * adim - n;
        if (q * adim < n)
            return q * adim - n;
        return 0;
    }
    if (mod == QLatin1String("O"))
        return q * adim - net;
    if (mod == QLatin1String("Y")) {
        // A total already on a multiple (within float noise) stays.
        const double ust = std::ceil(net / adim - 1e-9);
        return ust * adim - net;
    }
    return 0;
}

} // namespace nimbo
