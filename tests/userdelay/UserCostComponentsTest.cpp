#include "userdelay/UserCostComponents.h"

#include "SampleRates.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <random>

namespace wexa {
namespace {

constexpr double kShareCU = 6 * 0.01;
constexpr double kShareSU = 4 * 0.01;
constexpr double kShareCar = (100.0 - 4 - 6) * 0.01;

// Where ComputeCostComponents puts the components worked by hand below.
constexpr int kSpeedChangeVoc = 0;
constexpr int kQueueStoppingVoc = 3;
constexpr int kQueueIdleTime = 5;

TEST(UserCostComponents, QueueStoppingVocWorkedByHand) {
    // 100, 70 and 11 vehicles meet the outbound queue in hours 3, 7 and 11, 49
    // the inbound one in hour 5. At 55 mph (row 11) the tables give 21, 31 and
    // 41 dollars per 1000 stops for CU, SU and cars.
    QueueDay day;
    day.Outbound.JoiningQueue[3] = 100;
    day.Outbound.JoiningQueue[7] = 70;
    day.Outbound.JoiningQueue[11] = 11;
    day.Inbound.JoiningQueue[5] = 49;
    const auto classCost = [](double s, double dollarsPer1000) {
        const double outbound =
            (s * 100.0 * dollarsPer1000 * 0.001 + s * 70.0 * dollarsPer1000 * 0.001) +
            s * 11.0 * dollarsPer1000 * 0.001;
        const double inbound = s * 49.0 * dollarsPer1000 * 0.001;
        return 12.0 * (60.0 * outbound + 100.0 * inbound) * 0.01;
    };
    const double cu = classCost(kShareCU, 21.0);
    const double su = classCost(kShareSU, 31.0);
    const double car = classCost(kShareCar, 41.0);
    // The counts are chosen so that grouping the classes, or the hours of a
    // day, otherwise changes the result.
    ASSERT_NE((cu + su) + car, cu + (su + car));
    EXPECT_EQ(ComputeCostComponents(day, SampleRates(), SampleInputs())[kQueueStoppingVoc],
              (cu + su) + car);
}

TEST(UserCostComponents, SpeedChangeVocTakesTheTableDifferenceOfTheTwoSpeeds) {
    // Rows 11 (55 mph) and 8 (40 mph) differ by 3 dollars per 1000 stops in
    // every class.
    QueueDay day;
    day.Outbound.FreeFlowThroughWorkZone[9] = 500;
    const double perClass = 3.0 * 500.0;
    const double expected = 12.0 * (60.0 * (perClass * kShareCU * 0.001)) * 0.01 +
                            12.0 * (60.0 * (perClass * kShareSU * 0.001)) * 0.01 +
                            12.0 * (60.0 * (perClass * kShareCar * 0.001)) * 0.01;
    EXPECT_EQ(ComputeCostComponents(day, SampleRates(), SampleInputs())[kSpeedChangeVoc], expected);
}

TEST(UserCostComponents, QueueIdleTimeChargesTheDelayOfEveryServedVehicle) {
    QueueDay day;
    day.Inbound.ServedInQueue[0] = 800;
    day.Inbound.QueueDelayPerVehicle[0] = 0.25;
    const double expected = 12.0 * (100.0 * (1.5 * 800.0 * 0.25 * kShareCU)) * 0.01 +
                            12.0 * (100.0 * (1.25 * 800.0 * 0.25 * kShareSU)) * 0.01 +
                            12.0 * (100.0 * (0.75 * 800.0 * 0.25 * kShareCar)) * 0.01;
    EXPECT_EQ(ComputeCostComponents(day, SampleRates(), SampleInputs())[kQueueIdleTime], expected);
}

// Which count drives which component: only the components that read the
// count set in a case may be nonzero.
struct WiringCase {
    const char* name;
    void (*fill)(DirectionQueue&);
    std::array<bool, kCostComponentCount> charged;
};

class ComponentWiringTest : public ::testing::TestWithParam<WiringCase> {};

TEST_P(ComponentWiringTest, OnlyTheComponentsOfTheCountAreCharged) {
    const WiringCase& c = GetParam();
    QueueDay day;
    c.fill(day.Inbound);
    const CostComponents costs = ComputeCostComponents(day, SampleRates(), SampleInputs());
    for (int i = 0; i < kCostComponentCount; ++i) {
        if (c.charged[i]) {
            EXPECT_GT(costs[i], 0) << c.name << ": component " << i + 1;
        } else {
            EXPECT_EQ(costs[i], 0) << c.name << ": component " << i + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ComponentWiringTest,
    ::testing::Values(WiringCase{"free flow",
                                 [](DirectionQueue& d) { d.FreeFlowThroughWorkZone[4] = 100; },
                                 {true, true, false, false, false, false, false}},
                      WiringCase{"throughput",
                                 [](DirectionQueue& d) { d.Throughput[4] = 100; },
                                 {false, false, true, false, false, false, false}},
                      WiringCase{"joining",
                                 [](DirectionQueue& d) { d.JoiningQueue[4] = 100; },
                                 {false, false, false, true, true, false, false}},
                      WiringCase{"served",
                                 [](DirectionQueue& d) {
                                     d.ServedInQueue[4] = 100;
                                     d.QueueDelayPerVehicle[4] = 0.1;
                                 },
                                 {false, false, false, false, false, true, true}},
                      WiringCase{"delay without vehicles",
                                 [](DirectionQueue& d) { d.QueueDelayPerVehicle[4] = 0.1; },
                                 {false, false, false, false, false, false, false}}));

QueueDay BusyDay() {
    QueueDay day;
    for (DirectionQueue* d : {&day.Inbound, &day.Outbound}) {
        for (int h = 0; h < kHoursPerDay; ++h) {
            d->Throughput[h] = 100 + h;
            d->FreeFlowThroughWorkZone[h] = 50 + h;
            d->JoiningQueue[h] = 20 * h;
            d->ServedInQueue[h] = 30 * h;
            d->QueueDelayPerVehicle[h] = 0.01 * h;
        }
    }
    return day;
}

TEST(UserCostComponents, ADirectionAffectedOnNoDayCostsNothing) {
    UserCostInputs inputs = SampleInputs();
    inputs.InboundPercent = 100;
    inputs.OutboundPercent = 0;
    QueueDay day = BusyDay();
    QueueDay inboundOnly = day;
    inboundOnly.Outbound = DirectionQueue{};
    const CostComponents costs = ComputeCostComponents(day, SampleRates(), inputs);
    EXPECT_EQ(costs, ComputeCostComponents(inboundOnly, SampleRates(), inputs));
    EXPECT_GT(SumCostComponents(costs), 0);

    inputs.InboundPercent = 0;
    inputs.OutboundPercent = 100;
    QueueDay outboundOnly = day;
    outboundOnly.Inbound = DirectionQueue{};
    EXPECT_EQ(ComputeCostComponents(day, SampleRates(), inputs),
              ComputeCostComponents(outboundOnly, SampleRates(), inputs));
}

TEST(UserCostComponents, NoDaysNoCost) {
    UserCostInputs inputs = SampleInputs();
    inputs.Days = 0;
    EXPECT_EQ(ComputeCostComponents(BusyDay(), SampleRates(), inputs), CostComponents{});
}

TEST(UserCostComponents, SameSpeedInAndBeforeTheZoneCostsNoSpeedChange) {
    UserCostInputs inputs = SampleInputs();
    inputs.WorkZoneSpeed = inputs.UpstreamSpeed;
    inputs.AddedTimePerVehicle = WorkZoneAddedTimePerVehicle(1.5, 55, 55);
    const CostComponents costs = ComputeCostComponents(BusyDay(), SampleRates(), inputs);
    EXPECT_EQ(costs[0], 0);
    EXPECT_EQ(costs[1], 0);
    EXPECT_EQ(costs[2], 0);
    EXPECT_GT(costs[3], 0);
}

struct SpeedClampCase {
    bool upstream; // which of the two speeds is off the table
    int speed;
    int sameAs;
};

class SpeedRowClampTest : public ::testing::TestWithParam<SpeedClampCase> {};

TEST_P(SpeedRowClampTest, SpeedsOffTheTableReadItsNearestRow) {
    const SpeedClampCase& c = GetParam();
    UserCostInputs off = SampleInputs();
    UserCostInputs on = SampleInputs();
    (c.upstream ? off.UpstreamSpeed : off.WorkZoneSpeed) = c.speed;
    (c.upstream ? on.UpstreamSpeed : on.WorkZoneSpeed) = c.sameAs;
    EXPECT_EQ(ComputeCostComponents(BusyDay(), SampleRates(), off),
              ComputeCostComponents(BusyDay(), SampleRates(), on));
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, SpeedRowClampTest,
    ::testing::Values(SpeedClampCase{false, -5, 0}, SpeedClampCase{false, 85, 80},
                      SpeedClampCase{false, std::numeric_limits<int>::min(), 0},
                      SpeedClampCase{true, std::numeric_limits<int>::max(), 80},
                      SpeedClampCase{true, -1, 0}));

TEST(SumCostComponents, AddsInComponentOrder) {
    // Another order would keep the two ones that are lost beside 1e16.
    const CostComponents components{1e16, 1, 1, -1e16, 0, 0, 0.5};
    EXPECT_EQ(SumCostComponents(components), ((((((1e16 + 1) + 1) - 1e16) + 0) + 0) + 0.5));
}

} // namespace
} // namespace wexa

namespace wexa {
namespace {

// The components as plainly as they can be written: hour by hour, class by
// class, each product left to right as the component table reads, every
// hour with a count of the component's kind added.
CostComponents PlainComponents(const QueueDay& day, const UserCostRates& r,
                               const UserCostInputs& in) {
    const double shares[3] = {in.PercentCUTrucks * 0.01, in.PercentSUTrucks * 0.01,
                              (100.0 - in.PercentSUTrucks - in.PercentCUTrucks) * 0.01};
    const int up = std::clamp(in.UpstreamSpeed, 0, 80) / 5;
    const int zone = std::clamp(in.WorkZoneSpeed, 0, 80) / 5;
    double weighted[3][7];
    for (int c = 0; c < 3; ++c) {
        const double s = shares[c];
        const double vot = r.DelayRate[c];
        double direction[2][7];
        int k = 0;
        for (const DirectionQueue* d : {&day.Outbound, &day.Inbound}) {
            double* sum = direction[k++];
            std::fill(sum, sum + 7, -0.0);
            for (int h = 0; h < kHoursPerDay; ++h) {
                const double free = static_cast<double>(d->FreeFlowThroughWorkZone[h]);
                const double through = static_cast<double>(d->Throughput[h]);
                const double joining = static_cast<double>(d->JoiningQueue[h]);
                const double served = static_cast<double>(d->ServedInQueue[h]);
                const double delay = d->QueueDelayPerVehicle[h];
                if (free != 0) {
                    sum[0] += (r.AddedCost[c][up] - r.AddedCost[c][zone]) * free * s * 0.001;
                    sum[1] += vot * (r.AddedTime[c][up] - r.AddedTime[c][zone]) * free * s * 0.001;
                }
                if (through != 0) {
                    sum[2] += vot * in.AddedTimePerVehicle * through * s;
                }
                if (joining != 0) {
                    sum[3] += s * joining * r.AddedCost[c][up] * 0.001;
                    sum[4] += vot * s * joining * r.AddedTime[c][up] * 0.001;
                }
                if (served != 0) {
                    sum[5] += r.IdlingCost[c] * served * delay * s;
                    sum[6] += vot * served * delay * s;
                }
            }
        }
        for (int i = 0; i < 7; ++i) {
            weighted[c][i] =
                in.OutboundPercent * direction[0][i] + in.InboundPercent * direction[1][i];
        }
    }
    CostComponents components{};
    for (int i = 0; i < 7; ++i) {
        components[i] = in.Days * weighted[0][i] * 0.01;
        components[i] += in.Days * weighted[1][i] * 0.01;
        components[i] += in.Days * weighted[2][i] * 0.01;
    }
    return components;
}

using testing::Bits;

// The pricing gathers each kind of count into a list and takes the three
// classes together; on any day it must give the plain sums' bits.
TEST(UserCostComponents, GiveWhatPlainHourByHourSumsGive) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> count(-3, 2500);
    std::uniform_real_distribution<double> delay(0.0, 0.8);
    std::uniform_int_distribution<int> speed(0, 85);
    const UserCostRates rates = SampleRates();
    for (int trial = 0; trial < 2000; ++trial) {
        QueueDay day;
        for (DirectionQueue* d : {&day.Inbound, &day.Outbound}) {
            for (int h = 0; h < kHoursPerDay; ++h) {
                // About half the counts are 0, as on a day with a short queue.
                const auto sparse = [&] { return std::max(0, count(random) - 1250); };
                d->FreeFlowThroughWorkZone[h] = sparse();
                d->Throughput[h] = sparse();
                d->JoiningQueue[h] = sparse();
                d->ServedInQueue[h] = sparse();
                d->QueueDelayPerVehicle[h] = trial % 4 == 0 ? -delay(random) : delay(random);
            }
        }
        UserCostInputs inputs = SampleInputs();
        inputs.UpstreamSpeed = speed(random);
        inputs.WorkZoneSpeed = speed(random);
        inputs.PercentCUTrucks = trial % 7;
        inputs.InboundPercent = trial % 101;
        inputs.Days = trial % 40;
        const CostComponents fast = ComputeCostComponents(day, rates, inputs);
        const CostComponents plain = PlainComponents(day, rates, inputs);
        for (int i = 0; i < kCostComponentCount; ++i) {
            ASSERT_EQ(Bits(fast[i]), Bits(plain[i])) << "trial " << trial << ", component " << i;
        }
    }
}

} // namespace
} // namespace wexa
