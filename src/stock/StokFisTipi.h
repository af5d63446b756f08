#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// The kinds of stock slip (FISTK.TIP) and what each does to stock.
class StokFisTipi {
public:
    // Every slip type letter, in the order the slip window offers them.
    static QStringList hepsi();
    // The name shown for a type ("Fire Fişi"); empty for an unknown letter.
    static QString ad(const QString& tip);
    // O and A: out of the source warehouse and into the target one.
    static bool transfer(const QString& tip);
    // G, F, R, Z, H, Y, E write CIKMIK; L, T, D, B, J, K write GIRMIK.
    static bool cikis(const QString& tip);
    // K, D, T, Z, J, E, F write cost rows (MALIFYT) and move the weighted average cost.
    static bool maliyetYazar(const QString& tip);
};

} // namespace nimbo
