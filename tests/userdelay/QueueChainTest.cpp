#include "userdelay/QueueModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

namespace wexa {
namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr int kInt32Max = std::numeric_limits<int>::max();

TEST(QueueChain, CountsOnADayWhoseQueueDrainsAfterTheZone) {
    // The day of the drain case: zone 8..9 at 500 veh/h, 700 arriving every
    // hour, normal capacity 1000, dissipation 800; queues 200, 400, 300, 200,
    // 100 at the ends of hours 8..12.
    QueueDay day;
    day.Outbound.Volume.fill(700);
    ASSERT_FALSE(RunQueueChain(day, QueueScenario{1000, 500, 800, 55}, 8, 10));
    const DirectionQueue& d = day.Outbound;
    EXPECT_EQ(d.Throughput[7], 0);
    EXPECT_EQ(d.Throughput[8], 500);    // 700 arriving, 500 through
    EXPECT_EQ(d.Throughput[9], 500);    // 700 + 200 carried in, still 500
    EXPECT_EQ(d.Throughput[10], 0);     // after the zone
    EXPECT_EQ(d.ServedInQueue[9], 500); // a standing queue: the hour's capacity
    EXPECT_EQ(d.JoiningQueue[9], 700);  // and every arrival
    EXPECT_EQ(d.ServedInQueue[12], 800);
    // Hour 13 clears 100 carried in against 100 spare: the queue stood all
    // hour, at the rate of hour 12.
    EXPECT_EQ(d.ServedInQueue[13], 800 * 100 / 100);
    EXPECT_EQ(d.JoiningQueue[13], 100 * 700 / 100);
    EXPECT_EQ(d.ServedInQueue[14], 0);
    EXPECT_EQ(d.FreeFlowThroughWorkZone[8], 0); // the zone runs at capacity
    EXPECT_GT(d.QueueSpeed[13], 0);             // the queue carried in touches hour 13
    EXPECT_EQ(d.QueueSpeed[14], 0);
    EXPECT_GT(d.QueueDelayPerVehicle[10], 0);
}

struct ClearingCase {
    int hour;
    std::int64_t carriedIn; // queue at the end of the previous hour
    int previousCapacity;
    std::int64_t excess; // of this hour
    int volume;
    std::int64_t expectedServed;
    std::int64_t expectedJoining;
};

class QueueClearingHourTest : public ::testing::TestWithParam<ClearingCase> {};

TEST_P(QueueClearingHourTest, CountsTheShareOfTheHourTheQueueStood) {
    const ClearingCase& c = GetParam();
    QueueDay day;
    DirectionQueue& d = day.Inbound;
    const int previous = c.hour == 0 ? 23 : c.hour - 1;
    d.QueueAtHourEnd[previous] = c.carriedIn;
    d.HourlyCapacity[previous] = c.previousCapacity;
    d.HourlyCapacity[c.hour] = 4321; // not the rate used in a clearing hour
    d.HourlyExcess[c.hour] = c.excess;
    d.Volume[c.hour] = c.volume;
    CountVehiclesServedInQueue(day);
    CountVehiclesJoiningQueue(day);
    EXPECT_EQ(d.ServedInQueue[c.hour], c.expectedServed);
    EXPECT_EQ(d.JoiningQueue[c.hour], c.expectedJoining);
}

INSTANTIATE_TEST_SUITE_P(
    Hours, QueueClearingHourTest,
    ::testing::Values(ClearingCase{5, 300, 2520, -600, 1800, 1260, 900},
                      ClearingCase{0, 300, 2520, -600, 1800, 1260, 900}, // the hour before 0 is 23
                      ClearingCase{5, 7, 1000, -3, 10, 2333, 23},        // truncated toward zero
                      // Products past 32 bits: 10000 x 300000 and 300000 x 1800.
                      ClearingCase{5, 300000, 10000, -600000, 1800, 5000, 900},
                      // Products past 64 bits are exact, the quotient fits again.
                      ClearingCase{5, std::int64_t{1} << 62, kInt32Max, -(std::int64_t{1} << 62),
                                   kInt32Max, kInt32Max, kInt32Max},
                      // A quotient past 64 bits saturates.
                      ClearingCase{5, std::int64_t{1} << 62, kInt32Max, -1, kInt32Max, kInt64Max,
                                   kInt64Max},
                      // A product of exactly the lowest 64-bit value, whose negation
                      // does not fit in 64 bits.
                      ClearingCase{5, std::int64_t{1} << 32, std::numeric_limits<int>::min(), 2, 1,
                                   std::int64_t{1} << 62, -(std::int64_t{1} << 31)},
                      // No spare capacity cannot clear a queue; nothing is divided by it.
                      ClearingCase{5, 300, 2520, 0, 1800, 0, 0}));

struct FreeFlowCase {
    std::int64_t throughput;
    int capacity;
    std::int64_t served;
    int volume;
    std::int64_t joining;
    std::int64_t expected;
};

class FreeFlowTest : public ::testing::TestWithParam<FreeFlowCase> {};

TEST_P(FreeFlowTest, CountsVehiclesThroughAZoneBelowCapacityThatMeetNoQueue) {
    const FreeFlowCase& c = GetParam();
    QueueDay day;
    DirectionQueue& d = day.Outbound;
    d.Throughput[3] = c.throughput;
    d.HourlyCapacity[3] = c.capacity;
    d.ServedInQueue[3] = c.served;
    d.Volume[3] = c.volume;
    d.JoiningQueue[3] = c.joining;
    CountFreeFlowWorkZoneVehicles(day);
    EXPECT_EQ(d.FreeFlowThroughWorkZone[3], c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeFlowTest,
                         ::testing::Values(FreeFlowCase{0, 2000, 0, 1500, 0, 0},          // no zone
                                           FreeFlowCase{2000, 2000, 2000, 2500, 2500, 0}, // full
                                           FreeFlowCase{1500, 2000, 0, 1500, 0, 1500},
                                           FreeFlowCase{1800, 2000, 900, 1800, 600, 1200}));

TEST(QueueSpeed, FollowsTheCapacityRatioWhereAQueueTouchesTheHour) {
    QueueDay day;
    DirectionQueue& d = day.Inbound;
    d.HourlyCapacity.fill(1000);
    d.HourlyCapacity[2] = 2000;
    d.QueueAtHourEnd[2] = 1; // touches hours 2 and 3
    ComputeQueueSpeed(day, 2000.0);
    EXPECT_EQ(d.QueueSpeed[2], 13.334 + 12.707);         // r = 1
    EXPECT_EQ(d.QueueSpeed[3], 13.334 / 4 + 12.707 / 2); // r = 0.5
    EXPECT_EQ(d.QueueSpeed[1], 0);
    EXPECT_EQ(d.QueueSpeed[4], 0);
}

struct LengthCase {
    int capacity;
    double speed;
    int volume;
    int upstreamSpeed;
    double expected;
};

class QueueLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(QueueLengthTest, AverageQueueOverTheDensityDifference) {
    const LengthCase& c = GetParam();
    QueueDay day;
    DirectionQueue& d = day.Outbound;
    d.QueueAtHourEnd[9] = 100; // 100 carried in, 0 left: 50 on average in hour 10
    d.HourlyCapacity[10] = c.capacity;
    d.QueueSpeed[10] = c.speed;
    d.Volume[10] = c.volume;
    ComputeQueueLength(day, c.upstreamSpeed);
    EXPECT_EQ(d.QueueLength[10], c.expected);
    EXPECT_EQ(d.QueueLength[11], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueueLengthTest,
    ::testing::Values(
        // 2000 / 20 = 100 per mile in the queue; 1000 at 55 mph is 18 per mile upstream.
        LengthCase{2000, 20, 1000, 55, 50.0 / (100.0 - 18.0)},
        // A queue no denser than the traffic behind it: the queue density alone.
        LengthCase{360, 20, 1000, 55, 50.0 / 18.0}, LengthCase{100, 20, 1000, 55, 50.0 / 5.0},
        // No upstream speed: no upstream density rather than a division by zero.
        LengthCase{2000, 20, 1000, 0, 50.0 / 100.0},
        // No queue speed, or no capacity to give the queue a density.
        LengthCase{2000, 0, 1000, 55, 0.0}, LengthCase{0, 20, 1000, 55, 0.0}));

struct DelayCase {
    double length;
    double speed;
    int upstreamSpeed;
    double expected;
};

class QueueDelayTest : public ::testing::TestWithParam<DelayCase> {};

TEST_P(QueueDelayTest, TimeInTheQueueLessTimeAtTheUpstreamSpeed) {
    const DelayCase& c = GetParam();
    QueueDay day;
    day.Inbound.QueueLength[0] = c.length;
    day.Inbound.QueueSpeed[0] = c.speed;
    ComputeQueueDelayPerVehicle(day, c.upstreamSpeed);
    EXPECT_EQ(day.Inbound.QueueDelayPerVehicle[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, QueueDelayTest,
                         ::testing::Values(DelayCase{10, 20, 55, 10.0 / 20.0 - 10.0 / 55.0},
                                           DelayCase{10, 60, 55, 0.0}, // faster than upstream
                                           DelayCase{10, 0, 55, 0.0},
                                           DelayCase{10, 20, 0, 10.0 / 20.0}));

} // namespace
} // namespace wexa

namespace wexa {
namespace {

void ExpectSameDirection(const DirectionQueue& a, const DirectionQueue& b) {
    EXPECT_EQ(a.HourlyCapacity, b.HourlyCapacity);
    EXPECT_EQ(a.QueueAtHourEnd, b.QueueAtHourEnd);
    EXPECT_EQ(a.Throughput, b.Throughput);
    EXPECT_EQ(a.ServedInQueue, b.ServedInQueue);
    EXPECT_EQ(a.JoiningQueue, b.JoiningQueue);
    EXPECT_EQ(a.FreeFlowThroughWorkZone, b.FreeFlowThroughWorkZone);
    EXPECT_EQ(a.QueueSpeed, b.QueueSpeed);
    EXPECT_EQ(a.QueueLength, b.QueueLength);
    EXPECT_EQ(a.QueueDelayPerVehicle, b.QueueDelayPerVehicle);
}

// The chain computes several steps in one pass; on any day it must leave
// exactly what the operations leave when called one by one.
TEST(QueueChain, LeavesWhatTheOperationsLeaveOneByOne) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> volume(0, 2600);
    std::uniform_int_distribution<int> hour(0, 23);
    int queuedDays = 0;
    for (int trial = 0; trial < 300; ++trial) {
        QueueDay chained;
        for (int h = 0; h < kHoursPerDay; ++h) {
            chained.Inbound.Volume[h] = volume(random);
            chained.Outbound.Volume[h] = volume(random) / 2;
        }
        QueueDay stepwise = chained;
        const QueueScenario scenario{2095.0 + trial, 1260, 1700 + trial, 55};
        const int start = trial % 5 == 0 ? kNoWorkZone : hour(random);
        const int stop = hour(random);

        const bool gridlock = RunQueueChain(chained, scenario, start, stop);
        ASSERT_EQ(SimulateQueue(stepwise, scenario.ServiceFlowRate, scenario.WorkZoneCapacity,
                                scenario.DissipationCapacity, start, stop),
                  gridlock);
        if (gridlock) {
            continue;
        }
        ComputeThroughput(stepwise, start, stop);
        CountVehiclesServedInQueue(stepwise);
        CountVehiclesJoiningQueue(stepwise);
        CountFreeFlowWorkZoneVehicles(stepwise);
        ComputeQueueSpeed(stepwise, scenario.ServiceFlowRate);
        ComputeQueueLength(stepwise, scenario.UpstreamSpeed);
        ComputeQueueDelayPerVehicle(stepwise, scenario.UpstreamSpeed);
        ExpectSameDirection(chained.Inbound, stepwise.Inbound);
        ExpectSameDirection(chained.Outbound, stepwise.Outbound);
        for (const std::int64_t queue : chained.Inbound.QueueAtHourEnd) {
            if (queue != 0) {
                ++queuedDays;
                break;
            }
        }
    }
    EXPECT_GT(queuedDays, 50) << "the trials must include days with queues";
}

} // namespace
} // namespace wexa
