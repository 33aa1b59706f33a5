#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/OutputPaths.h"
#include "cli/ProjectRun.h"
#include "cli/RunOutput.h"
#include "model/OutputFiles.h"
#include "model/PathText.h"
#include "report/FormattedReport.h"

#include <ctime>
#include <string>
#include <variant>
#include <vector>

namespace wexa::cli {

int RunCommand(const RunOptions& options, Output output, RunFeedback* feedback) {
    std::vector<std::string> outputs;
    for (const auto& path : {options.reportPath, options.jsonPath}) {
        if (path) {
            outputs.push_back(*path);
        }
    }
    if (const auto refused = CheckOutputPaths(output, {options.projectPath}, outputs)) {
        return *refused;
    }
    auto outcome = ReadAndRunProject(options.projectPath, options.seed, output, feedback);
    if (const int* status = std::get_if<int>(&outcome)) {
        return *status;
    }
    const auto& [project, workspace] = std::get<ProjectRun>(outcome);
    // Both files land together or neither does, and the summary follows
    // only once they have.
    OutputFiles files;
    if (options.reportPath) {
        const std::string report =
            FormatReport(*project, workspace->Statuses, *options.reportPath, std::time(nullptr));
        if (const FileResult staged = files.Add(PathFromText(*options.reportPath), report);
            !staged) {
            return ReportNotWritten(output, staged);
        }
    }
    if (options.jsonPath) {
        const std::string json = RunToJson(*project, *workspace).dump() + "\n";
        if (const FileResult staged = files.Add(PathFromText(*options.jsonPath), json); !staged) {
            return ReportNotWritten(output, staged);
        }
    }
    // A Ctrl+C after the last iteration still stops the command whole.
    if (feedback != nullptr && feedback->Cancelled()) {
        return ReportCancelled(output);
    }
    if (const FileResult written = files.Commit(); !written) {
        return ReportNotWritten(output, written, files.Finished());
    }
    WriteRunSummary(output.out, *project, *workspace);
    return kExitSuccess;
}

} // namespace wexa::cli
