#pragma once

#include "model/Project.h"
#include "simulation/CheckFailure.h"

#include <optional>
#include <vector>

namespace wexa {

// Why a run left the results as they were: the messages to show, in order (a
// Normal discount rate that fails gets an explanation before the run's own
// message; the last message names the control that takes the focus), or,
// with no message, that the user cancelled it.
struct RunRefusal {
    std::vector<CheckFailure> Messages;
    bool Cancelled = false;
};

// The checks before a run, in the order the user meets them: first that every
// value the run indexes or divides by is usable, then the discount rate, the
// traffic growth rate, every declared activity's years to the next activity
// and, in a deterministic run, that each alternative's expected intervals span
// the analysis period.
[[nodiscard]] std::optional<RunRefusal> CheckAnalysisInputs(const Project& project);

} // namespace wexa
