#pragma once

#include "cli/Commands.h"
#include "model/Project.h"
#include "simulation/AnalysisRun.h"
#include "simulation/RunFeedback.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace wexa::cli {

// A project read from its file and run to the end.
struct ProjectRun {
    std::unique_ptr<Project> project;
    std::unique_ptr<AnalysisWorkspace> workspace;
};

// Reads the project file a command is to run and warns on standard error of
// stored timings the work-zone dialog would not store; after a failure the
// error has gone to standard error and the result is null.
[[nodiscard]] std::unique_ptr<Project> ReadProjectToRun(const std::string& path, Output output);

// A run that did not finish: the refusal's captions and messages, or the
// cancel, on standard error; gives the exit status.
int ReportRunRefusal(Output output, const RunRefusal& refusal);

// What every command that runs the analysis does first: reads the project
// file as above and runs it, cancellable through `feedback`. When it does
// not finish (the file cannot be read, the project is refused, Ctrl+C), the
// reason has gone to standard error and the exit status is returned.
[[nodiscard]] std::variant<ProjectRun, int> ReadAndRunProject(const std::string& path,
                                                              std::optional<std::uint32_t> seed,
                                                              Output output, RunFeedback* feedback);

// A Ctrl+C that arrived during the command: says so and gives its exit status.
int ReportCancelled(Output output);

} // namespace wexa::cli
