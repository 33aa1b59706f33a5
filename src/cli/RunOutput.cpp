#include "cli/RunOutput.h"

#include "cli/ResultNames.h"
#include "cli/TextFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace wexa::cli {
namespace {

using nlohmann::ordered_json;

bool IsProbabilistic(const Project& p) {
    return p.AnalysisType == kProbabilisticAnalysis;
}

int Alternatives(const Project& p) {
    return std::clamp(p.NumberOfAlternatives, 0, kMaxAlternatives);
}

int Iterations(const Project& p) {
    return std::clamp(p.IterationCount, 0, kProbabilisticIterations);
}

template <typename T> ordered_json FirstValues(std::span<const T> values, int count) {
    ordered_json array = ordered_json::array();
    for (int i = 0; i < count; ++i) {
        array.push_back(values[static_cast<std::size_t>(i)]);
    }
    return array;
}

struct CostTables {
    const NpvResultTable& InIterationOrder;
    const PercentileTable<Int64>& Percentiles;
    const PercentileTable<double>& CumulativePercents;
};

ordered_json CostToJson(const Project& p, const CostTables& tables, int a) {
    ordered_json cost = ordered_json::object();
    cost["npv"] = FirstValues<Int64>(tables.InIterationOrder[a], Iterations(p));
    if (IsProbabilistic(p) && p.ValidCounts[a] > 0) {
        cost["percentiles"] = FirstValues<Int64>(tables.Percentiles[a], kPercentilePoints);
        cost["cumulativePercents"] =
            FirstValues<double>(tables.CumulativePercents[a], kPercentilePoints);
    } else {
        cost["percentiles"] = nullptr;
        cost["cumulativePercents"] = nullptr;
    }
    return cost;
}

std::array<CostTables, 3> TablesOf(const Project& p, const AnalysisWorkspace& w) {
    return {
        CostTables{w.AgencyInIterationOrder, p.AgencyNpvPercentiles, p.AgencyCumulativePercents},
        CostTables{w.UserInIterationOrder, p.UserNpvPercentiles, p.UserCumulativePercents},
        CostTables{w.TotalInIterationOrder, p.TotalNpvPercentiles, p.TotalCumulativePercents}};
}

// The statuses decide which iterations count; the NPV tables hold marks
// that a valid NPV may equal, so a reader needs both.
ordered_json StatusesToJson(const Project& p, const AnalysisWorkspace& w, int a) {
    ordered_json array = ordered_json::array();
    for (int i = 0; i < Iterations(p); ++i) {
        array.push_back(StatusName(w.Statuses[a][i]));
    }
    return array;
}

std::string Share(Int32 count, Int32 iterations) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f%%",
                  iterations > 0 ? 100.0 * count / iterations : 0.0);
    return buffer;
}

std::string Npv(Int64 value) {
    return std::to_string(value);
}

// An alternative whose one iteration was not valid shows its status in
// place of each NPV; what the status means follows the table, once.
const char* StatusWord(IterationStatus status) {
    return status == IterationStatus::Gridlock ? "gridlock" : "failure";
}

void WriteDeterministic(std::ostream& out, const Project& p, const AnalysisWorkspace& w) {
    TextTable rows{{"Alt", "Agency NPV ($)", "WZ User NPV ($)", "Total NPV ($)"}};
    bool gridlock = false;
    bool failure = false;
    for (int a = 0; a < Alternatives(p); ++a) {
        const IterationStatus status = w.Statuses[a][0];
        if (status == IterationStatus::Valid) {
            rows.push_back({std::to_string(a + 1), Npv(w.AgencyInIterationOrder[a][0]),
                            Npv(w.UserInIterationOrder[a][0]), Npv(w.TotalInIterationOrder[a][0])});
            continue;
        }
        gridlock = gridlock || status == IterationStatus::Gridlock;
        failure = failure || status == IterationStatus::Failure;
        rows.push_back(
            {std::to_string(a + 1), StatusWord(status), StatusWord(status), StatusWord(status)});
    }
    WriteTable(out, rows, 0);
    if (gridlock) {
        out << "gridlock: a work zone queue never clears\n";
    }
    if (failure) {
        out << "failure: the schedule ends before the analysis period\n";
    }
}

void WriteProbabilistic(std::ostream& out, const Project& p) {
    // Percentile points 1, 5 and 9 are the 10th, 50th and 90th percentiles.
    constexpr std::array<int, 3> kPoints{1, 5, 9};
    TextTable rows{{"Alt", "Failure", "Gridlock", "Cost", "10th pct NPV ($)", "50th pct NPV ($)",
                    "90th pct NPV ($)"}};
    const std::array<std::pair<const char*, const PercentileTable<Int64>*>, 3> costs{
        {{"Agency", &p.AgencyNpvPercentiles},
         {"WZ User", &p.UserNpvPercentiles},
         {"Total", &p.TotalNpvPercentiles}}};
    for (int a = 0; a < Alternatives(p); ++a) {
        for (std::size_t c = 0; c < costs.size(); ++c) {
            std::vector<std::string> row(3);
            if (c == 0) {
                row = {std::to_string(a + 1), Share(p.FailureCounts[a], p.IterationCount),
                       Share(p.GridlockCounts[a], p.IterationCount)};
            }
            row.emplace_back(costs[c].first);
            for (const int point : kPoints) {
                row.push_back(p.ValidCounts[a] > 0 ? Npv((*costs[c].second)[a][point]) : "n/a");
            }
            rows.push_back(std::move(row));
        }
    }
    // The cost names read from the left, so the columns before them do too.
    WriteTable(out, rows, 4);
}

} // namespace

ordered_json RunToJson(const Project& p, const AnalysisWorkspace& w) {
    ordered_json json = ordered_json::object();
    json["analysisType"] = IsProbabilistic(p) ? "probabilistic" : "deterministic";
    json["iterationCount"] = p.IterationCount;
    json["seed"] = w.Seed;
    json["discountRate"] = FirstValues<double>(w.DiscountRates, Iterations(p));
    json["growthRate"] = FirstValues<double>(w.GrowthRates, Iterations(p));
    ordered_json alternatives = ordered_json::array();
    const auto tables = TablesOf(p, w);
    for (int a = 0; a < Alternatives(p); ++a) {
        ordered_json alternative = ordered_json::object();
        alternative["number"] = a + 1;
        alternative["description"] = p.AlternativeDescriptions[a];
        alternative["failures"] = p.FailureCounts[a];
        alternative["gridlocks"] = p.GridlockCounts[a];
        alternative["valid"] = p.ValidCounts[a];
        alternative["agency"] = CostToJson(p, tables[0], a);
        alternative["user"] = CostToJson(p, tables[1], a);
        alternative["total"] = CostToJson(p, tables[2], a);
        alternative["status"] = StatusesToJson(p, w, a);
        alternatives.push_back(std::move(alternative));
    }
    json["alternatives"] = std::move(alternatives);
    return json;
}

void WriteRunSummary(std::ostream& out, const Project& p, const AnalysisWorkspace& w) {
    out << (IsProbabilistic(p) ? "Probabilistic" : "Deterministic") << " analysis, "
        << p.IterationCount << (p.IterationCount == 1 ? " iteration" : " iterations") << ", seed "
        << w.Seed << "\n\n";
    if (IsProbabilistic(p)) {
        WriteProbabilistic(out, p);
    } else {
        WriteDeterministic(out, p, w);
    }
}

} // namespace wexa::cli
