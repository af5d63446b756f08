#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"

namespace nimbo {

// "TAHSİLAT MAKBUZU" of a paid instalment: the sale, the instalment, its due and collection
// dates, the account, the payment form, the penalty and the amount collected.
class TaksitMakbuzu {
public:
    // UserError "Ödemesi yapılmamış taksit için makbuz kesilemez." unless it is paid.
    static ReportModel olustur(const Db& db, double satisNo, int siraNo);
};

} // namespace nimbo
