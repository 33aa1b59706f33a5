// The work-zone dialog's boxes as texts: what a typed text does before the
// timing logic sees it, and what the boxes show after it.
#include "dialogs/WorkZoneDialogForm.h"
#include "forms/FormText.h"
#include "forms/RecordingEffects.h"
#include "forms/ReentrantEffects.h"
#include "forms/WorkZoneDialogText.h"
#include "forms/WorkZoneProjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;

// Ten years of 70 working hours on a road whose daytime demand queues at a
// one-lane work zone.
std::unique_ptr<Project> QueueingProject() {
    auto p = ProjectWithDemand(30000, EvenShares());
    p->HourlyAADTPercent = {1, 1, 1, 1, 1, 2, 5, 8, 8, 6, 5, 5, 5, 5, 6, 8, 8, 7, 5, 3, 2, 2, 1, 1};
    SetWorkZoneLanes(*p, 1);
    StoreTiming(*p, 8, 7, 15, 0);
    p->ActivityInboundPercent[kSlot] = 100;
    p->ActivityOutboundPercent[kSlot] = 100;
    return p;
}

WorkZoneDialogForm Opened(const Project& p, FormEffects& effects) {
    WorkZoneDialogForm form(WorkZoneDialogInputs::FromForm(p));
    form.Open(effects);
    return form;
}

TEST(WorkZoneDialogBoxesTest, ShowTheOpenedActivityAndItsCosts) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    const WorkZoneDialogForm form = Opened(*p, effects);
    const WorkZoneDialogBoxes& b = form.Boxes();
    const WorkZoneTimingDialog& logic = form.Logic();
    ASSERT_FALSE(logic.Gridlock());
    EXPECT_EQ(b.Alternative, "2");
    EXPECT_EQ(b.Activity, "3");
    EXPECT_EQ(b.Year, "0");
    EXPECT_EQ(b.Aadt, "30000");
    EXPECT_EQ(b.RequiredTime, "70");
    EXPECT_EQ(b.StartHour, "8");
    EXPECT_EQ(b.HoursInEffect, "7");
    EXPECT_EQ(b.StopHour, "15");
    EXPECT_EQ(b.Days, "10");
    EXPECT_EQ(b.InboundPercent, "100");
    for (int row = 0; row < kCostComponentCount; ++row) {
        EXPECT_EQ(ParseReal(b.Costs[row]).value_or(-2), logic.Breakdown().Components[row]) << row;
        EXPECT_EQ(ParseReal(b.Percents[row]).value_or(-2), logic.Breakdown().Percentages[row])
            << row;
    }
    EXPECT_GT(ParseReal(b.Total).value_or(0), 0.0);
    EXPECT_EQ(b.TotalPercent, "100");
}

TEST(WorkZoneDialogBoxesTest, TextThatIsNotANumberKeepsTheLastValue) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    WorkZoneDialogForm form = Opened(*p, effects);
    const std::string total = form.Boxes().Total;

    // An integer box: the message, the focus back, the box shows 8 again;
    // the check then runs on 8 and passes.
    form.Boxes().StartHour = "9x";
    form.LeaveStartHour(effects);
    const auto shown = effects.TakeMessage("Wexa");
    EXPECT_EQ(shown.Text, "Please enter an integer.");
    EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
    EXPECT_EQ(effects.Focus, std::vector<std::string>{"StartHour"});
    EXPECT_EQ(form.Boxes().StartHour, "8");
    EXPECT_EQ(form.Boxes().StopHour, "15");

    // A real box refused on "Calculate Costs": nothing is priced, and the
    // hours typed next to it are still taken (and the stop hour follows when
    // their box is left).
    effects.Clear();
    form.Boxes().HoursInEffect = "5";
    form.Boxes().OutboundPercent = "1,5";
    form.CalculateCosts(effects);
    EXPECT_EQ(effects.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects.Focus, std::vector<std::string>{"OutboundPercent"});
    EXPECT_EQ(form.Boxes().OutboundPercent, "100");
    EXPECT_EQ(form.Boxes().HoursInEffect, "5");
    EXPECT_EQ(form.Boxes().Total, total);

    // OK is refused the same way, and the graph does not open.
    effects.Clear();
    form.Boxes().InboundPercent = "";
    EXPECT_FALSE(form.PressOk(effects));
    form.Boxes().InboundPercent = "abc";
    EXPECT_FALSE(form.GraphQueueLength(effects).has_value());
    EXPECT_EQ(effects.TakeCaptions(), (std::vector<std::string>{"Wexa", "Wexa"}));
    form.Boxes().InboundPercent = "50";
    EXPECT_TRUE(form.PressOk(effects));
    EXPECT_TRUE(form.GraphQueueLength(effects).has_value());
}

TEST(WorkZoneDialogBoxesTest, CheckOfTheLeftBoxRunsAfterAnotherBoxWasRefused) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    WorkZoneDialogForm form = Opened(*p, effects);
    form.Boxes().StartHour = "30";
    form.Boxes().InboundPercent = "ten";
    form.LeaveStartHour(effects);
    EXPECT_EQ(effects.Events,
              (std::vector<std::string>{"message:Wexa", "focus:InboundPercent",
                                        "message:Start Time Error", "focus:StartHour"}));
    EXPECT_EQ(effects.TakeMessage("Wexa").Text, "Please enter a number.");
    effects.TakeMessage("Start Time Error");
    EXPECT_EQ(form.Boxes().StartHour, "0");
    EXPECT_EQ(form.Boxes().StopHour, "7");
}

TEST(WorkZoneDialogBoxesTest, FocusChangesDuringAMessageDoNothing) {
    const auto p = QueueingProject();
    ReentrantEffects effects;
    WorkZoneDialogForm form = Opened(*p, effects);
    form.Boxes().HoursInEffect = "8";
    form.Boxes().MobilizationHours = "8";
    // The box left while the message is up (the message box took the
    // focus) must not run its check on the value being refused.
    effects.OnMessage = [&] { form.LeaveMobilization(effects); };
    form.LeaveHoursInEffect(effects);
    EXPECT_EQ(effects.Recorded.TakeMessage(WorkZoneMessage::TimingCaption).Text,
              WorkZoneMessage::MobilizationBelowHours);
    EXPECT_EQ(form.Boxes().MobilizationHours, "0");
    EXPECT_EQ(form.Boxes().StopHour, "16");
    EXPECT_EQ(form.Boxes().Days, "9"); // 70 hours at 8 a day
}

// The cost summary: every component's cost and percentage, the total and the
// total percentage.
void ExpectEveryCostBoxShows(const WorkZoneDialogBoxes& b, const std::string& text) {
    for (int row = 0; row < kCostComponentCount; ++row) {
        EXPECT_EQ(b.Costs[row], text) << row;
        EXPECT_EQ(b.Percents[row], text) << row;
    }
    EXPECT_EQ(b.Total, text);
    EXPECT_EQ(b.TotalPercent, text);
}

// A timing changed after it was priced leaves the summary marked out of date;
// OK prices the timing shown before anything is stored.
TEST(WorkZoneDialogBoxesTest, ChangedTimingIsMarkedAndOkStoresItsOwnCost) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    WorkZoneDialogForm form = Opened(*p, effects);
    const std::string openedTotal = form.Boxes().Total;
    EXPECT_FALSE(form.Boxes().FiguresOutOfDate);

    form.Boxes().StartHour = "20";
    form.LeaveStartHour(effects);
    EXPECT_TRUE(form.Boxes().FiguresOutOfDate);
    EXPECT_EQ(form.Boxes().Total, openedTotal);
    auto early = std::make_unique<Project>(*p);
    EXPECT_FALSE(form.StoreInto(*early));

    WorkZoneDialogForm priced = Opened(*p, effects);
    priced.Boxes().StartHour = "20";
    priced.LeaveStartHour(effects);
    priced.CalculateCosts(effects);
    EXPECT_FALSE(priced.Boxes().FiguresOutOfDate);
    ASSERT_NE(priced.Boxes().Total, openedTotal);

    ASSERT_TRUE(form.PressOk(effects));
    EXPECT_FALSE(form.Boxes().FiguresOutOfDate);
    EXPECT_EQ(form.Boxes().Total, priced.Boxes().Total);
    auto stored = std::make_unique<Project>(*p);
    ASSERT_TRUE(form.StoreInto(*stored));
    EXPECT_EQ(stored->ActivityStartHour[kSlot], 20);
    EXPECT_EQ(stored->ActivityWorkZoneUserCost[kSlot], priced.Logic().Breakdown().Total);
}

TEST(WorkZoneDialogBoxesTest, GridlockShowsMinusOneInEveryCostBox) {
    const auto p = ProjectWithDemand(200000, EvenShares());
    StoreTiming(*p, 8, 7, 15, 0);
    RecordingEffects effects;
    WorkZoneDialogForm form = Opened(*p, effects);
    effects.TakeMessage("Gridlock");
    ExpectEveryCostBoxShows(form.Boxes(), "-1");
    ASSERT_TRUE(form.PressOk(effects));
    Project stored = *p;
    ASSERT_TRUE(form.StoreInto(stored));
    EXPECT_EQ(stored.ActivityWorkZoneUserCost[kSlot], -1.0);
}

// Costs that are not results leave the cost summary empty, and OK says why
// again instead of closing.
TEST(WorkZoneDialogBoxesTest, RefusedCostsLeaveTheSummaryEmptyAndOkOpen) {
    auto p = QueueingProject();
    p->DelayRatePassengerCar = 1e305;
    RecordingEffects effects;
    WorkZoneDialogForm form = Opened(*p, effects);
    effects.TakeMessage("Project Data Error");
    ExpectEveryCostBoxShows(form.Boxes(), "");
    EXPECT_EQ(form.Boxes().Aadt, "30000"); // the traffic itself is a result

    effects.Clear();
    EXPECT_FALSE(form.PressOk(effects));
    effects.TakeMessage("Project Data Error");
    Project stored = *p;
    EXPECT_FALSE(form.StoreInto(stored));
    EXPECT_EQ(stored.ActivityWorkZoneUserCost[kSlot], p->ActivityWorkZoneUserCost[kSlot]);
}

} // namespace
} // namespace wexa::forms
