#include "simulation/UserCostMemo.h"

#include "simulation/AnalysisRun.h"
#include "support/LargestProject.h"

#include <gtest/gtest.h>

#include <memory>

namespace wexa {
namespace {

RunDayCosts DayWorth(double cost) {
    RunDayCosts day;
    day.WorkZone[0][0] = cost;
    return day;
}

TEST(UserCostMemo, FindsWhatWasStoredForTheActivityAndTrafficOnly) {
    auto memo = std::make_unique<UserCostMemo>();
    EXPECT_EQ(memo->Find(3, 30000), nullptr);
    memo->Store(3, 30000, DayWorth(7.5));
    ASSERT_NE(memo->Find(3, 30000), nullptr);
    EXPECT_EQ(memo->Find(3, 30000)->WorkZone[0][0], 7.5);
    // Another activity, the next AADT, an AADT apart by the slot bits.
    EXPECT_EQ(memo->Find(4, 30000), nullptr);
    EXPECT_EQ(memo->Find(3, 30001), nullptr);
    EXPECT_EQ(memo->Find(3 + 64, 30000), nullptr);
    EXPECT_EQ(memo->Find(3, 30000 + 64), nullptr);

    // Storing many more days than there are places replaces, never mixes up.
    for (int aadt = 0; aadt < 50000; ++aadt) {
        memo->Store(aadt % kActivitySlots, aadt, DayWorth(aadt));
    }
    int kept = 0;
    for (int aadt = 0; aadt < 50000; ++aadt) {
        if (const RunDayCosts* day = memo->Find(aadt % kActivitySlots, aadt)) {
            ASSERT_EQ(day->WorkZone[0][0], aadt);
            ++kept;
        }
    }
    EXPECT_GT(kept, 1000);
    memo->Clear();
    EXPECT_EQ(memo->Find(49999 % kActivitySlots, 49999), nullptr);
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
