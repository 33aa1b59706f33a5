#include "cli/CompareOutput.h"

#include "cli/OptionalJson.h"
#include "cli/ResultNames.h"
#include "cli/TextFormat.h"
#include "forms/FormText.h"
#include "results/ComparisonPage.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wexa::cli {
namespace {

using nlohmann::ordered_json;

// The figures of a spread, in the order mean, 10th, 50th, 90th percentile.
constexpr std::array<double Spread::*, 4> kSpreadFigures{&Spread::Mean, &Spread::P10, &Spread::P50,
                                                         &Spread::P90};

std::optional<double> Figure(const std::optional<Spread>& spread, double Spread::*figure) {
    return spread ? std::optional<double>((*spread).*figure) : std::nullopt;
}

// --- JSON -----------------------------------------------------------------

void PutSpread(ordered_json& json, const std::optional<Spread>& spread,
               const std::array<const char*, 4>& keys) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
        json[keys[k]] = OrNull(Figure(spread, kSpreadFigures[k]));
    }
}

ordered_json PairToJson(const PairComparison& pair, int a, int b) {
    ordered_json json = ordered_json::object();
    json["a"] = a + 1;
    json["b"] = b + 1;
    json["probabilityALower"] = OrNull(pair.ProbabilityALower);
    json["iterations"] = pair.Iterations;
    PutSpread(json, pair.Difference,
              {"meanDifference", "p10Difference", "p50Difference", "p90Difference"});
    return json;
}

ordered_json EuacToJson(const std::optional<Spread>& euac, int a) {
    ordered_json json = ordered_json::object();
    json["number"] = a + 1;
    PutSpread(json, euac, {"mean", "p10", "p50", "p90"});
    return json;
}

ordered_json KindToJson(const Comparison& c, const CostComparison& kind) {
    ordered_json json = ordered_json::object();
    json["comparedIterations"] = c.ComparedIterations;
    json["leftOut"] = c.LeftOut;
    ordered_json leftOutBy = ordered_json::array();
    ordered_json cheapest = ordered_json::array();
    ordered_json pairwise = ordered_json::array();
    ordered_json euac = ordered_json::array();
    for (int a = 0; a < c.Alternatives; ++a) {
        leftOutBy.push_back({{"number", a + 1}, {"iterations", c.LeftOutBy[a]}});
        cheapest.push_back(
            {{"number", a + 1}, {"probability", OrNull(kind.CheapestProbability[a])}});
        for (int b = 0; b < c.Alternatives; ++b) {
            if (a != b) {
                pairwise.push_back(PairToJson(kind.Pairs[a][b], a, b));
            }
        }
        euac.push_back(EuacToJson(kind.Euac[a], a));
    }
    json["leftOutBy"] = std::move(leftOutBy);
    json["cheapest"] = std::move(cheapest);
    json["pairwise"] = std::move(pairwise);
    json["euac"] = std::move(euac);
    json["riskChoice"] =
        kind.RiskChoice ? ordered_json(*kind.RiskChoice + 1) : ordered_json(nullptr);
    return json;
}

// --- Text -----------------------------------------------------------------

std::string Dollars(const std::optional<double>& value) {
    return value ? FormatFixed(*value, 2) : "n/a";
}

std::string WholeDollars(const std::optional<double>& value) {
    return value ? FormatFixed(*value, 0) : "n/a";
}

std::string Percent(const std::optional<double>& share) {
    return share ? FormatFixed(100.0 * *share, 2) + "%" : "n/a";
}

using Format = std::string (*)(const std::optional<double>&);
using TextRow = std::vector<std::string>;

// Mean, 10th, 50th and 90th percentile after a probabilistic run; after a
// deterministic one the one value they all are.
void AddSpread(TextRow& row, const Comparison& c, const std::optional<Spread>& spread, Format mean,
               Format percentile) {
    if (!c.Probabilistic) {
        row.push_back(percentile(Figure(spread, &Spread::P50)));
        return;
    }
    row.push_back(mean(Figure(spread, &Spread::Mean)));
    for (std::size_t k = 1; k < kSpreadFigures.size(); ++k) {
        row.push_back(percentile(Figure(spread, kSpreadFigures[k])));
    }
}

void AddSpreadHeadings(TextRow& row, const Comparison& c, const std::string& name) {
    if (!c.Probabilistic) {
        row.push_back(name + " ($)");
        return;
    }
    for (const char* statistic : {"mean", "10th", "50th", "90th"}) {
        row.push_back(name + " " + statistic + " ($)");
    }
}

void WriteAlternatives(std::ostream& out, const Comparison& c, const CostComparison& kind) {
    TextRow heading{"Alt"};
    if (!c.NothingToCompare()) {
        heading.emplace_back("Cheapest");
    }
    AddSpreadHeadings(heading, c, "EUAC");
    TextTable rows{std::move(heading)};
    for (int a = 0; a < c.Alternatives; ++a) {
        TextRow row{std::to_string(a + 1)};
        if (!c.NothingToCompare()) {
            row.push_back(Percent(kind.CheapestProbability[a]));
        }
        AddSpread(row, c, kind.Euac[a], Dollars, Dollars);
        rows.push_back(std::move(row));
    }
    WriteTable(out, rows, 0);
}

// The differences are of whole-dollar NPVs: their percentiles are whole
// dollars, their mean is not.
void WritePairs(std::ostream& out, const Comparison& c, const CostComparison& kind) {
    TextRow heading{"Pair", "P(a < b)", "Iterations"};
    AddSpreadHeadings(heading, c, "a-b");
    TextTable rows{std::move(heading)};
    for (int a = 0; a < c.Alternatives; ++a) {
        for (int b = 0; b < c.Alternatives; ++b) {
            if (a == b) {
                continue;
            }
            const PairComparison& pair = kind.Pairs[a][b];
            TextRow row{std::to_string(a + 1) + '-' + std::to_string(b + 1),
                        Percent(pair.ProbabilityALower), std::to_string(pair.Iterations)};
            AddSpread(row, c, pair.Difference, Dollars, WholeDollars);
            rows.push_back(std::move(row));
        }
    }
    WriteTable(out, rows, 1);
}

void WriteChoice(std::ostream& out, const Comparison& c, const CostComparison& kind) {
    out << "Choice";
    if (c.Probabilistic) {
        out << " at the " << forms::Ordinal(c.RiskPercentile) << " percentile";
    }
    if (!kind.RiskChoice) {
        out << ": n/a, no alternative has a valid iteration\n";
        return;
    }
    const int chosen = *kind.RiskChoice;
    out << ": alternative " << chosen + 1 << ", NPV $" << *kind.NpvAtRisk[chosen] << '\n';
}

void WriteLeftOut(std::ostream& out, const Comparison& c) {
    out << forms::ComparedIterationsText(c) << '\n';
    if (const std::string leftOut = forms::LeftOutText(c); !leftOut.empty()) {
        out << leftOut << '\n';
    }
}

} // namespace

ordered_json ComparisonToJson(const Comparison& c, std::uint32_t seed) {
    ordered_json json = ordered_json::object();
    json["analysisType"] = c.Probabilistic ? "probabilistic" : "deterministic";
    json["iterationCount"] = c.Iterations;
    json["seed"] = seed;
    json["riskPercentile"] = c.RiskPercentile;
    json["comparable"] = !c.NothingToCompare();
    ordered_json kinds = ordered_json::object();
    for (const CostKind kind : kAllCostKinds) {
        kinds[CostKindKey(kind)] = KindToJson(c, c.Of(kind));
    }
    json["kinds"] = std::move(kinds);
    return json;
}

void WriteComparisonText(std::ostream& out, const Comparison& c, std::uint32_t seed) {
    out << (c.Probabilistic ? "Probabilistic" : "Deterministic") << " analysis, " << c.Iterations
        << (c.Iterations == 1 ? " iteration" : " iterations") << ", seed " << seed << "\n\n";
    if (c.NothingToCompare()) {
        out << (c.Alternatives == 1 ? "Only one alternative: nothing to compare.\n"
                                    : "No alternative: nothing to compare.\n");
    } else {
        WriteLeftOut(out, c);
    }
    for (const CostKind kind : kAllCostKinds) {
        const CostComparison& figures = c.Of(kind);
        out << '\n' << CostKindTitle(kind) << " cost\n";
        WriteAlternatives(out, c, figures);
        if (!c.NothingToCompare()) {
            WritePairs(out, c, figures);
            WriteChoice(out, c, figures);
        }
    }
}

} // namespace wexa::cli
