#pragma once

#include "model/Project.h"
#include "simulation/AnalysisChecks.h"
#include "simulation/ResultStatistics.h"
#include "simulation/RunFeedback.h"
#include "simulation/RunRecord.h"
#include "simulation/UserCostMemo.h"
#include "userdelay/HourlyVolumeMemo.h"
#include "userdelay/QueueDay.h"

#include <array>
#include <cstdint>
#include <optional>

namespace wexa {

struct AnalysisOptions {
    // A seed repeats a run bit for bit; without one the clock seeds it.
    std::optional<std::uint32_t> Seed;
    // Null when nobody watches. Otherwise the run sets the iterations done
    // after each one, and stops after the one at hand once cancelled.
    RunFeedback* Feedback = nullptr;
    // Null unless someone wants to see the figures of one iteration: the run
    // then fills it for the iteration it names (see RunRecord).
    RunRecord* Record = nullptr;
};

using PerIteration = std::array<double, kProbabilisticIterations>;

// Working storage of a run and what it leaves besides the project's result
// tables: the seed, each iteration's drawn rates and status, and the three NPV
// tables in iteration order (the statistics sort the project's rows in
// place). About two megabytes: allocate it once, on the heap, and reuse it.
struct AnalysisWorkspace {
    QueueDay Day;
    UserCostMemo UserCosts;
    HourlyVolumeMemo Volumes;
    std::uint32_t Seed = 0;
    PerIteration DiscountRates{};
    PerIteration GrowthRates{};
    IterationStatusTable Statuses{};
    NpvResultTable AgencyInIterationOrder{};
    NpvResultTable UserInIterationOrder{};
    NpvResultTable TotalInIterationOrder{};
};

// Checks the project and, when it passes, computes the agency, user and total
// NPV of every declared alternative: 5000 iterations with drawn inputs, or one
// when AnalysisType is not probabilistic. Fills IterationCount, the result
// tables, the counts by outcome and, after a probabilistic run, the sorted
// rows, percentiles and cumulative percentages. A refused project leaves
// every result as it was.
//
// The run also refuses, with caption "Project Data Error", when a figure it
// works out cannot be reported (a cost or NPV that is not finite or reaches
// 2^53 dollars either way, where whole dollars stop being exact; an AADT
// below 0 or not finite; a deterministic discount rate of
// -100 % or less): it stops there, and the project's results stay as they
// were. The workspace is then scratch: its tables hold the iterations done
// before the stop and mean nothing.
//
// A cancelled run stops the same way, with a refusal that has Cancelled set
// and no message. The project is written only after the last check for a
// cancel, so a run is either cancelled or finished, never both.
[[nodiscard]] std::optional<RunRefusal> RunAnalysis(Project& project, AnalysisWorkspace& workspace,
                                                    const AnalysisOptions& options = {});

// Copies everything a finished run fills in from the project it ran on to
// another, leaving the inputs of `to` alone: a run may work on a copy of the
// project while the original stays where the user can see it.
void CopyRunResults(const Project& from, Project& to);

} // namespace wexa
