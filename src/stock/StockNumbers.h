#pragma once
#include "db/Db.h"

namespace nimbo {

// Numbers of the stock series: item numbers (NEWSTOK), group codes (NEWGR), brand codes (NEWFIR).
class StockNumbers {
public:
    static double nextStokNo(const Db& db);
    static int nextGroupCode(const Db& db);
    static int nextBrandCode(const Db& db);
};

} // namespace nimbo
