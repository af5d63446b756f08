#include "printing/ReportFileWriter.h"
#include "db/Errors.h"
#include "printing/ReportPainter.h"
#include "printing/RtfReportWriter.h"
#include "printing/TextReportWriter.h"
#include "printing/XlsxReportWriter.h"

#include <QFileInfo>
#include <QPdfWriter>

namespace nimbo {

QString ReportFileWriter::extension(const QString& format)
{
    if (format == QLatin1String("Word"))
        return QStringLiteral("rtf");
    if (format == QLatin1String("Excel"))
        return QStringLiteral("xlsx");
    if (format == QLatin1String("Text"))
        return QStringLiteral("txt");
    if (format == QLatin1String("PDF"))
        return QStringLiteral("pdf");
    return {};
}

QString ReportFileWriter::contentType(const QString& format)
{
    if (format == QLatin1String("Word"))
        return QStringLiteral("application/rtf");
    if (format == QLatin1String("Excel"))
        return QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
    if (format == QLatin1String("Text"))
        return QStringLiteral("text/plain; charset=UTF-8");
    if (format == QLatin1String("PDF"))
        return QStringLiteral("application/pdf");
    return QStringLiteral("application/octet-stream");
}

void ReportFileWriter::write(const ReportModel& report, const QString& format, const QString& path)
{
    if (format == QLatin1String("Word")) {
        RtfReportWriter::write(report, path);
    } else if (format == QLatin1String("Excel")) {
        XlsxReportWriter::write(report, path);
    } else if (format == QLatin1String("Text")) {
        TextReportWriter::write(report, path);
    } else if (format == QLatin1String("PDF")) {
        {
            QPdfWriter pdf(path);
            pdf.setResolution(300);
            pdf.setTitle(report.title);
            pdf.setCreator(QStringLiteral("NimboSoft"));
            ReportPainter::preparePagedDevice(&pdf, report.page);
            ReportPainter(report).print(&pdf);
        }
        if (QFileInfo(path).size() == 0)
            throw UserError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
    } else {
        throw UserError(QStringLiteral("Bilinmeyen çıktı: %1").arg(format));
    }
}

} // namespace nimbo
