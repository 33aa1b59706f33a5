// The text tables of `run` and `compare`: every column as wide as its widest
// figure, so that no figure runs into its neighbour however wide it is.
#include "cli/CompareOutput.h"
#include "cli/RunOutput.h"
#include "cli/TextFormat.h"
#include "decision/Comparison.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

constexpr Int64 kLowest = std::numeric_limits<Int64>::min();  // 20 characters
constexpr Int64 kHighest = std::numeric_limits<Int64>::max(); // 19 characters

// The lines of the table under `heading`, the heading first, up to an empty
// line or a line that starts with a letter (the next section).
std::vector<std::string> TableLines(const std::string& text, const std::string& heading) {
    const std::size_t start = text.find(heading);
    EXPECT_NE(start, std::string::npos) << heading << "\n" << text;
    std::istringstream in(start == std::string::npos ? "" : text.substr(start));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line) && !line.empty() &&
           (lines.empty() || std::isalpha(static_cast<unsigned char>(line[0])) == 0)) {
        lines.push_back(line);
    }
    return lines;
}

// Each line as wide as the heading (the last column is aligned right), and
// every figure apart from what surrounds it: a blank before it, a blank or
// the line's end after it.
void ExpectSizedByItsFigures(const std::string& text, const std::string& heading,
                             const std::vector<std::string>& figures) {
    const std::vector<std::string> lines = TableLines(text, heading);
    ASSERT_GT(lines.size(), 1U) << text;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), lines.front().size()) << line;
    }
    for (const std::string& figure : figures) {
        const std::size_t at = text.find(figure);
        ASSERT_NE(at, std::string::npos) << figure << "\n" << text;
        const std::size_t end = at + figure.size();
        EXPECT_TRUE(at > 0 && text[at - 1] == ' ') << figure << "\n" << text;
        EXPECT_TRUE(end < text.size() && (text[end] == ' ' || text[end] == '\n')) << figure << "\n"
                                                                                  << text;
    }
}

struct WideRun {
    const char* name;
    Int32 analysisType;
};

void PrintTo(const WideRun& run, std::ostream* os) {
    *os << run.name;
}

class RunSummaryTable : public ::testing::TestWithParam<WideRun> {};

// Figures of 19 and 20 characters, as a stored project can hold them, next to
// a narrow one; every NPV a summary can show comes from these.
TEST_P(RunSummaryTable, EachColumnIsAsWideAsItsWidestFigure) {
    auto p = std::make_unique<Project>();
    auto w = std::make_unique<AnalysisWorkspace>();
    p->NumberOfAlternatives = 2;
    p->AnalysisType = GetParam().analysisType;
    const bool probabilistic = p->AnalysisType == kProbabilisticAnalysis;
    p->IterationCount = probabilistic ? kProbabilisticIterations : 1;
    const std::array<Int64, 3> wide{kLowest, 532115, kHighest};
    for (int a = 0; a < 2; ++a) {
        p->ValidCounts[a] = p->IterationCount;
        w->Statuses[a][0] = IterationStatus::Valid;
        w->AgencyInIterationOrder[a][0] = wide[0];
        w->UserInIterationOrder[a][0] = wide[1];
        w->TotalInIterationOrder[a][0] = wide[2];
        p->AgencyNpvPercentiles[a].fill(wide[0]);
        p->UserNpvPercentiles[a].fill(wide[1]);
        p->TotalNpvPercentiles[a].fill(wide[2]);
    }
    std::ostringstream out;
    WriteRunSummary(out, *p, *w);
    ExpectSizedByItsFigures(out.str(), "Alt",
                            {std::to_string(kLowest), std::to_string(kHighest), "532115"});
}

INSTANTIATE_TEST_SUITE_P(Analyses, RunSummaryTable,
                         ::testing::Values(WideRun{"Deterministic", kDeterministicAnalysis},
                                           WideRun{"Probabilistic", kProbabilisticAnalysis}),
                         [](const auto& info) { return std::string(info.param.name); });

// A deterministic run whose first alternative costs eight quadrillion
// dollars, still an exact figure: its EUACs and the differences from it are
// wider than the headings.
TEST(ComparisonTable, EachColumnIsAsWideAsItsWidestFigure) {
    auto p = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(WEXA_EXAMPLES_DIR "/urban-freeway.wxa", *p));
    p->AnalysisType = kDeterministicAnalysis;
    p->ActivityBidItemTotal[ActivitySlot(1, 1)] = 8e15;
    p->ActivityAgencyCostVariability[ActivitySlot(1, 1)] = 0.0;
    auto w = std::make_unique<AnalysisWorkspace>();
    const auto refusal = RunAnalysis(*p, *w, {1u, nullptr});
    ASSERT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    const Comparison c = CompareAlternatives(*p, *w, kDefaultRiskPercentile);
    std::ostringstream out;
    WriteComparisonText(out, c, 1u);

    const CostComparison& total = c.Of(CostKind::Total);
    ASSERT_TRUE(total.Euac[0].has_value());
    ASSERT_TRUE(total.Pairs[1][0].Difference.has_value());
    const std::string euac = FormatFixed(total.Euac[0]->P50, 2);
    const std::string difference = FormatFixed(total.Pairs[1][0].Difference->P50, 0);
    ASSERT_GT(euac.size(), std::string("EUAC ($)").size());
    ASSERT_GT(difference.size(), std::string("a-b ($)").size());
    const std::string text = out.str();
    const std::string totals = text.substr(text.find("Total cost\n"));
    ExpectSizedByItsFigures(totals, "Alt  Cheapest", {euac});
    ExpectSizedByItsFigures(totals, "Pair  P(a < b)", {difference});
}

} // namespace
} // namespace wexa::cli
