#include "model/CostTables.h"

#include <gtest/gtest.h>

#include <memory>

namespace wexa {
namespace {

// The dialogs' "Reset Defaults" and a new project must agree on every value.
TEST(CostTables, DefaultsAreThoseOfANewProject) {
    auto project = std::make_unique<Project>();
    project->AddedCostCombinationTruck[11] = 1.0;
    project->IdlingCostSingleUnitTruck = 9.0;
    project->DelayRateCombinationTruck = 9.0;
    LoadDefaultAddedTimeCosts(*project);
    LoadDefaultDelayCostRates(*project);
    EXPECT_EQ(AddedTimeCostTable::Defaults(), AddedTimeCostTable::CopyOf(*project));
    EXPECT_EQ(DelayCostRates::Defaults(), DelayCostRates::CopyOf(*project));
    EXPECT_EQ(AddedTimeCostTable::Defaults().AddedCostCombinationTruck[11], 721.77);
    EXPECT_EQ(AddedTimeCostTable::Defaults().IdlingCostPassengerCar, 0.6927);
    EXPECT_EQ(DelayCostRates::Defaults().DelayRatePassengerCar, 11.58);
}

// Each value lands in its own field: a mix-up of two classes or of time and
// cost would show here.
TEST(CostTables, CopyIntoWritesEachFieldOnce) {
    AddedTimeCostTable table;
    SpeedTable* const columns[] = {
        &table.AddedTimePassengerCar,     &table.AddedTimeSingleUnitTruck,
        &table.AddedTimeCombinationTruck, &table.AddedCostPassengerCar,
        &table.AddedCostSingleUnitTruck,  &table.AddedCostCombinationTruck};
    for (int c = 0; c < 6; ++c) {
        for (int k = 0; k < kSpeedRows; ++k) {
            (*columns[c])[k] = 100.0 * c + k;
        }
    }
    table.IdlingCostPassengerCar = 1.0;
    table.IdlingCostSingleUnitTruck = 2.0;
    table.IdlingCostCombinationTruck = 3.0;
    auto project = std::make_unique<Project>();
    table.CopyInto(*project);
    EXPECT_EQ(project->AddedTimeSingleUnitTruck[4], 104.0);
    EXPECT_EQ(project->AddedCostPassengerCar[16], 316.0);
    EXPECT_EQ(project->AddedCostCombinationTruck[0], 500.0);
    EXPECT_EQ(project->IdlingCostCombinationTruck, 3.0);
    EXPECT_EQ(AddedTimeCostTable::CopyOf(*project), table);

    const DelayCostRates rates{1.5, 2.5, 3.5};
    rates.CopyInto(*project);
    EXPECT_EQ(project->DelayRatePassengerCar, 1.5);
    EXPECT_EQ(project->DelayRateSingleUnitTruck, 2.5);
    EXPECT_EQ(project->DelayRateCombinationTruck, 3.5);
    EXPECT_EQ(DelayCostRates::CopyOf(*project), rates);
}

} // namespace
} // namespace wexa
