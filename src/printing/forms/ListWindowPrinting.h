#pragma once

namespace nimbo {

// Routes the "Yazdır" and "Aktar" buttons of every ListWindow to the report engine:
// "Yazdır" previews with the window's page setup, "Aktar" offers the ReportMenu.
void installListWindowPrinting();

} // namespace nimbo
