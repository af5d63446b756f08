#include "printing/TextReportWriter.h"
#include "db/Errors.h"
#include "printing/ReportTextRenderer.h"

#include <QFile>

namespace nimbo {

void TextReportWriter::write(const ReportModel& model, const QString& path)
{
    QFile f(path);
    const QByteArray text = ReportTextRenderer(model).render(0).toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
        throw UserError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
}

} // namespace nimbo
