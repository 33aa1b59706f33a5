#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "cli/Commands.h"
#include "cli/OutputPaths.h"
#include "cli/RunOutput.h"
#include "forms/StoredTimingCheck.h"
#include "model/OutputFiles.h"
#include "report/FormattedReport.h"
#include "simulation/AnalysisRun.h"

#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace wexa::cli {

namespace {

// The run goes on as the file says; the user learns which activities it
// prices on days or reports user costs the work-zone dialog never stored.
void WarnOfStaleTimings(const Project& project, Output output) {
    const std::vector<std::string> lines =
        forms::DescribeStaleTimings(forms::FindStaleTimings(project));
    for (const std::string& line : lines) {
        output.err << "wexa-cli: warning: " << line << '\n';
    }
    if (!lines.empty()) {
        output.err << "wexa-cli: warning: " << forms::kStaleTimingAdvice << '\n';
    }
}

int ReportCancelled(Output output) {
    output.err << "wexa-cli: Run cancelled. Nothing was written.\n";
    return kExitCancelled;
}

} // namespace

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
    const auto project = ReadProjectOrReport(options.projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    WarnOfStaleTimings(*project, output);
    const auto workspace = std::make_unique<AnalysisWorkspace>();
    if (const auto refusal = RunAnalysis(*project, *workspace, {options.seed, feedback})) {
        if (refusal->Cancelled) {
            return ReportCancelled(output);
        }
        for (const CheckFailure& message : refusal->Messages) {
            ReportRefusal(output, message.Caption, message.Message);
        }
        return kExitRefused;
    }
    // Both files land together or neither does, and the summary follows
    // only once they have.
    OutputFiles files;
    if (options.reportPath) {
        const std::string report =
            FormatReport(*project, workspace->Statuses, *options.reportPath, std::time(nullptr));
        if (const FileResult staged = files.Add(*options.reportPath, report); !staged) {
            return ReportNotWritten(output, staged);
        }
    }
    if (options.jsonPath) {
        const std::string json = RunToJson(*project, *workspace).dump() + "\n";
        if (const FileResult staged = files.Add(*options.jsonPath, json); !staged) {
            return ReportNotWritten(output, staged);
        }
    }
    // A Ctrl+C after the last iteration still stops the command whole.
    if (feedback != nullptr && feedback->Cancelled()) {
        return ReportCancelled(output);
    }
    if (const FileResult written = files.Commit(); !written) {
        return ReportNotWritten(output, written);
    }
    WriteRunSummary(output.out, *project, *workspace);
    return kExitSuccess;
}

} // namespace wexa::cli
