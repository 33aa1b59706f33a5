#include "simulation/WorkZoneDays.h"

#include "support/LargestProject.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace wexa {
namespace {

// A new field in either struct must be compared before days are shared.
static_assert(sizeof(QueueScenario) == 24, "compare the new field in SameScenario");
static_assert(sizeof(UserCostInputs) == 56, "compare the new field in SameInputs");

TEST(WorkZoneDays, ActivitiesWithOneLaneClosureShareTheirDay) {
    const auto project = bench::LargestProject(bench::kQueueingAadt);
    const ActivityWorkZoneDays days = WorkZoneDaysOf(*project);
    for (int a = 0; a < kMaxAlternatives; ++a) {
        for (int j = 0; j < kActivitiesPerAlternative; ++j) {
            // Each alternative closes the road at its own hours.
            EXPECT_EQ(days.SharedSlot[a * kActivitiesPerAlternative + j],
                      a * kActivitiesPerAlternative);
        }
    }
}

// Every input of the day, changed in one activity, gives it a day of its own.
TEST(WorkZoneDays, AnyDifferenceInTheDayKeepsItApart) {
    const std::vector<std::pair<std::string, std::function<void(Project&, int)>>> changes{
        {"start hour", [](Project& p, int s) { p.ActivityStartHour[s] += 1; }},
        {"stop hour", [](Project& p, int s) { p.ActivityStopHour[s] += 1; }},
        {"lanes open", [](Project& p, int s) { p.ActivityWorkZoneLanes[s] += 1; }},
        {"capacity", [](Project& p, int s) { p.ActivityWorkZoneCapacity[s] += 1.0; }},
        {"dissipation", [](Project& p, int s) { p.ActivityDissipationCapacity[s] += 1.0; }},
        {"speed", [](Project& p, int s) { p.ActivityWorkZoneSpeed[s] -= 5; }},
        {"length", [](Project& p, int s) { p.ActivityWorkZoneLength[s] *= 1.5; }},
        {"inbound", [](Project& p, int s) { p.ActivityInboundPercent[s] -= 1.0; }},
        {"outbound", [](Project& p, int s) { p.ActivityOutboundPercent[s] -= 1.0; }},
        {"-0 inbound",
         [](Project& p, int s) {
             p.ActivityInboundPercent[s] = 0.0;
             p.ActivityInboundPercent[s + 1] = -0.0;
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        auto project = bench::LargestProject(bench::kQueueingAadt);
        change(*project, 4);
        const ActivityWorkZoneDays days = WorkZoneDaysOf(*project);
        EXPECT_EQ(days.SharedSlot[3], 0);
        EXPECT_EQ(days.SharedSlot[4], 4);
        EXPECT_FALSE(SameWorkZoneDay(days.Days[4], days.Days[0]));
    }
}

// A slot that is never priced is not worked out, and no priced slot shares
// its (meaningless) day.
TEST(WorkZoneDays, SlotsNeverPricedShareNothing) {
    auto project = bench::LargestProject(bench::kQueueingAadt);
    project->NumberOfAlternatives = 1;
    project->AlternativeActivityCount[0] = 5;
    project->ActivityUserCostModes[0] = kExcludeUserCosts;
    project->ActivityWorkZoneSpeed[7] = 0; // beyond the activities: never divided by
    const ActivityWorkZoneDays days = WorkZoneDaysOf(*project);
    EXPECT_EQ(days.SharedSlot[0], 0);
    EXPECT_EQ(days.SharedSlot[1], 1);
    EXPECT_EQ(days.SharedSlot[4], 1);
    for (int slot = 5; slot < kActivitySlots; ++slot) {
        EXPECT_EQ(days.SharedSlot[slot], slot);
    }
}

} // namespace
} // namespace wexa
