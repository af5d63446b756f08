#pragma once
#include "db/Db.h"

#include <QString>

namespace nimbo::admin {

// Where the firms database and its year databases live.
struct Server {
    QString driver = QStringLiteral("SQLITE");
    QString server; // SQLite: folder; PostgreSQL: host[:port]

    ConnectionParams params(const QString& database) const;
};

// Creates the firms database FIRMANIMB with FIRMALAR (kept when it exists).
Db initFirms(const Server& srv);
// Creates a year database with the current schema and its default rows, registers it in
// FIRMALAR and writes its alias. The database name must end with the year.
Db createYear(const Server& srv, const QString& firm, const QString& year, const QString& dbName,
              const QString& alias, int subeNo = 1);
// Registers an existing year database in FIRMALAR and writes its alias.
void registerYear(const Server& srv, const QString& firm, const QString& year, const QString& dbName,
                  const QString& alias, int subeNo = 1);
// Upgrades every year database FIRMALAR lists; returns how many were upgraded.
int upgradeAll(const Server& srv);
// Writes NIMBO.ini (server and driver) and the firms alias for this workstation.
void writeWorkstationSettings(const Server& srv);
// The demo firm "DEMO TİCARET" with fiscal years 2025 and 2026.
void createDemo(const Server& srv);

// "Bakım Ve Destek" for the firm-year the main form started us on (its launch parameter
// string: alias, user, password, database user, database password, year; "¢" for empty):
// the schema version against the program's, the table count and the rows of the main
// tables. Throws UserError when the alias is unknown or the user check fails.
QStringList yearStatus(const QStringList& launchArguments);
// Brings the firm-year of the launch parameters to the program's schema version.
int upgradeYearOf(const QStringList& launchArguments);

} // namespace nimbo::admin
