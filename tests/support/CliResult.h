#pragma once

#include "cli/Commands.h"

#include <sstream>
#include <string>

namespace wexa::testing {

// What a command printed, and the status it ended with.
struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Calls `command` with string streams for its output.
template <typename Command> CliResult Capture(Command command) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(cli::Output{out, err});
    return {status, out.str(), err.str()};
}

} // namespace wexa::testing
