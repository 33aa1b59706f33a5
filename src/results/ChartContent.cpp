#include "results/ChartContent.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace wexa::forms {

namespace {

struct NumberLayout {
    int Decimals = 0;
    bool Grouped = false;
};

NumberLayout ReadFormat(std::string_view format) {
    NumberLayout layout;
    const std::size_t point = format.find('.');
    const std::string_view whole = format.substr(0, point);
    layout.Grouped = whole.find(',') != std::string_view::npos;
    if (point != std::string_view::npos) {
        for (const char c : format.substr(point + 1)) {
            if (c == '0' || c == '#') {
                ++layout.Decimals;
            }
        }
    }
    // More decimals than a double holds would only print noise.
    layout.Decimals = std::min(layout.Decimals, 15);
    return layout;
}

std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

double PowerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

// The smallest of 1, 2 or 5 times a power of ten that is at least `step`.
double NiceStep(double step) {
    const double magnitude = PowerOfTen(static_cast<int>(std::floor(std::log10(step))));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * magnitude >= step) {
            return factor * magnitude;
        }
    }
    return 10.0 * magnitude;
}

} // namespace

std::string FormatNumber(double value, std::string_view format) {
    if (!std::isfinite(value)) {
        return "-";
    }
    const NumberLayout layout = ReadFormat(format);
    const double scaled = std::round(std::fabs(value) * PowerOfTen(layout.Decimals));
    // A whole double prints exactly, however large, so the digits need no
    // integer type that could overflow.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
    std::string digits = buffer;
    if (digits.size() <= static_cast<std::size_t>(layout.Decimals)) {
        digits.insert(0, static_cast<std::size_t>(layout.Decimals) + 1 - digits.size(), '0');
    }
    const std::size_t wholeLength = digits.size() - static_cast<std::size_t>(layout.Decimals);
    std::string whole = digits.substr(0, wholeLength);
    std::string text = layout.Grouped ? GroupThousands(whole) : whole;
    if (layout.Decimals > 0) {
        text += '.';
        text += digits.substr(wholeLength);
    }
    return value < 0.0 && scaled != 0.0 ? "-" + text : text;
}

std::string CompactNumber(double value) {
    std::string text = FormatNumber(value, "#,##0.0000");
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::vector<AxisTick> ValueAxisTicks(double low, double high, std::string_view format) {
    const double finest = PowerOfTen(-ReadFormat(format).Decimals);
    const double lo = std::isfinite(low) ? std::min(low, 0.0) : 0.0;
    const double hi = std::isfinite(high) ? std::max(high, 0.0) : 0.0;
    constexpr double kMostSteps = 8.0;
    const double step = std::max(finest, hi > lo ? NiceStep((hi - lo) / kMostSteps) : finest);
    // Ticks are whole multiples of the step, counted rather than summed, so
    // no rounding error creeps into the last one.
    const auto first = static_cast<long long>(std::floor(lo / step));
    auto last = static_cast<long long>(std::ceil(hi / step));
    if (last == first) {
        ++last;
    }
    std::vector<AxisTick> ticks;
    for (long long k = first; k <= last; ++k) {
        const double value = static_cast<double>(k) * step;
        ticks.push_back({value, FormatNumber(value, format)});
    }
    return ticks;
}

void FitValueAxis(ChartContent& chart) {
    double low = 0.0;
    double high = 0.0;
    auto take = [&](double y) {
        if (std::isfinite(y)) {
            low = std::min(low, y);
            high = std::max(high, y);
        }
    };
    for (const ChartSeries& series : chart.Series) {
        for (const ChartPoint& point : series.Points) {
            take(point.Y);
        }
    }
    for (const ChartLabel& label : chart.Labels) {
        take(label.Y);
    }
    if (chart.Kind == ChartKind::RangeBar) {
        take(chart.BarBase);
        for (const ChartRule& rule : chart.Rules) {
            take(rule.At);
        }
    }
    // Labels are written above their point: the highest one needs room
    // below the top of the plot.
    if (!chart.Labels.empty()) {
        high += (high - low) * 0.08;
    }
    chart.ValueTicks = ValueAxisTicks(low, high, chart.NumberFormat);
}

NumericAxis NumericAxisOver(double low, double high) {
    constexpr double kMostSteps = 10.0;
    // A quotient a rounding error off a whole number of steps is that number.
    constexpr double kSlack = 1e-9;
    if (!(high > low)) {
        low -= 0.5;
        high += 0.5;
    }
    const double step = NiceStep((high - low) / kMostSteps);
    const double first = std::floor(low / step + kSlack);
    const double last = std::ceil(high / step - kSlack);
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step))));
    return {first * step, last * step, static_cast<int>(last - first) + 1, decimals};
}

ChartContent ToChart(const QueueGraphContent& graph) {
    ChartContent chart;
    chart.Kind = ChartKind::Line;
    chart.Title = graph.Title;
    chart.Subtitle = graph.Subtitle;
    chart.CategoryAxisTitle = graph.CategoryAxisTitle;
    chart.ValueAxisTitle = graph.ValueAxisTitle;
    chart.NumberFormat = graph.NumberFormat;
    const int hours = static_cast<int>(PerHour<double>{}.size());
    // Every second hour labelled, the last slot of the day closing the axis.
    chart.LineAxis = NumericAxis{0.0, static_cast<double>(hours), hours / 2 + 1};
    for (const QueueGraphSeries& direction : graph.Series) {
        ChartSeries series{direction.Legend, {}};
        for (int hour = 0; hour < hours; ++hour) {
            series.Points.push_back(
                {static_cast<double>(hour), direction.Miles[static_cast<std::size_t>(hour)]});
        }
        chart.Series.push_back(std::move(series));
    }
    FitValueAxis(chart);
    return chart;
}

} // namespace wexa::forms
