#include "results/ResultChart.h"
#include "results/ResultsPage.h"
#include "simulation/ResultStatistics.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

// A project after a run: every alternative's NPVs in iteration order, a
// number of them gridlocked, and the statistics computed from them as the
// run does.
class ResultChartTest : public ::testing::Test {
protected:
    void Run(int alternatives, std::vector<int> invalidPerAlternative,
             AnalysisKind kind = kProbabilisticAnalysis) {
        Project& p = *project;
        p.NumberOfAlternatives = alternatives;
        p.AnalysisType = kind;
        p.ProjectDescription = "Route 9 rehabilitation";
        p.IterationCount = kind == kProbabilisticAnalysis ? kProbabilisticIterations : 1;
        invalidPerAlternative.resize(kMaxAlternatives, 0);
        for (int a = 0; a < kMaxAlternatives; ++a) {
            const int invalid = std::min(invalidPerAlternative[a], p.IterationCount);
            for (int i = 0; i < p.IterationCount; ++i) {
                // Descending in the iteration order, so the sort matters.
                const Int64 agency = 1'000'000 * (a + 1) + 7 * (p.IterationCount - i);
                const Int64 user = 300'000 + 5 * (p.IterationCount - i) + a;
                const bool valid = i >= invalid;
                (*statuses)[a][i] = valid ? IterationStatus::Valid : IterationStatus::Gridlock;
                p.AgencyNpvResults[a][i] = valid ? agency : -1;
                p.UserNpvResults[a][i] = valid ? user : -1;
                p.TotalNpvResults[a][i] = valid ? agency + user : -1;
            }
            p.ValidCounts[a] = p.IterationCount - invalid;
            p.InvalidCounts[a] = invalid;
            p.GridlockCounts[a] = invalid;
            p.FailureCounts[a] = 0;
        }
        if (kind == kProbabilisticAnalysis) {
            ComputeResultStatistics(p, *statuses);
        }
    }

    [[nodiscard]] ChartContent Chart(int selection) const {
        ResultChartData data = ReadResultChart(*project);
        data.CostTypeSelection = selection;
        return MakeResultChart(data);
    }

    [[nodiscard]] const PercentileTable<Int64>& Percentiles(int cost) const {
        const PercentileTable<Int64>* tables[] = {&project->AgencyNpvPercentiles,
                                                  &project->UserNpvPercentiles,
                                                  &project->TotalNpvPercentiles};
        return *tables[cost];
    }

    // The series is alternative a's curve of `cost`: x its own cumulative
    // percentages, y its percentiles, point by point.
    void ExpectCurve(const ChartSeries& series, int a, int cost) const {
        ASSERT_EQ(series.Points.size(), static_cast<std::size_t>(kPercentilePoints));
        for (int k = 0; k < kPercentilePoints; ++k) {
            EXPECT_EQ(series.Points[k].X, project->AgencyCumulativePercents[a][k]) << k;
            EXPECT_EQ(series.Points[k].Y, static_cast<double>(Percentiles(cost)[a][k])) << k;
        }
    }

    std::unique_ptr<Project> project = std::make_unique<Project>();
    std::unique_ptr<IterationStatusTable> statuses = std::make_unique<IterationStatusTable>();
};

std::vector<std::string> Legends(const ChartContent& chart) {
    std::vector<std::string> legends;
    for (const ChartSeries& series : chart.Series) {
        legends.push_back(series.Legend);
    }
    return legends;
}

TEST_F(ResultChartTest, ProbabilisticRunDrawsOneCurvePerAlternative) {
    Run(3, {0, 0, 0});
    const ChartContent chart = Chart(kAgencyCosts);
    EXPECT_EQ(chart.Kind, ChartKind::Line);
    EXPECT_EQ(chart.Title, "Route 9 rehabilitation");
    EXPECT_EQ(chart.CategoryAxisTitle, "Percentile");
    EXPECT_EQ(chart.ValueAxisTitle, "Agency Costs (NPV, $)");
    EXPECT_EQ(chart.NumberFormat, "#,##0");
    EXPECT_EQ(Legends(chart),
              (std::vector<std::string>{"Alternative 1", "Alternative 2", "Alternative 3"}));
    for (int a = 0; a < 3; ++a) {
        ExpectCurve(chart.Series[a], a, kAgencyCosts);
        EXPECT_EQ(chart.Series[a].Points.back().X, 100.0);
    }
    EXPECT_TRUE(chart.Labels.empty());
}

TEST_F(ResultChartTest, EachCostButtonPlotsItsOwnPercentiles) {
    Run(2, {});
    const char* titles[] = {"Agency Costs (NPV, $)", "Work Zone User Costs (NPV, $)",
                            "Total Costs (NPV, $)"};
    for (int cost = kAgencyCosts; cost <= kTotalCosts; ++cost) {
        SCOPED_TRACE(cost);
        const ChartContent chart = Chart(cost);
        EXPECT_EQ(chart.ValueAxisTitle, titles[cost]);
        ASSERT_EQ(chart.Series.size(), 2u);
        ExpectCurve(chart.Series[1], 1, cost);
        // The value axis reaches the highest point plotted.
        EXPECT_GE(chart.ValueTicks.back().Value, static_cast<double>(Percentiles(cost)[1][10]));
        EXPECT_EQ(chart.ValueTicks.front().Text, "0");
    }
}

TEST_F(ResultChartTest, OneAlternativeGivesOneCurve) {
    Run(1, {});
    const ChartContent chart = Chart(kTotalCosts);
    EXPECT_EQ(Legends(chart), std::vector<std::string>{"Alternative 1"});
    ExpectCurve(chart.Series[0], 0, kTotalCosts);
}

TEST_F(ResultChartTest, AllCostComponentsOfTwoAlternativesInOrder) {
    Run(2, {});
    ResultChartData data = ReadResultChart(*project);
    EXPECT_TRUE(OffersAllCostComponents(data));
    const ChartContent chart = Chart(kAllCostComponents);
    EXPECT_EQ(chart.ValueAxisTitle, "All Cost Components (NPV, $)");
    EXPECT_EQ(Legends(chart),
              (std::vector<std::string>{"Alt. 1 (Agency)", "Alt. 1 (WZUC)", "Alt. 1 (Total)",
                                        "Alt. 2 (Agency)", "Alt. 2 (WZUC)", "Alt. 2 (Total)"}));
    for (int s = 0; s < 6; ++s) {
        SCOPED_TRACE(s);
        ExpectCurve(chart.Series[s], s / 3, s % 3);
        // An alternative's three lines share its colour and differ by style.
        EXPECT_EQ(chart.Series[s].Colour, chart.Series[s / 3 * 3].Colour);
        EXPECT_NE(chart.Series[s].Colour, chart.Series[(s + 3) % 6].Colour);
        EXPECT_EQ(chart.Series[s].Style, chart.Series[(s + 3) % 6].Style);
        EXPECT_NE(chart.Series[s].Style, chart.Series[s / 3 * 3 + (s + 1) % 3].Style);
    }
}

TEST_F(ResultChartTest, CurvesEndAtTheirOwnShareOfValidIterations) {
    // 2 percent of the iterations of every alternative invalid.
    Run(2, {100, 100});
    for (const ChartSeries& series : Chart(kAgencyCosts).Series) {
        EXPECT_EQ(series.Points.back().X, 98.0);
        EXPECT_EQ(series.Points[5].X, 49.0);
    }
    // Only the first alternative has invalid iterations: the last one's
    // share does not shorten the first one's curve, nor the reverse.
    Run(2, {100, 0});
    const ChartContent chart = Chart(kAgencyCosts);
    EXPECT_EQ(chart.Series[0].Points.back().X, 98.0);
    EXPECT_EQ(chart.Series[1].Points.back().X, 100.0);
}

TEST_F(ResultChartTest, AnAlternativeKeepsItsColourInEveryView) {
    for (const AnalysisKind kind : {kProbabilisticAnalysis, kDeterministicAnalysis}) {
        Run(4, {}, kind);
        for (int selection = kAgencyCosts; selection <= kAllCostComponents; ++selection) {
            const ChartContent chart = Chart(selection);
            const std::size_t perAlternative = chart.Series.size() / 4;
            ASSERT_GE(perAlternative, 1u);
            for (std::size_t s = 0; s < chart.Series.size(); ++s) {
                EXPECT_EQ(chart.Series[s].Colour, static_cast<int>(s / perAlternative) + 1)
                    << "view " << selection << ", series " << s;
            }
        }
    }
    // The printed page draws each alternative in the same colour.
    for (int a = 1; a <= 4; ++a) {
        EXPECT_EQ(AlternativeColour(a), AlternativePen(a).Color);
    }
}

TEST_F(ResultChartTest, ARunWithoutAnyValidIterationSaysWhyInThePlot) {
    Run(2, {kProbabilisticIterations, kProbabilisticIterations});
    EXPECT_EQ(Chart(kAgencyCosts).Notice,
              "Every iteration gridlocked: a work zone's queue never clears.");
    project->GridlockCounts = {};
    project->FailureCounts = {kProbabilisticIterations, kProbabilisticIterations};
    EXPECT_EQ(Chart(kTotalCosts).Notice,
              "Every iteration failed: the scheduled activities do not reach the end of the "
              "analysis period.");
    project->GridlockCounts = {1000, 0};
    project->FailureCounts = {4000, kProbabilisticIterations};
    EXPECT_EQ(Chart(kAllCostComponents).Notice,
              "No iteration is valid: 9000 failed (the scheduled activities do not reach the end "
              "of the analysis period) and 1000 gridlocked (a work zone's queue never clears).");

    // One valid alternative is enough to plot.
    Run(2, {kProbabilisticIterations, 0});
    EXPECT_EQ(Chart(kAgencyCosts).Notice, "");
    // A deterministic run whose one iteration failed everywhere says so too.
    Run(2, {}, kDeterministicAnalysis);
    project->ValidCounts = {0, 0};
    project->FailureCounts = {1, 1};
    EXPECT_EQ(Chart(kTotalCosts).Notice.rfind("Every iteration failed", 0), 0u);
}

TEST_F(ResultChartTest, AlternativeWithoutValidIterationIsLeftOutAndSaysSo) {
    Run(2, {kProbabilisticIterations, 0});
    const ChartContent chart = Chart(kAllCostComponents);
    ASSERT_EQ(chart.Series.size(), 6u);
    EXPECT_EQ(chart.Series[0].Legend, "Alt. 1 (Agency) (no valid iteration)");
    for (int s = 0; s < 3; ++s) {
        EXPECT_TRUE(chart.Series[s].Points.empty());
    }
    ExpectCurve(chart.Series[3], 1, kAgencyCosts);
}

TEST_F(ResultChartTest, DeterministicRunDrawsOneBarPerAlternativeWithItsValue) {
    Run(3, {}, kDeterministicAnalysis);
    const ResultChartData data = ReadResultChart(*project);
    EXPECT_FALSE(OffersAllCostComponents(data));
    const ChartContent chart = Chart(kWorkZoneUserCosts);
    EXPECT_EQ(chart.Kind, ChartKind::Bar);
    EXPECT_EQ(chart.CategoryAxisTitle, "Alternative");
    EXPECT_EQ(chart.ValueAxisTitle, "Work Zone User Costs (NPV, $)");
    EXPECT_EQ(chart.Categories, (std::vector<std::string>{"1", "2", "3"}));
    // One bar an alternative, in its colour, in its slot.
    ASSERT_EQ(chart.Series.size(), 3u);
    ASSERT_EQ(chart.Labels.size(), 3u);
    for (int a = 0; a < 3; ++a) {
        const auto value = static_cast<double>(project->UserNpvResults[a][0]);
        ASSERT_EQ(chart.Series[a].Points.size(), 1u);
        EXPECT_EQ(chart.Series[a].Points[0].X, a);
        EXPECT_EQ(chart.Series[a].Points[0].Y, value);
        EXPECT_EQ(chart.Series[a].Colour, a + 1);
        EXPECT_EQ(chart.Labels[a].Y, value);
    }
    // 300,000 + 5 + alternative 2's index.
    EXPECT_EQ(chart.Labels[1].Text, "300,006");
    EXPECT_GT(chart.ValueTicks.back().Value, 300'007.0);
}

TEST_F(ResultChartTest, GridlockAndFailureAreMarkedInsteadOfABar) {
    Run(3, {}, kDeterministicAnalysis);
    project->TotalNpvResults[0][0] = -1;
    project->TotalNpvResults[2][0] = -2;
    const ChartContent chart = Chart(kTotalCosts);
    ASSERT_EQ(chart.Labels.size(), 3u);
    EXPECT_EQ(chart.Labels[0].Text, "Gridlock");
    EXPECT_EQ(chart.Labels[2].Text, "Failure");
    EXPECT_TRUE(chart.Labels[0].Warning && chart.Labels[2].Warning);
    EXPECT_FALSE(chart.Labels[1].Warning);
    EXPECT_EQ(chart.Series[0].Points[0].Y, 0.0);
    EXPECT_EQ(chart.Series[2].Points[0].Y, 0.0);
    EXPECT_EQ(chart.Labels[1].Text, FormatNumber(double(project->TotalNpvResults[1][0]), "#,##0"));
    // No -1 or -2 dollars stretch the axis below zero.
    EXPECT_EQ(chart.ValueTicks.front().Value, 0.0);
}

TEST_F(ResultChartTest, DeterministicAllComponentsFallsBackToTheTotal) {
    Run(2, {}, kDeterministicAnalysis);
    const ChartContent chart = Chart(kAllCostComponents);
    EXPECT_EQ(chart.ValueAxisTitle, "Total Costs (NPV, $)");
    EXPECT_EQ(chart.Series[1].Points[0].Y, static_cast<double>(project->TotalNpvResults[1][0]));
}

TEST_F(ResultChartTest, OpensOnTheProjectsPlotCostWhenItIsOne) {
    Run(2, {});
    project->GraphCostType = kWorkZoneUserCosts;
    EXPECT_EQ(ReadResultChart(*project).CostTypeSelection, kWorkZoneUserCosts);
    for (const Int32 stored : {-1, 3, 7}) {
        project->GraphCostType = stored;
        EXPECT_EQ(ReadResultChart(*project).CostTypeSelection, kAgencyCosts) << stored;
    }
}

TEST_F(ResultChartTest, AlternativeCountOutsideTheTablesReadsNothingBeyondThem) {
    Run(4, {});
    project->NumberOfAlternatives = 9;
    EXPECT_EQ(Chart(kAgencyCosts).Series.size(), 4u);
    project->NumberOfAlternatives = -3;
    EXPECT_EQ(Chart(kAgencyCosts).Series.size(), 1u);
}

TEST_F(ResultChartTest, OkCopiesBackWhatWasReadAndKeepsThePlotCost) {
    Run(2, {50, 0});
    project->GraphCostType = kTotalCosts;
    const auto before = std::make_unique<Project>(*project);
    ResultChartData data = ReadResultChart(*project);
    data.CostTypeSelection = kAllCostComponents;
    StoreResultChart(data, *project);
    EXPECT_EQ(project->GraphCostType, kTotalCosts);
    EXPECT_EQ(project->AgencyNpvPercentiles, before->AgencyNpvPercentiles);
    EXPECT_EQ(project->TotalNpvPercentiles, before->TotalNpvPercentiles);
    EXPECT_EQ(project->UserNpvResults, before->UserNpvResults);
    EXPECT_EQ(project->SuccessPercent, before->SuccessPercent);
    EXPECT_EQ(project->ProjectDescription, before->ProjectDescription);
    EXPECT_EQ(project->NumberOfAlternatives, 2);
}

} // namespace
} // namespace wexa::forms
