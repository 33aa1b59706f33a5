#include "simulation/AnalysisRun.h"

#include "NamedCases.h"
#include "model/PortableMath.h"
#include "model/RoundValue.h"
#include "simulation/Distributions.h"
#include "simulation/RandomSource.h"
#include "support/SmallProjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace wexa {
namespace {

constexpr std::uint32_t kSeed = 12345;

struct RunFixture : ::testing::Test {
    std::unique_ptr<Project> p = PlainProject();
    std::unique_ptr<AnalysisWorkspace> w = std::make_unique<AnalysisWorkspace>();

    void Run() {
        const auto refusal = RunAnalysis(*p, *w, {kSeed, nullptr});
        ASSERT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    }
};

using AnalysisRunTest = RunFixture;

TEST_F(AnalysisRunTest, ClosingActivityEarnsSalvageCreditDiscountedOverThePeriod) {
    Schedule(*p, 1, {{20, 1000.0}, {20, 500.0}}); // closes in year 20 with 5 years left
    Run();

    const double f20 = Pow(1.0 + 4.0 * 0.01, 20.0);
    const double f35 = Pow(1.0 + 4.0 * 0.01, 35.0);
    const double agency = Rounded(0.0 + (0.0 + 1000.0 / 1.0 + 500.0 / f20), 0);
    const double salvage = (20.0 + 20.0 - 35.0) * 500.0 / 20.0 / f35;
    EXPECT_EQ(p->IterationCount, 1);
    EXPECT_EQ(p->AgencyNpvResults[0][0], static_cast<Int64>(agency - salvage));
    EXPECT_EQ(p->UserNpvResults[0][0], 0);
    EXPECT_EQ(p->TotalNpvResults[0][0], static_cast<Int64>(agency - salvage));
    EXPECT_EQ(p->ValidCounts[0], 1);
    EXPECT_EQ(p->InvalidCounts[0], 0);
}

TEST_F(AnalysisRunTest, ScheduleEndingExactlyAtThePeriodEarnsNoCredit) {
    Schedule(*p, 1, {{15, 1000.0}, {20, 500.0}});
    Run();
    const double f15 = Pow(1.04, 15.0);
    EXPECT_EQ(p->AgencyNpvResults[0][0], static_cast<Int64>(Rounded(1000.0 + 500.0 / f15, 0)));
}

TEST_F(AnalysisRunTest, DeterministicRunRefusesExpectedYearsShortOfThePeriod) {
    Schedule(*p, 1, {{20, 1000.0}, {14, 500.0}});
    p->AgencyNpvResults[0][0] = 777;
    const auto refusal = RunAnalysis(*p, *w, {kSeed, nullptr});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Messages.back().Caption, "Scheduled Work Zone Error");
    EXPECT_EQ(refusal->Messages.back().FocusField, "YearsToNextExpected");
    EXPECT_EQ(p->AgencyNpvResults[0][0], 777) << "a refused run keeps the previous results";

    Schedule(*p, 1, {{20, 1000.0}, {15, 500.0}});
    Run();
}

TEST_F(AnalysisRunTest, ScheduleFallingShortMarksEveryIterationAFailure) {
    p->AnalysisType = kProbabilisticAnalysis;
    Schedule(*p, 1, {{10, 1000.0}, {10, 500.0}});
    Run();
    EXPECT_EQ(p->IterationCount, kProbabilisticIterations);
    EXPECT_EQ(p->FailureCounts[0], kProbabilisticIterations);
    EXPECT_EQ(p->GridlockCounts[0], 0);
    EXPECT_EQ(p->ValidCounts[0], 0);
    EXPECT_EQ(p->InvalidCounts[0], kProbabilisticIterations);
    EXPECT_EQ(w->AgencyInIterationOrder[0][4999], -2);
    EXPECT_EQ(w->TotalInIterationOrder[0][0], -2);
    EXPECT_EQ(w->Statuses[0][17], IterationStatus::Failure);
}

TEST_F(AnalysisRunTest, GridlockInTheClosingActivityMarksTheIteration) {
    Schedule(*p, 1, {{40, 1000.0}});
    MakeGridlock(*p, 0);
    Run();
    EXPECT_EQ(p->AgencyNpvResults[0][0], -1);
    EXPECT_EQ(p->UserNpvResults[0][0], -1);
    EXPECT_EQ(p->TotalNpvResults[0][0], -1);
    EXPECT_EQ(p->GridlockCounts[0], 1);
    EXPECT_EQ(w->Statuses[0][0], IterationStatus::Gridlock);
}

TEST_F(AnalysisRunTest, GridlockInAnEarlierActivityLeavesOnlyItsBidCost) {
    Schedule(*p, 1, {{10, 1000.0}, {30, 500.0}});
    MakeGridlock(*p, 0);
    p->TimeItemUnitPrices[0] = 99.0; // would count if the gridlocked activity were priced
    Run();
    const double f10 = Pow(1.04, 10.0);
    const double f35 = Pow(1.04, 35.0);
    const double agency = Rounded(1000.0 + 500.0 / f10, 0);
    const double salvage = (10.0 + 30.0 - 35.0) * 500.0 / 30.0 / f35;
    EXPECT_EQ(p->AgencyNpvResults[0][0], static_cast<Int64>(agency - salvage));
    EXPECT_EQ(p->UserNpvResults[0][0], 0);
    EXPECT_EQ(p->GridlockCounts[0], 0);
    EXPECT_EQ(w->Statuses[0][0], IterationStatus::Valid);
}

TEST_F(AnalysisRunTest, IncludedActivityAddsUserAndTimeRelatedCosts) {
    Schedule(*p, 1, {{40, 1000.0}});
    const int slot = 0;
    p->ActivityUserCostModes[slot] = kIncludeUserCosts;
    p->ActivityRequiredTime[slot] = 16;
    p->ActivityDaysToComplete[slot] = 3; // as stored, not recomputed
    p->TimeItemUnits[0] = kPerHour;
    p->TimeItemUnitPrices[0] = 10.0;
    p->TimeItemUnits[1] = kPerDay;
    p->TimeItemUnitPrices[1] = 100.0;
    p->ActivityWorkZoneSpeed[slot] = 40; // slower than the posted 55: a reduced-speed cost
    p->ActivityStartHour[slot] = 8;
    p->ActivityStopHour[slot] = 16;
    p->ActivityHoursInEffect[slot] = 8;
    p->BaseYearAADT = 5000;
    Run();

    const double timeRelated = 16.0 * 10.0 + 3.0 * 100.0 + 0.0;
    const double salvage = (40.0 - 35.0) * (1000.0 + timeRelated) / 40.0 / Pow(1.04, 35.0);
    const Int64 user = p->UserNpvResults[0][0];
    EXPECT_GT(user, 0);
    EXPECT_EQ(p->AgencyNpvResults[0][0],
              static_cast<Int64>(Rounded(timeRelated + 1000.0, 0) - salvage));
    EXPECT_EQ(
        p->TotalNpvResults[0][0],
        static_cast<Int64>(Rounded(timeRelated + 1000.0 + static_cast<double>(user), 0) - salvage));
}

TEST_F(AnalysisRunTest, DiscountAndGrowthRatesShareTheirUniform) {
    p->AnalysisType = kProbabilisticAnalysis;
    p->DiscountRateKind = kUniform;
    p->DiscountRateMin = 2.0;
    p->DiscountRateMax = 6.0;
    p->TrafficGrowthKind = kUniform;
    p->TrafficGrowthMin = 0.0;
    p->TrafficGrowthMax = 10.0;
    Schedule(*p, 1, {{40, 1000.0}});
    Run();

    // Replay the first iteration's draws: two uniforms, the first shared.
    RandomSource source(kSeed);
    const double u1 = source.DrawUniform();
    EXPECT_EQ(w->DiscountRates[0], 2.0 + (6.0 - 2.0) * u1);
    EXPECT_EQ(w->GrowthRates[0], 0.0 + (10.0 - 0.0) * u1);
    EXPECT_EQ(w->Seed, kSeed);
    for (int i = 0; i < kProbabilisticIterations; i += 97) {
        EXPECT_EQ((w->DiscountRates[i] - 2.0) / 4.0 > 0.5, w->GrowthRates[i] / 10.0 > 0.5);
    }
}

TEST_F(AnalysisRunTest, ZeroClosingIntervalGivesNoCredit) {
    // The first interval is drawn from 34 + sqrt(u): below the period, but
    // the next year rounds to 35 whenever sqrt(u) >= 0.5, and the second
    // activity then closes with an interval of 0; otherwise it falls short.
    p->AnalysisType = kProbabilisticAnalysis;
    Schedule(*p, 1, {{35, 1000.0}, {0, 500.0}});
    p->ActivityYearsKind[0] = kTriangular;
    p->ActivityYearsMin[0] = 34;
    p->ActivityYearsMax[0] = 35;
    Run();
    const double expected = Rounded(1000.0 + 500.0 / Pow(1.04, 35.0), 0);
    int closedAtThePeriod = 0;
    for (int i = 0; i < kProbabilisticIterations; ++i) {
        if (w->AgencyInIterationOrder[0][i] == static_cast<Int64>(expected)) {
            ++closedAtThePeriod;
        }
    }
    EXPECT_GT(closedAtThePeriod, 1000);
    EXPECT_EQ(closedAtThePeriod + p->FailureCounts[0], kProbabilisticIterations);
}

TEST_F(AnalysisRunTest, SameSeedGivesTheSameResultsBitForBit) {
    p->AnalysisType = kProbabilisticAnalysis;
    p->DiscountRateKind = kNormal;
    p->DiscountRateMin = 2.0;
    p->DiscountRateMean = 4.0;
    p->DiscountRateMax = 6.0;
    Schedule(*p, 1, {{12, 1000.0}, {12, 800.0}, {12, 600.0}});
    for (int slot = 0; slot < 3; ++slot) {
        p->ActivityYearsKind[slot] = kTruncatedNormal;
        p->ActivityYearsMin[slot] = 3;
        p->ActivityYearsMax[slot] = 4;
        p->ActivityAgencyCostVariability[slot] = 10.0;
    }
    Run();
    const auto first = std::make_unique<AnalysisWorkspace>(*w);
    const auto firstProject = std::make_unique<Project>(*p);
    Run();
    EXPECT_EQ(w->AgencyInIterationOrder, first->AgencyInIterationOrder);
    EXPECT_EQ(w->DiscountRates, first->DiscountRates);
    EXPECT_EQ(p->AgencyNpvPercentiles, firstProject->AgencyNpvPercentiles);
    EXPECT_EQ(p->FailureCounts, firstProject->FailureCounts);
}

TEST(AnalysisRunChecks, StructuralRefusalComesFirstAndTouchesNothing) {
    auto p = PlainProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    p->NumberOfAlternatives = 7;
    p->DiscountRateKind = kNormal; // would fail too, but later
    p->DiscountRateMean = 5.0;
    p->IterationCount = 42;
    const auto refusal = RunAnalysis(*p, *w, {kSeed, nullptr});
    ASSERT_TRUE(refusal.has_value());
    ASSERT_EQ(refusal->Messages.size(), 1u);
    EXPECT_EQ(refusal->Messages[0].Caption, "Project Data Error");
    EXPECT_EQ(p->IterationCount, 42);
}

TEST(AnalysisRunChecks, NormalDiscountRateGetsItsExplanationFirst) {
    auto p = PlainProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    Schedule(*p, 1, {{40, 1.0}});
    p->DiscountRateKind = kNormal;
    p->DiscountRateMin = 2.0;
    p->DiscountRateMean = 5.0;
    p->DiscountRateMax = 6.0;
    const auto refusal = RunAnalysis(*p, *w, {kSeed, nullptr});
    ASSERT_TRUE(refusal.has_value());
    ASSERT_EQ(refusal->Messages.size(), 2u);
    EXPECT_EQ(refusal->Messages[0].Message,
              "There is an error in the discount rate data.\nThe mean must be centered between "
              "the min and max.\nPlease adjust accordingly.");
    EXPECT_EQ(refusal->Messages[1].Message,
              "There is an error in the discount rate data.\nPlease adjust accordingly.");
    EXPECT_EQ(refusal->Messages[1].FocusField, "DiscountRateKind");

    p->DiscountRateKind = kUniform; // the same values are in order for a Uniform
    p->TrafficGrowthKind = kTruncatedNormal;
    p->TrafficGrowthMin = -1.0;
    const auto growth = RunAnalysis(*p, *w, {kSeed, nullptr});
    ASSERT_TRUE(growth.has_value());
    EXPECT_EQ(growth->Messages.back().Caption, "Traffic Growth Rate Error");
}

TEST(AnalysisRunChecks, NegativeYearsAreRefusedForTheFirstFailingActivity) {
    auto p = PlainProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    p->NumberOfAlternatives = 2;
    Schedule(*p, 1, {{40, 1.0}});
    Schedule(*p, 2, {{20, 1.0}, {20, 1.0}});
    p->ActivityYearsKind[ActivitySlot(2, 2)] = kUniform;
    p->ActivityYearsMin[ActivitySlot(2, 2)] = -1;
    const auto refusal = RunAnalysis(*p, *w, {kSeed, nullptr});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Messages.back().Message,
              "There is an error in the work zone year data.\nPlease adjust accordingly.");
    EXPECT_EQ(refusal->Messages.back().FocusField, "YearsToNextKind");
}

// --- Figures that cannot be stored ------------------------------------------

// Alternative 1 prices a work zone in its second activity, in year 21 (an
// odd year, so that a growth rate below -100 % turns its traffic negative);
// alternative 2 is one activity in year 0 whose service life runs 5 years
// past the period.
std::unique_ptr<Project> PricedProject() {
    auto p = PlainProject();
    p->AnalysisType = kProbabilisticAnalysis;
    p->NumberOfAlternatives = 2;
    Schedule(*p, 1, {{21, 1000.0}, {20, 2000.0}});
    Schedule(*p, 2, {{40, 1000.0}});
    const int zone = ActivitySlot(1, 2);
    p->ActivityUserCostModes[zone] = kIncludeUserCosts;
    p->BaseYearAADT = 30000;
    p->ActivityRequiredTime[zone] = 70;
    p->ActivityStartHour[zone] = 8;
    p->ActivityHoursInEffect[zone] = 7;
    p->ActivityStopHour[zone] = 15;
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        p->TimeItemUnits[TimeItemSlot(zone, row)] = kPerHour;
        p->TimeItemUnitPrices[TimeItemSlot(zone, row)] = 10.0;
    }
    return p;
}

// Results no run of these projects gives, so that any cell a refused run
// wrote would show.
void FillWithEarlierResults(Project& p) {
    p.IterationCount = 77;
    p.AgencyNpvResults[0].fill(11);
    p.UserNpvResults[1].fill(22);
    p.TotalNpvResults[0].fill(33);
    p.GridlockCounts.fill(3);
    p.FailureCounts.fill(4);
    p.ValidCounts.fill(5);
    p.InvalidCounts.fill(6);
    p.AgencyNpvPercentiles[0].fill(44);
    p.TotalCumulativePercents[1].fill(55.5);
}

void ExpectSameResults(const Project& actual, const Project& expected) {
    EXPECT_EQ(actual.IterationCount, expected.IterationCount);
    EXPECT_EQ(actual.AgencyNpvResults, expected.AgencyNpvResults);
    EXPECT_EQ(actual.UserNpvResults, expected.UserNpvResults);
    EXPECT_EQ(actual.TotalNpvResults, expected.TotalNpvResults);
    EXPECT_EQ(actual.GridlockCounts, expected.GridlockCounts);
    EXPECT_EQ(actual.FailureCounts, expected.FailureCounts);
    EXPECT_EQ(actual.ValidCounts, expected.ValidCounts);
    EXPECT_EQ(actual.InvalidCounts, expected.InvalidCounts);
    EXPECT_EQ(actual.AgencyNpvPercentiles, expected.AgencyNpvPercentiles);
    EXPECT_EQ(actual.TotalCumulativePercents, expected.TotalCumulativePercents);
}

void FixRate(Int32& kind, double& mean, double rate) {
    kind = kDeterministic;
    mean = rate;
}

struct Unstorable {
    const char* name;
    void (*spoil)(Project&);
    std::vector<std::string> said; // parts of the message
};

class UnstorableFigure : public ::testing::TestWithParam<Unstorable> {};

TEST_P(UnstorableFigure, StopsTheRunNamingWhereAndWhyAndKeepsTheEarlierResults) {
    auto p = PricedProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    // The project as it is gives results.
    ASSERT_FALSE(RunAnalysis(*p, *w, {kSeed, nullptr}).has_value());
    ASSERT_GT(p->UserNpvResults[0][0], 0) << "the work zone should cost its users something";

    FillWithEarlierResults(*p);
    GetParam().spoil(*p);
    const auto earlier = std::make_unique<Project>(*p);
    const auto refusal = RunAnalysis(*p, *w, {kSeed, nullptr});
    ASSERT_TRUE(refusal.has_value());
    ASSERT_EQ(refusal->Messages.size(), 1u);
    EXPECT_EQ(refusal->Messages[0].Caption, "Project Data Error");
    for (const std::string& part : GetParam().said) {
        EXPECT_THAT(refusal->Messages[0].Message, ::testing::HasSubstr(part));
    }
    // Inputs are named as the form shows them, never by a field's code name
    // ("ActivityBidItemTotal"). (std::regex: GoogleTest's own regular
    // expressions on Windows know no brackets.)
    const std::regex codeName("[A-Z][a-z]+[A-Z][a-z]+");
    EXPECT_FALSE(std::regex_search(refusal->Messages[0].Message, codeName))
        << refusal->Messages[0].Message;
    ExpectSameResults(*p, *earlier);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Figures, UnstorableFigure, ::testing::Values(
    Unstorable{"UserCostNotANumber", [](Project& p) { p.DelayRatePassengerCar = 1e305; },
               {"Alternative 1, work activity 2: the work zone user cost of the activity in year 21 (iteration 1) comes out",
                R"m(user cost rates ("Value of Time ($/Veh-hr)" in the "Delay Cost Rates" dialog; "Idling Cost ($/Veh-Hr)", "Added Cost ($/1000 Stops)" and "Added Time (Hr/1000 Stops)" in the "Added Time, Vehicle Running and Idling Costs" dialog))m",
                "traffic growth rate of 4 %"}},
    Unstorable{"UserCostPast64Bits", [](Project& p) { p.DelayRatePassengerCar = 1e100; },
               {"Alternative 1, work activity 2: the work zone user cost", "beyond the whole dollar amounts"}},
    // Past 2^53 a double skips whole dollars: a total 5e18 + 532115 came out
    // $659 short of its parts.
    Unstorable{"BidPast2To53", [](Project& p) { p.ActivityBidItemTotal[ActivitySlot(2, 1)] = 5e18; },
               {"Alternative 2, work activity 1: the agency cost of the activity in year 0", "comes out as 5e+18",
                "beyond the whole dollar amounts that are exact (below 2^53"}},
    Unstorable{"BidAt2To53", [](Project& p) { p.ActivityBidItemTotal[ActivitySlot(2, 1)] = 9007199254740992.0; },
               {"Alternative 2, work activity 1: the agency cost", "comes out as 9.00719925474099e+15"}},
    // Each part below 2^53, their NPVs added past it.
    Unstorable{"AgencyNpvPast2To53", [](Project& p) {
                   p.ActivityBidItemTotal[ActivitySlot(1, 1)] = 8e15;
                   p.ActivityBidItemTotal[ActivitySlot(1, 2)] = 4e15; },
               {"Alternative 1, work activity 2: the agency NPV up to the activity in year 21", "beyond the whole dollar amounts that are exact"}},
    Unstorable{"GrowthToMinusInfinity", [](Project& p) { FixRate(p.TrafficGrowthKind, p.TrafficGrowthMean, -1e26); },
               {"Alternative 1, work activity 2: the traffic grown to year 21 (iteration 1) at a traffic growth rate of -1e+26 %",
                "an AADT below 0 or no finite number at all"}},
    Unstorable{"BidPast64Bits", [](Project& p) { p.ActivityBidItemTotal[ActivitySlot(2, 1)] = 1e19; },
               {"Alternative 2, work activity 1: the agency cost of the activity in year 0", "comes out as 1e+19",
                R"m("Bid Items Total Cost" in the "Bid Items" dialog)m"}},
    Unstorable{"TimeRelatedCostNotANumber", [](Project& p) { p.TimeItemUnitPrices[TimeItemSlot(ActivitySlot(1, 2), 1)] = 1e307; },
               {"Alternative 1, work activity 2: the agency cost", "comes out as no number at all (NaN)",
                R"m("Unit Price" in the "Costs Dependent on Time of Construction" dialog with the hours and days it is priced on ("Required Time to Complete Work Activity" and "Days to Complete Work Activity Based on Work Zone Timing" in the "Work Zone User Costs" dialog), and "Agency Cost Variability")m"}},
    Unstorable{"DrawnDiscountRateOfMinus100", [](Project& p) { FixRate(p.DiscountRateKind, p.DiscountRateMean, -100.0); },
               {"Alternative 1, work activity 2: the agency NPV up to the activity in year 21", "discount rate (-100 %)"}},
    Unstorable{"SalvageCreditPast2To53", [](Project& p) {
                   FixRate(p.DiscountRateKind, p.DiscountRateMean, -50.0);
                   p.ActivityBidItemTotal[ActivitySlot(2, 1)] = 9e15; },
               {"Alternative 2, work activity 1: the agency NPV", "discount rate (-50 %)"}},
    Unstorable{"GrowthBelowMinus100", [](Project& p) { FixRate(p.TrafficGrowthKind, p.TrafficGrowthMean, -350.0); },
               {"Alternative 1, work activity 2: the traffic grown to year 21 (iteration 1) at a traffic growth rate of -350 %",
                "AADT below 0", R"m(truck percentages ("% Trucks", "% SU Trucks", "% CU Trucks"))m",
                R"m(Please adjust "Traffic Growth Rate (%)".)m"}},
    Unstorable{"DeterministicRunDrawsMinus100", [](Project& p) {
                   p.AnalysisType = kDeterministicAnalysis;
                   p.DiscountRateKind = kUniform;
                   p.DiscountRateMin = -150.0;
                   p.DiscountRateMean = -125.0;
                   p.DiscountRateMax = -100.0; },
               {R"m(The discount rate the deterministic run uses (drawn from the distribution of "Discount Rate (%)") is -)m",
                "must be greater than -100 %"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// At the limits the figures are still results: traffic that shrinks to
// nothing, and a discount rate just above -100 % over a short period.
TEST(UnstorableFigure, LimitsThatStillGiveResults) {
    auto p = PricedProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    FixRate(p->TrafficGrowthKind, p->TrafficGrowthMean, -100.0);
    ASSERT_FALSE(RunAnalysis(*p, *w, {kSeed, nullptr}).has_value());
    EXPECT_EQ(p->ValidCounts[0], kProbabilisticIterations);

    p = PricedProject();
    FixRate(p->DiscountRateKind, p->DiscountRateMean, -99.0);
    p->AnalysisPeriod = 2;
    Schedule(*p, 1, {{2, 1000.0}});
    ASSERT_FALSE(RunAnalysis(*p, *w, {kSeed, nullptr}).has_value());
    EXPECT_EQ(p->AgencyNpvResults[0][0], 1000);
}

// Just below 2^53 whole dollars are still exact: the total is its parts.
TEST(UnstorableFigure, FiguresJustBelow2To53AreResultsWhoseTotalIsTheSum) {
    auto p = PricedProject();
    p->AnalysisType = kDeterministicAnalysis;
    Schedule(*p, 2, {{35, 9007199254000000.0}});
    auto w = std::make_unique<AnalysisWorkspace>();
    ASSERT_FALSE(RunAnalysis(*p, *w, {kSeed, nullptr}).has_value());
    EXPECT_EQ(p->AgencyNpvResults[1][0], 9007199254000000);
    EXPECT_EQ(p->TotalNpvResults[1][0], 9007199254000000);
}

// A probabilistic project whose run draws every iteration anew.
std::unique_ptr<Project> DrawingProject() {
    auto p = PlainProject();
    p->AnalysisType = kProbabilisticAnalysis;
    p->DiscountRateKind = kUniform;
    p->DiscountRateMin = 2.0;
    p->DiscountRateMax = 6.0;
    Schedule(*p, 1, {{40, 1000.0}});
    p->ActivityAgencyCostVariability[0] = 10.0;
    return p;
}

TEST(AnalysisRunFeedback, FinishedRunReportsEveryIterationDone) {
    auto p = DrawingProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    RunFeedback feedback;
    ASSERT_FALSE(RunAnalysis(*p, *w, {kSeed, &feedback}).has_value());
    EXPECT_EQ(feedback.Current().Done, kProbabilisticIterations);
    EXPECT_EQ(feedback.Current().Total, kProbabilisticIterations);
    EXPECT_EQ(p->IterationCount, kProbabilisticIterations);
}

TEST(AnalysisRunFeedback, CancelledRunStopsAfterTheIterationAtHandAndKeepsTheResults) {
    auto p = DrawingProject();
    auto w = std::make_unique<AnalysisWorkspace>();
    ASSERT_FALSE(RunAnalysis(*p, *w, {kSeed, nullptr}).has_value());
    const auto before = std::make_unique<Project>(*p);
    p->DiscountRateMax = 9.0; // a rerun would change every result

    RunFeedback feedback;
    feedback.Cancel();
    const auto refusal = RunAnalysis(*p, *w, {kSeed + 1, &feedback});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->Cancelled);
    EXPECT_TRUE(refusal->Messages.empty());
    EXPECT_EQ(feedback.Current().Done, 1);
    p->DiscountRateMax = before->DiscountRateMax;
    EXPECT_TRUE(*p == *before);
}

// The window runs on a copy and takes its results back: the original must
// end up as if it had been run itself, with its own inputs kept.
TEST(AnalysisRunFeedback, ResultsCopiedFromARunCopyAreTheWholeRun) {
    for (const Int32 type : {kDeterministicAnalysis, kProbabilisticAnalysis}) {
        auto original = DrawingProject();
        original->AnalysisType = type;
        auto copy = std::make_unique<Project>(*original);
        auto w = std::make_unique<AnalysisWorkspace>();
        ASSERT_FALSE(RunAnalysis(*copy, *w, {kSeed, nullptr}).has_value());
        ASSERT_FALSE(*original == *copy);
        original->ProjectDescription = "edited while it ran";
        CopyRunResults(*copy, *original);
        EXPECT_EQ(original->ProjectDescription, "edited while it ran");
        original->ProjectDescription = copy->ProjectDescription;
        EXPECT_TRUE(*original == *copy) << type;
    }
}

} // namespace
} // namespace wexa
