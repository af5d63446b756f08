#pragma once
#include <QString>

namespace nimbo {

// Where the program keeps its files. Tests and tools point these elsewhere.
class Paths {
public:
    // Folder of the executable, with a trailing slash (NIMBO.ini lives here).
    static QString programDir();
    static void setProgramDir(const QString& dir);
    // Per-user configuration folder: aliases and remembered firm, user and branch.
    static QString configDir();
    static void setConfigDir(const QString& dir);
    // Default folder of the embedded databases.
    static QString defaultDataDir();

    static QString settingsFile();  // programDir + "NIMBO.ini"
    static QString aliasFile();     // configDir + "aliases.ini"
    static QString userFile();      // configDir + "user.ini"
};

} // namespace nimbo
