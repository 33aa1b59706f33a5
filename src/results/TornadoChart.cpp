#include "results/TornadoChart.h"

#include "results/SensitivityText.h"

#include <array>
#include <optional>
#include <vector>

namespace wexa::forms {
namespace {

constexpr char kNumberFormat[] = "#,##0";

// What the bars measure: the pair's difference, or one alternative's
// total NPV.
struct Measure {
    std::optional<std::array<int, 2>> Pair;
    int Alternative = 0;
    std::optional<double> Base;

    // Whether the bars measure something of alternative `a`.
    [[nodiscard]] bool Involves(int a) const {
        return Pair ? ((*Pair)[0] == a || (*Pair)[1] == a) : Alternative == a;
    }

    // "Alt 1 minus Alt 2", "the total NPV of Alt 1".
    [[nodiscard]] std::string Name() const {
        return Pair ? DifferenceName(*Pair) : "the total NPV of " + AltName(Alternative);
    }

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

// The alternative an activity's input belongs to (from 0); none for an
// input of the whole project.
std::optional<int> AlternativeOf(const TornadoInput& input) {
    switch (input.Kind) {
    case TornadoInputKind::YearsToNext:
    case TornadoInputKind::AgencyCost:
    case TornadoInputKind::RequiredTime:
        return input.Slot / kActivitiesPerAlternative;
    case TornadoInputKind::DiscountRate:
    case TornadoInputKind::TrafficGrowth:
    case TornadoInputKind::BaseYearAadt:
    case TornadoInputKind::ValueOfTime:
        break;
    }
    return std::nullopt;
}

// An activity of an alternative the bars do not measure cannot move them:
// its row would be empty. One that did not run through keeps its row, which
// says why, and so would one that moved the bars after all.
std::optional<int> UnmovedAlternative(const TornadoBar& bar, const Measure& measure) {
    const std::optional<int> alternative = AlternativeOf(bar.Input);
    if (!alternative || measure.Involves(*alternative) || bar.Status != TornadoStatus::Ok) {
        return std::nullopt;
    }
    const bool unmoved = measure.At(bar.AtLow, bar.DifferenceLow) == measure.Base &&
                         measure.At(bar.AtHigh, bar.DifferenceHigh) == measure.Base;
    return unmoved ? alternative : std::nullopt;
}

// "9 inputs of Alt 3 and 1 of Alt 4 do not change Alt 1 minus Alt 2 and are
// left out."; empty when every input has its row.
std::string LeftOutText(const std::array<int, kMaxAlternatives>& counts, const Measure& measure) {
    std::vector<std::string> parts;
    int total = 0;
    for (int a = 0; a < kMaxAlternatives; ++a) {
        const int count = counts[static_cast<std::size_t>(a)];
        if (count > 0) {
            const std::string inputs = parts.empty() ? (count == 1 ? " input" : " inputs") : "";
            parts.push_back(std::to_string(count) + inputs + " of " + AltName(a));
            total += count;
        }
    }
    if (parts.empty()) {
        return {};
    }
    std::string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        text += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
    }
    const bool one = total == 1;
    return text + (one ? " does" : " do") + " not change " + measure.Name() +
           (one ? " and is left out." : " and are left out.");
}

void AddRows(const Tornado& tornado, const Measure& measure, ChartContent& chart) {
    ChartSeries low{"Input at its low setting", {}};
    ChartSeries high{"Input at its high setting", {}};
    std::array<int, kMaxAlternatives> leftOut{};
    for (const TornadoBar& bar : tornado.Bars) {
        if (const std::optional<int> alternative = UnmovedAlternative(bar, measure)) {
            ++leftOut[static_cast<std::size_t>(*alternative)];
            continue;
        }
        const auto slot = static_cast<double>(chart.Categories.size());
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
    chart.Footnote = LeftOutText(leftOut, measure);
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
