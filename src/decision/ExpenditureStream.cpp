#include "decision/ExpenditureStream.h"

#include "decision/BaseCase.h"
#include "simulation/AnalysisRun.h"

#include <algorithm>
#include <memory>

namespace wexa {
namespace {

// A year as an index into the table; the run's activity years are whole
// numbers from 0 to the analysis period.
std::size_t YearIndex(double year, std::size_t years) {
    const double clamped = std::clamp(year, 0.0, static_cast<double>(years - 1));
    return static_cast<std::size_t>(clamped);
}

void AddTo(YearFigures& cell, double agency, double user, double presentAgency,
           double presentUser) {
    cell.Agency += agency;
    cell.User += user;
    cell.Total += agency + user;
    cell.PresentAgency += presentAgency;
    cell.PresentUser += presentUser;
    cell.PresentTotal += presentAgency + presentUser;
}

void LayOutYears(ExpenditureStream& stream) {
    const RunRecord& record = stream.Record;
    const std::size_t years = static_cast<std::size_t>(std::max(record.AnalysisPeriod, 0)) + 1;
    stream.Years.assign(years, PerAlternative<YearFigures>{});
    for (int a = 0; a < record.AlternativeCount; ++a) {
        const RecordedAlternative& alternative = record.Alternatives[a];
        if (alternative.Status != IterationStatus::Valid) {
            continue;
        }
        for (int j = 0; j < alternative.ActivityCount; ++j) {
            const RecordedActivity& row = alternative.Activities[j];
            AddTo(stream.Years[YearIndex(row.Year, years)][a], UndiscountedAgency(row),
                  row.UserCost, PresentAgency(row), row.UserPresentValue);
        }
        if (alternative.Salvage) {
            AddTo(stream.Years[years - 1][a], -alternative.Salvage->Amount, 0.0,
                  -alternative.Salvage->PresentValue, 0.0);
        }
    }
}

// The one recorded run: the project's own when it is deterministic, its base
// case when not.
std::optional<RunRefusal> Record(const Project& project, std::optional<std::uint32_t> seed,
                                 RunFeedback* feedback, ExpenditureStream& stream) {
    auto run = std::make_unique<Project>(project);
    auto workspace = std::make_unique<AnalysisWorkspace>();
    if (project.AnalysisType == kProbabilisticAnalysis) {
        MakeBaseCase(*run);
        stream.Basis = StreamBasis::BaseCase;
    } else {
        stream.Basis = StreamBasis::Deterministic;
    }
    stream.Record = RunRecord{};
    if (auto refusal = RunAnalysis(*run, *workspace, {seed, feedback, &stream.Record})) {
        return refusal;
    }
    LayOutYears(stream);
    return std::nullopt;
}

} // namespace

double PresentAgency(const RecordedActivity& row) {
    double agency = row.BidItemPresentValue;
    for (const double item : row.TimeRelatedPresentValues) {
        agency += item;
    }
    return agency;
}

double PresentTotal(const RecordedActivity& row) {
    return PresentAgency(row) + row.UserPresentValue;
}

double UndiscountedAgency(const RecordedActivity& row) {
    return row.BidItemCost + row.TimeRelatedCost;
}

std::vector<int> ValidAlternatives(const RunRecord& record) {
    std::vector<int> numbers;
    for (int a = 0; a < record.AlternativeCount; ++a) {
        if (record.Alternatives[a].Status == IterationStatus::Valid) {
            numbers.push_back(a + 1);
        }
    }
    return numbers;
}

std::array<double, 6> InColumnOrder(const YearFigures& year) {
    return {year.Agency,        year.User,        year.Total,
            year.PresentAgency, year.PresentUser, year.PresentTotal};
}

std::optional<RunRefusal> ComputeExpenditureStream(const Project& project,
                                                   std::optional<std::uint32_t> seed,
                                                   RunFeedback* feedback,
                                                   ExpenditureStream& stream) {
    if (project.AnalysisType == kProbabilisticAnalysis) {
        // What the project's own run refuses, with its messages, is refused
        // here too, before its base case is run.
        auto run = std::make_unique<Project>(project);
        auto workspace = std::make_unique<AnalysisWorkspace>();
        if (auto refusal = RunAnalysis(*run, *workspace, {seed, feedback, nullptr})) {
            return refusal;
        }
    }
    return Record(project, seed, feedback, stream);
}

std::optional<RunRefusal> RecordExpenditureStream(const Project& project, std::uint32_t seed,
                                                  RunFeedback* feedback,
                                                  ExpenditureStream& stream) {
    return Record(project, seed, feedback, stream);
}

} // namespace wexa
