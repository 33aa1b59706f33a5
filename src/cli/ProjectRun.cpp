#include "cli/ProjectRun.h"

#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "forms/StoredTimingCheck.h"

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

} // namespace

std::unique_ptr<Project> ReadProjectToRun(const std::string& path, Output output) {
    auto project = ReadProjectOrReport(path, output);
    if (project) {
        WarnOfStaleTimings(*project, output);
    }
    return project;
}

int ReportRunRefusal(Output output, const RunRefusal& refusal) {
    if (refusal.Cancelled) {
        return ReportCancelled(output);
    }
    for (const CheckFailure& message : refusal.Messages) {
        ReportRefusal(output, message.Caption, message.Message);
    }
    return kExitRefused;
}

std::variant<ProjectRun, int> ReadAndRunProject(const std::string& path,
                                                std::optional<std::uint32_t> seed, Output output,
                                                RunFeedback* feedback) {
    ProjectRun run{ReadProjectToRun(path, output), nullptr};
    if (!run.project) {
        return kExitFileError;
    }
    run.workspace = std::make_unique<AnalysisWorkspace>();
    if (const auto refusal = RunAnalysis(*run.project, *run.workspace, {seed, feedback})) {
        return ReportRunRefusal(output, *refusal);
    }
    return run;
}

int ReportCancelled(Output output) {
    output.err << "wexa-cli: Run cancelled. Nothing was written.\n";
    return kExitCancelled;
}

} // namespace wexa::cli
