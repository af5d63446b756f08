#pragma once
#include <QString>

namespace nimbo {

// Where the program keeps its files. Tests and tools point these elsewhere.
//
// A program that cannot write beside its executable (installed, or a read-only folder)
// keeps NIMBO.ini in the user's configuration folder and its work folders (YEDEK, TEMP,
// layouts, the log) in the user's data folder.
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
    // Read-only files the program ships (help), with a trailing slash: <prefix>/share/nimbosoft/
    // for an installed program, the executable's folder in a build tree.
    static QString dataDirFor(const QString& appDir);
    // An executable in <prefix>/bin with its files in <prefix>/share/nimbosoft. Its folder is
    // not the user's to write, so NIMBO.ini and the layout files move to configDir.
    static bool isInstalled(const QString& appDir);
    // The workstation-wide NIMBO.ini an installed program starts from (/etc/nimbosoft/).
    static QString systemSettingsFileFor(const QString& appDir);
    // configDir + "NIMBO.ini" of an installed program; on the user's first start a copy of the
    // workstation-wide file, which is never copied over the user's own.
    static QString installedSettingsFor(const QString& appDir);
    // The folder of YEDEK/, TEMP/, the layout files and the log: the program folder when it
    // can be written, else the user's data folder. With a trailing slash.
    static QString workDir();
    static void setWorkDir(const QString& dir);

    // Where NIMBO.ini is read and written: programDir + "NIMBO.ini" when that can be written,
    // installedSettingsFor when installed, else configDir + "NIMBO.ini".
    static QString settingsFile();
    static QString shippedSettingsFile(); // programDir + "NIMBO.ini" (may be read-only)
    static QString aliasFile();           // configDir + "aliases.ini"
    static QString userFile();            // configDir + "user.ini"
    static QString logFile();             // workDir + "nimbo.log"

    // Whether a file can be created in the folder (created when missing).
    static bool isWritableFolder(const QString& dir);
};

} // namespace nimbo
