#pragma once

#include "forms/QueueGraph.h"

#include <string>
#include <string_view>
#include <vector>

namespace wexa::forms {

// What any chart of the program shows, as plain data: the result chart and
// the queue length graph both come down to this, and one adapter in the
// window (ui/ChartAdapter.h) turns it into toolkit calls. Whatever the chart
// decides (texts, points, marks, the value axis and its labels) is made here,
// so it is tested without a display and survives a change of renderer.

// Line: series of points over a numeric axis. Bar: one slot per category
// along the bottom, bars up from 0. RangeBar: one row per category, the
// first on top, bars running across from BarBase to their value (a tornado).
enum class ChartKind { Line, Bar, RangeBar };

struct ChartPoint {
    double X = 0.0;
    double Y = 0.0;
};

enum class LineStyle { Solid, Dashed, Dotted };

// A line of a line chart, or the bars of a bar chart: a point at X = i is
// the bar of category i (its row in a range-bar chart), Y its value.
struct ChartSeries {
    std::string Legend; // empty: the series has no legend entry
    std::vector<ChartPoint> Points;
    // The alternative (1..4) whose colour the series is drawn in
    // (AlternativeColour), so lines that belong to one alternative share it
    // and tell themselves apart by their style; 0 leaves the colour to the
    // renderer.
    int Colour = 0;
    LineStyle Style = LineStyle::Solid;
    // Whether a line marks its points: they are the data of a curve, but
    // only the corners of a histogram's outline.
    bool Marked = true;
};

// A text written into the plot at a data position, centred above it: the
// value of a bar, or the mark of a slot that has no bar. X and Y as a
// series' points.
struct ChartLabel {
    double X = 0.0;
    double Y = 0.0;
    std::string Text;
    bool Warning = false; // says why a value is missing: stands out
};

// A tick of the value axis and the text written at it.
struct AxisTick {
    double Value = 0.0;
    std::string Text;
};

// The horizontal axis of a line chart: a numeric range with evenly spaced
// labels of a fixed number of decimals.
struct NumericAxis {
    double Min = 0.0;
    double Max = 1.0;
    int TickCount = 2;
    int Decimals = 0;
    // When not empty, the labels written instead (dollars grouped by
    // thousands, say), first and last at Min and Max.
    std::vector<AxisTick> Labels{};
};

// A straight line across the whole plot at a position of its horizontal
// axis (an X of a line chart, a value of a range-bar chart), its text written
// at the top of the plot: a rate where two lines cross, a tornado's base case.
struct ChartRule {
    double At = 0.0;
    std::string Text;
};

struct ChartContent {
    ChartKind Kind = ChartKind::Line;
    std::string Title;
    std::string Subtitle; // a second line under the title; may be empty
    std::string CategoryAxisTitle;
    std::string ValueAxisTitle;
    std::string NumberFormat;            // of the value axis labels and the value labels
    NumericAxis LineAxis;                // line charts
    std::vector<std::string> Categories; // bar charts: one label per bar slot
    std::vector<AxisTick> ValueTicks;    // first and last are the axis range
    std::vector<ChartSeries> Series;
    std::vector<ChartLabel> Labels;
    std::vector<ChartRule> Rules;
    // Range-bar charts: where every bar starts.
    double BarBase = 0.0;
    // The legend's entries in rows of this many, below the plot; 0 puts them
    // all in one row.
    int LegendColumns = 0;
    // Written across the plot when it has nothing to show, saying why.
    std::string Notice;
    // One line under the plot and its key: what the chart leaves out. May be
    // empty.
    std::string Footnote;
};

// A number written in a spreadsheet-style format: the digits after the '.'
// give the decimals ("#,##0" none, "0.0" one), a ',' before it groups the
// whole part by thousands. Halves round away from zero, as such formats do,
// and a value that rounds to zero never shows a minus sign. A value that is
// not a finite number is written "-".
[[nodiscard]] std::string FormatNumber(double value, std::string_view format);

// A value as a reader wants it in a sentence or a label: grouped by
// thousands, up to four decimals, no trailing zeros ("2", "6.5", "51,200").
[[nodiscard]] std::string CompactNumber(double value);

// Evenly spaced ticks of 1, 2 or 5 times a power of ten that cover low..high
// (0 always included) with at most about eight steps, labelled in `format`;
// never finer than the format's last decimal, so no two labels read the same.
[[nodiscard]] std::vector<AxisTick> ValueAxisTicks(double low, double high,
                                                   std::string_view format);

// Sets the value axis from every point and label position of the content,
// and for a range-bar chart its base and rules too.
void FitValueAxis(ChartContent& chart);

// A line chart's horizontal axis over low..high (a unit wide around a
// single value): its ends
// whole multiples of a step of 1, 2 or 5 times a power of ten, at most ten
// steps, labelled with as many decimals as the step needs.
[[nodiscard]] NumericAxis NumericAxisOver(double low, double high);

// The queue length graph: inbound and outbound lines over the hours of the
// day, the alternative and activity under the title.
[[nodiscard]] ChartContent ToChart(const QueueGraphContent& graph);

} // namespace wexa::forms
