#include "results/AnalysisDocument.h"

#include "simulation/AnalysisRun.h"
#include "support/SmallProjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace wexa::forms::document_summary_test {
namespace {

// A deterministic run of two alternatives of one activity each that lasts
// the whole period, so that no salvage credit is left: their NPVs are their
// bids.
struct DeterministicRun {
    std::unique_ptr<Project> Inputs = PlainProject();
    std::unique_ptr<AnalysisWorkspace> Workspace = std::make_unique<AnalysisWorkspace>();

    explicit DeterministicRun(double secondBid) {
        Inputs->NumberOfAlternatives = 2;
        Schedule(*Inputs, 1, {{35, 1000.0}});
        Schedule(*Inputs, 2, {{35, secondBid}});
        EXPECT_FALSE(RunAnalysis(*Inputs, *Workspace, {1u, nullptr}).has_value());
    }
    [[nodiscard]] DocumentSources Sources() const {
        DocumentSources sources;
        sources.Run = Inputs.get();
        sources.StreamNotice = "no stream here";
        sources.SensitivityNotice = "no study here";
        return sources;
    }
};

std::vector<std::string> Titles(const AnalysisDocument& document) {
    std::vector<std::string> titles;
    for (const DocumentSection& section : document.Sections) {
        titles.push_back(section.Title);
    }
    return titles;
}

TEST(DocumentSummaryTest, NamesTheCheapestAlternativeAndATie) {
    const DeterministicRun cheaper(900.0);
    EXPECT_EQ(SummarySentences(cheaper.Sources()).front(),
              "In the deterministic run, alternative 2 has the lowest total NPV, $900.");
    const DeterministicRun tied(1000.0);
    EXPECT_EQ(SummarySentences(tied.Sources()).front(),
              "In the deterministic run, alternative 1 has the lowest total NPV, $1,000 (tied "
              "with alternative 2).");
}

// Every section is there, in order; those that cannot apply say why.
TEST(DocumentSummaryTest, SectionsThatDoNotApplySayWhy) {
    const DeterministicRun run(900.0);
    const AnalysisDocument document = MakeAnalysisDocument(run.Sources());
    EXPECT_EQ(Titles(document),
              (std::vector<std::string>{"Life-Cycle Cost Analysis", "Inputs", "Expenditure Stream",
                                        "Results", "Comparison of the Alternatives", "Sensitivity",
                                        "Notes"}));
    auto firstText = [&](std::size_t section) {
        return document.Sections[section].Blocks.front().Text;
    };
    EXPECT_EQ(firstText(2), "no stream here");
    EXPECT_NE(firstText(4).find("no iterations to compare"), std::string::npos);
    EXPECT_EQ(firstText(5), "no study here");
}

} // namespace
} // namespace wexa::forms::document_summary_test
