#include "results/AnalysisDocument.h"

#include "forms/Disclaimer.h"
#include "results/DocumentInputs.h"
#include "results/NpvDistributions.h"
#include "results/RateChart.h"
#include "results/ResultChart.h"
#include "results/SensitivityText.h"
#include "results/StreamPage.h"
#include "results/TornadoChart.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wexa::forms {
namespace {

// The stored percentile points: the 50th is the sixth of eleven.
constexpr int kMedianPoint = 5;
constexpr char kDollars[] = "#,##0";

std::string Dollars(double value) {
    return "$" + FormatNumber(value, kDollars);
}

std::string Percent(double value) {
    return FormatNumber(value, "0.00") + " %";
}

int AlternativesOf(const Project& project) {
    return std::clamp(static_cast<int>(project.NumberOfAlternatives), 0, kMaxAlternatives);
}

bool Probabilistic(const Project& project) {
    return project.AnalysisType == kProbabilisticAnalysis;
}

std::string Alternative(int number) {
    return "alternative " + std::to_string(number);
}

// Each alternative's total NPV as the results give it: the median of a
// probabilistic run, the one figure of a deterministic one; none where the
// alternative has no valid iteration.
std::vector<std::optional<Int64>> TotalNpvs(const Project& project) {
    std::vector<std::optional<Int64>> totals;
    for (int a = 0; a < AlternativesOf(project); ++a) {
        if (project.ValidCounts[a] <= 0) {
            totals.emplace_back();
        } else if (Probabilistic(project)) {
            totals.emplace_back(project.TotalNpvPercentiles[a][kMedianPoint]);
        } else {
            totals.emplace_back(project.TotalNpvResults[a][0]);
        }
    }
    return totals;
}

std::string CheapestSentence(const Project& project) {
    const std::vector<std::optional<Int64>> totals = TotalNpvs(project);
    std::optional<int> cheapest;
    for (int a = 0; a < static_cast<int>(totals.size()); ++a) {
        if (totals[a] && (!cheapest || *totals[a] < *totals[*cheapest])) {
            cheapest = a;
        }
    }
    const std::string where =
        Probabilistic(project) ? "At the median of the iterations" : "In the deterministic run";
    if (!cheapest) {
        return where + ", no alternative has a valid result.";
    }
    std::string sentence = where + ", " + Alternative(*cheapest + 1) +
                           " has the lowest total NPV, " +
                           Dollars(static_cast<double>(*totals[*cheapest]));
    for (int a = 0; a < static_cast<int>(totals.size()); ++a) {
        if (a != *cheapest && totals[a] && *totals[a] == *totals[*cheapest]) {
            sentence += " (tied with " + Alternative(a + 1) + ")";
        }
    }
    return sentence + ".";
}

std::string BreakEvenSentence(const RateSensitivity& rates) {
    const std::vector<std::string> lines = BreakEvenLines(rates, CostKind::Total);
    bool changes = false;
    for (const PairBreakEvens& pair : rates.Pairs) {
        changes = changes || (pair.Kind == CostKind::Total && !pair.Changes.empty());
    }
    std::string sentence = changes
                               ? "Within the discount rates studied (" + RangeText(rates.Range) +
                                     "), the order of the total costs changes: "
                               : "Within the discount rates studied (" + RangeText(rates.Range) +
                                     "), the order of the total costs does not change: ";
    for (std::size_t k = 0; k < lines.size(); ++k) {
        sentence += (k == 0 ? "" : "; ") + lines[k];
    }
    return sentence + ".";
}

// --- Title page --------------------------------------------------------

DocumentSection TitleSection(const DocumentSources& sources) {
    const Project& p = *sources.Run;
    DocumentSection section;
    section.Title = "Life-Cycle Cost Analysis";
    section.Paragraph("Project " + p.ProjectNumber + ": " + p.ProjectDescription);
    section.Bullet("Project file: " + sources.FileName);
    if (Probabilistic(p)) {
        section.Bullet("Analysis: probabilistic, " + std::to_string(p.IterationCount) +
                       " iterations, seed " + std::to_string(sources.Seed));
    } else {
        section.Bullet("Analysis: deterministic, seed " + std::to_string(sources.Seed));
    }
    section.Bullet("Date: " + sources.Date);
    section.Bullet("Made by Wexa " + sources.Version);
    section.Subheading("Summary");
    for (std::string& sentence : SummarySentences(sources)) {
        section.Paragraph(std::move(sentence));
    }
    return section;
}

// --- Expenditure stream ------------------------------------------------

DocumentSection StreamSection(const DocumentSources& sources) {
    DocumentSection section;
    section.Title = "Expenditure Stream";
    if (sources.Stream == nullptr) {
        section.Paragraph(sources.StreamNotice);
        return section;
    }
    const StreamPage page = MakeStreamPage(*sources.Stream, StreamValues::Undiscounted,
                                           sources.Run->ProjectDescription);
    section.Paragraph(page.Basis);
    section.Paragraph("Each activity's costs in the dollars of its year; the hatched bar at the "
                      "end of the period is the salvage credit. The tables give the present "
                      "values, which add up to the NPVs.");
    section.Stream(page.Diagram);
    for (const TextTable& table : page.Tables) {
        section.Table(table);
    }
    return section;
}

// --- Results -----------------------------------------------------------

TextTable IterationCounts(const Project& p) {
    TextTable table;
    table.Title = "Iterations";
    table.Corner = "Alternative";
    table.Columns = {"Valid", "Gridlock", "Failure", "Gridlock %", "Failure %"};
    for (int a = 0; a < AlternativesOf(p); ++a) {
        const double iterations = std::max(1, static_cast<int>(p.IterationCount));
        table.RowNames.push_back(std::to_string(a + 1));
        table.Cells.push_back(
            {std::to_string(p.ValidCounts[a]), std::to_string(p.GridlockCounts[a]),
             std::to_string(p.FailureCounts[a]), Percent(100.0 * p.GridlockCounts[a] / iterations),
             Percent(100.0 * p.FailureCounts[a] / iterations)});
    }
    return table;
}

// One kind's percentile table as the report gives it: each alternative's
// cumulative percentage and NPV at every stored point.
TextTable PercentileTableOf(const Project& p, CostKind kind) {
    const PercentileTable<Int64>& npvs = kind == CostKind::Agency ? p.AgencyNpvPercentiles
                                         : kind == CostKind::User ? p.UserNpvPercentiles
                                                                  : p.TotalNpvPercentiles;
    const PercentileTable<double>& percents = kind == CostKind::Agency ? p.AgencyCumulativePercents
                                              : kind == CostKind::User ? p.UserCumulativePercents
                                                                       : p.TotalCumulativePercents;
    TextTable table;
    table.Title = std::string("Percentile NPV ($) of ") + CostKindName(kind);
    table.Corner = "Point";
    for (int a = 0; a < AlternativesOf(p); ++a) {
        table.Columns.push_back("Alt " + std::to_string(a + 1) + " Cum. %");
        table.Columns.push_back("Alt " + std::to_string(a + 1) + " NPV ($)");
    }
    for (int k = 0; k < kPercentilePoints; ++k) {
        table.RowNames.push_back(std::to_string(k + 1));
        std::vector<std::string> cells;
        for (int a = 0; a < AlternativesOf(p); ++a) {
            cells.push_back(FormatNumber(percents[a][k], "0.00"));
            cells.push_back(p.ValidCounts[a] > 0
                                ? FormatNumber(static_cast<double>(npvs[a][k]), kDollars)
                                : "n/a");
        }
        table.Cells.push_back(std::move(cells));
    }
    return table;
}

std::string StatusText(Int64 value) {
    return value == -1 ? "gridlock" : "failure";
}

TextTable DeterministicNpvs(const Project& p) {
    TextTable table;
    table.Title = "NPV ($)";
    table.Corner = "Alternative";
    table.Columns = {"Agency Costs", "Work Zone User Costs", "Total Costs"};
    for (int a = 0; a < AlternativesOf(p); ++a) {
        table.RowNames.push_back(std::to_string(a + 1));
        std::vector<std::string> cells;
        for (const auto* results : {&p.AgencyNpvResults, &p.UserNpvResults, &p.TotalNpvResults}) {
            const Int64 value = (*results)[a][0];
            cells.push_back(p.ValidCounts[a] > 0
                                ? FormatNumber(static_cast<double>(value), kDollars)
                                : StatusText(value));
        }
        table.Cells.push_back(std::move(cells));
    }
    return table;
}

DocumentSection ResultsSection(const DocumentSources& sources) {
    const Project& p = *sources.Run;
    DocumentSection section;
    section.Title = "Results";
    ResultChartData chart = ReadResultChart(p);
    if (Probabilistic(p)) {
        section.Table(IterationCounts(p));
        for (const CostKind kind : kAllCostKinds) {
            section.Table(PercentileTableOf(p, kind));
        }
        chart.CostTypeSelection = kAllCostComponents;
        section.Chart(MakeResultChart(chart));
    } else {
        section.Table(DeterministicNpvs(p));
        for (const int selection : {kAgencyCosts, kWorkZoneUserCosts, kTotalCosts}) {
            chart.CostTypeSelection = selection;
            section.Chart(MakeResultChart(chart));
        }
    }
    return section;
}

// --- Comparison --------------------------------------------------------

DocumentSection ComparisonSection(const DocumentSources& sources) {
    DocumentSection section;
    section.Title = "Comparison of the Alternatives";
    if (!Probabilistic(*sources.Run)) {
        section.Paragraph("A deterministic run has one result per alternative and no iterations "
                          "to compare: this section applies to probabilistic runs.");
        return section;
    }
    if (sources.Kept == nullptr) {
        section.Paragraph(kNoRunNotice);
        return section;
    }
    const ComparisonPage page =
        MakeComparisonPage(sources.Kept->FiguresAt(sources.RiskPercentile), CostKind::Total);
    for (const std::string* text : {&page.Summary, &page.Notice, &page.Compared, &page.LeftOut}) {
        if (!text->empty()) {
            section.Paragraph(*text);
        }
    }
    if (page.Notice.empty()) {
        for (const TextTable* table : {&page.Cheapest, &page.Pairwise, &page.Differences}) {
            section.Table(*table);
        }
        section.Paragraph(page.Choice);
    }
    section.Table(page.Annual);
    std::vector<std::vector<double>> npvs;
    for (int a = 0; a < sources.Kept->Alternatives(); ++a) {
        npvs.push_back(sources.Kept->ValidNpvs(a, CostKind::Total));
    }
    section.Chart(
        MakeNpvDistributions(npvs, CostKind::Total, sources.Run->ProjectDescription, true));
    return section;
}

// --- Sensitivity -------------------------------------------------------

TextTable TornadoTable(const Tornado& tornado) {
    TextTable table;
    table.Title = "Inputs of the tornado, the widest swing first";
    table.Corner = "Input";
    table.Columns = {"Low / high", "Status"};
    for (const TornadoBar& bar : tornado.Bars) {
        table.RowNames.push_back(bar.Input.Name);
        std::string status = StatusName(bar.Status);
        if (bar.Status == TornadoStatus::Refused && !bar.Refusal.empty()) {
            status += ": " + bar.Refusal.back().Message;
        }
        table.Cells.push_back({SettingsText(bar.Input), std::move(status)});
    }
    return table;
}

DocumentSection SensitivitySection(const DocumentSources& sources) {
    DocumentSection section;
    section.Title = "Sensitivity";
    if (sources.Sensitivity == nullptr) {
        section.Paragraph(sources.SensitivityNotice);
        return section;
    }
    const RateSensitivity& rates = sources.Sensitivity->Rates;
    section.Paragraph("The base case (every input at its middle value, no variability) at every "
                      "discount rate from " +
                      RangeText(rates.Range) + ".");
    section.Chart(MakeRateChart(rates, CostKind::Total, sources.Run->ProjectDescription));
    section.Subheading("Break-even rates (total costs)");
    for (std::string& line : BreakEvenLines(rates, CostKind::Total)) {
        section.Bullet(std::move(line));
    }
    const Tornado& tornado = sources.Sensitivity->Tornado;
    section.Subheading("Tornado");
    section.Chart(MakeTornadoChart(tornado, sources.Run->ProjectDescription));
    section.Table(TornadoTable(tornado));
    return section;
}

// --- Notes -------------------------------------------------------------

DocumentSection NotesSection() {
    DocumentSection section;
    section.Title = "Notes";
    section.Subheading("How to read the figures");
    section.Bullet("NPV (net present value): every cost of an alternative over the analysis "
                   "period, each divided by (1 + discount rate) to the power of its year, less "
                   "the present value of the salvage credit, in dollars of the base year.");
    section.Bullet("EUAC (equivalent uniform annual cost): the NPV spread over the years of the "
                   "analysis period as equal yearly payments at the discount rate.");
    section.Bullet("Percentile: the cost that the stated share of the iterations does not "
                   "exceed; the 50th percentile is the median, the 90th a cost exceeded in one "
                   "iteration of ten.");
    section.Bullet("Break-even rate: a discount rate at which two alternatives cost the same; "
                   "on either side of it a different one is cheaper.");
    section.Bullet("Agency costs are the bid items and the time-related items; work zone user "
                   "costs are the delay and vehicle costs the work zones impose on traffic.");
    section.Subheading("Disclaimer");
    for (const char* paragraph : kDisclaimer) {
        section.Paragraph(paragraph);
    }
    return section;
}

} // namespace

std::vector<std::string> SummarySentences(const DocumentSources& sources) {
    std::vector<std::string> sentences{CheapestSentence(*sources.Run)};
    if (Probabilistic(*sources.Run) && sources.Kept != nullptr) {
        const ComparisonPage page =
            MakeComparisonPage(sources.Kept->FiguresAt(sources.RiskPercentile), CostKind::Total);
        if (!page.Summary.empty()) {
            sentences.push_back(page.Summary);
        }
    }
    if (sources.Sensitivity != nullptr) {
        sentences.push_back(BreakEvenSentence(sources.Sensitivity->Rates));
    }
    return sentences;
}

AnalysisDocument MakeAnalysisDocument(const DocumentSources& sources) {
    AnalysisDocument document;
    document.Title = sources.Run->ProjectDescription;
    document.ProjectNumber = sources.Run->ProjectNumber;
    document.Date = sources.Date;
    document.Sections.push_back(TitleSection(sources));
    document.Sections.push_back(InputsSection(*sources.Run, sources.Warnings));
    document.Sections.push_back(StreamSection(sources));
    document.Sections.push_back(ResultsSection(sources));
    document.Sections.push_back(ComparisonSection(sources));
    document.Sections.push_back(SensitivitySection(sources));
    document.Sections.push_back(NotesSection());
    return document;
}

} // namespace wexa::forms
