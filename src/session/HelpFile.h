#pragma once
#include <QString>

namespace nimbo {

// The Turkish user guide the program ships: help/ in the data folder (share/nimbosoft of an
// installed program, the binaries' folder of a build), or docs/help of the source tree when
// a build folder has not copied it yet.
class HelpFile {
public:
    // Absolute path of index.html; empty when the guide cannot be found.
    static QString path();
    // The page of one window (help/<class name>.html), else the index; empty when neither exists.
    static QString pageFor(const QString& className);
    // The folder holding index.html, found from the given executable folder.
    static QString folderFor(const QString& appDir);
};

} // namespace nimbo
