#pragma once
#include "printing/ReportModel.h"

namespace nimbo {

// The report as a UTF-8 text file with aligned columns, one continuous listing.
// Throws UserError when the file cannot be written.
class TextReportWriter {
public:
    static void write(const ReportModel& model, const QString& path);
};

} // namespace nimbo
