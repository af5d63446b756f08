#pragma once
#include <QLoggingCategory>
#include <QString>

namespace nimbo {

class DbError;

// Database errors with their statement text. The category is "nimbo.db"; once a log file
// is opened every message of the program's categories ("nimbo.*") is also appended there.
Q_DECLARE_LOGGING_CATEGORY(lcDb)

namespace DbLog {
void error(const DbError& e, const QString& connectionName);
// Appends to this file from now on (the folder is created). False when it cannot be written.
bool openFile(const QString& path);
QString filePath();
void closeFile();
} // namespace DbLog

} // namespace nimbo
