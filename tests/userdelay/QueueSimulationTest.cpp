#include "userdelay/QueueModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

namespace wexa {
namespace {

constexpr double kServiceFlowRate = 1000.5; // normal capacity 1000 once truncated
constexpr int kWorkZoneCapacity = 500;
constexpr int kDissipationCapacity = 800;

QueueDay DayWithVolume(int inbound, int outbound) {
    QueueDay day;
    day.Inbound.Volume.fill(inbound);
    day.Outbound.Volume.fill(outbound);
    return day;
}

bool Simulate(QueueDay& day, int startHour, int stopHour) {
    return SimulateQueue(day, kServiceFlowRate, kWorkZoneCapacity, kDissipationCapacity, startHour,
                         stopHour);
}

// Expected per-hour values: `fill` everywhere except the listed hours.
template <typename T> PerHour<T> Hours(T fill, std::initializer_list<std::pair<int, T>> except) {
    PerHour<T> result;
    result.fill(fill);
    for (const auto& [hour, value] : except) {
        result[hour] = value;
    }
    return result;
}

TEST(SimulateQueue, DemandBelowCapacitySettlesAtOnceWithNothingQueued) {
    QueueDay day = DayWithVolume(600, 999);
    const QueueScenario scenario{kServiceFlowRate, kWorkZoneCapacity, kDissipationCapacity, 55};
    EXPECT_FALSE(RunQueueChain(day, scenario, kNoWorkZone, 15));
    EXPECT_FALSE(day.GridlockFlag);
    for (const DirectionQueue* d : {&day.Inbound, &day.Outbound}) {
        EXPECT_EQ(d->HourlyCapacity, Hours(1000, {}));
        EXPECT_EQ(d->QueueAtHourEnd, Hours<std::int64_t>(0, {}));
        EXPECT_EQ(d->Throughput, Hours<std::int64_t>(0, {}));
        EXPECT_EQ(d->ServedInQueue, Hours<std::int64_t>(0, {}));
        EXPECT_EQ(d->JoiningQueue, Hours<std::int64_t>(0, {}));
        EXPECT_EQ(d->FreeFlowThroughWorkZone, Hours<std::int64_t>(0, {}));
        EXPECT_EQ(d->QueueSpeed, Hours(0.0, {}));
        EXPECT_EQ(d->QueueLength, Hours(0.0, {}));
        EXPECT_EQ(d->QueueDelayPerVehicle, Hours(0.0, {}));
    }
}

struct HourSetCase {
    int start;
    int stop;
    std::vector<int> workZoneHours;
};

class WorkZoneHoursTest : public ::testing::TestWithParam<HourSetCase> {};

TEST_P(WorkZoneHoursTest, OnlyTheZoneHoursGetTheWorkZoneCapacity) {
    const HourSetCase& c = GetParam();
    QueueDay day = DayWithVolume(0, 0);
    ASSERT_FALSE(Simulate(day, c.start, c.stop));
    PerHour<int> expected = Hours(1000, {});
    for (int hour : c.workZoneHours) {
        expected[hour] = kWorkZoneCapacity;
    }
    EXPECT_EQ(day.Inbound.HourlyCapacity, expected);
    EXPECT_EQ(day.Outbound.HourlyCapacity, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Timings, WorkZoneHoursTest,
    ::testing::Values(HourSetCase{8, 15, {8, 9, 10, 11, 12, 13, 14}},
                      HourSetCase{20, 4, {20, 21, 22, 23, 0, 1, 2, 3}}, HourSetCase{23, 0, {23}},
                      HourSetCase{0, 1, {0}},
                      HourSetCase{5, 5, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                         12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}},
                      HourSetCase{kNoWorkZone, 4, {}},
                      // Stored hours outside the day select hours inside it or none,
                      // and never an index outside the arrays.
                      HourSetCase{-7, 4, {}}, HourSetCase{30, 99, {}},
                      HourSetCase{30, 3, {0, 1, 2}}, HourSetCase{22, 99, {22, 23}}));

TEST(SimulateQueue, QueueDrainingAfterTheZoneGetsTheDissipationCapacityOnLaterPasses) {
    // Work zone 8..9 at 500 veh/h against 700 arriving: 200 then 400 queued.
    // The first round drains at the normal 1000 (300 left at 10:00, none at
    // 11:00); each later round gives one more hour after a standing queue the
    // dissipation rate of 800, until the day's total repeats.
    QueueDay day = DayWithVolume(0, 700);
    ASSERT_FALSE(Simulate(day, 8, 10));
    EXPECT_EQ(day.Outbound.QueueAtHourEnd,
              Hours<std::int64_t>(0, {{8, 200}, {9, 400}, {10, 300}, {11, 200}, {12, 100}}));
    EXPECT_EQ(day.Outbound.HourlyCapacity,
              Hours(1000, {{8, 500}, {9, 500}, {10, 800}, {11, 800}, {12, 800}, {13, 800}}));
    EXPECT_EQ(day.Outbound.HourlyExcess[13], -100);
    // The other direction has no demand and no queue.
    EXPECT_EQ(day.Inbound.QueueAtHourEnd, Hours<std::int64_t>(0, {}));
}

TEST(SimulateQueue, QueueStandingAtMidnightCarriesIntoHourZero) {
    // Work zone 22..23; the queue of 400 at 23:00 drains through hours 0..2.
    QueueDay day = DayWithVolume(700, 0);
    ASSERT_FALSE(Simulate(day, 22, 0));
    EXPECT_EQ(day.Inbound.QueueAtHourEnd,
              Hours<std::int64_t>(0, {{22, 200}, {23, 400}, {0, 300}, {1, 200}, {2, 100}}));
    EXPECT_EQ(day.Inbound.HourlyCapacity,
              Hours(1000, {{22, 500}, {23, 500}, {0, 800}, {1, 800}, {2, 800}, {3, 800}}));
}

TEST(SimulateQueue, AllDayZoneNeverUsesTheDissipationCapacity) {
    QueueDay day = DayWithVolume(400, 0);
    day.Inbound.Volume[6] = 900; // 400 queued at 6:00, cleared at 7:00 at 500 veh/h
    ASSERT_FALSE(Simulate(day, 6, 6));
    EXPECT_EQ(day.Inbound.HourlyCapacity, Hours(kWorkZoneCapacity, {}));
    EXPECT_EQ(day.Inbound.QueueAtHourEnd,
              Hours<std::int64_t>(0, {{6, 400}, {7, 300}, {8, 200}, {9, 100}}));
}

TEST(SimulateQueue, DemandAboveCapacityAroundTheClockGridlocksAfterPass51) {
    QueueDay day = DayWithVolume(0, 600);
    EXPECT_TRUE(Simulate(day, 0, 0));
    EXPECT_TRUE(day.GridlockFlag);
    // Each pass adds 100 vehicles in each of 24 hours; the arrays stay as
    // pass 51 left them.
    EXPECT_EQ(day.Outbound.QueueAtHourEnd[0], 51 * 24 * 100);
    EXPECT_EQ(day.Outbound.QueueAtHourEnd[23], 50 * 24 * 100 + 23 * 100);

    // The same day object evaluated again without the zone settles and
    // clears the flag.
    EXPECT_FALSE(Simulate(day, kNoWorkZone, 0));
    EXPECT_FALSE(day.GridlockFlag);
}

TEST(SimulateQueue, HugeDemandAgainstNoCapacityStaysExact) {
    // 2^31 - 1 vehicles an hour queue up far past 32 bits before the day is
    // declared a gridlock; the 64-bit counts hold them exactly.
    QueueDay day = DayWithVolume(std::numeric_limits<int>::max(), 0);
    EXPECT_TRUE(SimulateQueue(day, 0, 0, 0, kNoWorkZone, 0));
    EXPECT_EQ(day.Inbound.QueueAtHourEnd[0],
              std::int64_t{51} * 24 * std::numeric_limits<int>::max());
}

} // namespace
} // namespace wexa

namespace wexa {
namespace {

// The simulation as plainly as it can be written: every round assigns each
// hour's capacity from the queue the round before left in the hour before,
// and the rounds go on until one repeats the day's queue total.
bool PlainSimulation(QueueDay& day, double serviceFlowRate, int workZoneCapacity,
                     int dissipationCapacity, int startHour, int stopHour) {
    const int normalCapacity = static_cast<int>(serviceFlowRate);
    for (DirectionQueue* d : {&day.Inbound, &day.Outbound}) {
        d->QueueAtHourEnd.fill(0);
    }
    const auto pass = [](DirectionQueue& d) {
        std::int64_t total = 0;
        for (int h = 1; h <= kHoursPerDay; ++h) {
            const int hour = h % kHoursPerDay;
            d.QueueAtHourEnd[hour] =
                std::max<std::int64_t>(0, d.QueueAtHourEnd[h - 1] + d.HourlyExcess[hour]);
            total += d.QueueAtHourEnd[hour];
        }
        return total;
    };
    std::int64_t previousRoundTotal = 0;
    for (int round = 0; round < 100; ++round) {
        for (DirectionQueue* d : {&day.Inbound, &day.Outbound}) {
            const PerHour<std::int64_t> before = d->QueueAtHourEnd;
            for (int h = 0; h < kHoursPerDay; ++h) {
                int capacity = before[(h + 23) % 24] != 0 ? dissipationCapacity : normalCapacity;
                if (IsWorkZoneHour(h, startHour, stopHour)) {
                    capacity = workZoneCapacity;
                }
                d->HourlyCapacity[h] = capacity;
                d->HourlyExcess[h] = std::int64_t{d->Volume[h]} - capacity;
            }
            d->QueueAtHourEnd[0] = 0;
        }
        std::int64_t total = 0;
        std::int64_t previousTotal = 0;
        std::int64_t startedIn = -1;
        std::int64_t startedOut = -1;
        for (int p = 1;; ++p) {
            if (day.Inbound.QueueAtHourEnd[0] == startedIn &&
                day.Outbound.QueueAtHourEnd[0] == startedOut) {
                break;
            }
            startedIn = day.Inbound.QueueAtHourEnd[0];
            startedOut = day.Outbound.QueueAtHourEnd[0];
            total = pass(day.Inbound) + pass(day.Outbound);
            if (total == previousTotal) {
                break;
            }
            if (p >= 51) {
                return true;
            }
            previousTotal = total;
        }
        if (total == previousRoundTotal) {
            return false;
        }
        previousRoundTotal = total;
    }
    return true;
}

// The simulation keeps each hour's excess at either capacity and picks
// between them round by round; on any day, gridlocks included, it must
// leave what the plain simulation leaves.
TEST(SimulateQueue, LeavesWhatAPlainRoundByRoundSimulationLeaves) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> volume(0, 3000);
    std::uniform_int_distribution<int> hour(-1, 23);
    int queued = 0;
    int gridlocks = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        QueueDay fast;
        for (int h = 0; h < kHoursPerDay; ++h) {
            fast.Inbound.Volume[h] = volume(random);
            fast.Outbound.Volume[h] = volume(random) * (trial % 3) / 2;
        }
        QueueDay plain = fast;
        const double serviceFlowRate = 1500.5 + trial % 700;
        const int workZone = 600 + trial % 900;
        const int dissipation = 900 + (trial * 7) % 1300;
        const int start = hour(random);
        const int stop = hour(random);
        const bool gridlock =
            SimulateQueue(fast, serviceFlowRate, workZone, dissipation, start, stop);
        ASSERT_EQ(gridlock,
                  PlainSimulation(plain, serviceFlowRate, workZone, dissipation, start, stop))
            << "trial " << trial;
        EXPECT_EQ(fast.GridlockFlag, gridlock);
        for (const auto& [a, b] : {std::pair{&fast.Inbound, &plain.Inbound},
                                   std::pair{&fast.Outbound, &plain.Outbound}}) {
            ASSERT_EQ(a->QueueAtHourEnd, b->QueueAtHourEnd) << "trial " << trial;
            ASSERT_EQ(a->HourlyCapacity, b->HourlyCapacity) << "trial " << trial;
            ASSERT_EQ(a->HourlyExcess, b->HourlyExcess) << "trial " << trial;
        }
        gridlocks += gridlock ? 1 : 0;
        queued += fast.Inbound.QueueAtHourEnd != PerHour<std::int64_t>{} ? 1 : 0;
    }
    EXPECT_GT(gridlocks, 50) << "the trials must include gridlocks";
    EXPECT_GT(queued - gridlocks, 500) << "and settled days with queues";
}

} // namespace
} // namespace wexa
