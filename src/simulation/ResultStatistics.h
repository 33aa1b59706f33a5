#pragma once

#include "model/Project.h"

#include <array>
#include <cstdint>

namespace wexa {

// How one iteration of one alternative ended. The result tables hold −1 and
// −2 marks for the last two, but a valid NPV may be negative too, so the
// statistics go by this status and never by the stored value.
enum class IterationStatus : std::uint8_t { Valid, Gridlock, Failure };

// The statuses of every alternative's iterations, indexed like the NPV result
// tables. The analysis run owns it; the Project does not store it.
using IterationStatusTable =
    std::array<std::array<IterationStatus, kProbabilisticIterations>, kMaxAlternatives>;

// After a probabilistic run: for each alternative below NumberOfAlternatives,
// sorts its rows of the three NPV tables over the first IterationCount
// columns (failures first, then gridlocks, then the valid NPVs ascending),
// reads the eleven percentile points (0th, 10th, .., 100th) of the valid NPVs
// and fills the cumulative percentage of each point, scaled by the whole
// percentage of valid iterations. SuccessPercent is left holding that
// percentage for the last alternative.
//
// Which iterations are valid is read from the statuses alone, so the points
// always fall on valid NPVs. An alternative without a valid iteration gets
// percentiles and cumulative percentages of 0. Counts outside the tables are
// clamped to them. Nothing is allocated.
void ComputeResultStatistics(Project& project, const IterationStatusTable& statuses);

} // namespace wexa
