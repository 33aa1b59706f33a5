#include "simulation/AgencyCost.h"

#include <gtest/gtest.h>

#include <memory>

namespace wexa {
namespace {

constexpr int kSlot = ActivitySlot(2, 3);

struct TimeItem {
    int unit;
    double price;
};

std::unique_ptr<Project> ProjectWithItems(int requiredHours, int days, TimeItem first,
                                          TimeItem second, TimeItem third) {
    auto project = std::make_unique<Project>();
    project->ActivityRequiredTime[kSlot] = requiredHours;
    project->ActivityDaysToComplete[kSlot] = days;
    const TimeItem items[] = {first, second, third};
    for (int row = 0; row < 3; ++row) {
        project->TimeItemUnits[TimeItemSlot(kSlot, row)] = items[row].unit;
        project->TimeItemUnitPrices[TimeItemSlot(kSlot, row)] = items[row].price;
    }
    return project;
}

TEST(AgencyCostTest, HourItemsUseRequiredHoursAndEveryOtherUnitTheDays) {
    // 100 an hour for 8 hours is 800; 100 a day for 3 days is 300; the blank
    // third list entry (unit 2) counts as days, like any unit but Hour.
    const auto hour = ProjectWithItems(8, 3, {kPerHour, 100.0}, {kPerDay, 0.0}, {kPerDay, 0.0});
    EXPECT_EQ(TimeRelatedItemCost(*hour, kSlot, 0), 800.0);
    EXPECT_EQ(ActivityTimeRelatedCost(*hour, kSlot), 800.0);

    const auto day = ProjectWithItems(8, 3, {kPerDay, 100.0}, {kPerDay, 0.0}, {kPerDay, 0.0});
    EXPECT_EQ(ActivityTimeRelatedCost(*day, kSlot), 300.0);

    const auto blank = ProjectWithItems(8, 3, {kPerDay, 0.0}, {kPerDay, 0.0}, {2, 100.0});
    EXPECT_EQ(TimeRelatedItemCost(*blank, kSlot, 2), 300.0);
    const auto odd = ProjectWithItems(8, 3, {-7, 100.0}, {kPerDay, 0.0}, {kPerDay, 0.0});
    EXPECT_EQ(ActivityTimeRelatedCost(*odd, kSlot), 300.0);
}

TEST(AgencyCostTest, SumsTheThreeRowsOfItsOwnSlotOnly) {
    const auto project = ProjectWithItems(8, 3, {kPerHour, 100.0}, {kPerDay, 100.0}, {2, 0.5});
    // Neighbouring slots hold prices that must not leak in.
    project->TimeItemUnitPrices[TimeItemSlot(kSlot, 0) - 1] = 1e6;
    project->TimeItemUnitPrices[TimeItemSlot(kSlot, 2) + 1] = 1e6;
    EXPECT_EQ(ActivityTimeRelatedCost(*project, kSlot), 800.0 + 300.0 + 1.5);
}

TEST(AgencyCostTest, OutOfRangeSlotsAndRowsCostNothing) {
    const auto project = ProjectWithItems(8, 3, {kPerHour, 100.0}, {kPerDay, 100.0}, {2, 1.0});
    EXPECT_EQ(ActivityTimeRelatedCost(*project, -1), 0.0);
    EXPECT_EQ(ActivityTimeRelatedCost(*project, kActivitySlots), 0.0);
    EXPECT_EQ(TimeRelatedItemCost(*project, kSlot, 3), 0.0);
    EXPECT_EQ(TimeRelatedItemCost(*project, kSlot, -1), 0.0);
}

} // namespace
} // namespace wexa
