#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"
#include "trade/TicariTaraf.h"

namespace nimbo {

// The printed form of a saved sales or purchase document: an invoice (firm, customer, lines with prices,
// VAT by rate, totals, the amount in words, due date) or, for a type without an invoice
// part, a dispatch note (the same without prices).
class SatisDokumu {
public:
    static ReportModel olustur(const Db& db, double belgeNo, const TicariTaraf& taraf = TicariTaraf::satis());
};

} // namespace nimbo
