#pragma once
#include "stock/SpreadsheetReader.h"

namespace nimbo {

// Comma- or semicolon-separated text (the separator the first line uses most), UTF-8 with
// or without a byte-order mark, quoted fields with doubled quotes inside.
class CsvSheetReader : public SpreadsheetReader {
public:
    QList<QStringList> rows(const QString& path) const override;
    static QList<QStringList> parse(const QString& text);
};

} // namespace nimbo
