#pragma once
#include "printing/ReportModel.h"

namespace nimbo {

// Lays a list's columns out on its page before printing: a code column (noCut) is widened to
// its longest text, and when the columns are wider than the page the page turns to landscape,
// then the font gets smaller (down to kMinPointSize) with every column in proportion.
class ReportFit {
public:
    static constexpr double kMinPointSize = 6.0;

    static void fit(ReportModel& m);
    // Width in mm of a text in the body font, one cell's padding on each side included.
    static double textWidthMm(const ReportFont& font, const QString& text);
};

} // namespace nimbo
