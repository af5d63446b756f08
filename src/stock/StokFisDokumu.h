#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"

namespace nimbo {

// The printed stock slip: its type as the title, number, date, warehouses, state and the
// responsible person under it, one row per line with quantity, unit, warehouse, unit value
// and amount, the totals and the hand-over signatures. Read from what is stored.
class StokFisDokumu {
public:
    // UserError when the slip is not there.
    static ReportModel olustur(const Db& db, double hrkNo);
};

} // namespace nimbo
