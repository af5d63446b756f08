#pragma once
#include "db/Db.h"

#include <QVector>

namespace nimbo {

// On-hand quantities read at the moment of asking, never stored.
class DepoMiktarlari {
public:
    // SUM(GIRMIK-CIKMIK) of the item in one warehouse.
    static double eldeki(const Db& db, double stokNo, int depoKodu);
    // The item's DEPOMIK row: [0] the total MIK, [1] .. [20] the columns DEP1 .. DEP20;
    // all zero for an item without movements.
    static QVector<double> depomik(const Db& db, double stokNo);
};

} // namespace nimbo
