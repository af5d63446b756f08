#pragma once
#include "printing/ReportModel.h"

namespace nimbo {

// The report as an RTF document for word processors: the page set as on paper, the
// column headings repeated on each page, page numbers in the header. Throws UserError
// when the file cannot be written.
class RtfReportWriter {
public:
    static QByteArray toRtf(const ReportModel& model);
    static void write(const ReportModel& model, const QString& path);
    // Text escaped for RTF; letters outside ASCII as \uN with a Windows-1254 fallback.
    static QByteArray escape(const QString& text);
};

} // namespace nimbo
