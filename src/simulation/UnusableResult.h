#pragma once

#include "simulation/CheckFailure.h"

namespace wexa {

// A figure that the analysis run or the work-zone evaluation worked out but
// cannot report: not a finite number, 2^53 dollars or more either way (where
// whole dollars stop being exact, see IsExactWholeRange), or a traffic
// volume below 0 or not finite. Such a figure is not
// a result, so the computation stops and refuses instead of storing a
// saturated or zeroed stand-in.
//
// The run records what it needs in this plain value inside its loops (no
// allocation there) and only turns it into a message once it has stopped.

enum class ResultFigure {
    AgencyCost, // an activity's varied bid or time-related cost, undiscounted
    UserCost,   // an activity's work-zone user cost (or one of its components)
    AgencyNpv,  // the running NPVs up to and including an activity
    UserNpv,
    TotalNpv,
    GrownAadt,    // the activity year's AADT came out below 0 or not finite
    DiscountRate, // the rate a deterministic run drew is -100 % or less
};

struct UnusableResult {
    ResultFigure Figure = ResultFigure::UserCost;
    double Value = 0;
    // Numbered from 1; 0 when the figure belongs to no activity (the
    // discount rate).
    int Alternative = 0;
    int Activity = 0;
    double Year = 0;       // the activity year
    int Aadt = 0;          // that year's AADT, for the user-cost figures
    double GrowthRate = 0; // percent a year, as used
    // The drawn rate (percent), and the iteration numbered from 1; Iteration
    // is 0 outside a probabilistic run, and then the rates are not repeated
    // in the message unless the figure depends on them.
    double DiscountRate = 0;
    int Iteration = 0;
};

// Where a figure of the work zone evaluated for the dialog, or of the run,
// went wrong, with the inputs that drive it (cost rates, traffic, discount
// rate), captioned "Project Data Error".
[[nodiscard]] CheckFailure DescribeUnusableResult(const UnusableResult& result);

} // namespace wexa
