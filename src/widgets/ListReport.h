#pragma once
#include "printing/ReportModel.h"

#include <functional>

class QWidget;

namespace nimbo {

// How list windows hand their rows to the report engine. The printing subsystem installs
// the real output (preview, printer, files); until it does, a plain fallback is used.
enum class ListOutput { Preview, Export };
using ListReportHandler = std::function<void(QWidget* parent, const ReportModel& model, ListOutput how)>;

void setListReportHandler(ListReportHandler handler);
void runListReport(QWidget* parent, const ReportModel& model, ListOutput how);

} // namespace nimbo
