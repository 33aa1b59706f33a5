#include "cli/Commands.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace wexa::cli {
namespace {

class ExampleProject : public ::testing::TestWithParam<const char*> {
protected:
    std::string Path(const std::string& extension) const {
        return std::string(WEXA_EXAMPLES_DIR) + "/" + GetParam() + extension;
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

INSTANTIATE_TEST_SUITE_P(Examples, ExampleProject,
                         ::testing::Values("rural-two-lane", "urban-freeway"));

} // namespace
} // namespace wexa::cli
