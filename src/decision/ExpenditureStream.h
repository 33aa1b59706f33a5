#pragma once

// The expenditure stream of a project: when each alternative's activities
// happen, what each costs the agency and the road users in that year's
// dollars, what that is worth in the base year, and the salvage credit at the
// end of the analysis period. Every figure is one the run itself used (see
// RunRecord); nothing here prices anything again.

#include "model/Project.h"
#include "simulation/AnalysisChecks.h"
#include "simulation/RunFeedback.h"
#include "simulation/RunRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace wexa {

// Which run the stream comes from: a deterministic project's own run, or a
// probabilistic project's base case (see MakeBaseCase).
enum class StreamBasis { Deterministic, BaseCase };

// One year of one alternative, undiscounted and in present value. The
// salvage credit enters the last year as a negative amount.
struct YearFigures {
    double Agency = 0.0;
    double User = 0.0;
    double Total = 0.0;
    double PresentAgency = 0.0;
    double PresentUser = 0.0;
    double PresentTotal = 0.0;
};

struct ExpenditureStream {
    StreamBasis Basis = StreamBasis::Deterministic;
    RunRecord Record;
    // Years 0..AnalysisPeriod, each with every alternative's figures; only
    // the entries of valid alternatives mean anything.
    std::vector<PerAlternative<YearFigures>> Years;
};

// The present values of one recorded activity: agency (bid items, then the
// time-related items in row order), user and their total.
[[nodiscard]] double PresentAgency(const RecordedActivity& row);
[[nodiscard]] double PresentTotal(const RecordedActivity& row);
[[nodiscard]] double UndiscountedAgency(const RecordedActivity& row);

// The numbers (from 1) of the alternatives that have an NPV, the only ones
// with figures in the year-by-year table.
[[nodiscard]] std::vector<int> ValidAlternatives(const RunRecord& record);

// A year's figures in the table's order: undiscounted agency, user and
// total, then the same in present value.
[[nodiscard]] std::array<double, 6> InColumnOrder(const YearFigures& year);

// Runs the project (deterministic) or its base case (probabilistic) once,
// recording what the run does, and lays the stream out year by year. A
// project the run refuses is refused the same way: a probabilistic project is
// first run in full with `seed`, as the run of its results would be.
[[nodiscard]] std::optional<RunRefusal> ComputeExpenditureStream(const Project& project,
                                                                 std::optional<std::uint32_t> seed,
                                                                 RunFeedback* feedback,
                                                                 ExpenditureStream& stream);

// The same stream of a project whose own run has already been accepted (the
// results on the screen): only the one recorded run, without the full run
// first. `seed` is the accepted run's, which a deterministic project's drawn
// rates depend on.
[[nodiscard]] std::optional<RunRefusal> RecordExpenditureStream(const Project& project,
                                                                std::uint32_t seed,
                                                                RunFeedback* feedback,
                                                                ExpenditureStream& stream);

} // namespace wexa
