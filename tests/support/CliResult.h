#pragma once

#include "cli/Commands.h"

#include <array>
#include <sstream>
#include <string>

namespace wexa::testing {

// What a command printed, and the status it ended with.
struct CliResult {
    int status = -1;
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

inline CliResult RunCli(const cli::RunOptions& options) {
    return Capture([&](cli::Output output) { return cli::RunCommand(options, output); });
}

// The three kinds of NPV, as the JSON of run, compare and sensitivity names them.
inline constexpr std::array<const char*, 3> kNpvKinds{"agency", "user", "total"};

} // namespace wexa::testing
