#include "simulation/UserCostMemo.h"

#include "simulation/AnalysisRun.h"
#include "support/LargestProject.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace wexa {
namespace {

RunDayCosts DayWorth(double cost) {
    RunDayCosts day;
    day.WorkZone[0][0] = cost;
    return day;
}

RunDayCosts WithBaseline(double cost) {
    RunDayCosts day = DayWorth(cost);
    day.Baseline[2][6] = -cost;
    return day;
}

std::optional<RunDayCosts> Found(const UserCostMemo& memo, int slot, int aadt) {
    RunDayCosts day;
    if (!memo.Find(slot, aadt, day)) {
        return std::nullopt;
    }
    return day;
}

TEST(UserCostMemo, FindsWhatWasStoredForTheActivityAndTrafficOnly) {
    auto memo = std::make_unique<UserCostMemo>();
    memo->Prepare(100);
    EXPECT_FALSE(Found(*memo, 3, 30000));
    memo->Store(3, 30000, WithBaseline(7.5));
    const auto found = Found(*memo, 3, 30000);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->WorkZone[0][0], 7.5);
    EXPECT_EQ(found->Baseline[2][6], -7.5);
    EXPECT_FALSE(found->BaselineFree);
    // Another activity, the next AADT, AADTs as far apart as the key's
    // lower bits.
    EXPECT_FALSE(Found(*memo, 4, 30000));
    EXPECT_FALSE(Found(*memo, 3, 30001));
    EXPECT_FALSE(Found(*memo, 3, 30000 + 64));
    EXPECT_FALSE(Found(*memo, 3, 30000 + 128));

    // A gridlocked day is found as one, with no baseline to look for.
    RunDayCosts gridlock;
    gridlock.Gridlock = true;
    memo->Store(5, 12345, gridlock);
    ASSERT_TRUE(Found(*memo, 5, 12345));
    EXPECT_TRUE(Found(*memo, 5, 12345)->Gridlock);

    // Storing many more days than there are places replaces, never mixes up
    // a work-zone day with another's baseline.
    for (int aadt = 0; aadt < 50000; ++aadt) {
        RunDayCosts day = aadt % 3 == 0 ? WithBaseline(aadt) : DayWorth(aadt);
        day.BaselineFree = aadt % 3 != 0;
        memo->Store(aadt % kActivitySlots, aadt, day);
    }
    int kept = 0;
    for (int aadt = 0; aadt < 50000; ++aadt) {
        if (const auto day = Found(*memo, aadt % kActivitySlots, aadt)) {
            ASSERT_EQ(day->WorkZone[0][0], aadt);
            ASSERT_EQ(day->BaselineFree, aadt % 3 != 0);
            if (!day->BaselineFree) {
                ASSERT_EQ(day->Baseline[2][6], -aadt);
            }
            ++kept;
        }
    }
    EXPECT_GT(kept, 30);
    memo->Prepare(100);
    EXPECT_FALSE(Found(*memo, 49999 % kActivitySlots, 49999));
}

TEST(UserCostMemo, GrowsForALargerRunAndForgetsWhatItHeld) {
    auto memo = std::make_unique<UserCostMemo>();
    EXPECT_FALSE(Found(*memo, 0, 1000)); // before any run: an empty table
    memo->Prepare(1);
    const std::size_t small = memo->Places();
    memo->Store(0, 1000, DayWorth(1.0));
    memo->Prepare(200000);
    EXPECT_GT(memo->Places(), small);
    EXPECT_FALSE(Found(*memo, 0, 1000));
    const std::size_t large = memo->Places();
    memo->Prepare(1); // a smaller run keeps the room
    EXPECT_EQ(memo->Places(), large);
}

// One workspace serves one project after another (the sensitivity does just
// that): what it remembers of the first must not price the second.
TEST(UserCostMemo, AWorkspaceRunsAnotherProjectAsIfFresh) {
    auto first = bench::LargestProject(bench::kQueueingAadt);
    first->AnalysisType = kDeterministicAnalysis;
    auto second = std::make_unique<Project>(*first);
    second->ActivityWorkZoneCapacity.fill(1100.0); // the same traffic, other queues
    auto fresh = std::make_unique<Project>(*second);

    auto reused = std::make_unique<AnalysisWorkspace>();
    ASSERT_FALSE(RunAnalysis(*first, *reused, {1u, nullptr}).has_value());
    ASSERT_FALSE(RunAnalysis(*second, *reused, {1u, nullptr}).has_value());
    auto own = std::make_unique<AnalysisWorkspace>();
    ASSERT_FALSE(RunAnalysis(*fresh, *own, {1u, nullptr}).has_value());
    EXPECT_NE(first->UserNpvResults[0][0], fresh->UserNpvResults[0][0]);
    EXPECT_EQ(second->UserNpvResults, fresh->UserNpvResults);
    EXPECT_EQ(second->TotalNpvResults, fresh->TotalNpvResults);
}

} // namespace
} // namespace wexa
