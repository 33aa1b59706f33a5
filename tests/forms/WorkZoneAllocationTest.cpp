#include "WorkZoneProjects.h"
#include "forms/RecordingEffects.h"
#include "forms/WorkZoneTiming.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

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

} // namespace
} // namespace wexa::forms
