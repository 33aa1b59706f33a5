#include "userdelay/UserCostEvaluation.h"

#include "SampleRates.h"
#include "model/RoundValue.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace wexa {
namespace {

const QueueScenario kScenario{1000, 500, 800, 55};

// Outbound: 700 an hour, 1300 at 17:00, so the road without a work zone
// queues too (300 at 17:00, drained by 20:00) and the baseline is not free.
// Inbound: 400 an hour, below every capacity.
QueueDay EveningPeakDay() {
    QueueDay day;
    day.Outbound.Volume.fill(700);
    day.Outbound.Volume[17] = 1300;
    day.Inbound.Volume.fill(400);
    return day;
}

void ExpectAllMarkedGridlock(const UserCostBreakdown& b) {
    const CostComponents allMarked{-1, -1, -1, -1, -1, -1, -1};
    EXPECT_TRUE(b.Gridlock);
    EXPECT_EQ(b.Components, allMarked);
    EXPECT_EQ(b.Total, -1);
    EXPECT_EQ(b.Percentages, allMarked);
    EXPECT_EQ(b.TotalPercentage, -1);
}

TEST(UserCostEvaluation, ChargesTheWorkZoneDayBeyondTheBaselineDay) {
    const QueueDay original = EveningPeakDay();

    // The two runs priced one by one.
    QueueDay day = original;
    ASSERT_FALSE(RunQueueChain(day, kScenario, 8, 10));
    const CostComponents workZone = ComputeCostComponents(day, SampleRates(), SampleInputs());
    const PerHour<double> workZoneLengths = day.Outbound.QueueLength;
    ASSERT_FALSE(RunQueueChain(day, kScenario, kNoWorkZone, 10));
    const CostComponents baseline = ComputeCostComponents(day, SampleRates(), SampleInputs());
    // Without a zone nothing passes one: only the queue components remain.
    EXPECT_EQ(baseline[0], 0);
    EXPECT_EQ(baseline[1], 0);
    EXPECT_EQ(baseline[2], 0);
    ASSERT_GT(SumCostComponents(baseline), 0);

    QueueDay scratch = original;
    const RunUserCost run =
        EvaluateRunUserCost(scratch, kScenario, 8, 10, SampleRates(), SampleInputs());
    EXPECT_FALSE(run.Gridlock);
    EXPECT_EQ(run.UserCost, Rounded(SumCostComponents(workZone) - SumCostComponents(baseline), 0));
    EXPECT_EQ(scratch.Outbound.Volume, original.Outbound.Volume);

    const DialogEvaluation dialog =
        EvaluateDialogUserCost(scratch, kScenario, 8, 10, SampleRates(), SampleInputs());
    EXPECT_EQ(dialog.Breakdown.Components[3], Rounded(workZone[3] - Rounded(baseline[3], 0), 0));
    EXPECT_EQ(dialog.Breakdown.Total,
              Rounded(SumCostComponents(workZone) - Rounded(SumCostComponents(baseline), 0), 0));
    EXPECT_EQ(dialog.OutboundQueueLength, workZoneLengths);
    EXPECT_EQ(dialog.InboundQueueLength, PerHour<double>{});

    const WorkZoneTrial trial =
        EvaluateWorkZoneOnly(scratch, kScenario, 8, 10, SampleRates(), SampleInputs());
    EXPECT_FALSE(trial.Gridlock);
    EXPECT_EQ(trial.Total, SumCostComponents(workZone));
}

TEST(UserCostEvaluation, NoQueueAndNoSlowdownCostsNothing) {
    QueueDay scratch;
    scratch.Inbound.Volume.fill(400);
    scratch.Outbound.Volume.fill(400);
    UserCostInputs inputs = SampleInputs();
    inputs.WorkZoneSpeed = inputs.UpstreamSpeed;
    inputs.AddedTimePerVehicle = WorkZoneAddedTimePerVehicle(1.5, 55, 55);

    const DialogEvaluation dialog =
        EvaluateDialogUserCost(scratch, kScenario, 8, 15, SampleRates(), inputs);
    EXPECT_FALSE(dialog.Breakdown.Gridlock);
    EXPECT_EQ(dialog.Breakdown.Components, CostComponents{});
    EXPECT_EQ(dialog.Breakdown.Total, 0);
    EXPECT_EQ(dialog.Breakdown.Percentages, CostComponents{});
    EXPECT_EQ(dialog.Breakdown.TotalPercentage, 0);
    EXPECT_EQ(EvaluateRunUserCost(scratch, kScenario, 8, 15, SampleRates(), inputs).UserCost, 0);
}

TEST(UserCostEvaluation, GridlockWithTheWorkZoneMarksEverything) {
    QueueDay scratch;
    scratch.Outbound.Volume.fill(600); // above the work-zone capacity all day
    const DialogEvaluation dialog =
        EvaluateDialogUserCost(scratch, kScenario, 0, 0, SampleRates(), SampleInputs());
    ExpectAllMarkedGridlock(dialog.Breakdown);
    // No length was computed before the chain stopped.
    EXPECT_EQ(dialog.OutboundQueueLength, PerHour<double>{});

    EXPECT_TRUE(
        EvaluateRunUserCost(scratch, kScenario, 0, 0, SampleRates(), SampleInputs()).Gridlock);
    EXPECT_TRUE(
        EvaluateWorkZoneOnly(scratch, kScenario, 0, 0, SampleRates(), SampleInputs()).Gridlock);
}

TEST(UserCostEvaluation, GridlockOfTheBaselineAloneMarksEverythingToo) {
    // A work zone wider than the road (2000 veh/h in hours 0..22) carries the
    // 1100 an hour that the normal 1000 cannot: only hour 23 queues with it.
    QueueDay scratch;
    scratch.Inbound.Volume.fill(1100);
    const QueueScenario wideZone{1000, 2000, 800, 55};
    QueueDay workZoneRun = scratch;
    ASSERT_FALSE(RunQueueChain(workZoneRun, wideZone, 0, 23));
    ASSERT_GT(workZoneRun.Inbound.QueueLength[23], 0);

    const DialogEvaluation dialog =
        EvaluateDialogUserCost(scratch, wideZone, 0, 23, SampleRates(), SampleInputs());
    ExpectAllMarkedGridlock(dialog.Breakdown);
    EXPECT_EQ(dialog.InboundQueueLength, workZoneRun.Inbound.QueueLength);

    const RunUserCost run =
        EvaluateRunUserCost(scratch, wideZone, 0, 23, SampleRates(), SampleInputs());
    EXPECT_TRUE(run.Gridlock);
    EXPECT_EQ(run.UserCost, -1);
    EXPECT_FALSE(
        EvaluateWorkZoneOnly(scratch, wideZone, 0, 23, SampleRates(), SampleInputs()).Gridlock);
}

TEST(UserCostBreakdown, RoundsTheBaselineBeforeSubtracting) {
    const CostComponents workZone{100.4, 50, 0.2, 20.4, 0, 0, 0};
    const CostComponents baseline{0, 0, 0, 10.5, 0, 0, 0.4};
    const UserCostBreakdown b = ComputeUserCostBreakdown(workZone, baseline);
    // 20.4 - 11 = 9.4 shows 9; subtracting first would show 10.
    EXPECT_EQ(b.Components, (CostComponents{100, 50, 0, 9, 0, 0, 0}));
    // 171 - round(10.9)
    const double total = (((((100.4 + 50) + 0.2) + 20.4) + 0) + 0) + 0 - 11.0;
    EXPECT_EQ(b.Total, Rounded(total, 0));
    EXPECT_EQ(b.Total, 160);
    EXPECT_EQ(b.Percentages[0], Rounded(100.4 / total * 100.0, 1));
    EXPECT_EQ(b.Percentages[3], Rounded((20.4 - 11.0) / total * 100.0, 1));
    EXPECT_EQ(b.Percentages[6], 0);
    EXPECT_EQ(b.TotalPercentage, 100);
    EXPECT_FALSE(b.Gridlock);
}

TEST(UserCostBreakdown, NoPercentagesWhenTheZoneCostsNothingOrSaves) {
    for (double baselineCost : {10.0, 25.0}) {
        const UserCostBreakdown b = ComputeUserCostBreakdown(
            CostComponents{10, 0, 0, 0, 0, 0, 0}, CostComponents{0, 0, 0, baselineCost, 0, 0, 0});
        EXPECT_EQ(b.Components, (CostComponents{10, 0, 0, -baselineCost, 0, 0, 0}));
        EXPECT_EQ(b.Total, 10 - baselineCost);
        EXPECT_EQ(b.Percentages, CostComponents{});
        EXPECT_EQ(b.TotalPercentage, 0);
    }
}

TEST(UserCostBreakdown, ThirdsShowTwoDecimalsAndTheirTotalShowsAHundred) {
    const UserCostBreakdown b =
        ComputeUserCostBreakdown(CostComponents{5, 5, 5, 0, 0, 0, 0}, CostComponents{});
    EXPECT_DOUBLE_EQ(b.Percentages[0], 33.33);
    EXPECT_EQ(b.Percentages[1], b.Percentages[0]);
    EXPECT_EQ(b.Percentages[2], b.Percentages[0]);
    EXPECT_EQ(b.TotalPercentage, 100);
    EXPECT_EQ(b.Total, 15);
}

// A run prices a work zone's day once for its traffic and takes it over the
// days each iteration draws. On random days, with and without a work zone
// and a queueing baseline, that must be the figure the two days priced one
// by one for those days give.
TEST(RunUserCost, ADayPricedOnceServesEveryNumberOfDays) {
    std::mt19937 random(2027);
    std::uniform_int_distribution<int> volume(0, 1800);
    std::uniform_int_distribution<int> hour(0, 23);
    int queuingBaselines = 0;
    int gridlocks = 0;
    for (int trial = 0; trial < 200; ++trial) {
        QueueDay original;
        for (int h = 0; h < kHoursPerDay; ++h) {
            original.Inbound.Volume[h] = volume(random);
            original.Outbound.Volume[h] = volume(random) / 2;
        }
        const QueueScenario scenario{1500.0 + trial, 900 + trial, 1400, 55};
        const int start = hour(random);
        const int stop = hour(random);
        UserCostInputs inputs = SampleInputs();
        inputs.Days = 1 + trial % 5; // the days the day was first priced for
        QueueDay scratch = original;
        const RunDayCosts once =
            PriceRunDays(scratch, scenario, start, stop, SampleRates(), inputs);

        for (const int days : {0, 1, 3, 40, 365, 20000}) {
            inputs.Days = days;
            QueueDay day = original;
            bool gridlock = RunQueueChain(day, scenario, start, stop);
            const CostComponents workZone = ComputeCostComponents(day, SampleRates(), inputs);
            CostComponents baseline{};
            if (!gridlock && !once.BaselineFree) {
                day = original;
                gridlock = RunQueueChain(day, scenario, kNoWorkZone, stop);
                baseline = ComputeCostComponents(day, SampleRates(), inputs);
            }
            const RunUserCost reused = RunUserCostOverDays(once, days);
            ASSERT_EQ(reused.Gridlock, gridlock) << trial;
            if (!gridlock) {
                const double plain =
                    Rounded(SumCostComponents(workZone) - SumCostComponents(baseline), 0);
                ASSERT_EQ(std::bit_cast<std::uint64_t>(reused.UserCost),
                          std::bit_cast<std::uint64_t>(plain))
                    << trial << " over " << days << " days";
            }
        }
        queuingBaselines += once.BaselineFree ? 0 : 1;
        gridlocks += once.Gridlock ? 1 : 0;
    }
    EXPECT_GT(queuingBaselines, 20) << "the trials must include baselines that queue";
    EXPECT_GT(gridlocks, 0) << "and days that gridlock";
    EXPECT_LT(gridlocks, 150);
}

} // namespace
} // namespace wexa
