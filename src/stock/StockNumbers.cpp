#include "stock/StockNumbers.h"
#include "services/YeniKayitNo.h"

namespace nimbo {

double StockNumbers::nextStokNo(const Db& db) { return YeniKayitNo(db, QStringLiteral("NEWSTOK")); }
int StockNumbers::nextGroupCode(const Db& db) { return static_cast<int>(YeniKayitNo(db, QStringLiteral("NEWGR"))); }
int StockNumbers::nextBrandCode(const Db& db) { return static_cast<int>(YeniKayitNo(db, QStringLiteral("NEWFIR"))); }

} // namespace nimbo
