#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"
#include "trade/TicariTaraf.h"

namespace nimbo {

// The printed form of a saved sales or purchase document: an invoice with the seller, the
// buyer and the document's numbers and dates in blocks side by side (the firm sells on the
// sales side, the account on the purchase side), the lines with prices, VAT by rate, totals
// and the amount in words; for a type without an invoice part, a dispatch note (the same
// without prices).
class SatisDokumu {
public:
    static ReportModel olustur(const Db& db, double belgeNo, const TicariTaraf& taraf = TicariTaraf::satis());
};

} // namespace nimbo
