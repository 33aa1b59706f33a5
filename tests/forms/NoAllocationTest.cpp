#include "WorkZoneProjects.h"
#include "forms/RecordingEffects.h"
#include "forms/WorkZoneTiming.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

// Counts every allocation of this test program, so a test can show that a
// stretch of code allocates nothing.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;

TEST(WorkZoneAllocationTest, PricingAndTheStartHourSearchAllocateNothing) {
    auto p = ProjectWithDemand(30000, EvenShares());
    StoreTiming(*p, 8, 7, 15, 0);
    RecordingEffects effects;
    WorkZoneTimingDialog dialog(WorkZoneDialogInputs::FromForm(*p));
    dialog.Open(effects);
    ASSERT_TRUE(effects.Messages.empty());

    const long before = allocations.load();
    dialog.CalculateCosts(effects);
    dialog.FindOptimumStart(effects);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_FALSE(dialog.Gridlock());
}

// Counts the allocations between the end of the first and of the last
// iteration of a run: the iterations themselves.
class IterationAllocations : public RunProgress {
public:
    void IterationDone(int done, int total) override {
        if (done == 1) {
            first_ = allocations.load();
        }
        if (done == total) {
            last_ = allocations.load();
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
