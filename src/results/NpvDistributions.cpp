#include "results/NpvDistributions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace wexa::forms {
namespace {

constexpr std::array<const char*, kCostKinds> kAxisTitles{"Agency Costs (NPV, $1,000)",
                                                          "Work Zone User Costs (NPV, $1,000)",
                                                          "Total Costs (NPV, $1,000)"};
constexpr int kTargetBins = 40;
constexpr int kMostTickSteps = 8;

// 1, 2 or 5 times a power of ten, at least `raw`.
double NiceWidth(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= raw) {
            return step * power;
        }
    }
    return 10.0 * power;
}

// Bins of one width from a multiple of it, covering every value, their
// number a multiple of the bins between two ticks so that each tick falls on
// an edge.
struct Bins {
    double First = 0.0;
    double Width = 1.0;
    int Count = 1;
    int PerTick = 1;
};

Bins ChooseBins(double low, double high) {
    Bins bins;
    // A few thousand dollars at least, so the axis in thousands stays whole.
    bins.Width = NiceWidth(std::max((high - low) / kTargetBins, 1000.0));
    bins.First = std::floor(low / bins.Width) * bins.Width;
    bins.Count = static_cast<int>(std::floor((high - bins.First) / bins.Width)) + 1;
    for (const int perTick : {1, 2, 4, 5, 10, 20, 25, 50}) {
        bins.PerTick = perTick;
        if ((bins.Count + perTick - 1) / perTick <= kMostTickSteps) {
            break;
        }
    }
    bins.Count = (bins.Count + bins.PerTick - 1) / bins.PerTick * bins.PerTick;
    return bins;
}

ChartSeries StepLine(const std::vector<double>& npvs, const Bins& bins, int alternative) {
    std::vector<int> counts(static_cast<std::size_t>(bins.Count), 0);
    for (const double npv : npvs) {
        const int bin = static_cast<int>(std::floor((npv - bins.First) / bins.Width));
        ++counts[static_cast<std::size_t>(std::clamp(bin, 0, bins.Count - 1))];
    }
    ChartSeries line{"Alternative " + std::to_string(alternative), {}, alternative};
    line.Marked = false;
    auto edge = [&bins](int i) { return (bins.First + i * bins.Width) / 1000.0; };
    line.Points.push_back({edge(0), 0.0});
    for (int i = 0; i < bins.Count; ++i) {
        const double share =
            100.0 * counts[static_cast<std::size_t>(i)] / static_cast<double>(npvs.size());
        line.Points.push_back({edge(i), share});
        line.Points.push_back({edge(i + 1), share});
    }
    line.Points.push_back({edge(bins.Count), 0.0});
    return line;
}

} // namespace

ChartContent MakeNpvDistributions(const std::vector<std::vector<double>>& npvs, CostKind kind,
                                  const std::string& title, bool probabilistic) {
    ChartContent chart;
    chart.Kind = ChartKind::Line;
    chart.Title = title;
    chart.Subtitle = "Distribution of the NPVs over each alternative's valid iterations";
    chart.CategoryAxisTitle = kAxisTitles[static_cast<std::size_t>(kind)];
    chart.ValueAxisTitle = "Share of valid iterations (%)";
    chart.NumberFormat = "0";
    double low = INFINITY;
    double high = -INFINITY;
    for (const std::vector<double>& values : npvs) {
        for (const double npv : values) {
            low = std::min(low, npv);
            high = std::max(high, npv);
        }
    }
    if (!probabilistic) {
        chart.Notice = "A deterministic run has one NPV per alternative: there is no "
                       "distribution to draw.";
    } else if (low > high) {
        chart.Notice = "No alternative has a valid iteration: there is no distribution to draw.";
    } else {
        const Bins bins = ChooseBins(low, high);
        chart.LineAxis = {bins.First / 1000.0, (bins.First + bins.Count * bins.Width) / 1000.0,
                          bins.Count / bins.PerTick + 1};
        // Thousands of dollars, grouped as every other money figure is.
        for (int i = 0; i <= bins.Count; i += bins.PerTick) {
            const double edge = (bins.First + i * bins.Width) / 1000.0;
            chart.LineAxis.Labels.push_back({edge, FormatNumber(edge, "#,##0")});
        }
        for (std::size_t a = 0; a < npvs.size(); ++a) {
            if (!npvs[a].empty()) {
                chart.Series.push_back(StepLine(npvs[a], bins, static_cast<int>(a) + 1));
            }
        }
    }
    FitValueAxis(chart);
    return chart;
}

} // namespace wexa::forms
