#include "AllocationCounter.h"
#include "WorkZoneProjects.h"
#include "forms/RecordingEffects.h"
#include "forms/WorkZoneTiming.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;

TEST(WorkZoneAllocationTest, PricingAndTheStartHourSearchAllocateNothing) {
    auto p = ProjectWithDemand(30000, EvenShares());
    StoreTiming(*p, 8, 7, 15, 0);
    RecordingEffects effects;
    WorkZoneTimingDialog dialog(WorkZoneDialogInputs::FromForm(*p));
    dialog.Open(effects);
    ASSERT_TRUE(effects.TakeMessages().empty());

    const long before = wexa::testing::AllocationCount();
    dialog.CalculateCosts(effects);
    dialog.FindOptimumStart(effects);
    EXPECT_EQ(wexa::testing::AllocationCount() - before, 0);
    EXPECT_FALSE(dialog.Gridlock());
}

TEST(AllocationCounterTest, SeesAnAllocation) {
    const long before = wexa::testing::AllocationCount();
    auto allocated = std::make_unique<std::string>(100, 'x');
    EXPECT_GT(wexa::testing::AllocationCount() - before, 0) << *allocated;
}

TEST(RunAllocationTest, IterationsOfAQueueingRunAllocateNothing) {
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(
        ReadProjectFile(std::filesystem::path(WEXA_EXAMPLES_DIR) / "urban-freeway.wxa", *project));
    auto workspace = std::make_unique<AnalysisWorkspace>();
    // The workspace's tables are sized by its first run and kept.
    ASSERT_FALSE(RunAnalysis(*project, *workspace, {98u, nullptr}).has_value());
    // A run cancelled before it starts still works its first iteration, so
    // the difference to a whole run is every later iteration and what
    // follows them.
    RunFeedback cancelled;
    cancelled.Cancel();
    long before = wexa::testing::AllocationCount();
    ASSERT_TRUE(RunAnalysis(*project, *workspace, {99u, &cancelled}).has_value());
    const long firstIteration = wexa::testing::AllocationCount() - before;
    before = wexa::testing::AllocationCount();
    ASSERT_FALSE(RunAnalysis(*project, *workspace, {99u, nullptr}).has_value());
    EXPECT_EQ(wexa::testing::AllocationCount() - before, firstIteration);
    EXPECT_GT(project->UserNpvPercentiles[0][5], 0) << "the work zones were priced";
}

} // namespace
} // namespace wexa::forms
