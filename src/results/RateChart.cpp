#include "results/RateChart.h"

#include "results/ComparisonPage.h"
#include "results/SensitivityText.h"

#include <cstddef>

namespace wexa::forms {
namespace {

// Beyond this many rates the points' marks merge into a thick line.
constexpr std::size_t kMostMarkedPoints = 21;

std::string PairName(const PairBreakEvens& pair) {
    return AltName(pair.A) + " and " + AltName(pair.B);
}

std::string ChangeText(const BreakEven& change) {
    if (change.Tie) {
        return "equal from " + RateText(change.Low) + " to " + RateText(change.High);
    }
    return RateText(change.Rate);
}

// Why a pair that is not comparable is not: the alternatives of it that are
// not valid, and what they do.
std::string NotComparableText(const RatePoint& point, const PairBreakEvens& pair) {
    std::string why;
    for (const int a : {pair.A, pair.B}) {
        if (!point.Valid(a)) {
            why += (why.empty() ? "" : " and ") + AltName(a) + " " + StatusVerb(point.Status[a]);
        }
    }
    return "cannot be compared, " + why + " in the base case";
}

} // namespace

std::string BreakEvenText(const RateSensitivity& rates, const PairBreakEvens& pair) {
    if (rates.Points.empty()) {
        return {};
    }
    if (!pair.Comparable) {
        return NotComparableText(rates.Points.front(), pair);
    }
    return OrderText(rates, pair);
}

namespace {

ChartSeries AlternativeLine(const RateSensitivity& rates, CostKind kind, int alternative) {
    ChartSeries line{"Alternative " + std::to_string(alternative + 1), {}, alternative + 1};
    line.Marked = rates.Points.size() <= kMostMarkedPoints;
    for (const RatePoint& point : rates.Points) {
        if (point.Valid(alternative)) {
            line.Points.push_back({point.Rate, static_cast<double>(point.Of(kind, alternative))});
        }
    }
    if (line.Points.empty() && !rates.Points.empty()) {
        line.Legend +=
            std::string(" (") +
            StatusVerb(rates.Points.front().Status[static_cast<std::size_t>(alternative)]) + ")";
    }
    return line;
}

} // namespace

ChartContent MakeRateChart(const RateSensitivity& rates, CostKind kind, const std::string& title) {
    ChartContent chart;
    chart.Kind = ChartKind::Line;
    chart.Title = title;
    chart.Subtitle = std::string("Base case, ") + CostKindName(kind) +
                     ": every input at its expected value, the discount rate from " +
                     RangeText(rates.Range);
    chart.CategoryAxisTitle = "Discount Rate (%)";
    chart.ValueAxisTitle = std::string(CostKindName(kind)) + " (NPV, $)";
    chart.NumberFormat = "#,##0";
    chart.LineAxis = NumericAxisOver(rates.Range.From, rates.Range.To);
    for (int a = 0; a < rates.Alternatives; ++a) {
        chart.Series.push_back(AlternativeLine(rates, kind, a));
    }
    for (const PairBreakEvens& pair : rates.Pairs) {
        if (pair.Kind != kind) {
            continue;
        }
        for (const BreakEven& change : pair.Changes) {
            chart.Rules.push_back({change.Rate, AltName(pair.A) + " = " + AltName(pair.B) + ": " +
                                                    ChangeText(change)});
        }
    }
    FitValueAxis(chart);
    return chart;
}

std::vector<std::string> BreakEvenLines(const RateSensitivity& rates, CostKind kind) {
    std::vector<std::string> lines;
    if (rates.Points.empty()) {
        return lines;
    }
    for (const PairBreakEvens& pair : rates.Pairs) {
        if (pair.Kind == kind) {
            lines.push_back(PairName(pair) + ": " + BreakEvenText(rates, pair));
        }
    }
    if (rates.Alternatives < 2) {
        lines.emplace_back("One alternative: no pair to compare.");
    }
    return lines;
}

} // namespace wexa::forms
