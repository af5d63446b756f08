#include "demo/DemoData.h"
#include "db/DbTransaction.h"

namespace nimbo::demo {

void fillDemoYear(const Db& db, int year)
{
    DbTransaction tx(db);
    fillSessionDemo(db, year);
    fillServicesDemo(db, year);
    fillMenuDemo(db, year);
    fillPrintingDemo(db, year);
    fillAccountsDemo(db, year);
    fillStockDemo(db, year);
    fillLedgerDemo(db, year);
    tx.commit();
    fillSlipDemo(db, year);
}

} // namespace nimbo::demo
