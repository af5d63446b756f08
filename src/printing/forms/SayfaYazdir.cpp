#include "printing/forms/SayfaYazdir.h"
#include "db/Errors.h"
#include "printing/PageSetupStore.h"
#include "printing/PaperSizes.h"
#include "printing/ReportFileWriter.h"
#include "printing/ReportFit.h"
#include "printing/ReportPainter.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

namespace nimbo {

namespace {

struct FileOutput {
    QString title;
    QString extension;
};

std::optional<FileOutput> fileOutput(const QString& output)
{
    if (output == QLatin1String("Word"))
        return FileOutput{QStringLiteral("Worde Aktar"), QStringLiteral("rtf")};
    if (output == QLatin1String("Excel"))
        return FileOutput{QStringLiteral("Excele Aktar"), QStringLiteral("xlsx")};
    if (output == QLatin1String("Text"))
        return FileOutput{QStringLiteral("Metin Belgesi Olarak Sakla"), QStringLiteral("txt")};
    if (output == QLatin1String("PDF"))
        return FileOutput{QStringLiteral("PDF Olarak Sakla"), QStringLiteral("pdf")};
    return std::nullopt;
}

} // namespace

void applyPrinterPaper(QPrinter& printer, const PrintSettings& s)
{
    QPageSize size;
    switch (s.printerPaperCode) {
    case 9:
        size = QPageSize(QPageSize::A4);
        break;
    case 13:
        size = QPageSize(QPageSize::JisB5); // 182 x 257
        break;
    case 5:
        size = QPageSize(QPageSize::Legal);
        break;
    default: // Mektup and the user's own size
        size = QPageSize(s.printerPaperMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        break;
    }
    printer.setPageLayout(QPageLayout(size, s.report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool SayfaYazdir(ReportModel& report, const QString& unit, const QString& reportName, const QString& output,
                 QWidget* parent)
{
    std::optional<PrintSettings> settings;
    try {
        if (!unit.isEmpty()) {
            const Db db = SessionContext::current().db();
            if (db.isValid())
                if (const auto row = PageSetupStore(db).find(unit, reportName)) {
                    settings = PaperSizes::settingsFor(*row);
                    report.page = settings->report;
                    if (!row->FONTADI.isEmpty())
                        report.bodyFont.family = row->FONTADI;
                    if (row->FONTSIZE > 0)
                        report.bodyFont.pointSize = row->FONTSIZE;
                    if (!row->FONTRENK.isEmpty())
                        report.bodyFont.color = row->FONTRENK;
                }
        }
        // A list with codes is laid out to be read: codes whole, landscape or a smaller font
        // when its columns do not fit.
        for (const ReportColumn& c : report.columns)
            if (c.keptWhole()) {
                ReportFit::fit(report);
                break;
            }
        if (output == QLatin1String("*"))
            return true;

        ReportOutput::Hooks& hooks = ReportOutput::hooks();
        if (output.isEmpty() || output == QStringLiteral("Önizleme")) {
            QPrinter printer(QPrinter::HighResolution);
            ReportPainter::preparePagedDevice(&printer, report.page);
            QPrintPreviewDialog dlg(&printer, parent);
            dlg.setWindowTitle(report.title.isEmpty() ? QStringLiteral("Önizleme") : report.title);
            QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                             [&report](QPrinter* p) { ReportPainter(report).print(p); });
            if (hooks.preview)
                hooks.preview(dlg);
            else
                dlg.exec();
            return true;
        }
        if (output == QStringLiteral("Yazıcı")) {
            QPrinter printer(QPrinter::HighResolution);
            if (settings)
                applyPrinterPaper(printer, *settings);
            else
                ReportPainter::preparePagedDevice(&printer, report.page);
            printer.setDocName(report.title);
            if (hooks.choosePrinter && !hooks.choosePrinter(printer, parent))
                return false;
            ReportPainter(report).print(&printer);
            return true;
        }
        const auto file = fileOutput(output);
        if (!file)
            throw UserError(QStringLiteral("Bilinmeyen çıktı: %1").arg(output));
        QString path = hooks.saveFileName ? hooks.saveFileName(parent, file->title, file->extension) : QString();
        if (path.isEmpty())
            return false; // cancelled: nothing is written
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + file->extension;
        ReportFileWriter::write(report, output, path);
        return true;
    } catch (...) {
        ErrorPresenter::show(std::current_exception());
    }
    return false;
}

} // namespace nimbo
