#include "printing/ReportFileWriter.h"
#include "db/Errors.h"
#include "printing/ReportPainter.h"
#include "printing/RtfReportWriter.h"
#include "printing/TextReportWriter.h"
#include "printing/XlsxReportWriter.h"

#include <QFileInfo>
#include <QPdfWriter>

namespace nimbo {

namespace {
struct Format {
    const char* name;
    const char* extension;
    const char* contentType;
};
const Format kFormats[] = {
    {"Word", "rtf", "application/rtf"},
    {"Excel", "xlsx", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
    {"Text", "txt", "text/plain; charset=UTF-8"},
    {"PDF", "pdf", "application/pdf"},
};
const Format* find(const QString& format)
{
    for (const Format& f : kFormats)
        if (format == QLatin1String(f.name))
            return &f;
    return nullptr;
}
} // namespace

QString ReportFileWriter::extension(const QString& format)
{
    const Format* f = find(format);
    return f ? QString::fromLatin1(f->extension) : QString();
}

QString ReportFileWriter::contentType(const QString& format)
{
    const Format* f = find(format);
    return QString::fromLatin1(f ? f->contentType : "application/octet-stream");
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
