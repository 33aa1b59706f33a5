#pragma once

// The largest project shape: four alternatives of ten activities each, every
// activity priced with and without its work zone in each of the 5000
// iterations. The benchmarks time it; tests that need a run long enough to
// act on while it works use it too.
#include "model/Project.h"

#include <memory>

namespace wexa::bench {

// Ten activities three years apart over a 30-year period: the tenth closes
// each alternative, so every activity is evaluated in every iteration.
inline std::unique_ptr<Project> LargestProject(int baseAadt) {
    auto p = std::make_unique<Project>();
    p->AnalysisPeriod = 30;
    p->NumberOfAlternatives = kMaxAlternatives;
    p->NumberOfLanes = 2;
    p->MaxServiceFlowRate = 2300.0;
    p->ServiceFlowRate = 4381.0;
    p->BaseYearAADT = baseAadt;
    p->MaximumAADT = 60000;
    LoadBuiltInHourlyTable(*p, 1); // urban: sharp peaks
    p->TrafficType = 1;
    p->DiscountRateKind = kTriangular;
    p->TrafficGrowthKind = kUniform;
    for (int a = 0; a < kMaxAlternatives; ++a) {
        p->AlternativeActivityCount[a] = kActivitiesPerAlternative;
        for (int j = 0; j < kActivitiesPerAlternative; ++j) {
            const int slot = a * kActivitiesPerAlternative + j;
            p->ActivityYearsKind[slot] = kDeterministic;
            p->ActivityYearsExpected[slot] = 3;
            p->ActivityBidItemTotal[slot] = 250000.0 + 10000.0 * j;
            p->ActivityRequiredTime[slot] = 120 + 8 * a;
            p->ActivityTimeVariability[slot] = 20.0;
            p->ActivityStartHour[slot] = 6 + a;
            p->ActivityHoursInEffect[slot] = 10;
            p->ActivityStopHour[slot] = 16 + a;
            p->ActivityMobilizationHours[slot] = 1;
            p->ActivityWorkZoneLength[slot] = 2.0;
            p->ActivityWorkZoneSpeed[slot] = 45;
            p->TimeItemUnitPrices[slot * 3] = 1500.0;
        }
    }
    return p;
}

// A base AADT at which every work zone of the largest project queues, and one
// at which none does.
constexpr int kQueueingAadt = 30000;
constexpr int kFreeFlowAadt = 3000;

} // namespace wexa::bench
