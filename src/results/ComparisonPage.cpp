#include "results/ComparisonPage.h"

#include "forms/FormText.h"
#include "results/CsvText.h"
#include "results/ResultChart.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <sstream>

namespace wexa::forms {
namespace {

constexpr std::array<const char*, kCostKinds> kKindNames{"Agency Costs", "Work Zone User Costs",
                                                         "Total Costs"};

constexpr char kMissing[] = "n/a";

std::string Dollars(const std::optional<double>& value, NumberStyle style) {
    return value ? FormatNumber(*value, style == NumberStyle::Screen ? "#,##0" : "0") : kMissing;
}

// A file's percentages are plain numbers, their columns saying "(%)".
std::string Percent(const std::optional<double>& share, NumberStyle style = NumberStyle::Screen) {
    if (!share) {
        return kMissing;
    }
    return FormatNumber(100.0 * *share, "0.00") + (style == NumberStyle::Screen ? "%" : "");
}

std::string Number(int alternative) {
    return std::to_string(alternative + 1);
}

// Mean, 10th, 50th and 90th percentile after a probabilistic run; after a
// deterministic one the one value they all are.
std::vector<std::string> SpreadHeadings(bool probabilistic, const std::string& name) {
    if (!probabilistic) {
        return {name};
    }
    return {name + " mean", name + " 10th", name + " 50th", name + " 90th"};
}

void AppendSpread(std::vector<std::string>& cells, bool probabilistic,
                  const std::optional<Spread>& spread, NumberStyle style) {
    auto figure = [&spread](double Spread::*member) {
        return spread ? std::optional<double>((*spread).*member) : std::nullopt;
    };
    if (!probabilistic) {
        cells.push_back(Dollars(figure(&Spread::P50), style));
        return;
    }
    for (double Spread::*member : {&Spread::Mean, &Spread::P10, &Spread::P50, &Spread::P90}) {
        cells.push_back(Dollars(figure(member), style));
    }
}

TextTable CheapestTable(const Comparison& c, const CostComparison& kind, NumberStyle style) {
    const bool screen = style == NumberStyle::Screen;
    TextTable table{
        "Chance of being the cheapest", "Alternative", {screen ? "Chance" : "Chance (%)"}, {}, {}};
    if (screen) {
        table.Columns.emplace_back();
        table.BarColumn = 1;
    }
    for (int a = 0; a < c.Alternatives; ++a) {
        const std::optional<double>& share = kind.CheapestProbability[a];
        table.RowNames.push_back(Number(a));
        std::vector<std::string> row{Percent(share, style)};
        if (screen) {
            row.emplace_back();
            table.Bars.push_back(
                {share ? std::clamp(*share, 0.0, 1.0) : 0.0, AlternativeColour(a + 1)});
        }
        table.Cells.push_back(std::move(row));
    }
    return table;
}

// On screen a cell holds the chance and, in brackets, the iterations it
// stands on; a file gives each its own column, so both read as numbers.
TextTable PairwiseTable(const Comparison& c, const CostComparison& kind, NumberStyle style) {
    const bool screen = style == NumberStyle::Screen;
    TextTable table{screen ? "P(row lower than column), over the iterations in which both are "
                             "valid (their number in brackets)"
                           : "P(row lower than column) in percent, and the iterations in which "
                             "both are valid",
                    "Alternative",
                    {},
                    {},
                    {}};
    for (int b = 0; b < c.Alternatives; ++b) {
        if (screen) {
            table.Columns.push_back(Number(b));
        } else {
            table.Columns.push_back(Number(b) + " (%)");
            table.Columns.push_back(Number(b) + " iterations");
        }
    }
    for (int a = 0; a < c.Alternatives; ++a) {
        table.RowNames.push_back(Number(a));
        std::vector<std::string> row;
        for (int b = 0; b < c.Alternatives; ++b) {
            const PairComparison& pair = kind.Pairs[a][b];
            const std::string chance =
                a == b ? std::string() : Percent(pair.ProbabilityALower, style);
            const std::string iterations = a == b ? std::string() : std::to_string(pair.Iterations);
            if (screen) {
                row.push_back(a == b ? std::string() : chance + " (" + iterations + ")");
            } else {
                row.push_back(chance);
                row.push_back(iterations);
            }
        }
        table.Cells.push_back(std::move(row));
    }
    return table;
}

TextTable DifferencesTable(const Comparison& c, const CostComparison& kind, NumberStyle style) {
    TextTable table{"Paired differences, row alternative minus column alternative ($)",
                    "Pair",
                    SpreadHeadings(c.Probabilistic, "Difference"),
                    {},
                    {}};
    for (int a = 0; a < c.Alternatives; ++a) {
        for (int b = 0; b < c.Alternatives; ++b) {
            if (a != b) {
                table.RowNames.push_back(Number(a) + " - " + Number(b));
                table.Cells.emplace_back();
                AppendSpread(table.Cells.back(), c.Probabilistic, kind.Pairs[a][b].Difference,
                             style);
            }
        }
    }
    return table;
}

TextTable AnnualTable(const ComparisonFigures& figures, CostKind kind, NumberStyle style) {
    const Comparison& c = figures.Compared;
    TextTable table{"NPV and equivalent uniform annual cost (EUAC, $)",
                    "Alternative",
                    SpreadHeadings(c.Probabilistic, "NPV"),
                    {},
                    {}};
    for (const std::string& heading : SpreadHeadings(c.Probabilistic, "EUAC")) {
        table.Columns.push_back(heading);
    }
    const auto k = static_cast<std::size_t>(kind);
    for (int a = 0; a < c.Alternatives; ++a) {
        table.RowNames.push_back(Number(a));
        table.Cells.emplace_back();
        AppendSpread(table.Cells.back(), c.Probabilistic, figures.Npv[k][a], style);
        AppendSpread(table.Cells.back(), c.Probabilistic, c.Of(kind).Euac[a], style);
    }
    return table;
}

std::string ChoiceText(const Comparison& c, const CostComparison& kind, NumberStyle style) {
    std::string text = "Choice";
    if (c.Probabilistic) {
        text += " at the " + Ordinal(c.RiskPercentile) + " percentile";
    }
    if (!kind.RiskChoice || !kind.NpvAtRisk[*kind.RiskChoice]) {
        return text + ": n/a, no alternative has a valid iteration";
    }
    const int chosen = *kind.RiskChoice;
    const auto npv = static_cast<double>(*kind.NpvAtRisk[chosen]);
    return text + ": alternative " + Number(chosen) + ", NPV $" + Dollars(npv, style);
}

// "alternative 2", "alternatives 1 and 3", "alternatives 1, 2 and 4".
std::string AlternativesText(const std::vector<int>& alternatives) {
    std::string text = alternatives.size() == 1 ? "alternative " : "alternatives ";
    for (std::size_t i = 0; i < alternatives.size(); ++i) {
        if (i > 0) {
            text += i + 1 == alternatives.size() ? " and " : ", ";
        }
        text += Number(alternatives[i]);
    }
    return text;
}

// The alternatives whose figure equals the lowest or the highest of those
// there are, in order.
std::vector<int> Leaders(const PerAlternative<std::optional<double>>& figures, int alternatives,
                         bool highest) {
    std::optional<double> best;
    for (int a = 0; a < alternatives; ++a) {
        if (figures[a] && (!best || (highest ? *figures[a] > *best : *figures[a] < *best))) {
            best = figures[a];
        }
    }
    std::vector<int> leaders;
    for (int a = 0; a < alternatives; ++a) {
        if (best && figures[a] == best) {
            leaders.push_back(a);
        }
    }
    return leaders;
}

// "alternative 1 is the cheapest in 57.43% of the compared iterations",
// or why none is.
std::string CheapestClause(const Comparison& c, const CostComparison& kind) {
    const std::vector<int> leaders = Leaders(kind.CheapestProbability, c.Alternatives, true);
    if (leaders.empty()) {
        return "no iteration has every alternative valid, so none is the cheapest in any";
    }
    return AlternativesText(leaders) + (leaders.size() == 1 ? " is" : " are each") +
           " the cheapest in " + Percent(kind.CheapestProbability[leaders.front()]) +
           " of the compared iterations";
}

// "choose alternative 1"; alternatives that tie are named together, as the
// choice between them is the user's.
std::string ChoiceClause(const std::vector<int>& chosen) {
    return chosen.size() == 1 ? "choose " + AlternativesText(chosen)
                              : AlternativesText(chosen) + " cost the same";
}

// A deterministic run has one NPV per alternative: the cheapest is the
// choice, and is named once.
std::string DeterministicClause(const Comparison& c, const std::vector<int>& chosen) {
    if (c.ComparedIterations == 0) {
        return "not every alternative is valid; of those that are, " + ChoiceClause(chosen);
    }
    return chosen.size() == 1 ? AlternativesText(chosen) + " is the cheapest: choose it"
                              : AlternativesText(chosen) + " are equally the cheapest";
}

std::string SummaryText(const Comparison& c, const CostComparison& kind, CostKind costKind) {
    std::string costs = CostKindName(costKind);
    std::transform(costs.begin(), costs.end(), costs.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
    const std::string opening = "On " + costs + ", ";
    PerAlternative<std::optional<double>> atRisk{};
    for (int a = 0; a < c.Alternatives; ++a) {
        if (kind.NpvAtRisk[a]) {
            atRisk[a] = static_cast<double>(*kind.NpvAtRisk[a]);
        }
    }
    const std::vector<int> chosen = Leaders(atRisk, c.Alternatives, false);
    if (chosen.empty()) {
        return opening + "no alternative has a valid iteration: there is nothing to choose.";
    }
    if (!c.Probabilistic) {
        return opening + DeterministicClause(c, chosen) + ".";
    }
    return opening + CheapestClause(c, kind) + "; at the " + Ordinal(c.RiskPercentile) +
           " percentile, " + ChoiceClause(chosen) + ".";
}

void WriteCsvTable(std::ostream& out, const std::string& section, const TextTable& table) {
    WriteCsvLine(out, section + " - " + table.Title);
    WriteCsvLine(out, table.Corner, table.Columns);
    for (std::size_t r = 0; r < table.RowNames.size(); ++r) {
        WriteCsvLine(out, table.RowNames[r], table.Cells[r]);
    }
    out << "\r\n";
}

} // namespace

const char* CostKindName(CostKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

CostKind ComparedKind(int costSelection) {
    switch (costSelection) {
    case kAgencyCosts:
        return CostKind::Agency;
    case kWorkZoneUserCosts:
        return CostKind::User;
    default:
        return CostKind::Total;
    }
}

std::string ComparedIterationsText(const Comparison& c) {
    return "Compared iterations: " + std::to_string(c.ComparedIterations) + " of " +
           std::to_string(c.Iterations) + ", those in which every alternative is valid.";
}

std::string LeftOutText(const Comparison& c) {
    if (c.LeftOut == 0) {
        return {};
    }
    std::string text = "Left out: " + std::to_string(c.LeftOut) + ";";
    bool first = true;
    for (int a = 0; a < c.Alternatives; ++a) {
        if (c.LeftOutBy[a] > 0) {
            text += (first ? " alternative " : ", alternative ") + Number(a) +
                    (first ? " gridlocked or failed in " : " in ") + std::to_string(c.LeftOutBy[a]);
            first = false;
        }
    }
    return text + ".";
}

ComparisonPage MakeComparisonPage(const ComparisonFigures& figures, CostKind kind,
                                  NumberStyle style) {
    const Comparison& c = figures.Compared;
    const CostComparison& of = c.Of(kind);
    ComparisonPage page;
    page.Heading =
        std::string(CostKindName(kind)) + ": " +
        (c.Probabilistic ? "probabilistic analysis, " + std::to_string(c.Iterations) + " iterations"
                         : std::string("deterministic analysis"));
    page.Annual = AnnualTable(figures, kind, style);
    if (c.NothingToCompare()) {
        page.Notice = c.Alternatives == 1 ? "Only one alternative: nothing to compare."
                                          : "No alternative: nothing to compare.";
        return page;
    }
    page.Compared = ComparedIterationsText(c);
    page.LeftOut = LeftOutText(c);
    page.Cheapest = CheapestTable(c, of, style);
    page.Pairwise = PairwiseTable(c, of, style);
    page.Differences = DifferencesTable(c, of, style);
    page.Choice = ChoiceText(c, of, style);
    page.Summary = SummaryText(c, of, kind);
    return page;
}

std::string ComparisonCsv(const ComparisonFigures& figures) {
    std::ostringstream out;
    for (const CostKind kind : kAllCostKinds) {
        const ComparisonPage page = MakeComparisonPage(figures, kind, NumberStyle::File);
        WriteCsvLine(out, page.Heading);
        for (const std::string* line :
             {&page.Summary, &page.Notice, &page.Compared, &page.LeftOut}) {
            if (!line->empty()) {
                WriteCsvLine(out, *line);
            }
        }
        out << "\r\n";
        for (const TextTable* table :
             {&page.Cheapest, &page.Pairwise, &page.Differences, &page.Annual}) {
            if (!table->RowNames.empty()) {
                WriteCsvTable(out, CostKindName(kind), *table);
            }
        }
        if (!page.Choice.empty()) {
            WriteCsvLine(out, page.Choice);
            out << "\r\n";
        }
    }
    return out.str();
}

} // namespace wexa::forms
