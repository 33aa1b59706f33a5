#pragma once

#include "model/Project.h"
#include "results/ChartContent.h"

#include <array>
#include <string>

namespace wexa::forms {

// The chart window's choice of what to plot.
enum CostSelection : Int32 {
    kAgencyCosts = 0,
    kWorkZoneUserCosts = 1,
    kTotalCosts = 2,
    kAllCostComponents = 3, // the three of every alternative; probabilistic runs only
};

// What the chart window holds while it is open: copies of the project's
// results taken when it opens, so that nothing it does can reach the project
// before OK. The three cost kinds are indexed agency, work-zone user, total.
struct ResultChartData {
    Int32 NumberOfAlternatives = 1;
    std::string Title;
    Int32 AnalysisType = kProbabilisticAnalysis;
    Int32 CostTypeSelection = kAgencyCosts;
    double SuccessPercent = 100.0;
    // The deterministic result: column 0 of each NPV table, -1 gridlock,
    // -2 failure.
    std::array<PerAlternative<Int64>, 3> Values{};
    std::array<PercentileTable<Int64>, 3> Percentiles{};
    // Each alternative's own cumulative percentages: a curve ends where
    // that alternative's share of valid iterations does, not the last one's.
    PercentileTable<double> CumulativePercents{};
    // Alternatives without any valid iteration have no percentiles to plot;
    // the counts say why.
    PerAlternative<bool> HasValidIterations{};
    PerAlternative<Int32> FailureCounts{};
    PerAlternative<Int32> GridlockCounts{};
};

// The copies as the window opens. The project's plot cost (GraphCostType)
// is the first selection; a value outside 0..2 read from a file starts
// with agency costs.
[[nodiscard]] ResultChartData ReadResultChart(const Project& project);

// Back into the project when the window closes with OK. The window changes
// only its selection, which stays the window's own: the project's plot
// cost also drives the printed page, which has no all-components view.
void StoreResultChart(const ResultChartData& data, Project& project);

// "All Cost Components" is offered after a probabilistic run only.
[[nodiscard]] bool OffersAllCostComponents(const ResultChartData& data);

// The chart for the current selection: percentile curves of a
// probabilistic run, bars of a deterministic one.
[[nodiscard]] ChartContent MakeResultChart(const ResultChartData& data);

} // namespace wexa::forms
