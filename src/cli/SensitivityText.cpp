#include "results/SensitivityText.h"
#include "cli/CliOutput.h"
#include "cli/ResultNames.h"
#include "cli/SensitivityOutput.h"
#include "cli/TextFormat.h"

#include <string>

namespace wexa::cli {
namespace {

using forms::AltName;

std::string Percent(double percent) {
    return FormatNumber(percent) + " %";
}

std::string Dollars(const std::optional<Int64>& npv) {
    return npv ? std::to_string(*npv) : "n/a";
}

// A valid NPV, or the status that left a mark instead.
std::string NpvCell(const CaseOutcome& outcome, CostKind kind, int alternative) {
    const auto npv = ValidNpv(outcome, kind, alternative);
    return npv ? std::to_string(*npv) : StatusName(outcome.Status[alternative]);
}

void WriteHeading(std::ostream& out, const std::string& projectPath, const Project& project) {
    out << "Sensitivity of " << PrintableText(projectPath) << '\n'
        << PrintableText(project.ProjectDescription) << '\n'
        << "Base case: one deterministic run with every input at its middle value, discount rate "
        << Percent(project.DiscountRateMean) << "\n\n";
}

void WriteBaseCase(std::ostream& out, const Tornado& tornado) {
    TextTable rows{{"Alt", "Total NPV ($)"}};
    for (int a = 0; a < tornado.Alternatives; ++a) {
        rows.push_back({std::to_string(a + 1), NpvCell(tornado.Base, CostKind::Total, a)});
    }
    WriteTable(out, rows, 0);
}

void WriteRateTable(std::ostream& out, const RateSensitivity& rates) {
    out << "\nTotal NPV against the discount rate\n";
    TextTable rows{{"Rate (%)"}};
    for (int a = 0; a < rates.Alternatives; ++a) {
        rows.front().push_back(AltName(a) + " ($)");
    }
    for (const RatePoint& point : rates.Points) {
        std::vector<std::string>& row = rows.emplace_back(1, FormatNumber(point.Rate));
        for (int a = 0; a < rates.Alternatives; ++a) {
            row.push_back(NpvCell(point, CostKind::Total, a));
        }
    }
    WriteTable(out, rows, 0);
}

// The status never depends on the rate, so the first point speaks for all.
std::string PairText(const RateSensitivity& rates, const PairBreakEvens& pair) {
    const RatePoint& first = rates.Points.front();
    if (!pair.Comparable) {
        std::string text = "not comparable (";
        for (const int a : {pair.A, pair.B}) {
            if (!first.Valid(a)) {
                text += (text.back() == '(' ? "" : ", ") + AltName(a) + ": " +
                        StatusName(first.Status[a]);
            }
        }
        return text + ")";
    }
    return forms::OrderText(rates, pair);
}

void WriteBreakEvens(std::ostream& out, const RateSensitivity& rates) {
    out << "\nBreak-even discount rates\n";
    if (rates.Pairs.empty()) {
        out << "No pair of alternatives to compare.\n";
    }
    for (const PairBreakEvens& pair : rates.Pairs) {
        out << AltName(pair.A) << " and " << AltName(pair.B) << ", " << CostKindTitle(pair.Kind)
            << " NPV: " << PairText(rates, pair) << '\n';
    }
}

std::string Setting(double value, const std::string& unit) {
    return FormatNumber(value) + " " + unit;
}

std::string TornadoCell(const TornadoBar& bar, const CaseOutcome& side, int alternative) {
    if (bar.Status == TornadoStatus::Refused) {
        return "n/a";
    }
    return NpvCell(side, CostKind::Total, alternative);
}

void WriteTornadoTable(std::ostream& out, const Tornado& tornado) {
    TextTable rows{{"Input", "Low", "High"}};
    for (int a = 0; a < tornado.Alternatives; ++a) {
        rows.front().push_back(AltName(a) + " low ($)");
        rows.front().push_back(AltName(a) + " high ($)");
    }
    if (tornado.Pair) {
        rows.front().push_back("Difference low ($)");
        rows.front().push_back("Difference high ($)");
    }
    rows.front().push_back("Status");
    for (const TornadoBar& bar : tornado.Bars) {
        const TornadoInput& input = bar.Input;
        std::vector<std::string>& row = rows.emplace_back(std::vector<std::string>{
            input.Name, Setting(input.Low, input.Unit), Setting(input.High, input.Unit)});
        for (int a = 0; a < tornado.Alternatives; ++a) {
            row.push_back(TornadoCell(bar, bar.AtLow, a));
            row.push_back(TornadoCell(bar, bar.AtHigh, a));
        }
        if (tornado.Pair) {
            row.push_back(Dollars(bar.DifferenceLow));
            row.push_back(Dollars(bar.DifferenceHigh));
        }
        row.push_back(TornadoStatusName(bar.Status));
    }
    WriteTable(out, rows, 3);
}

void WriteTornado(std::ostream& out, const Tornado& tornado) {
    out << "\nTornado of total NPV: each input on its own at its low and its high setting, swing "
        << Percent(tornado.SwingPercent) << '\n';
    if (tornado.Pair) {
        const auto [a, b] = *tornado.Pair;
        out << "Difference: " << AltName(a) << " - " << AltName(b) << ", "
            << Dollars(tornado.BaseDifference) << " in the base case\n";
    } else {
        out << "No difference: fewer than two alternatives are valid in the base case.\n";
    }
    if (tornado.Bars.empty()) {
        out << "No input moves.\n";
        return;
    }
    WriteTornadoTable(out, tornado);
    for (const TornadoBar& bar : tornado.Bars) {
        for (const CheckFailure& failure : bar.Refusal) {
            out << bar.Input.Name << " refused: " << RefusalText(failure.Caption, failure.Message)
                << '\n';
        }
    }
}

} // namespace

void WriteSensitivityText(std::ostream& out, const std::string& projectPath, const Project& project,
                          const Sensitivity& sensitivity) {
    WriteHeading(out, projectPath, project);
    WriteBaseCase(out, sensitivity.Tornado);
    WriteRateTable(out, sensitivity.Rates);
    WriteBreakEvens(out, sensitivity.Rates);
    WriteTornado(out, sensitivity.Tornado);
}

} // namespace wexa::cli
