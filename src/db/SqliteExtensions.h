#pragma once
#include <QSqlDatabase>

struct sqlite3;

namespace nimbo {

// Functions and collations the program's SQL expects on every SQLite connection:
//   TRUPPER(text)       Turkish upper-case fold (Dialect::foldText)
//   COLLATE TRNAME      Turkish alphabetical order (QCollator, Turkish locale)
// Registered through the driver's sqlite3 handle; the program links the system libsqlite3,
// the same library Qt's SQLite driver uses.
namespace SqliteExtensions {
void install(const QSqlDatabase& db);
// The driver's own handle of a SQLite connection; null for another engine.
sqlite3* handle(const QSqlDatabase& db);
// Whether the folder lies on a network file system (NFS, SMB/CIFS, ...), where SQLite's
// locking cannot be trusted with several workstations.
bool onNetworkFileSystem(const QString& folder);
} // namespace SqliteExtensions

} // namespace nimbo
