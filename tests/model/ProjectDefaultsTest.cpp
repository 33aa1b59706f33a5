#include "model/Project.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace wexa {
namespace {

class FreshProject : public ::testing::Test {
protected:
    std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(FreshProject, DerivesFlowRatesAndIndexFromTheOtherDefaults) {
    EXPECT_EQ(project->HeavyVehicleFactor, 0.95238);
    EXPECT_EQ(project->MaxServiceFlowRate, 2200.0);
    EXPECT_EQ(project->ServiceFlowRate, 2095.0); // 2095.236 rounded
    EXPECT_EQ(project->ProjectLength, 1.0);
    EXPECT_EQ(project->CurrentActivityIndex, 0);
    EXPECT_EQ(project->ActivitySlots, 40);
    EXPECT_EQ(project->BidItemSlots, 400);
    EXPECT_EQ(project->TimeItemSlots, 120);
}

TEST_F(FreshProject, AllThreeDistributionsStartWithNormalCaptions) {
    const Captions normal{"Min", "Mean", "Max"};
    EXPECT_EQ(project->DiscountRateCaptions, normal);
    EXPECT_EQ(project->TrafficGrowthCaptions, normal);
    EXPECT_EQ(project->YearsToNextCaptions, normal);
}

TEST_F(FreshProject, BuiltInHourlyTablesAreWholeDaysWithComplementaryDirections) {
    const double ruralTotal =
        std::accumulate(project->RuralAADTPercent.begin(), project->RuralAADTPercent.end(), 0.0);
    const double urbanTotal =
        std::accumulate(project->UrbanAADTPercent.begin(), project->UrbanAADTPercent.end(), 0.0);
    EXPECT_NEAR(ruralTotal, 100.0, 1e-9);
    EXPECT_NEAR(urbanTotal, 100.0, 1e-9);
    for (int hour = 0; hour < kHours; ++hour) {
        EXPECT_EQ(project->RuralInboundPercent[hour] + project->RuralOutboundPercent[hour], 100.0);
        EXPECT_EQ(project->UrbanInboundPercent[hour] + project->UrbanOutboundPercent[hour], 100.0);
    }
    // The morning and evening peaks of each table.
    EXPECT_EQ(project->RuralAADTPercent[16], 9.3);
    EXPECT_EQ(project->RuralOutboundPercent[17], 57.0);
    EXPECT_EQ(project->UrbanAADTPercent[7], 7.8);
    EXPECT_EQ(project->UrbanOutboundPercent[6], 37.0);
}

TEST_F(FreshProject, CurrentHourlyTableIsTheRuralOne) {
    EXPECT_EQ(project->TrafficType, 0);
    EXPECT_EQ(project->HourlyAADTPercent, project->RuralAADTPercent);
    EXPECT_EQ(project->HourlyInboundPercent, project->RuralInboundPercent);
    EXPECT_EQ(project->HourlyOutboundPercent, project->RuralOutboundPercent);
}

struct TrafficTypeCase {
    int trafficType;
    const HourlyTable Project::*expectedAADT; // null: the edited table stays
};

class LoadHourlyTable : public ::testing::TestWithParam<TrafficTypeCase> {};

TEST_P(LoadHourlyTable, CopiesOnlyTheBuiltInTableOfRuralOrUrban) {
    auto project = std::make_unique<Project>();
    project->HourlyAADTPercent.fill(1.0);
    project->HourlyInboundPercent.fill(2.0);
    project->HourlyOutboundPercent.fill(3.0);
    LoadBuiltInHourlyTable(*project, GetParam().trafficType);
    if (GetParam().expectedAADT == nullptr) {
        EXPECT_EQ(project->HourlyAADTPercent[5], 1.0);
        EXPECT_EQ(project->HourlyInboundPercent[5], 2.0);
        EXPECT_EQ(project->HourlyOutboundPercent[5], 3.0);
        return;
    }
    EXPECT_EQ(project->HourlyAADTPercent, (*project).*GetParam().expectedAADT);
    EXPECT_EQ(project->HourlyInboundPercent[6] + project->HourlyOutboundPercent[6], 100.0);
}

INSTANTIATE_TEST_SUITE_P(Types, LoadHourlyTable,
                         ::testing::Values(TrafficTypeCase{0, &Project::RuralAADTPercent},
                                           TrafficTypeCase{1, &Project::UrbanAADTPercent},
                                           TrafficTypeCase{2, nullptr},
                                           TrafficTypeCase{-1, nullptr},
                                           TrafficTypeCase{7, nullptr}));

TEST_F(FreshProject, CostTablesHaveTheShippedValuesAndResetRestoresThem) {
    const auto shipped = std::make_unique<Project>();
    project->AddedCostCombinationTruck[11] *= 2.0;
    project->AddedTimePassengerCar[16] = 0.0;
    project->IdlingCostPassengerCar = 1.3854;
    project->DelayRateSingleUnitTruck = 0.0;

    LoadDefaultAddedTimeCosts(*project);
    LoadDefaultDelayCostRates(*project);

    EXPECT_EQ(project->AddedCostCombinationTruck[11], 721.77); // 55 mph
    EXPECT_EQ(project->AddedTimePassengerCar[16], 8.17);       // 80 mph
    EXPECT_EQ(project->AddedCostSingleUnitTruck[0], 0.0);
    EXPECT_EQ(project->AddedTimeSingleUnitTruck[1], 0.73);
    EXPECT_EQ(project->IdlingCostPassengerCar, 0.6927);
    EXPECT_EQ(project->IdlingCostCombinationTruck, 0.8248);
    EXPECT_EQ(project->DelayRateSingleUnitTruck, 18.54);
    EXPECT_EQ(project->DelayRateCombinationTruck, 22.31);
    EXPECT_EQ(project->AddedTimeCombinationTruck, shipped->AddedTimeCombinationTruck);
    EXPECT_EQ(project->AddedCostPassengerCar, shipped->AddedCostPassengerCar);
}

TEST(SlotIndex, FollowsAlternativeActivityAndRow) {
    EXPECT_EQ(ActivitySlot(1, 1), 0);
    EXPECT_EQ(ActivitySlot(2, 3), 12);
    EXPECT_EQ(ActivitySlot(4, 10), kActivitySlots - 1);
    EXPECT_EQ(BidItemSlot(12, 0), 120);
    EXPECT_EQ(BidItemSlot(12, 9), 129);
    EXPECT_EQ(BidItemSlot(39, 9), kBidItemSlots - 1);
    EXPECT_EQ(TimeItemSlot(12, 0), 36);
    EXPECT_EQ(TimeItemSlot(12, 2), 38);
    EXPECT_EQ(TimeItemSlot(39, 2), kTimeItemSlots - 1);
}

} // namespace
} // namespace wexa
