#include "forms/TornadoChart.h"

#include "forms/SensitivityText.h"

#include <optional>

namespace wexa::forms {
namespace {

constexpr char kNumberFormat[] = "#,##0";

// What the bars measure: the pair's difference, or one alternative's
// total NPV.
struct Measure {
    std::optional<std::array<int, 2>> Pair;
    int Alternative = 0;
    std::optional<double> Base;

    [[nodiscard]] std::optional<double> At(const CaseOutcome& outcome,
                                           const std::optional<Int64>& difference) const {
        if (Pair) {
            return difference ? std::optional<double>(static_cast<double>(*difference))
                              : std::nullopt;
        }
        if (!outcome.Valid(Alternative)) {
            return std::nullopt;
        }
        return static_cast<double>(outcome.Of(CostKind::Total, Alternative));
    }
};

// Without a pair, the first alternative valid in the base case; none when
// no alternative is.
std::optional<Measure> MeasureOf(const Tornado& tornado) {
    if (tornado.Pair) {
        Measure measure{tornado.Pair, 0, std::nullopt};
        if (tornado.BaseDifference) {
            measure.Base = static_cast<double>(*tornado.BaseDifference);
        }
        return measure;
    }
    for (int a = 0; a < tornado.Alternatives; ++a) {
        if (tornado.Base.Valid(a)) {
            return Measure{std::nullopt, a,
                           static_cast<double>(tornado.Base.Of(CostKind::Total, a))};
        }
    }
    return std::nullopt;
}

// Why a pair has no base-case difference: the alternatives of it that are
// not valid there.
std::string PairNotice(const Tornado& tornado, const std::array<int, 2>& pair) {
    std::string why;
    for (const int a : pair) {
        if (!tornado.Base.Valid(a)) {
            why += (why.empty() ? "" : " and ") + AltName(a) + " " +
                   StatusVerb(tornado.Base.Status[static_cast<std::size_t>(a)]);
        }
    }
    return "In the base case " + why + ": the pair cannot be compared. Choose another pair.";
}

void AddRows(const Tornado& tornado, const Measure& measure, ChartContent& chart) {
    ChartSeries low{"Input at its low setting", {}};
    ChartSeries high{"Input at its high setting", {}};
    for (std::size_t row = 0; row < tornado.Bars.size(); ++row) {
        const TornadoBar& bar = tornado.Bars[row];
        const auto slot = static_cast<double>(row);
        chart.Categories.push_back(bar.Input.Name + " (" + SettingsText(bar.Input) + ")");
        if (bar.Status != TornadoStatus::Ok) {
            chart.Labels.push_back({slot, chart.BarBase, StatusName(bar.Status), true});
            continue;
        }
        if (const auto value = measure.At(bar.AtLow, bar.DifferenceLow)) {
            low.Points.push_back({slot, *value});
        }
        if (const auto value = measure.At(bar.AtHigh, bar.DifferenceHigh)) {
            high.Points.push_back({slot, *value});
        }
    }
    chart.Series = {std::move(low), std::move(high)};
}

} // namespace

ChartContent MakeTornadoChart(const Tornado& tornado, const std::string& title) {
    ChartContent chart;
    chart.Kind = ChartKind::RangeBar;
    chart.Title = title;
    chart.NumberFormat = kNumberFormat;
    const std::optional<Measure> measure = MeasureOf(tornado);
    if (!measure) {
        chart.Notice = "No alternative is valid in the base case: there is nothing to compare.";
        FitValueAxis(chart);
        return chart;
    }
    const std::string measured = measure->Pair ? "Total NPV, " + DifferenceName(*measure->Pair)
                                               : "Total NPV of " + AltName(measure->Alternative);
    chart.Subtitle = "Each input alone at its low and at its high setting in the base case";
    chart.ValueAxisTitle = measured + " ($)";
    if (!measure->Base) {
        chart.Notice = PairNotice(tornado, *measure->Pair);
        FitValueAxis(chart);
        return chart;
    }
    chart.BarBase = *measure->Base;
    AddRows(tornado, *measure, chart);
    chart.Rules.push_back(
        {chart.BarBase, "Base case " + FormatNumber(chart.BarBase, kNumberFormat)});
    if (measure->Pair && chart.BarBase != 0.0) {
        chart.Rules.push_back(
            {0.0, AltName((*measure->Pair)[0]) + " = " + AltName((*measure->Pair)[1])});
    }
    if (tornado.Bars.empty()) {
        chart.Notice = "No input of the project has a low or a high setting to try.";
    }
    FitValueAxis(chart);
    return chart;
}

} // namespace wexa::forms
