#include "decision/ExpenditureStream.h"

#include "decision/BaseCase.h"
#include "model/PortableMath.h"
#include "model/ProjectFile.h"
#include "model/RoundValue.h"
#include "simulation/AnalysisRun.h"
#include "support/SmallProjects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wexa::stream_test {
namespace {

constexpr std::uint32_t kSeed = 12345;

// The three NPVs of an alternative.
struct Npvs {
    Int64 Agency = 0;
    Int64 User = 0;
    Int64 Total = 0;
    bool operator==(const Npvs&) const = default;
};

// The recorded rows added up as the run keeps its running sums (bid items,
// time-related items and user costs apart; a gridlocked activity keeps only
// its bid items), rounded, less the salvage credit, truncated.
Npvs SumOfRows(const RecordedAlternative& alternative) {
    double bidItems = 0.0;
    double timeRelated = 0.0;
    double user = 0.0;
    for (int j = 0; j < alternative.ActivityCount; ++j) {
        const RecordedActivity& row = alternative.Activities[j];
        bidItems += row.BidItemPresentValue;
        if (row.Gridlock) {
            continue;
        }
        user += row.UserPresentValue;
        for (const double item : row.TimeRelatedPresentValues) {
            timeRelated += item;
        }
    }
    const double agency = timeRelated + bidItems;
    const double salvage = alternative.Salvage ? alternative.Salvage->PresentValue : 0.0;
    return {static_cast<Int64>(Rounded(agency, 0) - salvage), static_cast<Int64>(Rounded(user, 0)),
            static_cast<Int64>(Rounded(agency + user, 0) - salvage)};
}

Npvs Recorded(const RecordedAlternative& alternative) {
    return {alternative.AgencyNpv, alternative.UserNpv, alternative.TotalNpv};
}

// What the run stores for the alternative: the deterministic run's single
// iteration, or the base case's.
Npvs RunNpvs(const Project& project, int alternative) {
    if (project.AnalysisType == kProbabilisticAnalysis) {
        BaseCaseRunner runner(project, nullptr);
        CaseOutcome outcome;
        EXPECT_FALSE(runner.Run(outcome, false).has_value());
        return {outcome.Of(CostKind::Agency, alternative), outcome.Of(CostKind::User, alternative),
                outcome.Of(CostKind::Total, alternative)};
    }
    Project run = project;
    auto workspace = std::make_unique<AnalysisWorkspace>();
    EXPECT_FALSE(RunAnalysis(run, *workspace, {kSeed, nullptr}).has_value());
    return {run.AgencyNpvResults[alternative][0], run.UserNpvResults[alternative][0],
            run.TotalNpvResults[alternative][0]};
}

ExpenditureStream StreamOf(const Project& project) {
    ExpenditureStream stream;
    const auto refusal = ComputeExpenditureStream(project, kSeed, nullptr, stream);
    EXPECT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    return stream;
}

// The years the schedule puts the activities in: 0, then each year the last
// plus its expected years to the next, until one reaches the period.
std::vector<double> ScheduledYears(const Project& p, int alternative) {
    std::vector<double> years;
    double year = 0.0;
    for (int j = 0; j < p.AlternativeActivityCount[alternative]; ++j) {
        years.push_back(year);
        year += p.ActivityYearsExpected[alternative * kActivitiesPerAlternative + j];
        if (year >= p.AnalysisPeriod) {
            break;
        }
    }
    return years;
}

void ExcludeUserCostsButPriceTimeItems(Project& p, int slot) {
    p.ActivityUserCostModes[slot] = kExcludeUserCosts;
    p.ActivityRequiredTime[slot] = 16;
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        p.TimeItemUnits[TimeItemSlot(slot, row)] = kPerHour;
        p.TimeItemUnitPrices[TimeItemSlot(slot, row)] = 10.0;
    }
}

void IncludeWorkZone(Project& p, int slot) {
    ExcludeUserCostsButPriceTimeItems(p, slot);
    p.ActivityUserCostModes[slot] = kIncludeUserCosts;
    p.ActivityDaysToComplete[slot] = 3;
    p.ActivityWorkZoneSpeed[slot] = 40;
    p.ActivityStartHour[slot] = 8;
    p.ActivityStopHour[slot] = 16;
    p.ActivityHoursInEffect[slot] = 8;
    p.BaseYearAADT = 30000;
}

struct StreamCase {
    const char* Name;
    std::function<void(Project&)> Build;
    // What the first alternative ends in, and which of its rows gridlock.
    IterationStatus Status;
    std::vector<bool> Gridlocks;
};

void PrintTo(const StreamCase& streamCase, std::ostream* os) {
    *os << streamCase.Name;
}

const std::vector<StreamCase>& StreamCases() {
    static const std::vector<StreamCase> cases{
        {"SalvageOnTheClosingActivity",
         [](Project& p) {
             Schedule(p, 1, {{20, 1000.0}, {20, 500.0}});
         },
         IterationStatus::Valid,
         {false, false}},
        {"EndsExactlyAtThePeriod",
         [](Project& p) {
             Schedule(p, 1, {{15, 1000.0}, {20, 500.0}});
         },
         IterationStatus::Valid,
         {false, false}},
        {"ExcludedActivityWithPricedTimeItems",
         [](Project& p) {
             Schedule(p, 1, {{12, 1000.0}, {30, 700.0}});
             ExcludeUserCostsButPriceTimeItems(p, ActivitySlot(1, 2));
         },
         IterationStatus::Valid,
         {false, false}},
        {"WorkZoneWithUserCosts",
         [](Project& p) {
             Schedule(p, 1, {{7, 1000.0}, {9, 300.0}, {25, 800.0}});
             IncludeWorkZone(p, ActivitySlot(1, 2));
             IncludeWorkZone(p, ActivitySlot(1, 3));
         },
         IterationStatus::Valid,
         {false, false, false}},
        {"GridlockBeforeTheClose",
         [](Project& p) {
             Schedule(p, 1, {{10, 1000.0}, {30, 500.0}});
             MakeGridlock(p, ActivitySlot(1, 1));
         },
         IterationStatus::Valid,
         {true, false}},
        {"GridlockInTheClosingActivity",
         [](Project& p) {
             Schedule(p, 1, {{10, 1000.0}, {30, 500.0}});
             MakeGridlock(p, ActivitySlot(1, 2));
         },
         IterationStatus::Gridlock,
         {false, true}},
        {"FourAlternatives",
         [](Project& p) {
             p.NumberOfAlternatives = 4;
             p.DiscountRateMean = 3.5;
             Schedule(p, 1, {{40, 2000.0}});
             Schedule(p, 2, {{11, 900.0}, {11, 400.0}, {20, 600.0}});
             Schedule(p, 3, {{0, 100.0}, {18, 1200.0}, {18, 300.0}});
             Schedule(p, 4, {{35, 5000.0}});
             IncludeWorkZone(p, ActivitySlot(2, 2));
         },
         IterationStatus::Valid,
         {false}},
        {"ProbabilisticBaseCase",
         [](Project& p) {
             p.AnalysisType = kProbabilisticAnalysis;
             p.NumberOfAlternatives = 2;
             p.DiscountRateKind = kUniform;
             p.DiscountRateMin = 2.0;
             p.DiscountRateMax = 7.0;
             p.ActivityAgencyCostVariability.fill(20.0);
             Schedule(p, 1, {{14, 1000.0}, {30, 650.0}});
             Schedule(p, 2, {{25, 1500.0}, {25, 250.0}});
             p.ActivityYearsKind[ActivitySlot(2, 1)] = kTriangular;
             p.ActivityYearsMin[ActivitySlot(2, 1)] = 20;
             p.ActivityYearsMax[ActivitySlot(2, 1)] = 30;
             IncludeWorkZone(p, ActivitySlot(1, 2));
         },
         IterationStatus::Valid,
         {false, false}},
    };
    return cases;
}

class StreamOfProject : public ::testing::TestWithParam<StreamCase> {
protected:
    void SetUp() override { GetParam().Build(*p); }
    std::unique_ptr<Project> p = PlainProject();
};

// The stream's totals are the run's NPVs to the bit, and its rows add up to
// them in the run's order; a gridlock or failure carries no money figure.
TEST_P(StreamOfProject, TotalsAreTheRunsNpvsAndTheRowsAddUpToThem) {
    const ExpenditureStream stream = StreamOf(*p);
    ASSERT_TRUE(stream.Record.Filled);
    EXPECT_EQ(stream.Basis, p->AnalysisType == kProbabilisticAnalysis ? StreamBasis::BaseCase
                                                                      : StreamBasis::Deterministic);
    ASSERT_EQ(stream.Record.AlternativeCount, p->NumberOfAlternatives);
    for (int a = 0; a < p->NumberOfAlternatives; ++a) {
        SCOPED_TRACE("alternative " + std::to_string(a + 1));
        const RecordedAlternative& alternative = stream.Record.Alternatives[a];
        EXPECT_EQ(Recorded(alternative), RunNpvs(*p, a));
        if (alternative.Status == IterationStatus::Valid) {
            EXPECT_EQ(SumOfRows(alternative), Recorded(alternative));
        } else {
            EXPECT_FALSE(alternative.Salvage.has_value());
            EXPECT_LT(alternative.AgencyNpv, 0) << "a mark, not money";
        }
    }
}

// Each row sits in the year the schedule gives it, with the discount factor
// of that year; only the closing row earns a salvage credit, and only for
// service life beyond the period.
TEST_P(StreamOfProject, RowsSitInTheirScheduledYearsAndOnlyTheLastEarnsSalvage) {
    const ExpenditureStream stream = StreamOf(*p);
    const double rate = stream.Record.DiscountRate;
    for (int a = 0; a < p->NumberOfAlternatives; ++a) {
        SCOPED_TRACE("alternative " + std::to_string(a + 1));
        const RecordedAlternative& alternative = stream.Record.Alternatives[a];
        const std::vector<double> years = ScheduledYears(*p, a);
        ASSERT_EQ(alternative.ActivityCount, static_cast<int>(years.size()));
        for (int j = 0; j < alternative.ActivityCount; ++j) {
            const RecordedActivity& row = alternative.Activities[j];
            EXPECT_EQ(row.Activity, j + 1);
            EXPECT_EQ(row.Year, years[j]);
            EXPECT_EQ(row.DiscountFactor, Pow(1.0 + rate * 0.01, row.Year));
        }
        if (!alternative.Salvage) {
            continue;
        }
        const int last = alternative.ActivityCount - 1;
        const double interval = p->ActivityYearsExpected[a * kActivitiesPerAlternative + last];
        const double beyond = years[last] + interval - p->AnalysisPeriod;
        EXPECT_EQ(alternative.Salvage->Fraction, beyond / interval);
        EXPECT_EQ(alternative.Salvage->Amount == 0.0, beyond == 0.0);
        EXPECT_EQ(alternative.Salvage->DiscountFactor, Pow(1.0 + rate * 0.01, p->AnalysisPeriod));
        const double agency = UndiscountedAgency(alternative.Activities[last]);
        EXPECT_DOUBLE_EQ(alternative.Salvage->Amount, beyond / interval * agency);
    }
}

// An activity that excludes user costs has neither user nor time-related
// costs, however its time items are priced; a gridlocked one keeps only its
// bid items.
TEST_P(StreamOfProject, ExcludedAndGridlockedActivitiesCarryOnlyBidItems) {
    const ExpenditureStream stream = StreamOf(*p);
    for (int a = 0; a < p->NumberOfAlternatives; ++a) {
        const RecordedAlternative& alternative = stream.Record.Alternatives[a];
        for (int j = 0; j < alternative.ActivityCount; ++j) {
            SCOPED_TRACE("alternative " + std::to_string(a + 1) + " activity " +
                         std::to_string(j + 1));
            const RecordedActivity& row = alternative.Activities[j];
            const int slot = a * kActivitiesPerAlternative + j;
            EXPECT_GT(row.BidItemCost, 0.0);
            if (p->ActivityUserCostModes[slot] == kIncludeUserCosts && !row.Gridlock) {
                EXPECT_GT(row.TimeRelatedCost, 0.0);
                continue;
            }
            EXPECT_EQ(row.UserCost, 0.0);
            EXPECT_EQ(row.TimeRelatedCost, 0.0);
            EXPECT_EQ(row.UserPresentValue, 0.0);
            EXPECT_EQ(PresentTotal(row), row.BidItemPresentValue);
        }
    }
}

// Year by year: each activity's costs in its year, nothing in the years
// between, the salvage as a credit in the last year, and the present values
// adding up to the rows'. An alternative that is not valid has no figures.
TEST_P(StreamOfProject, YearTableHoldsEachActivityInItsYearAndTheCreditAtTheEnd) {
    const ExpenditureStream stream = StreamOf(*p);
    ASSERT_EQ(stream.Years.size(), static_cast<std::size_t>(p->AnalysisPeriod) + 1);
    for (int a = 0; a < p->NumberOfAlternatives; ++a) {
        SCOPED_TRACE("alternative " + std::to_string(a + 1));
        const RecordedAlternative& alternative = stream.Record.Alternatives[a];
        std::vector<YearFigures> expected(stream.Years.size());
        if (alternative.Status == IterationStatus::Valid) {
            for (int j = 0; j < alternative.ActivityCount; ++j) {
                const RecordedActivity& row = alternative.Activities[j];
                YearFigures& cell = expected[static_cast<std::size_t>(row.Year)];
                cell.Agency += UndiscountedAgency(row);
                cell.User += row.UserCost;
                cell.PresentTotal += PresentTotal(row);
            }
            if (alternative.Salvage) {
                expected.back().Agency -= alternative.Salvage->Amount;
                expected.back().PresentTotal -= alternative.Salvage->PresentValue;
            }
        }
        for (std::size_t year = 0; year < expected.size(); ++year) {
            SCOPED_TRACE("year " + std::to_string(year));
            const YearFigures& cell = stream.Years[year][a];
            EXPECT_DOUBLE_EQ(cell.Agency, expected[year].Agency);
            EXPECT_DOUBLE_EQ(cell.User, expected[year].User);
            EXPECT_DOUBLE_EQ(cell.Total, cell.Agency + cell.User);
            EXPECT_DOUBLE_EQ(cell.PresentTotal, expected[year].PresentTotal);
            EXPECT_DOUBLE_EQ(cell.PresentTotal, cell.PresentAgency + cell.PresentUser);
        }
    }
}

// The first alternative's status and which of its rows gridlock, as each
// case is built; only a valid alternative has money in the year table.
TEST_P(StreamOfProject, GridlocksShowWhereTheRunFoundThem) {
    const ExpenditureStream stream = StreamOf(*p);
    const RecordedAlternative& alternative = stream.Record.Alternatives[0];
    EXPECT_EQ(alternative.Status, GetParam().Status);
    std::vector<bool> gridlocks;
    for (int j = 0; j < alternative.ActivityCount; ++j) {
        gridlocks.push_back(alternative.Activities[j].Gridlock);
    }
    EXPECT_EQ(gridlocks, GetParam().Gridlocks);
    const bool anyMoney =
        std::any_of(stream.Years.begin(), stream.Years.end(),
                    [](const PerAlternative<YearFigures>& year) { return year[0].Agency != 0.0; });
    EXPECT_EQ(anyMoney, GetParam().Status == IterationStatus::Valid);
}

INSTANTIATE_TEST_SUITE_P(Cases, StreamOfProject, ::testing::ValuesIn(StreamCases()),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ExpenditureStreamTest, RefusesWhatTheRunRefusesTheSameWay) {
    auto p = PlainProject();
    Schedule(*p, 1, {{20, 1000.0}, {14, 500.0}}); // short of the period
    for (const Int32 type : {kDeterministicAnalysis, kProbabilisticAnalysis}) {
        p->AnalysisType = type;
        p->ActivityYearsKind.fill(kDeterministic);
        p->DiscountRateKind = type == kProbabilisticAnalysis ? kNormal : kDeterministic;
        p->DiscountRateMean = 4.0;
        p->DiscountRateMin = 5.0; // a minimum above the mean: refused
        p->DiscountRateMax = 6.0;
        Project run = *p;
        auto workspace = std::make_unique<AnalysisWorkspace>();
        const auto expected = RunAnalysis(run, *workspace, {kSeed, nullptr});
        ExpenditureStream stream;
        const auto refusal = ComputeExpenditureStream(*p, kSeed, nullptr, stream);
        ASSERT_EQ(refusal.has_value(), expected.has_value()) << type;
        if (refusal) {
            ASSERT_FALSE(refusal->Messages.empty());
            EXPECT_EQ(refusal->Messages.back().Caption, expected->Messages.back().Caption);
            EXPECT_EQ(refusal->Messages.back().Message, expected->Messages.back().Message);
        }
    }
}

// The run with a record asked for an iteration gives the same results as
// without, and records only that iteration.
TEST(ExpenditureStreamTest, RecordingChangesNothingTheRunStores) {
    auto p = PlainProject();
    StreamCases()[7].Build(*p);
    for (const int iteration : {0, 17, kProbabilisticIterations - 1}) {
        SCOPED_TRACE(iteration);
        Project plain = *p;
        Project recorded = *p;
        auto w1 = std::make_unique<AnalysisWorkspace>();
        auto w2 = std::make_unique<AnalysisWorkspace>();
        RunRecord record;
        record.Iteration = iteration;
        ASSERT_FALSE(RunAnalysis(plain, *w1, {kSeed, nullptr}).has_value());
        ASSERT_FALSE(RunAnalysis(recorded, *w2, {kSeed, nullptr, &record}).has_value());
        EXPECT_EQ(plain.AgencyNpvResults, recorded.AgencyNpvResults);
        EXPECT_EQ(plain.TotalNpvResults, recorded.TotalNpvResults);
        ASSERT_TRUE(record.Filled);
        EXPECT_EQ(record.DiscountRate, w1->DiscountRates[iteration]);
        for (int a = 0; a < p->NumberOfAlternatives; ++a) {
            EXPECT_EQ(record.Alternatives[a].AgencyNpv, w1->AgencyInIterationOrder[a][iteration]);
            EXPECT_EQ(record.Alternatives[a].UserNpv, w1->UserInIterationOrder[a][iteration]);
            EXPECT_EQ(record.Alternatives[a].TotalNpv, w1->TotalInIterationOrder[a][iteration]);
            EXPECT_EQ(record.Alternatives[a].Status, w1->Statuses[a][iteration]);
        }
    }
}

} // namespace
} // namespace wexa::stream_test
