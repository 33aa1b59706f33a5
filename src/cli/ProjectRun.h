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

// What every command that runs the analysis does first: reads the project
// file, warns on standard error of stored timings the work-zone dialog would
// not store, and runs it, cancellable through `feedback`. When it does not
// finish (the file cannot be read, the project is refused, Ctrl+C), the
// reason has gone to standard error and the exit status is returned.
[[nodiscard]] std::variant<ProjectRun, int> ReadAndRunProject(const std::string& path,
                                                              std::optional<std::uint32_t> seed,
                                                              Output output, RunFeedback* feedback);

// A Ctrl+C that arrived during the command: says so and gives its exit status.
int ReportCancelled(Output output);

} // namespace wexa::cli
