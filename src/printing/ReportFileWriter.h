#pragma once
#include "printing/ReportModel.h"

namespace nimbo {

// Writes a report to a file in one of the export formats: "Word" (RTF), "Excel" (XLSX),
// "Text" (UTF-8 text) or "PDF" (pages as printed). Throws UserError when the format is
// unknown or the file cannot be written.
class ReportFileWriter {
public:
    static void write(const ReportModel& report, const QString& format, const QString& path);
    // The file extension of a format ("rtf", "xlsx", "txt", "pdf"); empty when unknown.
    static QString extension(const QString& format);
    // The MIME type of a format's file.
    static QString contentType(const QString& format);
};

} // namespace nimbo
