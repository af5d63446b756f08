#pragma once
#include "printing/PageSetupRow.h"
#include "printing/ReportModel.h"

#include <QSize>
#include <QStringList>
#include <optional>

namespace nimbo {

// What a page-setup row means for the report page and for the printer.
struct PrintSettings {
    PageGeometry report;          // report page, turned for landscape, with margins
    int printerPaperCode = 9;     // Windows paper number: 9 A4, 13 B5, 5 Legal, 45 Mektup, 256 user-defined
    QSizeF printerPaperMm{210, 297}; // portrait width x height handed to the printer
};

// The paper names of the page-setup dialog and their sizes.
class PaperSizes {
public:
    static QString a4Name() { return QStringLiteral("A4   (210mm x 297mm)"); }
    static QString userDefinedName() { return QStringLiteral("Kullanıcı Tanımlasın"); }
    static QStringList names();

    // The size the dialog fills in for a paper name, by its first letter; none for
    // user-defined paper (the fields stay as they are).
    static std::optional<QSize> sizeForName(const QString& name);
    static bool isUserDefined(const QString& name);

    static PrintSettings settingsFor(const PageSetupRow& row);

    // Below these the user's size is not taken: 15 mm for the report, 150 mm for the printer.
    static constexpr int kMinReportMm = 15;
    static constexpr int kMinPrinterMm = 150;
};

} // namespace nimbo
