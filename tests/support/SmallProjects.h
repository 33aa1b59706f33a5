#pragma once

// Small hand-built projects for tests of the run and what is built on it:
// deterministic, without drawn inputs or (unless asked) work-zone user costs,
// so that every figure can be followed by hand.

#include "model/Project.h"

#include <initializer_list>
#include <memory>
#include <utility>

namespace wexa {

// A one-alternative project without work-zone user costs and without drawn
// inputs, so that every figure can be worked out by hand.
inline std::unique_ptr<Project> PlainProject() {
    auto p = std::make_unique<Project>();
    p->AnalysisType = kDeterministicAnalysis;
    p->AnalysisPeriod = 35;
    p->DiscountRateKind = kDeterministic;
    p->DiscountRateMin = p->DiscountRateMax = 0.0;
    p->DiscountRateMean = 4.0;
    p->TrafficGrowthKind = kDeterministic;
    p->TrafficGrowthMin = p->TrafficGrowthMax = 0.0;
    p->ActivityUserCostModes.fill(kExcludeUserCosts);
    p->ActivityAgencyCostVariability.fill(0.0);
    p->ActivityYearsKind.fill(kDeterministic);
    return p;
}

inline void Schedule(Project& p, int alternative,
                     std::initializer_list<std::pair<Int32, double>> plan) {
    p.AlternativeActivityCount[alternative - 1] = static_cast<Int32>(plan.size());
    int activity = 1;
    for (const auto& [yearsToNext, bid] : plan) {
        const int slot = ActivitySlot(alternative, activity++);
        p.ActivityYearsExpected[slot] = yearsToNext;
        p.ActivityBidItemTotal[slot] = bid;
    }
}

// A work zone that gridlocks: demand far above the work-zone capacity all day.
inline void MakeGridlock(Project& p, int slot) {
    p.BaseYearAADT = 200000;
    p.MaximumAADT = 200000;
    p.ActivityUserCostModes[slot] = kIncludeUserCosts;
    p.ActivityWorkZoneCapacity[slot] = 100.0;
    p.ActivityStartHour[slot] = 0;
    p.ActivityStopHour[slot] = 0;
    p.ActivityHoursInEffect[slot] = 24;
    p.ActivityRequiredTime[slot] = 48;
}

} // namespace wexa
