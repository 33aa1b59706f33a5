#include "forms/StoredTimingCheck.h"
#include "MainFormFixture.h"
#include "WorkZoneProjects.h"
#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace wexa::forms::testing {
namespace {

constexpr double kCrewPerDay = 6200.0;

// What the dialog's OK stores for an activity's stored timing.
void StoreAsTheDialogDoes(Project& p, int alternative = kAlternative, int activity = kActivity) {
    WorkZoneTimingDialog dialog(WorkZoneDialogInputs::FromStoredActivity(p, alternative, activity));
    NoticeCollector unseen; // a gridlock notice: the stored total of -1 says as much
    dialog.Open(unseen);
    ASSERT_TRUE(dialog.StoreInto(p));
}

// Alternative 2, activity 3 with a daytime closure (8 to 15, 70 hours: 10
// days) on 20000 vehicles a day, a lane-closure crew priced by the day, and
// nothing stored by the dialog yet; every other declared activity as the
// dialog stored it.
std::unique_ptr<Project> UntimedActivity() {
    auto p = ProjectWithDemand(20000, EvenShares());
    StoreTiming(*p, 8, 7, 15, 0);
    p->TimeItemUnits[TimeItemSlot(kSlot, 0)] = kPerDay;
    p->TimeItemUnitPrices[TimeItemSlot(kSlot, 0)] = kCrewPerDay;
    for (int alternative = 1; alternative <= kAlternative; ++alternative) {
        for (int activity = 1; activity <= p->AlternativeActivityCount[alternative - 1];
             ++activity) {
            if (ActivitySlot(alternative, activity) != kSlot) {
                StoreAsTheDialogDoes(*p, alternative, activity);
            }
        }
    }
    return p;
}

TEST(StoredTimingCheck, UntimedActivityWithACrewPerDayIsNamedWithWhatTheDialogComputes) {
    const auto p = UntimedActivity();
    const auto stale = FindStaleTimings(*p);
    ASSERT_EQ(stale.size(), 1U);
    const StaleTiming& s = stale[0];
    EXPECT_EQ(s.Alternative, kAlternative);
    EXPECT_EQ(s.Activity, kActivity);
    EXPECT_TRUE(s.PerDayItemsUnpriced);
    EXPECT_TRUE(s.OutOfDate);
    EXPECT_EQ(s.StoredDays, 0);
    EXPECT_EQ(s.DialogDays, 10);      // 70 hours at 7 a day
    EXPECT_GT(s.DialogUserCost, 0.0); // the reduced speed through the zone
    EXPECT_EQ(s.StoredUserCost, 0.0);

    const auto lines = DescribeStaleTimings(stale);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].rfind("Alternative 2, work activity 3: 0 days to complete are stored", 0),
              0U)
        << lines[0];
    EXPECT_NE(lines[0].find("gives 10 days and a work zone user cost of $"), std::string::npos)
        << lines[0];
    EXPECT_NE(lines[0].find("but 0 days and $0 are stored."), std::string::npos) << lines[0];
}

TEST(StoredTimingCheck, WhatTheDialogStoresPassesUntilAnInputChanges) {
    auto p = UntimedActivity();
    StoreAsTheDialogDoes(*p);
    EXPECT_EQ(p->ActivityDaysToComplete[kSlot], 10);
    EXPECT_TRUE(FindStaleTimings(*p).empty());

    // A narrower work zone: same days, another user cost.
    p->ActivityWorkZoneCapacity[kSlot] = 300.0;
    auto stale = FindStaleTimings(*p);
    ASSERT_EQ(stale.size(), 1U);
    EXPECT_FALSE(stale[0].PerDayItemsUnpriced);
    EXPECT_TRUE(stale[0].OutOfDate);
    EXPECT_EQ(stale[0].DialogDays, stale[0].StoredDays);
    EXPECT_NE(stale[0].DialogUserCost, stale[0].StoredUserCost);
    EXPECT_EQ(DescribeStaleTimings(stale)[0].find("Alternative 2, work activity 3: Its stored"),
              0U);

    // More required hours: other days.
    StoreAsTheDialogDoes(*p);
    p->ActivityRequiredTime[kSlot] = 71;
    stale = FindStaleTimings(*p);
    ASSERT_EQ(stale.size(), 1U);
    EXPECT_EQ(stale[0].DialogDays, 11);
    EXPECT_EQ(stale[0].StoredDays, 10);
}

TEST(StoredTimingCheck, AGridlockStoredAsMinusOneIsUpToDate) {
    auto p = UntimedActivity();
    p->BaseYearAADT = 400000;
    for (int activity = 1; activity <= kActivity; ++activity) {
        StoreAsTheDialogDoes(*p, 1, 1);
        StoreAsTheDialogDoes(*p, kAlternative, activity);
    }
    ASSERT_EQ(p->ActivityWorkZoneUserCost[kSlot], -1.0);
    EXPECT_TRUE(FindStaleTimings(*p).empty());
    p->ActivityWorkZoneUserCost[kSlot] = 0.0;
    EXPECT_EQ(FindStaleTimings(*p).size(), 1U);
}

// Only what the run reads: declared activities that include user costs.
TEST(StoredTimingCheck, ExcludedUndeclaredAndPerHourItemsAreLeftOut) {
    auto p = UntimedActivity();
    StoreAsTheDialogDoes(*p);
    const int other = ActivitySlot(kAlternative, kActivity - 1);
    // Activity 2 was never timed, and excludes user costs: not priced.
    p->ActivityUserCostModes[other] = kExcludeUserCosts;
    p->TimeItemUnitPrices[TimeItemSlot(other, 1)] = kCrewPerDay;
    // Activity 4 is not declared.
    p->TimeItemUnitPrices[TimeItemSlot(kSlot + 1, 0)] = kCrewPerDay;
    EXPECT_TRUE(FindStaleTimings(*p).empty());

    // A per-hour item is priced on the required hours, not on the days.
    p->ActivityDaysToComplete[kSlot] = 0;
    p->TimeItemUnits[TimeItemSlot(kSlot, 0)] = kPerHour;
    auto stale = FindStaleTimings(*p);
    ASSERT_EQ(stale.size(), 1U);
    EXPECT_FALSE(stale[0].PerDayItemsUnpriced);
    EXPECT_TRUE(stale[0].OutOfDate);
    // The blank third unit is priced by the day.
    p->TimeItemUnits[TimeItemSlot(kSlot, 0)] = 2;
    EXPECT_TRUE(FindStaleTimings(*p).at(0).PerDayItemsUnpriced);
}

// A project the run refuses is not evaluated: the refusal says what is wrong.
TEST(StoredTimingCheck, NothingIsNamedForAProjectTheRunRefuses) {
    auto p = UntimedActivity();
    p->ActivityHoursInEffect[kSlot] = 0;
    EXPECT_TRUE(FindStaleTimings(*p).empty());
}

// However many activities are stale, the question names five and counts the
// rest, so its buttons stay on the screen.
TEST(StoredTimingCheck, QuestionNamesFiveActivitiesAndCountsTheRest) {
    std::vector<StaleTiming> stale;
    for (int activity = 1; activity <= 7; ++activity) {
        stale.push_back({.Alternative = 1, .Activity = activity, .PerDayItemsUnpriced = true});
    }
    const std::string question = StaleTimingQuestion(stale);
    EXPECT_NE(question.find("work activity 5: "), std::string::npos);
    EXPECT_EQ(question.find("work activity 6: "), std::string::npos);
    EXPECT_NE(question.find("\nand 2 more activities.\n"), std::string::npos);
    stale.resize(6);
    EXPECT_NE(StaleTimingQuestion(stale).find("\nand 1 more activity.\n"), std::string::npos);
    stale.resize(5);
    EXPECT_EQ(StaleTimingQuestion(stale).find(" more "), std::string::npos);
}

class ConfirmRunTest : public MainFormTest {};

TEST_F(ConfirmRunTest, AsksBeforeRunningOnStaleFiguresAndNoStopsTheRun) {
    *project_ = *UntimedActivity();
    MainForm& form = form_;
    form.ShowForm();
    effects_.Clear();

    effects_.YesAnswer = false;
    EXPECT_FALSE(form.ConfirmRun());
    const auto question = effects_.TakeQuestion("Work Zone Timing Not Stored");
    EXPECT_EQ(question.Text.rfind("Alternative 2, work activity 3: 0 days", 0), 0U);
    EXPECT_NE(question.Text.find(kStaleTimingAdvice), std::string::npos);
    EXPECT_EQ(question.Text.substr(question.Text.size() - 24), "Run the analysis anyway?");

    effects_.YesAnswer = true;
    EXPECT_TRUE(form.ConfirmRun());
    effects_.TakeQuestion("Work Zone Timing Not Stored");

    StoreAsTheDialogDoes(*project_);
    effects_.Clear();
    EXPECT_TRUE(form.ConfirmRun());
}

// A project the run refuses is run without the question: the run's own
// message says what is wrong, never after a Yes.
TEST_F(ConfirmRunTest, NoQuestionBeforeARunThatIsRefused) {
    *project_ = *UntimedActivity();
    project_->DiscountRateMin = 9.0; // above its mean
    form_.ShowForm();
    effects_.Clear();
    EXPECT_TRUE(form_.ConfirmRun());
    EXPECT_TRUE(effects_.TakeMessages().empty());
}

} // namespace
} // namespace wexa::forms::testing
