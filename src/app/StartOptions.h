#pragma once

#include <optional>
#include <string>

namespace wexa::app {

// `wexa --version` and `wexa --help` are answered before the application
// object exists, so that they work where no display can be opened (a
// package check, a terminal over ssh). The text to print and exit with
// status 0, or nothing when the window is to start; every other argument is
// left to Qt and the window.
[[nodiscard]] std::optional<std::string> StartOptionText(int argc, const char* const* argv);

} // namespace wexa::app
