#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace nimbo {

// Reads the first sheet of a spreadsheet file as text cells: .xlsx, .xls and .csv.
//
//   const QList<QStringList> rows = SpreadsheetReader::read(path);  // rows[0] is row 1
//
// Numbers come as written in the file ("12.5"); empty rows stay as empty lists so that row
// numbers keep matching the file. A missing, damaged or foreign file throws UserError.
class SpreadsheetReader {
public:
    virtual ~SpreadsheetReader() = default;
    virtual QList<QStringList> rows(const QString& path) const = 0;

    // The reader for the file's extension; UserError for an extension none reads.
    static std::unique_ptr<SpreadsheetReader> forFile(const QString& path);
    static QList<QStringList> read(const QString& path) { return forFile(path)->rows(path); }

protected:
    // "Dosya okunamadı: <name> (<reason>)"
    [[noreturn]] static void fail(const QString& path, const QString& reason);
};

} // namespace nimbo
