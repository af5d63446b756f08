#pragma once
#include <QString>

namespace nimbo {

// The Turkish help page the program ships: help/index.html beside the binaries, or
// docs/help/index.html of the source tree when run from a build folder.
class HelpFile {
public:
    // Absolute path; empty when it cannot be found.
    static QString path();
};

} // namespace nimbo
