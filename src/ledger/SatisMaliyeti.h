#pragma once
#include "db/Db.h"

#include <QDate>

namespace nimbo {

// The cost of sales. The month's costing writes it: one MALSAT row per line of the month's
// sales invoices with the sold quantity in the item's first unit and its unit cost, the
// quantity-weighted average of the item's cost rows (MALIFYT, sales returns left out) dated on
// or before the invoice (the item's card cost when it has none), and the month's SATMALIMUH row with the total.
// Costing the month rather than the sale's save keeps the cost right when a purchase is
// entered later with an earlier date: costing the month again picks it up, and the sale
// itself stays unaware of the ledger.
class SatisMaliyeti {
public:
    // Rewrites the month's MALSAT rows and its SATMALIMUH row (its voucher number is kept);
    // returns the month's total cost. Its own transaction (joins the caller's).
    static double hesapla(const Db& db, int yil, int ay);
    // The unit cost of one sold line: its MALSAT row, or as the costing would give it when
    // its month is not costed yet.
    static double birimMaliyeti(const Db& db, double satisNo, int sira);
    // Sales invoice types whose lines leave at cost (returns to suppliers do not).
    static QString satisTipleri() { return QStringLiteral("'F', 'R', 'P', 'O', 'N'"); }
};

} // namespace nimbo
