#pragma once
#include "db/Db.h"

namespace nimbo::demo {

// Every subsystem's demo rows for one fiscal year, in dependency order, in one transaction.
void fillDemoYear(const Db& db, int year);

// One function per subsystem, each in its own file.
void fillSessionDemo(const Db& db, int year);
void fillServicesDemo(const Db& db, int year);
void fillMenuDemo(const Db& db, int year);
void fillPrintingDemo(const Db& db, int year);
void fillAccountsDemo(const Db& db, int year);
void fillStockDemo(const Db& db, int year);
// Manual account movement documents of every type over the year, saved through the
// document itself (its own transactions and numbers): run on the session's year
// connection after the year is filled.
void fillAccountMovementsDemo(const Db& db, int year, int count = 180);
// The lira accounts the movement demos work with (none with a warning or stopping risk).
QStringList liraCarileri(const Db& db);
// Bank accounts, a year of bank movements and the cheque/note portfolio, saved through the
// bank card, the bank movement document and the cheque card like the account movements.
void fillFinanceDemo(const Db& db, int year, int count = 160);
// Finance transactions of every kind over the year (called by fillFinanceDemo).
void fillFinansIslemleriDemo(const Db& db, int year, const QStringList& cariler);
// A year of sales of every type (invoices, dispatch notes later collected, invoices with
// dispatch, cash and bank sales, returns) saved through the sales document, as above.
void fillSalesDemo(const Db& db, int year, int count = 160);
// Instalment sales in each state (open, partly paid, paid, late) and an instalment purchase,
// written through the documents' saves and the instalment collections.
void fillInstalmentDemo(const Db& db, int year);
// A year of purchases of every type the form offers, saved through the purchase document so
// stock, costs and supplier balances come from real documents.
void fillPurchaseDemo(const Db& db, int year, int count = 80);
void fillLedgerDemo(const Db& db, int year);
// Posts the year's documents as the bulk posting does (after they are saved).
void postDemoDocuments(const Db& db, int year);
// Stock slips go through the slip's own save, each in its own transaction, after the rest
// is committed.
void fillSlipDemo(const Db& db, int year);

} // namespace nimbo::demo
