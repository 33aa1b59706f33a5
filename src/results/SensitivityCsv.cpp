#include "results/SensitivityCsv.h"

#include "forms/FormText.h"
#include "results/ComparisonPage.h"
#include "results/CsvText.h"
#include "results/RateChart.h"
#include "results/SensitivityText.h"

#include <algorithm>
#include <sstream>

namespace wexa::forms {
namespace {

std::string Number(double value) {
    return FormatReal(value);
}

std::string Dollars(const std::optional<Int64>& value) {
    return value ? std::to_string(*value) : std::string();
}

// An alternative's NPV in an outcome, or what it did instead.
std::string Npv(const CaseOutcome& outcome, CostKind kind, int alternative) {
    return outcome.Valid(alternative)
               ? std::to_string(outcome.Of(kind, alternative))
               : StatusName(outcome.Status[static_cast<std::size_t>(alternative)]);
}

void WriteRates(std::ostream& out, const RateSensitivity& rates) {
    std::vector<std::string> headings;
    for (int a = 0; a < rates.Alternatives; ++a) {
        for (const CostKind kind : kAllCostKinds) {
            headings.push_back(AltName(a) + " " + CostKindName(kind));
        }
    }
    WriteCsvLine(out, "Rate (%)", headings);
    for (const RatePoint& point : rates.Points) {
        std::vector<std::string> cells;
        for (int a = 0; a < rates.Alternatives; ++a) {
            for (const CostKind kind : kAllCostKinds) {
                cells.push_back(Npv(point, kind, a));
            }
        }
        WriteCsvLine(out, Number(point.Rate), cells);
    }
}

void WriteBreakEvens(std::ostream& out, const RateSensitivity& rates) {
    WriteCsvLine(out, "Break-even rates");
    WriteCsvLine(
        out, "Cost",
        {"Pair", "Rate (%)", "Low (%)", "High (%)", "Cheaper below", "Cheaper above", "Note"});
    for (const PairBreakEvens& pair : rates.Pairs) {
        const std::string kind = CostKindName(pair.Kind);
        const std::string names = AltName(pair.A) + " and " + AltName(pair.B);
        if (pair.Changes.empty()) {
            WriteCsvLine(out, kind, {names, "", "", "", "", "", BreakEvenText(rates, pair)});
        }
        for (const BreakEven& change : pair.Changes) {
            WriteCsvLine(out, kind,
                         {names, Number(change.Rate), Number(change.Low), Number(change.High),
                          AltName(change.CheaperBelow), AltName(change.CheaperAbove),
                          change.Tie ? "equal over the bracket" : ""});
        }
    }
}

// The refusal's messages on one line, as a spreadsheet's cell shows them.
std::string Reasons(const TornadoBar& bar) {
    std::string reasons;
    for (const CheckFailure& failure : bar.Refusal) {
        reasons += (reasons.empty() ? "" : " / ") + failure.Caption + ": " + failure.Message;
    }
    std::replace(reasons.begin(), reasons.end(), '\n', ' ');
    return reasons;
}

void WriteBar(std::ostream& out, const Tornado& tornado, const TornadoBar& bar) {
    const TornadoInput& input = bar.Input;
    std::vector<std::string> cells{input.Unit, Number(input.Low), Number(input.Expected),
                                   Number(input.High)};
    // A refused side left its outcome unwritten: no figure of it is shown.
    const bool ran = bar.Refusal.empty();
    for (int a = 0; a < tornado.Alternatives; ++a) {
        cells.push_back(ran ? Npv(bar.AtLow, CostKind::Total, a) : "");
        cells.push_back(ran ? Npv(bar.AtHigh, CostKind::Total, a) : "");
    }
    cells.push_back(Dollars(bar.DifferenceLow));
    cells.push_back(Dollars(bar.DifferenceHigh));
    cells.emplace_back(StatusName(bar.Status));
    cells.push_back(Reasons(bar));
    WriteCsvLine(out, input.Name, cells);
}

} // namespace

std::string RateCsv(const RateSensitivity& rates, const std::string& title) {
    std::ostringstream out;
    WriteCsvLine(out, title);
    WriteCsvLine(out, "Base case NPV ($) at each discount rate");
    WriteRates(out, rates);
    out << "\r\n";
    WriteBreakEvens(out, rates);
    return out.str();
}

std::string TornadoCsv(const Tornado& tornado, const std::string& title) {
    std::ostringstream out;
    WriteCsvLine(out, title);
    WriteCsvLine(out, "Tornado of the base case: total NPV ($), each input alone at its low and "
                      "its high setting");
    WriteCsvLine(out, "Swing (%)", {Number(tornado.SwingPercent)});
    WriteCsvLine(out, "Difference", {tornado.Pair ? DifferenceName(*tornado.Pair) : ""});
    WriteCsvLine(out, "Base case difference", {Dollars(tornado.BaseDifference)});
    std::vector<std::string> base;
    for (int a = 0; a < tornado.Alternatives; ++a) {
        base.push_back(Npv(tornado.Base, CostKind::Total, a));
    }
    WriteCsvLine(out, "Base case total", base);
    out << "\r\n";
    std::vector<std::string> headings{"Unit", "Low", "Expected", "High"};
    for (int a = 0; a < tornado.Alternatives; ++a) {
        headings.push_back(AltName(a) + " total at low");
        headings.push_back(AltName(a) + " total at high");
    }
    for (const char* heading : {"Difference at low", "Difference at high", "Status", "Reason"}) {
        headings.emplace_back(heading);
    }
    WriteCsvLine(out, "Input", headings);
    for (const TornadoBar& bar : tornado.Bars) {
        WriteBar(out, tornado, bar);
    }
    return out.str();
}

} // namespace wexa::forms
