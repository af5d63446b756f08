#include "stock/SpreadsheetReader.h"
#include "db/Errors.h"
#include "stock/CsvSheetReader.h"
#include "stock/XlsSheetReader.h"
#include "stock/XlsxSheetReader.h"

#include <QFileInfo>

namespace nimbo {

std::unique_ptr<SpreadsheetReader> SpreadsheetReader::forFile(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("xlsx"))
        return std::make_unique<XlsxSheetReader>();
    if (ext == QLatin1String("xls"))
        return std::make_unique<XlsSheetReader>();
    if (ext == QLatin1String("csv") || ext == QLatin1String("txt"))
        return std::make_unique<CsvSheetReader>();
    fail(path, QStringLiteral("desteklenmeyen dosya türü"));
}

void SpreadsheetReader::fail(const QString& path, const QString& reason)
{
    throw UserError(QStringLiteral("Dosya okunamadı: %1 (%2)").arg(QFileInfo(path).fileName(), reason));
}

} // namespace nimbo
