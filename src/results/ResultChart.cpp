#include "results/ResultChart.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace wexa::forms {

namespace {

constexpr char kNumberFormat[] = "#,##0";
constexpr Int64 kGridlockMark = -1;
constexpr Int64 kFailureMark = -2;

constexpr std::array<const char*, 4> kValueAxisTitles{
    "Agency Costs (NPV, $)", "Work Zone User Costs (NPV, $)", "Total Costs (NPV, $)",
    "All Cost Components (NPV, $)"};

// Legends of the all-components view, in the order of the cost kinds.
constexpr std::array<const char*, 3> kComponentLegends{"Alt. %d (Agency)", "Alt. %d (WZUC)",
                                                       "Alt. %d (Total)"};

constexpr std::array<LineStyle, 3> kComponentStyles{LineStyle::Dashed, LineStyle::Dotted,
                                                    LineStyle::Solid};

std::string Printed(const char* format, int number) {
    char text[64];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

int AlternativesShown(const ResultChartData& data) {
    return std::clamp(data.NumberOfAlternatives, 1, kMaxAlternatives);
}

// The selection the chart is drawn for: all components exist only as
// curves, so a bar chart falls back to the total.
int DrawnSelection(const ResultChartData& data) {
    const int selection = std::clamp<int>(data.CostTypeSelection, kAgencyCosts, kAllCostComponents);
    if (selection == kAllCostComponents && !OffersAllCostComponents(data)) {
        return kTotalCosts;
    }
    return selection;
}

ChartSeries PercentileCurve(const ResultChartData& data, int alternative, int cost,
                            std::string legend) {
    if (!data.HasValidIterations[static_cast<std::size_t>(alternative)]) {
        return ChartSeries{legend + " (no valid iteration)", {}, alternative + 1};
    }
    ChartSeries series{std::move(legend), {}, alternative + 1};
    const auto& percentiles =
        data.Percentiles[static_cast<std::size_t>(cost)][static_cast<std::size_t>(alternative)];
    const auto& cumulative = data.CumulativePercents[static_cast<std::size_t>(alternative)];
    for (std::size_t point = 0; point < percentiles.size(); ++point) {
        series.Points.push_back({cumulative[point], static_cast<double>(percentiles[point])});
    }
    return series;
}

void AddCurves(const ResultChartData& data, int selection, ChartContent& chart) {
    chart.Kind = ChartKind::Line;
    chart.CategoryAxisTitle = "Percentile";
    chart.LineAxis = NumericAxis{0.0, 100.0, 11};
    if (selection == kAllCostComponents) {
        // An alternative's three costs in one row of the legend, one cost
        // kind a column.
        chart.LegendColumns = 3;
    }
    for (int a = 0; a < AlternativesShown(data); ++a) {
        const int number = a + 1;
        if (selection == kAllCostComponents) {
            // An alternative keeps its colour; its costs differ by the line.
            for (int cost = 0; cost < 3; ++cost) {
                const auto c = static_cast<std::size_t>(cost);
                ChartSeries curve =
                    PercentileCurve(data, a, cost, Printed(kComponentLegends[c], number));
                curve.Style = kComponentStyles[c];
                chart.Series.push_back(std::move(curve));
            }
        } else {
            chart.Series.push_back(
                PercentileCurve(data, a, selection, Printed("Alternative %d", number)));
        }
    }
}

// One bar an alternative, in the alternative's colour; the slots name the
// alternatives, so the bars need no legend.
void AddBars(const ResultChartData& data, int selection, ChartContent& chart) {
    chart.Kind = ChartKind::Bar;
    chart.CategoryAxisTitle = "Alternative";
    const auto& values = data.Values[static_cast<std::size_t>(selection)];
    for (int a = 0; a < AlternativesShown(data); ++a) {
        const Int64 value = values[static_cast<std::size_t>(a)];
        const auto x = static_cast<double>(a);
        chart.Categories.push_back(std::to_string(a + 1));
        ChartSeries bar{"", {}, a + 1};
        // A gridlocked or failed alternative has no cost to draw: its slot
        // says why instead of showing a bar of -1 or -2 dollars.
        if (value == kGridlockMark || value == kFailureMark) {
            bar.Points.push_back({x, 0.0});
            chart.Labels.push_back({x, 0.0, value == kGridlockMark ? "Gridlock" : "Failure", true});
        } else {
            const auto y = static_cast<double>(value);
            bar.Points.push_back({x, y});
            chart.Labels.push_back({x, y, FormatNumber(y, kNumberFormat)});
        }
        chart.Series.push_back(std::move(bar));
    }
}

// Why a run whose every iteration failed or gridlocked has nothing to plot.
std::string NothingValidNotice(const ResultChartData& data) {
    Int64 failures = 0;
    Int64 gridlocks = 0;
    for (int a = 0; a < AlternativesShown(data); ++a) {
        if (data.HasValidIterations[static_cast<std::size_t>(a)]) {
            return {};
        }
        failures += data.FailureCounts[static_cast<std::size_t>(a)];
        gridlocks += data.GridlockCounts[static_cast<std::size_t>(a)];
    }
    constexpr const char* kFailed =
        "the scheduled activities do not reach the end of the analysis period";
    constexpr const char* kGridlocked = "a work zone's queue never clears";
    if (gridlocks == 0) {
        return std::string("Every iteration failed: ") + kFailed + ".";
    }
    if (failures == 0) {
        return std::string("Every iteration gridlocked: ") + kGridlocked + ".";
    }
    return "No iteration is valid: " + std::to_string(failures) + " failed (" + kFailed + ") and " +
           std::to_string(gridlocks) + " gridlocked (" + kGridlocked + ").";
}

} // namespace

ResultChartData ReadResultChart(const Project& project) {
    ResultChartData data;
    data.NumberOfAlternatives = project.NumberOfAlternatives;
    data.Title = project.ProjectDescription;
    data.AnalysisType = project.AnalysisType;
    const bool known =
        project.GraphCostType >= kAgencyCosts && project.GraphCostType <= kTotalCosts;
    data.CostTypeSelection = known ? project.GraphCostType : kAgencyCosts;
    data.SuccessPercent = project.SuccessPercent;
    const std::array<const NpvResultTable*, 3> results{
        &project.AgencyNpvResults, &project.UserNpvResults, &project.TotalNpvResults};
    data.Percentiles = {project.AgencyNpvPercentiles, project.UserNpvPercentiles,
                        project.TotalNpvPercentiles};
    for (std::size_t a = 0; a < kMaxAlternatives; ++a) {
        for (std::size_t cost = 0; cost < 3; ++cost) {
            data.Values[cost][a] = (*results[cost])[a][0];
        }
        data.HasValidIterations[a] = project.ValidCounts[a] > 0;
        data.FailureCounts[a] = project.FailureCounts[a];
        data.GridlockCounts[a] = project.GridlockCounts[a];
    }
    data.CumulativePercents = project.AgencyCumulativePercents;
    return data;
}

void StoreResultChart(const ResultChartData& data, Project& project) {
    project.NumberOfAlternatives = data.NumberOfAlternatives;
    project.ProjectDescription = data.Title;
    project.AnalysisType = data.AnalysisType;
    project.SuccessPercent = data.SuccessPercent;
    std::array<NpvResultTable*, 3> results{&project.AgencyNpvResults, &project.UserNpvResults,
                                           &project.TotalNpvResults};
    std::array<PercentileTable<Int64>*, 3> percentiles{
        &project.AgencyNpvPercentiles, &project.UserNpvPercentiles, &project.TotalNpvPercentiles};
    for (std::size_t cost = 0; cost < 3; ++cost) {
        *percentiles[cost] = data.Percentiles[cost];
        for (std::size_t a = 0; a < kMaxAlternatives; ++a) {
            (*results[cost])[a][0] = data.Values[cost][a];
        }
    }
}

bool OffersAllCostComponents(const ResultChartData& data) {
    return data.AnalysisType == kProbabilisticAnalysis;
}

ChartContent MakeResultChart(const ResultChartData& data) {
    ChartContent chart;
    chart.Title = data.Title;
    chart.NumberFormat = kNumberFormat;
    const int selection = DrawnSelection(data);
    chart.ValueAxisTitle = kValueAxisTitles[static_cast<std::size_t>(selection)];
    if (data.AnalysisType == kDeterministicAnalysis) {
        AddBars(data, selection, chart);
    } else {
        AddCurves(data, selection, chart);
    }
    chart.Notice = NothingValidNotice(data);
    FitValueAxis(chart);
    return chart;
}

} // namespace wexa::forms
