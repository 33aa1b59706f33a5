#include "cli/Commands.h"
#include "forms/ActivityFields.h"
#include "forms/FieldChecks.h"
#include "forms/Navigation.h"
#include "forms/NoticeCollector.h"
#include "forms/StoredTimingCheck.h"
#include "forms/WorkZoneDialogChecks.h"
#include "forms/WorkZoneTiming.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"
#include "simulation/ProjectChecks.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace wexa::cli {
namespace {

class ExampleProject : public ::testing::TestWithParam<const char*> {
protected:
    std::string Path(const std::string& extension) const {
        std::filesystem::path path = std::filesystem::path(WEXA_EXAMPLES_DIR) / GetParam();
        path += extension;
        return path.string();
    }

    std::unique_ptr<Project> Read() const {
        auto project = std::make_unique<Project>();
        EXPECT_TRUE(ReadProjectFile(Path(".wxa"), *project));
        return project;
    }
};

// What a screen would have shown, one "Caption: text" line per box.
std::string Shown(forms::NoticeCollector& notices) {
    std::string shown;
    for (const auto& notice : notices.Notices) {
        shown += notice.Caption + ": " + notice.Text + "\n";
    }
    notices.Notices.clear();
    return shown;
}

std::string Refusal(const std::optional<CheckFailure>& failure) {
    return failure ? failure->Caption + ": " + failure->Message : "";
}

// The JSON is the source of each example; the project file next to it must be
// what importing the JSON gives, byte for byte.
TEST_P(ExampleProject, ProjectFileIsTheImportOfItsJsonSource) {
    testing::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(ImportCommand(Path(".json"), folder.File("imported.wxa"), {out, err}), kExitSuccess)
        << err.str();
    EXPECT_EQ(testing::ReadBytes(folder.File("imported.wxa")), testing::ReadBytes(Path(".wxa")));
}

// A schedule that falls short of the analysis period, or a work zone that
// gridlocks, in more than a few iterations teaches the wrong thing: the
// comparison leaves those iterations out.
TEST_P(ExampleProject, NearlyEveryIterationOfEveryAlternativeIsValid) {
    auto project = Read();
    auto workspace = std::make_unique<AnalysisWorkspace>();
    const auto refusal = RunAnalysis(*project, *workspace, {2027u, nullptr});
    ASSERT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    ASSERT_EQ(project->IterationCount, kProbabilisticIterations);
    for (int a = 0; a < project->NumberOfAlternatives; ++a) {
        EXPECT_EQ(project->GridlockCounts[a], 0) << "alternative " << a + 1;
        EXPECT_LE(project->InvalidCounts[a] * 50, project->IterationCount)
            << "alternative " << a + 1 << ": " << project->FailureCounts[a] << " failures";
        EXPECT_GT(project->UserNpvPercentiles[a][5], 0) << "alternative " << a + 1;
    }
}

// Every priced activity, made the current one on the form: the checks the
// window runs before it opens "Work Zone Timing and Costs", the checks of the
// form's boxes that feed the dialog, the dialog opened on the form's copies
// with the checks of its timing boxes, and the run's checks of the stored
// work zone all pass without a word, and leave the timing as stored.
TEST_P(ExampleProject, EveryPricedWorkZoneOpensItsDialogWithoutARefusal) {
    const auto stored = Read();
    ASSERT_FALSE(CheckUsedStructure(*stored).has_value()) << Refusal(CheckUsedStructure(*stored));
    int priced = 0;
    forms::ForEachPricedActivity(*stored, [&](int a, int w) {
        SCOPED_TRACE("alternative " + std::to_string(a) + ", activity " + std::to_string(w));
        ++priced;
        const int slot = ActivitySlot(a, w);
        auto project = std::make_unique<Project>(*stored);
        project->CurrentAlternative = a;
        project->CurrentActivity = w;
        project->CurrentActivityIndex = slot;
        forms::LoadActivityFields(*project);
        EXPECT_EQ(Refusal(forms::CheckBeforeWorkZoneDialog(*project)), "");
        EXPECT_EQ(Refusal(CheckActivityStructure(*project, slot, true)), "");

        forms::NoticeCollector notices;
        for (const forms::FormField box :
             {forms::FormField::WorkZoneLength, forms::FormField::WorkZoneSpeedLimit,
              forms::FormField::WorkZoneLanes, forms::FormField::WorkZoneCapacity,
              forms::FormField::WorkZoneDissipationCapacity, forms::FormField::RequiredTime}) {
            forms::CheckLeftBox(*project, notices, box);
        }
        EXPECT_EQ(Shown(notices), "");
        // Leaving the required time works the days out again from the timing.
        EXPECT_EQ(project->ActivityDaysToComplete[slot], stored->ActivityDaysToComplete[slot]);

        forms::WorkZoneTimingDialog dialog(forms::WorkZoneDialogInputs::FromForm(*project));
        dialog.Open(notices);
        EXPECT_EQ(Shown(notices), "");
        dialog.LeaveStartHour(notices);
        dialog.LeaveHoursInEffect(notices);
        dialog.LeaveMobilization(notices);
        EXPECT_EQ(Shown(notices), "");
        EXPECT_TRUE(dialog.Fields() == dialog.Inputs().StoredTiming);
        EXPECT_FALSE(dialog.Refusal().has_value());
        EXPECT_FALSE(dialog.Gridlock());
    });
    EXPECT_GT(priced, 0);
}

// Each activity's expected year is the one "Next Work Activity" works out
// from the activity before it, so browsing to an activity leaves the year
// its work zone was priced for as it is.
TEST_P(ExampleProject, BrowsingKeepsTheYearEachActivityWasPricedFor) {
    const auto stored = Read();
    auto browsed = std::make_unique<Project>(*stored);
    forms::NoticeCollector notices;
    ASSERT_EQ(browsed->CurrentAlternative, 1);
    ASSERT_EQ(browsed->CurrentActivity, 1);
    for (int a = 1; a <= stored->NumberOfAlternatives; ++a) {
        for (int w = 1; w <= stored->AlternativeActivityCount[a - 1]; ++w) {
            ASSERT_EQ(browsed->CurrentActivityIndex, ActivitySlot(a, w));
            EXPECT_EQ(browsed->ActivityYear, stored->ActivityYears[ActivitySlot(a, w)])
                << "alternative " << a << ", activity " << w;
            forms::NextWorkActivity(*browsed, notices);
        }
        forms::NextAlternative(*browsed, notices);
    }
    EXPECT_EQ(browsed->ActivityYears, stored->ActivityYears);
    EXPECT_EQ(Shown(notices), "");
}

// An example is a project an engineer could have saved: the hourly table of
// its traffic type, and every priced activity's days and user cost as the
// work-zone dialog's OK stores them for its stored timing.
TEST_P(ExampleProject, HoldsTheHourlyTableOfItsTrafficType) {
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(Path(".wxa"), *project));
    ASSERT_TRUE(project->TrafficType == 0 || project->TrafficType == 1);
    auto builtIn = std::make_unique<Project>();
    LoadBuiltInHourlyTable(*builtIn, project->TrafficType);
    EXPECT_EQ(project->HourlyAADTPercent, builtIn->HourlyAADTPercent);
    EXPECT_EQ(project->HourlyInboundPercent, builtIn->HourlyInboundPercent);
    EXPECT_EQ(project->HourlyOutboundPercent, builtIn->HourlyOutboundPercent);
}

TEST_P(ExampleProject, StoresWhatTheWorkZoneDialogComputesForEachActivity) {
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(Path(".wxa"), *project));
    std::string stale;
    for (const std::string& line : forms::DescribeStaleTimings(forms::FindStaleTimings(*project))) {
        stale += line + "\n";
    }
    EXPECT_EQ(stale, "");
    for (int a = 1; a <= project->NumberOfAlternatives; ++a) {
        for (int w = 1; w <= project->AlternativeActivityCount[a - 1]; ++w) {
            const int slot = ActivitySlot(a, w);
            ASSERT_EQ(project->ActivityUserCostModes[slot], kIncludeUserCosts);
            EXPECT_GT(project->ActivityDaysToComplete[slot], 0) << a << "/" << w;
            EXPECT_GT(project->ActivityWorkZoneUserCost[slot], 0.0) << a << "/" << w;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleProject,
                         ::testing::Values("rural-two-lane", "urban-freeway"));

} // namespace
} // namespace wexa::cli
