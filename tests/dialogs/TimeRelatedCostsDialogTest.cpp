#include "dialogs/TimeRelatedCostsDialog.h"
#include "dialogs/TimeRelatedCostsDialogText.h"
#include "forms/CaseNames.h"
#include "forms/RecordingEffects.h"
#include "model/Project.h"
#include "simulation/AgencyCost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wexa::forms {
namespace {

constexpr int kTimeItemsSlot = 13; // alternative 2, activity 4

// A form showing activity 4 of alternative 2, whose three stored items are
// a daily item, an hourly item and one with the blank third unit.
class TimeRelatedCostsDialogTest : public ::testing::Test {
protected:
    TimeRelatedCostsDialogTest() {
        const int first = TimeItemSlot(kTimeItemsSlot, 0);
        project_->TimeItemUnits[first + 1] = kPerHour;
        project_->TimeItemUnits[first + 2] = 2;
        project_->TimeItemUnitPrices[first] = 40.0;
        project_->TimeItemUnitPrices[first + 1] = 0.5;
        project_->TimeItemDescriptions[first + 1] = "Flagger";
        project_->CurrentAlternative = 2;
        project_->CurrentActivity = 4;
    }

    TimeRelatedCostsDialog& Open() {
        dialog_ = std::make_unique<TimeRelatedCostsDialog>(TimeRelatedInputs::FromForm(*project_));
        return *dialog_;
    }

    TimeRelatedBoxes::Row& Box(int row) { return dialog_->Boxes().Rows[row]; }

    std::unique_ptr<Project> project_ = std::make_unique<Project>();
    RecordingEffects effects_;
    std::unique_ptr<TimeRelatedCostsDialog> dialog_;
};

TEST_F(TimeRelatedCostsDialogTest, OpensOnTheShownActivitysThreeItems) {
    const TimeRelatedBoxes& boxes = Open().Boxes();
    EXPECT_EQ(boxes.Alternative + " " + boxes.Activity, "2 4");
    EXPECT_EQ(boxes.Rows[1].Unit, 1);
    EXPECT_EQ(boxes.Rows[2].Unit, 2);
    EXPECT_EQ(boxes.Rows[1].UnitPrice, "0.5");
    EXPECT_EQ(boxes.Rows[1].Description, "Flagger");
}

TEST(TimeItemUnitEntries, OnlyTheFirstRowHasTheBlankThirdEntry) {
    using Entries = std::vector<std::string_view>;
    const auto entries = [](int row) {
        const auto span = TimeItemUnitEntries(row);
        return Entries(span.begin(), span.end());
    };
    EXPECT_EQ(entries(0), (Entries{"Day", "Hour", ""}));
    EXPECT_EQ(entries(1), (Entries{"Day", "Hour"}));
    EXPECT_EQ(entries(2), (Entries{"Day", "Hour"}));
}

struct PriceCase {
    std::string name;
    int row;
    std::string typed;
    bool refused;
};

class TimeItemPriceTest : public TimeRelatedCostsDialogTest,
                          public ::testing::WithParamInterface<PriceCase> {};

INSTANTIATE_TEST_SUITE_P(Cases, TimeItemPriceTest,
                         ::testing::Values(PriceCase{"negative_third_row", 2, "-3", true},
                                           PriceCase{"negative_first_row", 0, "-0.01", true},
                                           PriceCase{"zero_second_row", 1, "0", false},
                                           PriceCase{"positive_third_row", 2, "12.75", false}),
                         testing::ByCaseName());

TEST_P(TimeItemPriceTest, ANegativePriceBecomesOneInItsRowOnly) {
    const PriceCase& c = GetParam();
    Open();
    const auto before = dialog_->Rows();
    Box(c.row).UnitPrice = c.typed;
    dialog_->LeaveUnitPrice(c.row, effects_);

    if (c.refused) {
        const auto shown = effects_.TakeMessage("Unit Price Error");
        EXPECT_EQ(shown.Text, "The unit price must be at least zero");
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
        EXPECT_EQ(effects_.Focus,
                  std::vector<std::string>{"UnitPrice[" + std::to_string(c.row) + "]"});
        EXPECT_EQ(dialog_->Rows()[c.row].UnitPrice, 1.0);
        EXPECT_EQ(Box(c.row).UnitPrice, "1");
    } else {
        EXPECT_TRUE(effects_.Events.empty());
        EXPECT_EQ(Box(c.row).UnitPrice, c.typed);
    }
    for (int r = 0; r < kTimeItemsPerActivity; ++r) {
        if (r != c.row) {
            EXPECT_EQ(dialog_->Rows()[r], before[r]) << r;
        }
    }
}

struct UnitCase {
    std::string name;
    int unit; // list position
    std::string price;
    int requiredHours;
    int daysToComplete;
    double cost;
};

class TimeItemCostAfterOkTest : public TimeRelatedCostsDialogTest,
                                public ::testing::WithParamInterface<UnitCase> {};

INSTANTIATE_TEST_SUITE_P(Cases, TimeItemCostAfterOkTest,
                         ::testing::Values(UnitCase{"hour", 1, "100", 8, 3, 800.0},
                                           UnitCase{"day", 0, "100", 8, 3, 300.0},
                                           UnitCase{"blank_entry_counts_days", 2, "100", 8, 3,
                                                    300.0}),
                         testing::ByCaseName());

TEST_P(TimeItemCostAfterOkTest, TheStoredItemIsPricedByItsUnit) {
    const UnitCase& c = GetParam();
    project_->ActivityRequiredTime[kTimeItemsSlot] = c.requiredHours;
    project_->ActivityDaysToComplete[kTimeItemsSlot] = c.daysToComplete;
    Open();
    for (int r = 0; r < kTimeItemsPerActivity; ++r) {
        Box(r).UnitPrice = "0";
    }
    Box(0).Unit = c.unit;
    Box(0).UnitPrice = c.price;
    dialog_->LeaveUnitPrice(0, effects_);
    ASSERT_TRUE(dialog_->PressOk(effects_));
    ASSERT_TRUE(dialog_->StoreInto(*project_));

    EXPECT_EQ(ActivityTimeRelatedCost(*project_, kTimeItemsSlot), c.cost);
}

TEST_F(TimeRelatedCostsDialogTest, OkStoresTheThreeRowsAndCancelNothing) {
    auto expected = std::make_unique<Project>(*project_);
    Open();
    Box(2).UnitPrice = "-4";
    dialog_->LeaveUnitPrice(2, effects_);
    effects_.TakeMessage("Unit Price Error");
    dialog_.reset(); // Cancel
    EXPECT_EQ(project_->TimeItemUnitPrices, expected->TimeItemUnitPrices);

    Open();
    Box(1).Description = "Lights";
    Box(1).Unit = 0;
    ASSERT_TRUE(dialog_->PressOk(effects_));
    ASSERT_TRUE(dialog_->StoreInto(*project_));
    const int item = TimeItemSlot(kTimeItemsSlot, 1);
    expected->TimeItemDescriptions[item] = "Lights";
    expected->TimeItemUnits[item] = kPerDay;
    EXPECT_EQ(project_->TimeItemDescriptions, expected->TimeItemDescriptions);
    EXPECT_EQ(project_->TimeItemUnits, expected->TimeItemUnits);
    EXPECT_EQ(project_->TimeItemUnitPrices, expected->TimeItemUnitPrices);
}

TEST_F(TimeRelatedCostsDialogTest, NumbersThatNameNoSlotReadAndStoreNothing) {
    project_->CurrentAlternative = 4;
    project_->CurrentActivity = 11; // flat index 40: one past the last slot
    Open();
    EXPECT_EQ(dialog_->Rows()[0], TimeItemRow{});
    dialog_->LeaveUnitPrice(3, effects_);
    EXPECT_TRUE(effects_.Events.empty());
    EXPECT_TRUE(dialog_->PressOk(effects_));
    EXPECT_FALSE(dialog_->StoreInto(*project_));
}

} // namespace
} // namespace wexa::forms
