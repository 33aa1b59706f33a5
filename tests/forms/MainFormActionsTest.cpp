#include "MainFormFixture.h"
#include "ReentrantEffects.h"
#include "forms/WorkZoneDialogChecks.h"
#include "simulation/ProjectChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;
using F = FormField;

// "Work Zone Timing and Costs": the first failing check refuses, in order.
TEST_F(MainFormTest, WorkZoneDialogChecksRefuseInOrder) {
    Project& p = *project_;
    p.PercentSUTrucks = 4.9; // + 5 is not the 10 % trucks
    p.WorkZoneLength = 1.5;  // project 1 mile
    p.WorkZoneSpeedLimit = 60;
    p.WorkZoneDissipationCapacity = 2100; // service flow 2095 on one lane
    p.WorkZoneLanes = 2;
    Show();
    struct Step {
        std::string caption;
        std::string focus;
        std::function<void(Project&)> fix;
    };
    const std::vector<Step> steps = {
        {"Traffic Distribution Error", "PercentTrucks", [](Project& q) { q.PercentSUTrucks = 5; }},
        {"Length Error", "WorkZoneLength", [](Project& q) { q.WorkZoneLength = 1.0; }},
        {"Speed Limit Error", "WorkZoneSpeedLimit", [](Project& q) { q.WorkZoneSpeedLimit = 55; }},
        {"Dissipation Capacity Error", "WorkZoneDissipationCapacity",
         [](Project& q) { q.WorkZoneDissipationCapacity = 1000; }},
        // Now the capacity (1260) is above the dissipation capacity.
        {"Dissipation Capacity Error", "WorkZoneDissipationCapacity",
         [](Project& q) { q.WorkZoneDissipationCapacity = 1260; }},
        {"Number of Lanes Error", "WorkZoneLanes", [](Project& q) { q.WorkZoneLanes = 1; }},
    };
    for (const Step& step : steps) {
        effects_.Clear();
        EXPECT_FALSE(form_.CheckWorkZoneDialog());
        EXPECT_EQ(effects_.TakeCaptions(), std::vector<std::string>{step.caption});
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{step.focus});
        step.fix(p);
        Show();
    }
    effects_.Clear();
    // Equal lengths, lanes and capacities pass.
    EXPECT_TRUE(form_.CheckWorkZoneDialog());
}

// The dialog refuses a zone faster than the road in the words of the run's
// check of a stored activity, and lets one as fast as the road through.
TEST(WorkZoneDialogChecksTest, AZoneFasterThanTheRoadIsRefusedAsTheRunRefusesIt) {
    auto p = std::make_unique<Project>();
    p->PostedSpeedLimit = 55;
    p->WorkZoneSpeedLimit = 60;
    const auto failure = CheckBeforeWorkZoneDialog(*p);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Caption, "Speed Limit Error");
    EXPECT_EQ(failure->Message.rfind(kWorkZoneFasterThanPosted, 0), 0U) << failure->Message;
    p->WorkZoneSpeedLimit = 55;
    EXPECT_FALSE(CheckBeforeWorkZoneDialog(*p).has_value());
}

TEST(MainFormReentrancyTest, FocusChangesDuringAMessageStartNoOtherCheck) {
    auto project = std::make_unique<Project>();
    MemoryFormView view;
    ReentrantEffects effects;
    MainForm form(*project, view, effects);
    form.Start();
    int nestedCalls = 0;
    effects.OnMessage = [&] {
        ++nestedCalls;
        EXPECT_TRUE(form.Busy());
        form.LeaveBox(F::PercentTrucks);
        form.NextAlternative();
    };
    view.Type(F::PercentTrucks, "150");
    view.Type(F::NumberOfLanes, "0");
    form.LeaveBox(F::NumberOfLanes);

    // Each message's focus changes did nothing; the read that took the
    // typed truck share checked it too, after the lanes, in form order.
    EXPECT_EQ(nestedCalls, 2);
    effects.Recorded.TakeMessage("Number of Lanes Error");
    effects.Recorded.TakeMessage("Percent Trucks Error");
    EXPECT_FALSE(form.Busy());
    EXPECT_EQ(project->PercentTrucks, 0.0);
    EXPECT_EQ(project->NumberOfLanes, 1);
    // Checked once: leaving it again is no edit.
    effects.OnMessage = nullptr;
    form.LeaveBox(F::PercentTrucks);
    EXPECT_TRUE(effects.Recorded.TakeMessages().empty());
}

TEST_F(MainFormTest, RefusedRunShowsItsMessageAndFocusesTheList) {
    view_.Select(F::DiscountRateKind, kTriangular);
    Type(F::DiscountRateMin, "5");
    Type(F::DiscountRateMean, "4"); // most likely below the minimum
    EXPECT_EQ(Run(), RunEnd::Refused);
    effects_.TakeMessage("Discount Rate Error");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"DiscountRateKind"});
    EXPECT_EQ(project_->IterationCount, 0);
}

TEST_F(MainFormTest, RunReadsTheFormFirst) {
    MakeDeterministicRunnable();
    const auto job = form_.StartRun(*workspace_, 1);
    job->Run();
    // The run worked on its own copy: the project has nothing until the
    // window hands the results over.
    EXPECT_EQ(project_->IterationCount, 0);
    EXPECT_EQ(form_.FinishRun(*job), RunEnd::Finished);
    EXPECT_EQ(project_->IterationCount, 1);
}

TEST_F(MainFormTest, CancelledRunShowsNothingAndKeepsTheLastResults) {
    MakeDeterministicRunnable();
    ASSERT_EQ(Run(), RunEnd::Finished);
    const auto lastTotal = project_->TotalNpvResults[0][0];

    Leave(F::YearsToNextExpected, "40"); // a run would change the total
    const auto job = form_.StartRun(*workspace_, 1);
    job->Feedback().Cancel();
    job->Run();
    EXPECT_EQ(form_.FinishRun(*job), RunEnd::Cancelled);
    EXPECT_EQ(project_->TotalNpvResults[0][0], lastTotal);
    EXPECT_EQ(project_->ActivityYearsExpected[0], 40);
}

TEST_F(MainFormTest, RunWithFiguresThatCannotBeRepresentedIsRefusedAndKeepsTheLastResults) {
    MakeDeterministicRunnable();
    ASSERT_EQ(Run(), RunEnd::Finished);
    const auto lastTotal = project_->TotalNpvResults[0][0];

    // Rates from the cost tables, which the form does not show.
    for (const double rate : {1e305, 1e100}) {
        project_->DelayRatePassengerCar = rate;
        EXPECT_EQ(Run(), RunEnd::Refused) << rate;
        effects_.TakeMessage("Project Data Error");
        EXPECT_EQ(project_->TotalNpvResults[0][0], lastTotal) << rate;
    }
}

} // namespace
} // namespace wexa::forms
