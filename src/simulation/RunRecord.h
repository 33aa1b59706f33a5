#pragma once

// What the run did in one iteration, figure by figure: the values it used for
// every activity it visited, the salvage credit of the activity that closed
// each alternative, and the NPVs it stored. The run fills it only when asked
// (AnalysisOptions::Record) and only for the iteration named; every figure is
// the very double the run computed, so anything built on it agrees with the
// run's results to the bit. Fixed in size: filling it allocates nothing.

#include "model/Project.h"
#include "simulation/ResultStatistics.h"

#include <array>
#include <optional>

namespace wexa {

struct RecordedActivity {
    int Activity = 0; // 1-based, within its alternative
    double Year = 0.0;
    bool Gridlock = false;
    // Undiscounted, as costed. A gridlocked activity keeps only its bid-item
    // cost; one that excludes user costs has no time-related or user cost.
    double BidItemCost = 0.0;
    std::array<double, kTimeItemsPerActivity> TimeRelatedCosts{};
    double TimeRelatedCost = 0.0; // the items' sum in row order
    double UserCost = 0.0;
    double DiscountFactor = 1.0;
    // Each cost divided by the discount factor, as the run added it to its
    // running sums.
    double BidItemPresentValue = 0.0;
    std::array<double, kTimeItemsPerActivity> TimeRelatedPresentValues{};
    double UserPresentValue = 0.0;
};

struct RecordedSalvage {
    double Fraction = 0.0;       // (year + interval - period) / interval
    double Amount = 0.0;         // undiscounted
    double DiscountFactor = 1.0; // at the end of the analysis period
    double PresentValue = 0.0;
};

struct RecordedAlternative {
    int ActivityCount = 0;
    std::array<RecordedActivity, kActivitiesPerAlternative> Activities{};
    // Only for an alternative closed without a gridlock.
    std::optional<RecordedSalvage> Salvage;
    IterationStatus Status = IterationStatus::Valid;
    // As stored in the result tables: the marks when the status is not valid.
    Int64 AgencyNpv = 0;
    Int64 UserNpv = 0;
    Int64 TotalNpv = 0;
};

struct RunRecord {
    // The iteration to record; the run leaves the record alone for others.
    int Iteration = 0;
    // Filled by the run.
    bool Filled = false;
    double DiscountRate = 0.0;
    double GrowthRate = 0.0;
    int AnalysisPeriod = 0;
    int AlternativeCount = 0;
    PerAlternative<RecordedAlternative> Alternatives{};
};

} // namespace wexa
