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

    static QString settingsFile();  // programDir + "NIMBO.ini" (installedSettingsFor when installed)
    static QString aliasFile();     // configDir + "aliases.ini"
    static QString userFile();      // configDir + "user.ini"
};

} // namespace nimbo
