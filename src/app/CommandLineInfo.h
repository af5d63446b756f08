#pragma once
#include <optional>

namespace nimbo {

// "nimbo --version" and "nimbo --help" (also -v, -h): printed before any window system is
// touched, so they work without a display and while the package is built. Returns the exit
// code when one of them was asked for.
std::optional<int> answerInfoOption(int argc, char** argv);

} // namespace nimbo
