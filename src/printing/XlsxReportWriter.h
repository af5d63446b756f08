#pragma once
#include "printing/ReportModel.h"

namespace nimbo {

// The report as a spreadsheet: one sheet with the title, the headings, the column titles,
// the rows with amounts as numbers and dates as dates, group totals and the grand total.
// Throws UserError when the file cannot be written.
class XlsxReportWriter {
public:
    static void write(const ReportModel& model, const QString& path);
};

} // namespace nimbo
