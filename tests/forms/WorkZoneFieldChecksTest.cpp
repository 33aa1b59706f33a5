#include "WorkZoneProjects.h"
#include "forms/RecordingEffects.h"
#include "forms/WorkZoneDialogText.h"
#include "forms/WorkZoneTiming.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;

const std::string kLongTimingMessage =
    "Daily Mobilization/Demobilization Time plus Daily Work\nZone Hours must be less than 24 "
    "hours\nif you have specified less than 24 hours/day of work.\nYou must also specify at "
    "least 1 work zone hour per day.";
const std::string kBelowHoursMessage =
    "Daily Mobilization/Demobilization Time must be less than Number of Work Zone Hours per Day";
const std::string kMobilizationRangeMessage =
    "Daily Mobilization/Demobilization Time must be between 0 and 24 hours.";
const std::string kMobilizationPlusHoursMessage =
    "Daily Mobilization/Demobilization Time plus Daily Work\nZone Hours must be less than 24 "
    "hours.";

// A dialog opened on light traffic (no gridlock, no notice), required time
// 70 hours, stored timing 8 + 7 hours.
class WorkZoneFieldTest : public ::testing::Test {
protected:
    WorkZoneFieldTest() : project_(ProjectWithDemand(5000, EvenShares())) {
        StoreTiming(*project_, 8, 7, 15, 0);
        dialog_ = std::make_unique<WorkZoneTimingDialog>(WorkZoneDialogInputs::FromForm(*project_));
        dialog_->Open(effects_);
    }

    // Types values into the boxes, as the window's read of the form does.
    void Type(int start, int hours, int mobilization) {
        dialog_->Fields().StartHour = start;
        dialog_->Fields().HoursInEffect = hours;
        dialog_->Fields().MobilizationHours = mobilization;
    }

    // The text of the one message left, which must be a timing refusal.
    std::string TimingRefusal() { return effects_.TakeMessage("Timing Error").Text; }

    const WorkZoneTimingFields& Fields() const { return dialog_->Fields(); }

    std::unique_ptr<Project> project_;
    RecordingEffects effects_;
    std::unique_ptr<WorkZoneTimingDialog> dialog_;
};

TEST_F(WorkZoneFieldTest, StartHourOutsideTheDayIsReplacedByMidnight) {
    for (const int bad : {30, 24, -1, INT_MAX}) {
        effects_.Clear();
        Type(bad, 7, 0);
        dialog_->LeaveStartHour(effects_);
        const auto shown = effects_.TakeMessage("Start Time Error");
        EXPECT_EQ(shown.Text, "The start hour must be between 0 and 23 hours, inclusive") << bad;
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{"StartHour"});
        EXPECT_EQ(Fields().StartHour, 0);
        EXPECT_EQ(Fields().StopHour, 7);
    }
}

TEST_F(WorkZoneFieldTest, StopHourWrapsPastMidnightWithoutAMessage) {
    Type(20, 7, 0);
    dialog_->LeaveStartHour(effects_);
    EXPECT_EQ(Fields().StopHour, 3);
    Type(23, 24, 0);
    dialog_->LeaveStartHour(effects_);
    EXPECT_EQ(Fields().StopHour, 23);
    // Leaving the start hour does not touch the days.
    EXPECT_EQ(dialog_->Days(), 10);
}

TEST_F(WorkZoneFieldTest, AroundTheClockNoTimingMessageWhateverTheMobilization) {
    for (const int mobilization : {0, 5, 23, 30, 200}) {
        effects_.Clear();
        Type(6, 24, mobilization);
        dialog_->LeaveHoursInEffect(effects_);
        dialog_->LeaveMobilization(effects_);
        EXPECT_TRUE(effects_.TakeMessages().empty()) << mobilization;
        EXPECT_EQ(Fields().MobilizationHours, mobilization);
        EXPECT_EQ(Fields().StopHour, 6); // stop equals start
        // Mobilization is added once to the 70 hours; a part day is a day.
        const int total = 70 + mobilization;
        EXPECT_EQ(dialog_->Days(), total / 24 + (total % 24 != 0 ? 1 : 0)) << mobilization;
    }
}

TEST_F(WorkZoneFieldTest, MobilizationAsLongAsTheWorkingDayIsRefusedFromEitherBox) {
    Type(8, 8, 8);
    dialog_->LeaveHoursInEffect(effects_);
    EXPECT_EQ(TimingRefusal(), kBelowHoursMessage);
    // The message first, then the focus back to the box.
    EXPECT_EQ(effects_.Events,
              (std::vector<std::string>{"message:Timing Error", "focus:MobilizationHours"}));
    EXPECT_EQ(Fields().MobilizationHours, 0);
    EXPECT_EQ(Fields().HoursInEffect, 8);
    EXPECT_EQ(Fields().StopHour, 16);
    EXPECT_EQ(dialog_->Days(), 9); // 70 hours at 8 a day

    effects_.Clear();
    Type(8, 8, 8);
    dialog_->LeaveMobilization(effects_);
    EXPECT_EQ(TimingRefusal(), kBelowHoursMessage);
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"MobilizationHours"});
    EXPECT_EQ(Fields().MobilizationHours, 0);
}

TEST_F(WorkZoneFieldTest, HoursPlusMobilizationPastTheDayGiveTheLongMessageOnly) {
    Type(8, 20, 5);
    dialog_->LeaveHoursInEffect(effects_);
    EXPECT_EQ(TimingRefusal(), kLongTimingMessage);
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"HoursInEffect"});
    EXPECT_EQ(Fields().HoursInEffect, 1);
    EXPECT_EQ(Fields().MobilizationHours, 0);
    EXPECT_EQ(Fields().StopHour, 9);
    EXPECT_EQ(dialog_->Days(), 70);
}

TEST_F(WorkZoneFieldTest, HoursOutsideOneToTwentyFourAreReplacedByOne) {
    for (const int bad : {0, -3, 25, INT_MAX}) {
        effects_.Clear();
        Type(8, bad, 0);
        dialog_->LeaveHoursInEffect(effects_);
        EXPECT_EQ(TimingRefusal(), kLongTimingMessage) << bad;
        EXPECT_EQ(Fields().HoursInEffect, 1);
    }
    // A large mobilization must not overflow the sum it is checked with.
    effects_.Clear();
    Type(8, 7, INT_MAX);
    dialog_->LeaveHoursInEffect(effects_);
    EXPECT_EQ(TimingRefusal(), kLongTimingMessage);
    EXPECT_EQ(Fields().MobilizationHours, 0);
}

TEST_F(WorkZoneFieldTest, MobilizationChecksInOrder) {
    struct Case {
        int hours;
        int mobilization;
        std::string message;
    };
    for (const Case& c :
         {Case{7, -1, kMobilizationRangeMessage}, Case{7, 24, kMobilizationRangeMessage},
          Case{20, 5, kMobilizationPlusHoursMessage}, Case{7, 7, kBelowHoursMessage}}) {
        effects_.Clear();
        Type(8, c.hours, c.mobilization);
        dialog_->LeaveMobilization(effects_);
        EXPECT_EQ(TimingRefusal(), c.message) << c.hours << "/" << c.mobilization;
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{"MobilizationHours"});
        EXPECT_EQ(Fields().MobilizationHours, 0);
        EXPECT_EQ(Fields().HoursInEffect, c.hours);
        EXPECT_EQ(Fields().StopHour, 15) << "the stop hour is not touched";
    }
}

TEST_F(WorkZoneFieldTest, AcceptedMobilizationRecomputesTheDays) {
    Type(8, 8, 3);
    dialog_->LeaveMobilization(effects_);
    EXPECT_EQ(dialog_->Days(), 14); // 70 hours at 5 working hours a day
    // The costs follow only on "Calculate Costs".
    const double before = dialog_->Breakdown().Total;
    dialog_->CalculateCosts(effects_);
    EXPECT_NE(dialog_->Breakdown().Total, before);
}

TEST(StopHourForTest, AlwaysOnTheClock) {
    EXPECT_EQ(StopHourFor(8, 7), 15);
    EXPECT_EQ(StopHourFor(20, 7), 3);
    EXPECT_EQ(StopHourFor(5, 24), 5);
    EXPECT_EQ(StopHourFor(0, -1), 23);
    EXPECT_EQ(StopHourFor(INT_MAX, INT_MAX), static_cast<int>((2LL * INT_MAX) % 24));
}

} // namespace
} // namespace wexa::forms
