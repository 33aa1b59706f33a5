#include "results/ComparisonPage.h"
#include "results/NpvDistributions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

using Row = std::vector<std::string>;

// A finished run of a few iterations, written by hand so that every figure
// of the page can be worked out on paper. Iteration 3 of alternative 2
// gridlocked; every other iteration is valid.
class ComparisonPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        project->NumberOfAlternatives = 2;
        project->IterationCount = 4;
        Set(0, {100'000, 200'000, 300'000, 400'000});
        Set(1, {150'000, 150'000, 350'000, -1});
        workspace->Statuses[1][3] = IterationStatus::Gridlock;
    }

    // An NPV of -1 is an iteration the alternative gridlocked in.
    void Set(int a, const std::vector<Int64>& npvs) {
        for (std::size_t i = 0; i < npvs.size(); ++i) {
            workspace->AgencyInIterationOrder[a][i] = npvs[i];
            project->AgencyNpvResults[a][i] = npvs[i];
            workspace->Statuses[a][i] =
                npvs[i] < 0 ? IterationStatus::Gridlock : IterationStatus::Valid;
        }
    }

    [[nodiscard]] ComparisonPage Page(int percentile = kDefaultRiskPercentile,
                                      NumberStyle style = NumberStyle::Screen) const {
        return MakeComparisonPage(KeptRun(*project, *workspace).FiguresAt(percentile),
                                  CostKind::Agency, style);
    }

    std::unique_ptr<Project> project = std::make_unique<Project>();
    std::unique_ptr<AnalysisWorkspace> workspace = std::make_unique<AnalysisWorkspace>();
};

TEST_F(ComparisonPageTest, KeptRunOffersOnlyValidIterationsAndOnlyForItsOwnResults) {
    const KeptRun run(*project, *workspace);
    EXPECT_EQ(run.ValidNpvs(1, CostKind::Agency), (std::vector<double>{150e3, 150e3, 350e3}));
    EXPECT_TRUE(run.ValidNpvs(2, CostKind::Agency).empty());
    // The run's copies do not follow the workspace into the next run.
    workspace->AgencyInIterationOrder[0][0] = 1;
    EXPECT_EQ(run.ValidNpvs(0, CostKind::Agency).front(), 100e3);

    EXPECT_TRUE(run.BelongsTo(*project));
    auto opened = std::make_unique<Project>(*project);
    opened->AgencyNpvResults[0][2] += 1;
    EXPECT_FALSE(run.BelongsTo(*opened));
}

TEST_F(ComparisonPageTest, EveryTableSaysItsFigureInItsCell) {
    const ComparisonPage page = Page();
    EXPECT_EQ(page.Heading, "Agency Costs: probabilistic analysis, 4 iterations");
    EXPECT_EQ(page.Notice, "");
    EXPECT_EQ(page.Compared,
              "Compared iterations: 3 of 4, those in which every alternative is valid.");
    EXPECT_EQ(page.LeftOut, "Left out: 1; alternative 2 gridlocked or failed in 1.");

    ASSERT_EQ(page.Cheapest.Cells.size(), 2U);
    EXPECT_EQ(page.Cheapest.Cells[0][0], "66.67%");
    EXPECT_EQ(page.Cheapest.Cells[1][0], "33.33%");
    // The bars are as long as the chances, each in its alternative's colour;
    // a file has the chances as numbers only.
    ASSERT_EQ(page.Cheapest.Bars.size(), 2U);
    EXPECT_DOUBLE_EQ(page.Cheapest.Bars[0].Share, 2.0 / 3.0);
    EXPECT_EQ(page.Cheapest.Bars[1].Colour, AlternativeColour(2));
    EXPECT_TRUE(Page(kDefaultRiskPercentile, NumberStyle::File).Cheapest.Bars.empty());

    EXPECT_EQ(page.Pairwise.Cells, (std::vector<Row>{{"", "66.67% (3)"}, {"33.33% (3)", ""}}));

    EXPECT_EQ(page.Differences.RowNames, (Row{"1 - 2", "2 - 1"}));
    EXPECT_EQ(page.Differences.Columns,
              (Row{"Difference mean", "Difference 10th", "Difference 50th", "Difference 90th"}));
    EXPECT_EQ(page.Differences.Cells[0], (Row{"-16,667", "-50,000", "-50,000", "50,000"}));

    // NPV over each alternative's own valid iterations, EUAC beside it.
    ASSERT_EQ(page.Annual.Columns.size(), 8U);
    EXPECT_EQ(page.Annual.Columns[4], "EUAC mean");
    EXPECT_EQ(Row(page.Annual.Cells[0].begin(), page.Annual.Cells[0].begin() + 4),
              (Row{"250,000", "100,000", "200,000", "400,000"}));
    EXPECT_EQ(page.Annual.Cells[1][0], "216,667");
}

TEST_F(ComparisonPageTest, TheChoiceFollowsTheRiskPercentile) {
    EXPECT_EQ(Page().Choice, "Choice at the 50th percentile: alternative 2, NPV $150,000");
    EXPECT_EQ(Page(1).Choice, "Choice at the 1st percentile: alternative 1, NPV $100,000");
}

// The sentence that opens the page, for the fixture's run changed as each
// case says; a case of one iteration is a deterministic run.
struct SummaryCase {
    const char* name;
    std::vector<Int64> first;
    std::vector<Int64> second;
    const char* summary;
};

class ComparisonSummaryTest : public ComparisonPageTest,
                              public ::testing::WithParamInterface<SummaryCase> {};

TEST_P(ComparisonSummaryTest, SaysTheCheapestAndTheChoice) {
    const SummaryCase& c = GetParam();
    if (c.first.size() == 1) {
        project->AnalysisType = kDeterministicAnalysis;
        project->IterationCount = 1;
    }
    Set(0, c.first);
    Set(1, c.second);
    EXPECT_EQ(Page().Summary, c.summary);
    // The file says it too, on a line of its own.
    const std::string csv = ComparisonCsv(KeptRun(*project, *workspace).FiguresAt(50));
    EXPECT_NE(csv.find("\r\n\"" + std::string(c.summary) + "\"\r\n"), std::string::npos);
}

constexpr Int64 kG = -1;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Runs, ComparisonSummaryTest,
    ::testing::Values(
        SummaryCase{"MostOftenCheapestIsNotTheChoice",
                    {100'000, 200'000, 300'000, 400'000}, {150'000, 150'000, 350'000, kG},
                    "On agency costs, alternative 1 is the cheapest in 66.67% of the compared "
                    "iterations; at the 50th percentile, choose alternative 2."},
        SummaryCase{"TiedForCheapest",
                    {100'000, 200'000, 300'000, 400'000}, {100'000, 150'000, 350'000, kG},
                    "On agency costs, alternatives 1 and 2 are each the cheapest in 50.00% of the "
                    "compared iterations; at the 50th percentile, choose alternative 2."},
        SummaryCase{"TiedAtThePercentile",
                    {100'000, 200'000, 300'000, 400'000}, {200'000, 150'000, 350'000, kG},
                    "On agency costs, alternative 1 is the cheapest in 66.67% of the compared "
                    "iterations; at the 50th percentile, alternatives 1 and 2 cost the same."},
        SummaryCase{"NoIterationCompared",
                    {100'000, 200'000, 300'000, 400'000}, {kG, kG, kG, kG},
                    "On agency costs, no iteration has every alternative valid, so none is the "
                    "cheapest in any; at the 50th percentile, choose alternative 1."},
        SummaryCase{"NoValidIteration", {kG, kG, kG, kG}, {kG, kG, kG, kG},
                    "On agency costs, no alternative has a valid iteration: there is nothing to "
                    "choose."},
        SummaryCase{"Deterministic", {100'000}, {150'000},
                    "On agency costs, alternative 1 is the cheapest: choose it."},
        SummaryCase{"DeterministicGridlock", {150'000}, {kG},
                    "On agency costs, not every alternative is valid; of those that are, choose "
                    "alternative 1."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ComparisonPageTest, FiguresWithoutIterationsReadNotAvailable) {
    for (int i = 0; i < 4; ++i) {
        workspace->Statuses[1][i] = IterationStatus::Failure;
    }
    const ComparisonPage page = Page();
    EXPECT_EQ(page.Cheapest.Cells[0][0], "n/a");
    EXPECT_EQ(page.Pairwise.Cells[0][1], "n/a (0)");
    EXPECT_EQ(page.Differences.Cells[0], (Row{"n/a", "n/a", "n/a", "n/a"}));
    EXPECT_EQ(page.Annual.Cells[1][0], "n/a");
    EXPECT_EQ(page.Choice, "Choice at the 50th percentile: alternative 1, NPV $200,000");
}

TEST_F(ComparisonPageTest, OneAlternativeComparesNothingButKeepsItsCosts) {
    project->NumberOfAlternatives = 1;
    const ComparisonPage page = Page();
    EXPECT_EQ(page.Notice, "Only one alternative: nothing to compare.");
    EXPECT_EQ(page.Summary, "");
    EXPECT_TRUE(page.Cheapest.RowNames.empty());
    EXPECT_TRUE(page.Pairwise.RowNames.empty());
    EXPECT_EQ(page.Choice, "");
    ASSERT_EQ(page.Annual.Cells.size(), 1U);
    EXPECT_EQ(page.Annual.Cells[0][0], "250,000");
}

TEST_F(ComparisonPageTest, ADeterministicRunShowsSingleValues) {
    project->AnalysisType = kDeterministicAnalysis;
    project->IterationCount = 1;
    const ComparisonPage page = Page();
    EXPECT_EQ(page.Heading, "Agency Costs: deterministic analysis");
    EXPECT_EQ(page.Annual.Columns, (Row{"NPV", "EUAC"}));
    EXPECT_EQ(page.Differences.Cells[0], (Row{"-50,000"}));
    EXPECT_EQ(page.Choice, "Choice: alternative 1, NPV $100,000");
}

TEST_F(ComparisonPageTest, TheCsvFileHoldsEveryKindInPlainNumbers) {
    const std::string csv = ComparisonCsv(KeptRun(*project, *workspace).FiguresAt(50));
    for (const char* section :
         {"Agency Costs: probabilistic", "Work Zone User Costs: probabilistic",
          "Total Costs: probabilistic"}) {
        EXPECT_NE(csv.find(section), std::string::npos) << section;
    }
    // Plain numbers a spreadsheet reads: no "%", no count in brackets.
    EXPECT_NE(csv.find("Agency Costs - Chance of being the cheapest\r\nAlternative,Chance (%)\r\n"
                       "1,66.67\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("Alternative,1 (%),1 iterations,2 (%),2 iterations\r\n1,,,66.67,3\r\n"
                       "2,33.33,3,,\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("1 - 2,-16667,-50000,-50000,50000\r\n"), std::string::npos);
    // A title with a comma stays one field.
    EXPECT_NE(csv.find("\"Agency Costs - P(row lower than column) in percent, and"),
              std::string::npos);
    EXPECT_EQ(csv.find("\u2588"), std::string::npos); // no bars in a file
}

// Heights of the steps of a histogram line: every other point after the first.
std::vector<double> Heights(const ChartSeries& line) {
    std::vector<double> heights;
    for (std::size_t i = 1; i + 1 < line.Points.size(); i += 2) {
        heights.push_back(line.Points[i].Y);
    }
    return heights;
}

TEST(NpvDistributions, AlternativesShareTheBinsAndEachShowsItsOwnShares) {
    const std::vector<std::vector<double>> npvs{{1.0e6, 1.1e6, 1.2e6, 1.9e6}, {}, {1.5e6, 2.4e6}};
    const ChartContent chart = MakeNpvDistributions(npvs, CostKind::Total, "Route 9", true);
    ASSERT_EQ(chart.Series.size(), 2U); // the alternative without a valid iteration has no line
    EXPECT_EQ(chart.Series[1].Legend, "Alternative 3");
    EXPECT_EQ(chart.Series[1].Colour, 3);
    ASSERT_EQ(chart.Series[0].Points.size(), chart.Series[1].Points.size());
    for (std::size_t i = 0; i < chart.Series[0].Points.size(); ++i) {
        EXPECT_EQ(chart.Series[0].Points[i].X, chart.Series[1].Points[i].X);
    }
    for (const ChartSeries& line : chart.Series) {
        const std::vector<double> heights = Heights(line);
        EXPECT_DOUBLE_EQ(std::accumulate(heights.begin(), heights.end(), 0.0), 100.0);
    }
    // The axis, in thousands, starts at or below the least NPV and ticks on
    // whole numbers.
    EXPECT_LE(chart.LineAxis.Min, 1000.0);
    EXPECT_GE(chart.LineAxis.Max, 2400.0);
    const double step = (chart.LineAxis.Max - chart.LineAxis.Min) / (chart.LineAxis.TickCount - 1);
    EXPECT_EQ(step, std::floor(step));
    EXPECT_LE(chart.LineAxis.TickCount, 9);
    // Labelled on every tick, in dollars grouped by thousands.
    const std::vector<AxisTick>& labels = chart.LineAxis.Labels;
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(chart.LineAxis.TickCount));
    EXPECT_EQ(labels.front().Value, chart.LineAxis.Min);
    EXPECT_EQ(labels.back().Value, chart.LineAxis.Max);
    EXPECT_EQ(labels[1].Text, FormatNumber(labels[1].Value, "#,##0"));
    const ChartContent large = MakeNpvDistributions({{4.2e9, 4.6e9}}, CostKind::Total, "", true);
    EXPECT_EQ(large.LineAxis.Labels.front().Text, "4,200,000");
}

TEST(NpvDistributions, NothingToDrawSaysWhy) {
    EXPECT_EQ(MakeNpvDistributions({{1.0e6}, {2.0e6}}, CostKind::Agency, "", false).Notice,
              "A deterministic run has one NPV per alternative: there is no distribution to draw.");
    const ChartContent none = MakeNpvDistributions({{}, {}}, CostKind::Agency, "", true);
    EXPECT_TRUE(none.Series.empty());
    EXPECT_NE(none.Notice, "");
}

} // namespace
} // namespace wexa::forms
