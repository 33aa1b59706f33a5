#include "app/StartOptions.h"

#include <string_view>

namespace wexa::app {

std::optional<std::string> StartOptionText(int argc, const char* const* argv) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (option == "--version") {
        return std::string("wexa ") + WEXA_VERSION + "\n";
    }
    if (option == "--help") {
        return "Usage: wexa [PROJECT.wxa]\n"
               "       wexa --export-document PROJECT.wxa -o OUT.pdf [--seed N] "
               "[--risk-percentile P]\n"
               "Starts the Wexa window, with the project file open if one is named;\n"
               "or runs the project without a window and writes its analysis document.\n\n"
               "  --version  Print the version and exit\n"
               "  --help     Print this help and exit\n\n"
               "Qt's own options (-platform, -style, -reverse, ...) are accepted too.\n"
               "wexa-cli runs projects without a window; see wexa-cli --help.\n";
    }
    return std::nullopt;
}

} // namespace wexa::app
