#pragma once
#include "stock/SpreadsheetReader.h"

namespace nimbo {

// Office Open XML workbooks: the archive opened with libzip, the first sheet and the shared
// strings read with Qt's XML stream reader.
class XlsxSheetReader : public SpreadsheetReader {
public:
    QList<QStringList> rows(const QString& path) const override;
};

} // namespace nimbo
