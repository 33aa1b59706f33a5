#pragma once

#include "decision/ExpenditureStream.h"
#include "results/ChartContent.h"
#include "results/ComparisonPage.h"
#include "results/ComparisonRun.h"

#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {

// The "Expenditure Stream" view of the graphing window, as plain data: the
// diagram of each alternative's costs over the analysis period and the
// table of its activities. Every figure is one of the recorded run's
// (ExpenditureStream); the window only draws and lays out what is here, and
// the printed page and the saved data are made from the same contents.

// What the diagram's bars are worth: the year's dollars, or discounted to
// the base year.
enum class StreamValues { Undiscounted, PresentValue };

// The costs of one year of an alternative: a bar up, the agency's part at
// the bottom and the road users' above it, labelled with their sum.
struct StreamBar {
    int Year = 0;
    double Agency = 0.0;
    double User = 0.0;
    std::string Label;
};

// One alternative's part of the diagram. An alternative without an NPV has
// no bars, only a notice saying why.
struct StreamPanel {
    int Alternative = 0; // 1..4, for its colour
    std::string Title;
    std::vector<StreamBar> Bars;
    // The salvage credit, a bar down at the end of the period; 0 for none.
    double Salvage = 0.0;
    std::string SalvageLabel;
    std::string Notice;
};

struct StreamDiagram {
    std::string Title;
    std::string Subtitle; // the basis and which values are drawn
    int AnalysisPeriod = 0;
    NumericAxis YearAxis;
    // One cost scale for every panel, so that they compare at a glance;
    // first and last are the axis range.
    std::vector<AxisTick> ValueTicks;
    std::vector<StreamPanel> Panels;
    // Written in place of the panels when there is no stream to draw.
    std::string Notice;
};

struct StreamPage {
    std::string Basis; // which run the figures come from, in a sentence
    StreamDiagram Diagram;
    // A table per alternative: its activities, the salvage credit and the
    // NPVs the run stored.
    std::vector<TextTable> Tables;
};

// The stream of the run whose results the window shows, worked out once
// when the window opens; or, when there is none, why.
struct KeptStream {
    std::unique_ptr<ExpenditureStream> Stream;
    std::string Notice;
    std::string Title;
};

// The stream of `run` (null: no run of this session left the results
// shown), from the project as it was run and with its seed.
[[nodiscard]] KeptStream StreamOfRun(const KeptRun* run);

// The view of a kept stream: its page, or the notice why there is none.
[[nodiscard]] StreamPage MakeStreamPage(const KeptStream& kept, StreamValues values);

[[nodiscard]] StreamPage MakeStreamPage(const ExpenditureStream& stream, StreamValues values,
                                        const std::string& title);

// "deterministic run" or "base case (...)": which run the figures come from.
[[nodiscard]] std::string StreamBasisText(StreamBasis basis);

// The year-by-year table: a heading line, then a line per year from 0 to the
// analysis period, each valid alternative's agency, user and total cost,
// undiscounted and then in present value, written by `format`.
[[nodiscard]] std::vector<std::vector<std::string>> YearRows(const ExpenditureStream& stream,
                                                             std::string (*format)(double));

// "Save Data..." of the view and `wexa-cli cashflow -o`: the year-by-year
// table as CSV, every figure in the shortest digits that read back as the
// double the run held.
[[nodiscard]] std::string StreamCsv(const ExpenditureStream& stream);

// Shown in place of the stream when the results shown are not a run's of
// this session: only the inputs of the run that made them give their stream.
inline constexpr char kNoStreamNotice[] =
    "The expenditure stream is worked out from the inputs of a run: run the simulation to see "
    "it.";

inline constexpr char kStreamFileName[] = "expenditure-stream.csv";
inline constexpr char kSaveDataCaption[] = "Save Data";

} // namespace wexa::forms
