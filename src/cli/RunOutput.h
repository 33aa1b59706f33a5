#pragma once

#include "model/Project.h"
#include "simulation/AnalysisRun.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace wexa::cli {

// A run's results as JSON: the draws and every NPV in iteration order (marks
// included, so that alternatives can be compared iteration by iteration),
// with the counts, percentiles and cumulative percentages of each
// alternative, and last the status of each of its iterations ("valid",
// "gridlock" or "failure"), which tells a mark from a valid NPV.
// Percentiles are null after a deterministic run and for an alternative
// without a valid iteration.
[[nodiscard]] nlohmann::ordered_json RunToJson(const Project& project,
                                               const AnalysisWorkspace& workspace);

// A short table per alternative: the NPVs of a deterministic run, or the
// failure and gridlock shares and the 10th, 50th and 90th percentile NPVs of
// a probabilistic one.
void WriteRunSummary(std::ostream& out, const Project& project, const AnalysisWorkspace& workspace);

} // namespace wexa::cli
