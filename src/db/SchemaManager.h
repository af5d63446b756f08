#pragma once
#include "db/Db.h"
#include "db/SchemaDef.h"

#include <functional>

namespace nimbo {

// A numbered step for what the declarations cannot say (data conversions, renames).
struct Migration {
    int version;
    QString what;
    std::function<void(const Db&)> run;
};

// Creates and upgrades databases from the declarations. Upgrading is safe to re-run:
// numbered steps run once each, in their own transaction and before the declarations they
// prepare for; then missing tables, columns, indexes and views are added; SCHEMA_SURUM
// records the version reached. A database newer than the program is refused.
class SchemaManager {
public:
    static int currentVersion();
    static const QList<Migration>& migrations();

    static void createYear(const Db& db);  // fresh year database, with default rows
    static void upgradeYear(const Db& db);
    static void createFirms(const Db& db); // the firms database
    static int versionOf(const Db& db);    // 0 when the table is missing
    // Refuses (UserError naming the maintenance command) a year database whose schema is
    // newer or older than this program's.
    static void checkYearVersion(const Db& db);
    static QString versionMessage(int found);

    // Applies one set of parts (used by both create and upgrade).
    static void apply(const Db& db, const QList<SchemaPart>& parts);
    static QString createTableSql(const Dialect& d, const TableDef& t);
};

} // namespace nimbo
