#include "cli/Commands.h"
#include "forms/StoredTimingCheck.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
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
};

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

TEST_P(ExampleProject, RunsWithoutRefusalOrGridlock) {
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(Path(".wxa"), *project));
    auto workspace = std::make_unique<AnalysisWorkspace>();
    const auto refusal = RunAnalysis(*project, *workspace, {2027u, nullptr});
    ASSERT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    for (int a = 0; a < project->NumberOfAlternatives; ++a) {
        EXPECT_EQ(project->GridlockCounts[a], 0) << "alternative " << a + 1;
        EXPECT_GT(project->ValidCounts[a], kProbabilisticIterations / 2) << "alternative " << a + 1;
        EXPECT_GT(project->UserNpvPercentiles[a][5], 0) << "alternative " << a + 1;
    }
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
