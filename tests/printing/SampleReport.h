#pragma once
#include "printing/ReportModel.h"

namespace nimbo::test {

// A statement-like report with Turkish text in every band: dates, document numbers,
// descriptions and two summed amount columns, rows rows long.
ReportModel sampleReport(int rows);

// Where the golden files live.
QString printingFixtureDir();

} // namespace nimbo::test
