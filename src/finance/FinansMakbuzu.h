#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"

namespace nimbo {

// The printed receipt of a finance document: titled by its type ("TAHSİLAT MAKBUZU",
// "GELİR MAKBUZU", "CEK/SENET BORDROSU", "DEKONT", ...), the main code and date at the head,
// each line's code, name, "Seri No", "Portföy No" and amounts.
class FinansMakbuzu {
public:
    // UserError when the document does not exist.
    static ReportModel olustur(const Db& db, int finId);
};

} // namespace nimbo
