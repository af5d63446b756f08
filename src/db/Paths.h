#pragma once
#include <QString>

namespace nimbo {

// Where the program keeps its files. Tests and tools point these elsewhere.
//
// An installed program cannot write beside its executable: then NIMBO.ini lives in the
// user's configuration folder and the work folders (YEDEK, TEMP, the log) in the user's
// data folder. A NIMBO.ini shipped beside the executable still gives the defaults.
class Paths {
public:
    // Folder of the executable, with a trailing slash.
    static QString programDir();
    static void setProgramDir(const QString& dir);
    // Per-user configuration folder: aliases and remembered firm, user and branch.
    static QString configDir();
    static void setConfigDir(const QString& dir);
    // Default folder of the embedded databases.
    static QString defaultDataDir();
    // The folder of YEDEK/, TEMP/ and the log: the program folder when it can be written,
    // else the user's data folder. With a trailing slash.
    static QString dataDir();
    static void setDataDir(const QString& dir);

    static QString settingsFile();        // where NIMBO.ini is read and written
    static QString shippedSettingsFile(); // programDir + "NIMBO.ini" (may be read-only)
    static QString aliasFile();           // configDir + "aliases.ini"
    static QString userFile();            // configDir + "user.ini"
    static QString logFile();             // dataDir + "nimbo.log"

    // Whether a file can be created in the folder (created when missing).
    static bool isWritableFolder(const QString& dir);
};

} // namespace nimbo
