#include "MainFormFixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;
using F = FormField;

class NavigationTest : public MainFormTest {
protected:
    NavigationTest() {
        Project& p = *project_;
        p.NumberOfAlternatives = 3;
        p.AlternativeActivityCount = {2, 3, 1, 1};
        p.NumberOfActivities = 2;
        p.AlternativeDescriptions = {"Concrete", "Asphalt", "Composite", "unused"};
        for (int slot = 0; slot < kActivitySlots; ++slot) {
            p.ActivityDescriptions[slot] = "slot " + std::to_string(slot);
        }
        Show();
    }
};

TEST_F(NavigationTest, NextAlternativeCyclesAndShowsTheFirstActivity) {
    std::vector<int> seen;
    for (int press = 0; press < 4; ++press) {
        form_.NextWorkActivity(); // away from activity 1, to show the reset
        form_.NextAlternative();
        const int a = project_->CurrentAlternative;
        seen.push_back(a);
        EXPECT_EQ(project_->CurrentActivity, 1);
        EXPECT_EQ(project_->CurrentActivityIndex, ActivitySlot(a, 1));
        EXPECT_EQ(view_.Text(F::ActivityAlternative), std::to_string(a));
        EXPECT_EQ(view_.Text(F::AlternativeDescription), project_->AlternativeDescriptions[a - 1]);
        EXPECT_EQ(view_.Text(F::NumberOfActivities),
                  std::to_string(project_->AlternativeActivityCount[a - 1]));
        EXPECT_EQ(view_.Text(F::ActivityDescription), "slot " + std::to_string(ActivitySlot(a, 1)));
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 1, 2}));
}

TEST_F(NavigationTest, NextWorkActivitySetsTheExpectedYearAndWraps) {
    Project& p = *project_;
    form_.NextAlternative(); // alternative 2, three activities
    p.ActivityYears[ActivitySlot(2, 1)] = 4;
    p.ActivityYears[ActivitySlot(2, 2)] = 10;
    p.ActivityYearsExpected[ActivitySlot(2, 2)] = 7;
    form_.NextWorkActivity(); // 1 -> 2: year 4 + 0
    EXPECT_EQ(p.ActivityYears[ActivitySlot(2, 2)], 4);
    p.ActivityYears[ActivitySlot(2, 2)] = 10;
    form_.NextWorkActivity(); // 2 -> 3
    EXPECT_EQ(p.CurrentActivity, 3);
    EXPECT_EQ(p.ActivityYears[ActivitySlot(2, 3)], 17);
    EXPECT_EQ(view_.Text(F::ActivityYear), "17");
    form_.NextWorkActivity(); // back to 1, its year as stored
    EXPECT_EQ(p.CurrentActivity, 1);
    EXPECT_EQ(p.ActivityYears[ActivitySlot(2, 1)], 4);
    EXPECT_EQ(view_.Text(F::ActivityYear), "4");
}

TEST_F(NavigationTest, ExpectedYearSaturatesInsteadOfOverflowing) {
    project_->ActivityYears[0] = 5;
    project_->ActivityYearsExpected[0] = INT_MAX;
    form_.NextWorkActivity();
    EXPECT_EQ(project_->ActivityYears[1], INT_MAX);
}

TEST_F(NavigationTest, TruncatedNormalCaptionDependsOnHowTheActivityWasReached) {
    project_->ActivityYearsKind.fill(kTruncatedNormal);
    form_.NextWorkActivity();
    EXPECT_EQ(view_.Text(F::YearsToNextCaptionThird), " +/-");
    form_.NextAlternative();
    EXPECT_EQ(view_.Text(F::YearsToNextCaptionThird), "  +/-");
    EXPECT_EQ(view_.Text(F::YearsToNextCaptionFirst), "Stdev");
}

// A Deterministic activity keeps its loaded minimum and maximum when shown;
// only the change of the number of alternatives clears them on the form.
TEST_F(NavigationTest, ShownDeterministicActivityKeepsItsValuesUntilTheCountChanges) {
    Project& p = *project_;
    p.ActivityYearsKind[ActivitySlot(1, 2)] = p.ActivityYearsKind[0] = kDeterministic;
    p.ActivityYearsMin[ActivitySlot(1, 2)] = p.ActivityYearsMin[0] = 3;
    p.ActivityYearsMax[ActivitySlot(1, 2)] = p.ActivityYearsMax[0] = 9;
    form_.NextWorkActivity();
    EXPECT_EQ(p.YearsToNextMin, 3);
    EXPECT_FALSE(effects_.IsVisible("YearsToNextMin"));
    EXPECT_EQ(view_.Text(F::YearsToNextCaptionMiddle), "");

    Leave(F::NumberOfAlternatives, "2");
    EXPECT_EQ(p.CurrentActivityIndex, 0);
    EXPECT_EQ(p.YearsToNextMin, 0);
    EXPECT_EQ(p.YearsToNextMax, 0);
    EXPECT_EQ(p.ActivityYearsMin[0], 3); // the slot keeps its values
}

TEST_F(NavigationTest, ChangingTheCountsShowsTheFirstActivity) {
    form_.NextAlternative();
    form_.NextWorkActivity();
    Leave(F::NumberOfActivities, "5");
    EXPECT_EQ(project_->AlternativeActivityCount[1], 5);
    EXPECT_EQ(project_->CurrentActivity, 1);
    EXPECT_EQ(project_->CurrentActivityIndex, ActivitySlot(2, 1));

    Leave(F::NumberOfAlternatives, "9"); // refused, 1
    effects_.TakeMessage("Number of Alternatives Error");
    EXPECT_EQ(project_->NumberOfAlternatives, 1);
    EXPECT_EQ(project_->CurrentAlternative, 1);
    EXPECT_EQ(project_->CurrentActivity, 1);
    EXPECT_EQ(view_.Text(F::AlternativeDescription), "Concrete");
    EXPECT_EQ(view_.Text(F::NumberOfActivities), "2");
}

// Counts and positions from a project file are not range-checked on loading;
// moving still never leaves the four alternatives and ten activities.
TEST_F(NavigationTest, CountsFromAFileNeverLeadOutsideTheSlots) {
    Project& p = *project_;
    p.NumberOfAlternatives = 7;
    p.AlternativeActivityCount.fill(15);
    p.CurrentAlternative = -3;
    p.CurrentActivity = 40;
    p.CurrentActivityIndex = 5000;
    p.NumberOfActivities = 15;
    Show();
    for (int press = 0; press < 12; ++press) {
        form_.NextWorkActivity();
        EXPECT_GE(p.CurrentActivity, 1);
        EXPECT_LE(p.CurrentActivity, kActivitiesPerAlternative);
        form_.NextAlternative();
        EXPECT_GE(p.CurrentAlternative, 1);
        EXPECT_LE(p.CurrentAlternative, kMaxAlternatives);
        EXPECT_GE(p.CurrentActivityIndex, 0);
        EXPECT_LT(p.CurrentActivityIndex, kActivitySlots);
    }
}

class CopyActivityTest : public NavigationTest {
protected:
    static constexpr int kSource = ActivitySlot(1, 1);
    static constexpr int kTarget = ActivitySlot(2, 2);

    CopyActivityTest() {
        Project& p = *project_;
        p.ActivityWorkZoneLength[kSource] = 0.75;
        p.ActivityYearsExpected[kSource] = 12;
        p.ActivityStartHour[kSource] = 20;
        p.ActivityHoursInEffect[kSource] = 9;
        p.ActivityWorkZoneUserCost[kSource] = 999;
        p.ActivityBidItemTotal[kSource] = 5000;
        for (int row = 0; row < kBidItemsPerActivity; ++row) {
            p.BidItemCosts[BidItemSlot(kSource, row)] = 100 + row;
            p.BidItemDescriptions[BidItemSlot(kSource, row)] = "item " + std::to_string(row);
        }
        p.TimeItemUnitPrices[TimeItemSlot(kSource, 2)] = 250;
        p.TimeItemUnits[TimeItemSlot(kSource, 2)] = kPerHour;
        p.ActivityUserCostModes[kTarget] = kExcludeUserCosts;
        p.ActivityYears[kTarget] = 14;
        ShowActivityAt(2, 2);
        effects_.Clear();
    }

    FormRequest CopyFrom(int alternative, int activity) {
        Type(F::CopyFromAlternative, std::to_string(alternative));
        Type(F::CopyFromActivity, std::to_string(activity));
        return form_.CopyAnotherWorkActivity();
    }
};

TEST_F(CopyActivityTest, CopiesCostsAndTimingButKeepsTheTargetsChoiceAndYear) {
    EXPECT_EQ(CopyFrom(1, 1), FormRequest::OpenWorkZoneDialog);
    const Project& p = *project_;
    EXPECT_EQ(p.ActivityWorkZoneLength[kTarget], 0.75);
    EXPECT_EQ(view_.Text(F::WorkZoneLength), "0.75");
    EXPECT_EQ(view_.Text(F::ActivityDescription), "slot 0");
    EXPECT_EQ(p.ActivityYearsExpected[kTarget], 12);
    EXPECT_EQ(p.ActivityStartHour[kTarget], 20);
    EXPECT_EQ(p.ActivityHoursInEffect[kTarget], 9);
    EXPECT_EQ(p.ActivityBidItemTotal[kTarget], 5000);
    for (int row = 0; row < kBidItemsPerActivity; ++row) {
        EXPECT_EQ(p.BidItemCosts[BidItemSlot(kTarget, row)], 100 + row);
        EXPECT_EQ(p.BidItemDescriptions[BidItemSlot(kTarget, row)], "item " + std::to_string(row));
    }
    EXPECT_EQ(p.TimeItemUnitPrices[TimeItemSlot(kTarget, 2)], 250);
    EXPECT_EQ(p.TimeItemUnits[TimeItemSlot(kTarget, 2)], kPerHour);

    EXPECT_EQ(p.ActivityUserCostModes[kTarget], kExcludeUserCosts);
    EXPECT_EQ(p.ActivityUserCostMode, kExcludeUserCosts);
    EXPECT_EQ(p.ActivityYears[kTarget], 14);
    EXPECT_EQ(p.ActivityWorkZoneUserCost[kTarget], 0);
    // The neighbours of the target are untouched.
    EXPECT_EQ(p.BidItemCosts[BidItemSlot(kTarget + 1, 0)], 0);
    EXPECT_EQ(p.TimeItemUnitPrices[TimeItemSlot(kTarget, 0) - 1], 0);

    EXPECT_EQ(effects_.TakeMessage("Copy Work Activity").Icon, MessageIcon::Information);
}

TEST_F(CopyActivityTest, TheWorkZoneChecksFollowTheNotice) {
    project_->ActivityWorkZoneLength[kSource] = 3.0; // longer than the 1-mile project
    EXPECT_EQ(CopyFrom(1, 1), FormRequest::None);
    EXPECT_EQ(effects_.TakeCaptions(),
              (std::vector<std::string>{"Copy Work Activity", "Length Error"}));
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"WorkZoneLength"});
}

struct RefusedSource {
    int alternative;
    int activity;
    std::string caption;
    FormField box;
};

TEST_F(CopyActivityTest, RefusesSourcesOutsideTheDeclaredCounts) {
    const auto before = std::make_unique<Project>(*project_);
    for (const RefusedSource& c :
         {RefusedSource{0, 1, "Alternative Error", F::CopyFromAlternative},
          RefusedSource{4, 1, "Alternative Error", F::CopyFromAlternative},
          RefusedSource{1, 3, "Work Activity Error", F::CopyFromActivity},
          RefusedSource{2, 0, "Work Activity Error", F::CopyFromActivity}}) {
        effects_.Clear();
        EXPECT_EQ(CopyFrom(c.alternative, c.activity), FormRequest::None);
        EXPECT_EQ(effects_.TakeCaptions(), std::vector<std::string>{c.caption});
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{std::string(NameOf(c.box))});
        EXPECT_EQ(view_.Text(c.box), "1");
        EXPECT_EQ(project_->ActivityWorkZoneLength, before->ActivityWorkZoneLength);
        EXPECT_EQ(project_->BidItemCosts, before->BidItemCosts);
    }
}

TEST_F(CopyActivityTest, AlternativeCountFromAFileDoesNotReachPastTheSlots) {
    project_->NumberOfAlternatives = 7;
    project_->AlternativeActivityCount.fill(12);
    Show();
    EXPECT_EQ(CopyFrom(5, 1), FormRequest::None);
    EXPECT_EQ(CopyFrom(1, 11), FormRequest::None);
    EXPECT_EQ(effects_.TakeCaptions(),
              (std::vector<std::string>{"Alternative Error", "Work Activity Error"}));
}

} // namespace
} // namespace wexa::forms
