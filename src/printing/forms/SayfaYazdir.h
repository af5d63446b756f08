#pragma once
#include "printing/ReportModel.h"

class QPrinter;
class QWidget;

namespace nimbo {

struct PrintSettings;

// Applies the page setup of (unit, report name) to the report and sends it to the output:
// "*" apply only, "" or "Önizleme" preview, "Yazıcı" printer, "Word", "Excel", "Text"
// and "PDF" a file after a save dialog. Without an MSAYFA row the report keeps its own
// page. Returns false when nothing was sent.
bool SayfaYazdir(ReportModel& report, const QString& unit, const QString& reportName, const QString& output,
                 QWidget* parent = nullptr);

// The printer's paper for a page setup: its paper code, or the user's size.
void applyPrinterPaper(QPrinter& printer, const PrintSettings& settings);

} // namespace nimbo
