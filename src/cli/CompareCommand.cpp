#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/CompareOutput.h"
#include "cli/ProjectRun.h"
#include "decision/Comparison.h"

#include <string>
#include <variant>

namespace wexa::cli {

int CompareCommand(const CompareOptions& options, Output output, RunFeedback* feedback) {
    // Refused before the run, which takes a while.
    if (options.riskPercentile < 1 || options.riskPercentile > 100) {
        return ReportOutOfRange(output, "--risk-percentile", "a whole number from 1 to 100",
                                std::to_string(options.riskPercentile));
    }
    auto outcome = ReadAndRunProject(options.projectPath, options.seed, output, feedback);
    if (const int* status = std::get_if<int>(&outcome)) {
        return *status;
    }
    // A Ctrl+C after the last iteration still stops the command whole.
    if (feedback != nullptr && feedback->Cancelled()) {
        return ReportCancelled(output);
    }
    const auto& [project, workspace] = std::get<ProjectRun>(outcome);
    const Comparison comparison = CompareAlternatives(*project, *workspace, options.riskPercentile);
    if (options.json) {
        output.out << ComparisonToJson(comparison, workspace->Seed).dump(2) << '\n';
    } else {
        WriteComparisonText(output.out, comparison, workspace->Seed);
    }
    return kExitSuccess;
}

} // namespace wexa::cli
