#include "userdelay/TrafficDemand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace wexa {
namespace {

constexpr int kNoCap = std::numeric_limits<int>::max();

TEST(GrowAadt, YearZeroKeepsTheBaseAadtWhateverTheGrowth) {
    for (double growth : {0.0, 3.7, -12.0, 250.0}) {
        EXPECT_EQ(GrowAadt(10000, 10, 6, 4, 0, growth, 50000), 10000) << "growth " << growth;
    }
}

TEST(GrowAadt, GrowsByTheRealPowerAndRoundsToWholeVehicles) {
    // 1.02^10 = 1.2189944..., so 10000 vehicles grow to 12189.94 and round to 12190.
    EXPECT_EQ(GrowAadt(10000, 10, 6, 4, 10, 2.0, kNoCap), 12190);
}

TEST(GrowAadt, TruckSharesThatDoNotAddUpScaleTheResult) {
    // Only the cars' 90% and the 0% of each truck class are counted.
    EXPECT_EQ(GrowAadt(10000, 10, 0, 0, 0, 0.0, kNoCap), 9000);
}

TEST(GrowAadt, IsCappedAtTheMaximum) {
    EXPECT_EQ(GrowAadt(40000, 10, 6, 4, 20, 5.0, 50000), 50000);
    // A cap that is met exactly is not a reason to change anything.
    EXPECT_EQ(GrowAadt(50000, 10, 6, 4, 0, 5.0, 50000), 50000);
}

TEST(GrowAadt, GrowthBeyondAnyIntegerGivesTheMaximum) {
    // 1000^100 is finite, far past any cap.
    EXPECT_EQ(GrowAadt(40000, 10, 6, 4, 100, 99900.0, 50000), 50000);
    // Past 32 bits but below a cap at the 32-bit limit: saturates to the cap.
    EXPECT_EQ(GrowAadt(2000000000, 10, 6, 4, 1, 100.0, kNoCap), kNoCap);
}

struct NoFiniteGrowth {
    const char* name;
    int years;
    double growth;
    double percentCU; // a share of 0 times an infinite factor is NaN
};

class GrowAadtNotFinite : public ::testing::TestWithParam<NoFiniteGrowth> {};

// Traffic that grows to no finite number is no traffic, and no cap stands in
// for it: the caller refuses it as it refuses an AADT below 0.
TEST_P(GrowAadtNotFinite, IsRefusedRatherThanCapped) {
    const NoFiniteGrowth& c = GetParam();
    const int aadt = GrowAadt(40000, 10, c.percentCU, 4, c.years, c.growth, 50000);
    EXPECT_EQ(aadt, kNoFiniteAadt);
    EXPECT_LT(aadt, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Growth, GrowAadtNotFinite,
    ::testing::Values(NoFiniteGrowth{"PowerOverflowsToInfinity", 200, 99900.0, 6},
                      NoFiniteGrowth{"OddPowerOverflowsToMinusInfinity", 13, -1e26, 6},
                      NoFiniteGrowth{"MinusInfinityTimesAZeroShare", 13, -1e26, 0},
                      NoFiniteGrowth{"InfinityTimesAZeroShare", 14, -1e26, 0},
                      NoFiniteGrowth{"GrowthNotANumber", 5, std::nan(""), 6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitHourlyVolumes, RoundsHalfVehiclesUpAndLessDown) {
    HourlyPercents aadtPercent{};
    HourlyPercents inbound{};
    HourlyPercents outbound{};
    aadtPercent[7] = 1;
    inbound[7] = 50;
    outbound[7] = 100;
    // The premise: 2100 vehicles give exactly 10.5 inbound and 21 outbound in hour 7.
    ASSERT_EQ(2100 * ((50 * 0.01) * (1 * 0.01)), 10.5);
    HourlyVolumes in{};
    HourlyVolumes out{};
    SplitHourlyVolumes(2100, aadtPercent, inbound, outbound, in, out);
    EXPECT_EQ(in[7], 11);
    EXPECT_EQ(out[7], 21);
    EXPECT_EQ(in[6], 0);

    // 1049 vehicles at 1% of the day, all outbound: 10.49 rounds down.
    SplitHourlyVolumes(1049, aadtPercent, inbound, outbound, in, out);
    EXPECT_EQ(out[7], 10);
}

struct CapacityCase {
    int workZoneLanes;
    double workZonePerLane;
    double dissipationPerLane;
    int lanes;
    int expectedWorkZone;
    int expectedDissipation;
};

class WorkZoneCapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(WorkZoneCapacityTest, WorkZoneUsesItsLanesAndDissipationEveryLane) {
    const CapacityCase& c = GetParam();
    const WorkZoneCapacities result = ComputeWorkZoneCapacities(c.workZoneLanes, c.workZonePerLane,
                                                                c.dissipationPerLane, c.lanes);
    EXPECT_EQ(result.WorkZone, c.expectedWorkZone);
    EXPECT_EQ(result.Dissipation, c.expectedDissipation);
}

INSTANTIATE_TEST_SUITE_P(Lanes, WorkZoneCapacityTest,
                         ::testing::Values(CapacityCase{2, 1260, 1700, 2, 2520, 3400},
                                           CapacityCase{1, 1260, 1700, 2, 1260, 3400},
                                           CapacityCase{3, 1260, 1700, 2, 3780, 3400},
                                           CapacityCase{1, 1259.5, 1700.4, 1, 1260, 1700},
                                           CapacityCase{2, 629.7, 850.2, 2, 1259, 1700}));

struct DaysCase {
    int required;
    int hoursPerDay;
    int mobilization;
    int expected;
};

class DaysToCompleteTest : public ::testing::TestWithParam<DaysCase> {};

TEST_P(DaysToCompleteTest, CountsStartedDays) {
    const DaysCase& c = GetParam();
    EXPECT_EQ(ComputeDaysToComplete(c.required, c.hoursPerDay, c.mobilization), c.expected)
        << c.required << " h, " << c.hoursPerDay << " h/day, " << c.mobilization << " h mob.";
}

INSTANTIATE_TEST_SUITE_P(Timings, DaysToCompleteTest,
                         ::testing::Values(DaysCase{10, 8, 1, 2}, DaysCase{14, 8, 1, 2},
                                           DaysCase{15, 8, 1, 3}, DaysCase{30, 24, 2, 2},
                                           DaysCase{46, 24, 2, 2}, DaysCase{0, 8, 1, 0},
                                           DaysCase{0, 24, 0, 0},
                                           // No productive hours: nothing to divide by.
                                           DaysCase{10, 8, 8, 0}, DaysCase{10, 8, 9, 0},
                                           DaysCase{10, 0, 0, 0},
                                           // The sums are formed in 64 bits: (2^31 - 1 + 2^31 - 1)
                                           // / 24 rounded up, and 8 - (-2^31) productive hours.
                                           DaysCase{kNoCap, 24, kNoCap, 178956971},
                                           DaysCase{10, 8, std::numeric_limits<int>::min(), 1}));

} // namespace
} // namespace wexa
