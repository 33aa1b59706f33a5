#pragma once

#include "decision/Comparison.h"
#include "simulation/RunFeedback.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace wexa::cli {

// Exit statuses of wexa-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;     // the project failed a check
inline constexpr int kExitFileError = 2;   // usage and file errors
inline constexpr int kExitUnexpected = 3;  // an error no command foresaw
inline constexpr int kExitCancelled = 130; // Ctrl+C, as shells report it

// Where a command writes. Tests pass string streams.
struct Output {
    std::ostream& out;
    std::ostream& err;
};

int NewCommand(const std::string& projectPath, Output output);
int ShowCommand(const std::string& projectPath, bool json, Output output);
int ImportCommand(const std::string& jsonPath, const std::string& projectPath, Output output);

struct WorkZoneOptions {
    std::string projectPath;
    int alternative = 1;
    int activity = 1;
    bool findOptimum = false;
    bool json = false;
};
int WorkZoneCommand(const WorkZoneOptions& options, Output output);
int OptimizeCommand(const std::string& projectPath, const std::string& outputPath, Output output);

struct RunOptions {
    std::string projectPath;
    std::optional<std::string> reportPath; // no report without one
    std::optional<std::uint32_t> seed;
    std::optional<std::string> jsonPath; // no JSON without one
};
// With `feedback`, the run can be cancelled through it (Ctrl+C): the command
// then writes nothing and ends with kExitCancelled.
int RunCommand(const RunOptions& options, Output output, RunFeedback* feedback = nullptr);

struct CompareOptions {
    std::string projectPath;
    std::optional<std::uint32_t> seed;
    int riskPercentile = kDefaultRiskPercentile; // 1..100; anything else is a usage error
    bool json = false;
};
// Runs the analysis as RunCommand does (its warnings, refusals and Ctrl+C
// alike) and prints the comparison of the alternatives, as a table or as
// JSON; writes no file.
int CompareCommand(const CompareOptions& options, Output output, RunFeedback* feedback = nullptr);

// The option values as typed: the command reads them, so that a malformed one
// is a usage error with its own message. A value left out is the core's
// default.
struct SensitivityCommandOptions {
    std::string projectPath;
    std::optional<std::string> from;  // percent
    std::optional<std::string> to;    // percent
    std::optional<std::string> step;  // percentage points
    std::optional<std::string> swing; // percent
    std::optional<std::string> pair;  // "A,B", alternatives numbered from 1
    bool json = false;
};
// The base case of the project swept over a range of discount rates, with the
// rates at which a pair's order changes, and its tornado of inputs; printed as
// text or JSON, no file written. Warnings, refusals and Ctrl+C as RunCommand.
// A value outside its option's range is a usage error, reported before the
// project is read: --from above -100, --to no lower than --from, --step above
// 0 and leaving at most kMaxSweepPoints rates, --swing from 0 to 100, --pair
// two different alternatives from 1 to 4, and of the project once it is read.
int SensitivityCommand(const SensitivityCommandOptions& options, Output output,
                       RunFeedback* feedback = nullptr);

struct CashflowOptions {
    std::string projectPath;
    std::optional<std::uint32_t> seed;  // for a deterministic project's drawn inputs
    std::optional<std::string> csvPath; // no CSV without one
    bool json = false;
};
// The expenditure stream of the project's deterministic run, or of its base
// case when the project is probabilistic: each alternative's activities,
// salvage credit and NPVs, then year by year; as text or JSON, with the
// year-by-year table as CSV when asked. Warnings, refusals, written files and
// Ctrl+C as RunCommand.
int CashflowCommand(const CashflowOptions& options, Output output, RunFeedback* feedback = nullptr);

} // namespace wexa::cli
