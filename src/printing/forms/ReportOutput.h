#pragma once
#include "printing/ReportFromModel.h"

#include <functional>

class QAbstractItemModel;
class QPrinter;
class QPrintPreviewDialog;
class QTableView;
class QWidget;

namespace nimbo {

// The one way a list window prints. Either drop a ReportMenuButton into the window
// (see ReportMenuButton.h), or build and send a report yourself:
//
//   ReportModel r = ReportOutput::fromView(ui.grid, QStringLiteral("Döviz Listesi"));
//   ReportOutput::send(r, QStringLiteral("Önizleme"), QStringLiteral("DovizBr"), QStringLiteral("Liste"), this);
//
// Outputs: "*" applies the page setup only, "" or "Önizleme" previews, "Yazıcı" prints,
// "Word" (.rtf), "Excel" (.xlsx), "Text" (.txt) and "PDF" ask for a file first; a
// cancelled file dialog writes nothing. The page setup is the MSAYFA row of
// (unit, report name), edited with the "Sayfa Ayarı" dialog (SayfaAyarla).
class ReportOutput {
public:
    static ReportModel fromModel(const QAbstractItemModel* model, const QString& title,
                                 const ReportOptions& options = {});
    // Like fromModel, with the view's visible columns in their on-screen order and widths.
    static ReportModel fromView(const QTableView* view, const QString& title, ReportOptions options = {});

    // Returns false when nothing was sent (cancelled, or an error was shown).
    static bool send(ReportModel report, const QString& output, const QString& unit,
                     const QString& reportName = QStringLiteral("Liste"), QWidget* parent = nullptr);

    // Seams for window tests; the defaults show the real dialogs.
    struct Hooks {
        // Returns the chosen file name, empty when cancelled.
        std::function<QString(QWidget* parent, const QString& title, const QString& extension)> saveFileName;
        std::function<void(QPrintPreviewDialog& dialog)> preview;
        // Lets the user choose the printer; false cancels.
        std::function<bool(QPrinter& printer, QWidget* parent)> choosePrinter;
    };
    static Hooks& hooks();
};

} // namespace nimbo
