#include "AllocationCounter.h"
#include "WorkZoneProjects.h"
#include "forms/RecordingEffects.h"
#include "forms/WorkZoneTiming.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"

#include <gtest/gtest.h>

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

// Counts the allocations between the end of the first and of the last
// iteration of a run: the iterations themselves.
class IterationAllocations : public RunProgress {
public:
    void IterationDone(int done, int total) override {
        if (done == 1) {
            first_ = wexa::testing::AllocationCount();
        }
        if (done == total) {
            last_ = wexa::testing::AllocationCount();
        }
    }
    [[nodiscard]] long Count() const { return last_ - first_; }

private:
    long first_ = -1;
    long last_ = -2;
};

TEST(RunAllocationTest, IterationsOfAQueueingRunAllocateNothing) {
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(std::string(WEXA_EXAMPLES_DIR) + "/urban-freeway.wxa", *project));
    auto workspace = std::make_unique<AnalysisWorkspace>();
    IterationAllocations progress;
    ASSERT_FALSE(RunAnalysis(*project, *workspace, {99u, &progress}).has_value());
    EXPECT_EQ(progress.Count(), 0);
    EXPECT_GT(project->UserNpvPercentiles[0][5], 0) << "the work zones were priced";
}

} // namespace
} // namespace wexa::forms
