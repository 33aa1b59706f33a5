// The sensitivity window's logic: what a typed entry may be, what a run's
// end leaves to draw, and which controls can be used meanwhile.
#include "results/SensitivityForm.h"

#include "decision/BaseCase.h"
#include "forms/RecordingEffects.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

namespace control = SensitivityControl;

std::unique_ptr<Project> Example() {
    auto p = std::make_unique<Project>();
    EXPECT_TRUE(ReadProjectFile(WEXA_EXAMPLES_DIR "/urban-freeway.wxa", *p).Ok);
    return p;
}

struct RefusedEntry {
    const char* Name;
    SensitivityEntries Entries;
    const char* Caption;
    const char* Focus;
};

SensitivityEntries With(std::string SensitivityEntries::*box, const char* text) {
    SensitivityEntries entries = SensitivityEntries::Defaults();
    entries.*box = text;
    return entries;
}

SensitivityEntries Pair(int first, int second) {
    SensitivityEntries entries = SensitivityEntries::Defaults();
    entries.PairFirst = first;
    entries.PairSecond = second;
    return entries;
}

class RefusedEntryTest : public ::testing::TestWithParam<RefusedEntry> {};

// Nothing runs; the run's own message, the focus on the entry at fault, and
// the window still ready for the correction.
TEST_P(RefusedEntryTest, ShowsTheRunsMessageAndRunsNothing) {
    const RefusedEntry& c = GetParam();
    RecordingEffects effects;
    SensitivityForm form(effects);
    form.Start();
    const auto project = Example();
    EXPECT_EQ(form.StartRun(c.Entries, *project), nullptr);
    effects.TakeMessage(c.Caption);
    EXPECT_EQ(effects.Focus, std::vector<std::string>{c.Focus});
    EXPECT_FALSE(form.Running());
    EXPECT_TRUE(effects.IsEnabled(control::Run));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedEntryTest,
    ::testing::Values(RefusedEntry{"StepNotANumber", With(&SensitivityEntries::Step, "0,1"),
                                   "Discount Rate Range Error", control::Step},
                      RefusedEntry{"EmptyFrom", With(&SensitivityEntries::From, ""),
                                   "Discount Rate Range Error", control::From},
                      RefusedEntry{"FromMinus100", With(&SensitivityEntries::From, "-100"),
                                   "Discount Rate Range Error", control::From},
                      RefusedEntry{"ToBelowFrom", With(&SensitivityEntries::To, "-1"),
                                   "Discount Rate Range Error", control::To},
                      RefusedEntry{"TooManyRates", With(&SensitivityEntries::Step, "0.001"),
                                   "Discount Rate Range Error", control::Step},
                      RefusedEntry{"StepZero", With(&SensitivityEntries::Step, "0"),
                                   "Discount Rate Range Error", control::Step},
                      RefusedEntry{"SwingAbove100", With(&SensitivityEntries::Swing, "150"),
                                   "Swing Error", control::Swing},
                      RefusedEntry{"SwingText", With(&SensitivityEntries::Swing, "20%"),
                                   "Swing Error", control::Swing},
                      RefusedEntry{"SameAlternativeTwice", Pair(2, 1), "Alternative Pair Error",
                                   control::PairFirst},
                      RefusedEntry{"AlternativeTheProjectLacks", Pair(1, 3),
                                   "Alternative Pair Error", control::PairFirst}),
    [](const auto& info) { return std::string(info.param.Name); });

// Runs the job where the window's thread would, and ends it.
void RunToEnd(SensitivityForm& form, SensitivityJob& job) {
    job.Run();
    form.FinishRun(job);
}

TEST(SensitivityFormTest, AFinishedRunIsDrawnAndACancelledOneLeavesItAsItWas) {
    RecordingEffects effects;
    SensitivityForm form(effects);
    form.Start();
    EXPECT_FALSE(effects.IsEnabled(control::SaveData));
    EXPECT_FALSE(effects.IsEnabled(control::PairSecond));
    EXPECT_FALSE(form.RateChart().Notice.empty());
    const auto project = Example();

    auto job = form.StartRun(SensitivityEntries::Defaults(), *project);
    ASSERT_NE(job, nullptr);
    EXPECT_TRUE(form.Running());
    EXPECT_FALSE(effects.IsEnabled(control::Run));
    EXPECT_FALSE(effects.IsEnabled(control::Step));
    EXPECT_TRUE(effects.IsEnabled(control::Cancel));
    EXPECT_EQ(form.StartRun(SensitivityEntries::Defaults(), *project), nullptr);
    RunToEnd(form, *job);
    const Sensitivity* result = form.Result();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Rates.Points.size(), 101u);
    EXPECT_TRUE(effects.IsEnabled(control::Run));
    EXPECT_FALSE(effects.IsEnabled(control::Cancel));
    EXPECT_TRUE(effects.IsEnabled(control::SaveData));

    const ChartContent rates = form.RateChart();
    EXPECT_EQ(rates.Title, project->ProjectDescription);
    EXPECT_EQ(rates.Series.size(), static_cast<std::size_t>(project->NumberOfAlternatives));
    // The example's third alternative cannot move the pair's difference: its
    // activities are counted under the tornado rather than drawn.
    const ChartContent tornado = form.TornadoChart();
    EXPECT_LT(tornado.Categories.size(), result->Tornado.Bars.size());
    EXPECT_TRUE(tornado.Footnote.ends_with(" inputs of Alt 3 do not change Alt 1 minus Alt 2 and "
                                           "are left out."));
    form.ChooseKind(CostKind::Agency);
    EXPECT_EQ(form.RateChart().ValueAxisTitle, "Agency Costs (NPV, $)");

    // Cancelled, even if the run got to its end before it heard: the user
    // asked to stop, so the last result stays.
    auto cancelled = form.StartRun(With(&SensitivityEntries::Step, "1"), *project);
    ASSERT_NE(cancelled, nullptr);
    form.CancelRun();
    RunToEnd(form, *cancelled);
    EXPECT_EQ(form.Result(), result);
    EXPECT_EQ(form.Result()->Rates.Points.size(), 101u);
    EXPECT_TRUE(effects.IsEnabled(control::Run));
}

// The sensitivity of `project` shows, one by one, the messages with which a
// run of `ran` refuses, and draws nothing.
void ExpectRefusedAsTheRunRefuses(SensitivityForm& form, RecordingEffects& effects,
                                  const Project& project, const Project& ran) {
    auto copy = std::make_unique<Project>(ran);
    auto workspace = std::make_unique<AnalysisWorkspace>();
    const auto expected = RunAnalysis(*copy, *workspace);
    ASSERT_TRUE(expected.has_value());
    auto job = form.StartRun(SensitivityEntries::Defaults(), project);
    ASSERT_NE(job, nullptr);
    RunToEnd(form, *job);
    for (const CheckFailure& failure : expected->Messages) {
        EXPECT_EQ(effects.TakeMessage(failure.Caption).Text, failure.Message);
    }
    EXPECT_EQ(form.Result(), nullptr);
}

TEST(SensitivityFormTest, ARefusedProjectShowsTheRunsOwnMessagesAndNothingIsDrawn) {
    RecordingEffects effects;
    SensitivityForm form(effects);
    auto project = Example();
    project->AnalysisPeriod = 400; // beyond every schedule of the example
    auto base = std::make_unique<Project>(*project);
    MakeBaseCase(*base);
    ExpectRefusedAsTheRunRefuses(form, effects, *project, *base);
    EXPECT_FALSE(form.TornadoChart().Notice.empty());
    EXPECT_TRUE(form.BreakEvens().empty());
    EXPECT_FALSE(effects.IsEnabled(control::Print));
}

// What the run refuses as stored, the window's sensitivity refuses too,
// though its base case would fix the faulty distribution and run.
TEST(SensitivityFormTest, AProjectTheRunRefusesAsStoredIsRefusedWithTheRunsMessages) {
    const std::vector<void (*)(Project&)> faults{
        [](Project& p) {
            p.DiscountRateKind = kNormal;
            p.DiscountRateMin = 6.0;
            p.DiscountRateMean = 4.0;
            p.DiscountRateMax = 2.0;
        },
        [](Project& p) { p.TrafficGrowthKind = 5; },
    };
    for (const auto fault : faults) {
        RecordingEffects effects;
        SensitivityForm form(effects);
        auto project = Example();
        fault(*project);
        ExpectRefusedAsTheRunRefuses(form, effects, *project, *project);
    }
}

} // namespace
} // namespace wexa::forms
