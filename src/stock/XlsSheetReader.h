#pragma once
#include "stock/SpreadsheetReader.h"

namespace nimbo {

// Older Excel workbooks (BIFF), read with libfreexl.
class XlsSheetReader : public SpreadsheetReader {
public:
    QList<QStringList> rows(const QString& path) const override;
};

} // namespace nimbo
