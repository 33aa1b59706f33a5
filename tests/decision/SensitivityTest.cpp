#include "decision/Sensitivity.h"

#include "model/PortableMath.h"
#include "model/RoundValue.h"
#include "simulation/AnalysisRun.h"
#include "simulation/NamedCases.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace wexa {
namespace {

// A probabilistic project whose every input the base case has to fix: drawn
// rates and years, and agency cost variability. No work-zone user costs, so
// its base-case NPVs can be worked out by hand.
std::unique_ptr<Project> DrawnProject() {
    auto p = std::make_unique<Project>();
    p->AnalysisType = kProbabilisticAnalysis;
    p->AnalysisPeriod = 20;
    p->NumberOfAlternatives = 2;
    p->DiscountRateKind = kNormal; // 2, 4, 6
    p->TrafficGrowthKind = kUniform;
    p->ActivityUserCostModes.fill(kExcludeUserCosts);
    p->ActivityAgencyCostVariability.fill(10.0);
    p->ActivityTimeVariability.fill(10.0);
    p->ActivityYearsKind.fill(kNormal);
    return p;
}

// An activity of the alternative whose years to the next one are drawn
// around `years`.
void AddActivity(Project& p, int alternative, Int32 years, double bid) {
    const int slot = ActivitySlot(alternative, ++p.AlternativeActivityCount[alternative - 1]);
    p.ActivityYearsMin[slot] = years - 5;
    p.ActivityYearsExpected[slot] = years;
    p.ActivityYearsMax[slot] = years + 5;
    p.ActivityBidItemTotal[slot] = bid;
}

// Alternative 1 costs `amount` now; alternative 2 costs what `amount` grows
// to in ten years at `crossing` percent, and nothing now. Their NPVs are
// equal at that rate; below it alternative 1 is the cheaper.
std::unique_ptr<Project> CrossingProject(double crossing, double amount) {
    auto p = DrawnProject();
    AddActivity(*p, 1, 20, amount);
    AddActivity(*p, 2, 10, 0.0);
    AddActivity(*p, 2, 10, amount * Pow(1.0 + crossing * 0.01, 10.0));
    return p;
}

RateSensitivity Sweep(const Project& p, const RateRange& range) {
    RateSensitivity s;
    const auto refusal = SweepDiscountRate(p, range, s);
    EXPECT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    return s;
}

// The base case run on its own at `rate`, as a user would run it.
std::unique_ptr<Project> RunBaseCaseAt(const Project& p, double rate, std::uint32_t seed) {
    auto base = std::make_unique<Project>(p);
    MakeBaseCase(*base);
    base->DiscountRateMean = rate;
    auto w = std::make_unique<AnalysisWorkspace>();
    const auto refusal = RunAnalysis(*base, *w, {seed, nullptr});
    EXPECT_FALSE(refusal.has_value());
    return base;
}

TEST(RateSweep, EveryPointIsTheBaseCaseRunAtThatRate) {
    const auto p = CrossingProject(5.03, 1e6);
    // From 0.3 by 0.1, adding the step up drifts off from + k * step.
    const RateRange range{0.3, 1.5, 0.1};
    const RateSensitivity s = Sweep(*p, range);
    ASSERT_EQ(s.Points.size(), 13U);
    double accumulated = range.From;
    int drifted = 0;
    for (std::size_t k = 0; k < s.Points.size(); ++k) {
        const double rate = range.From + static_cast<int>(k) * range.Step;
        drifted += accumulated != rate ? 1 : 0;
        accumulated += range.Step;
        EXPECT_EQ(s.Points[k].Rate, rate) << k;
        // Another seed: the base case draws nothing that matters.
        const auto direct = RunBaseCaseAt(*p, rate, 4242);
        for (int a = 0; a < 2; ++a) {
            EXPECT_EQ(s.Points[k].Of(CostKind::Agency, a), direct->AgencyNpvResults[a][0]);
            EXPECT_EQ(s.Points[k].Of(CostKind::User, a), direct->UserNpvResults[a][0]);
            EXPECT_EQ(s.Points[k].Of(CostKind::Total, a), direct->TotalNpvResults[a][0]);
            EXPECT_EQ(s.Points[k].Status[a], IterationStatus::Valid);
        }
    }
    ASSERT_GT(drifted, 0) << "the range no longer tells the two ways apart";
}

TEST(RateSweep, BaseCaseTakesTheMiddleValuesAndNoVariability) {
    auto p = DrawnProject();
    AddActivity(*p, 1, 10, 1000.0);
    AddActivity(*p, 1, 15, 500.0); // closes in year 10 with 5 years left
    p->NumberOfAlternatives = 1;
    const RateSensitivity s = Sweep(*p, {4.0, 4.0, 1.0});
    ASSERT_EQ(s.Points.size(), 1U);
    const double agency = Rounded(1000.0 + 500.0 / Pow(1.04, 10.0), 0);
    const double salvage = 5.0 * 500.0 / 15.0 / Pow(1.04, 20.0);
    EXPECT_EQ(s.Points[0].Of(CostKind::Total, 0), static_cast<Int64>(agency - salvage));
    EXPECT_TRUE(s.Pairs.empty());
}

struct CrossingCase {
    const char* name;
    double crossing;
    double amount;
    bool tie; // the crossing falls on a grid rate, where the NPVs tie
};

class BreakEvenRate : public ::testing::TestWithParam<CrossingCase> {};

TEST_P(BreakEvenRate, LiesWhereTheOrderChanges) {
    const CrossingCase c = GetParam();
    const auto p = CrossingProject(c.crossing, c.amount);
    const RateSensitivity s = Sweep(*p, {});
    ASSERT_EQ(s.Points.size(), 101U);
    ASSERT_EQ(s.Pairs.size(), 3U); // one pair, three kinds
    for (const PairBreakEvens& pair : s.Pairs) {
        ASSERT_TRUE(pair.Comparable);
        if (pair.Kind == CostKind::User) {
            EXPECT_TRUE(pair.Changes.empty()); // no user costs on either side
            continue;
        }
        ASSERT_EQ(pair.Changes.size(), 1U);
        const BreakEven& b = pair.Changes[0];
        EXPECT_EQ(b.Tie, c.tie);
        EXPECT_LE(b.High - b.Low, kBreakEvenTolerance);
        EXPECT_NEAR(b.Rate, c.crossing, kBreakEvenTolerance);
        // Clear of the bracket, alternative 1 is cheaper below, dearer above.
        const double margin = 0.01;
        const auto below = RunBaseCaseAt(*p, b.Low - margin, 1);
        const auto above = RunBaseCaseAt(*p, b.High + margin, 1);
        EXPECT_LT(below->TotalNpvResults[0][0], below->TotalNpvResults[1][0]);
        EXPECT_GT(above->TotalNpvResults[0][0], above->TotalNpvResults[1][0]);
        EXPECT_EQ(b.CheaperBelow, 0);
        EXPECT_EQ(b.CheaperAbove, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Crossings, BreakEvenRate,
                         ::testing::Values(CrossingCase{"BetweenGridRates", 5.03, 1e6, false},
                                           // Rounded to whole dollars, the
                                           // NPVs tie only near 5 %.
                                           CrossingCase{"OnAGridRate", 5.0, 1e3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RateSweep, RefusedBaseCaseGivesTheRunsOwnRefusal) {
    auto p = CrossingProject(5.0, 1e3);
    p->ActivityYearsExpected[ActivitySlot(2, 2)] = 5; // alternative 2 falls short
    auto base = std::make_unique<Project>(*p);
    MakeBaseCase(*base);
    auto w = std::make_unique<AnalysisWorkspace>();
    const auto expected = RunAnalysis(*base, *w);
    ASSERT_TRUE(expected.has_value());

    RateSensitivity s;
    const auto refusal = SweepDiscountRate(*p, {}, s);
    ASSERT_TRUE(refusal.has_value());
    ASSERT_EQ(refusal->Messages.size(), expected->Messages.size());
    EXPECT_EQ(refusal->Messages.back().Message, expected->Messages.back().Message);
    EXPECT_EQ(refusal->Messages.back().Caption, expected->Messages.back().Caption);
    EXPECT_TRUE(s.Points.empty());
}

struct StoredFault {
    const char* name;
    void (*spoil)(Project&);
    const char* said; // part of the last message
};

class SensitivityOfARefusedProject : public ::testing::TestWithParam<StoredFault> {};

// The base case fixes every distribution at its middle value and every
// variability at 0, so it would run where the project as stored cannot:
// the sensitivity refuses it first, with the run's own messages, and runs
// nothing.
TEST_P(SensitivityOfARefusedProject, RefusesAsTheRunDoes) {
    auto p = CrossingProject(5.0, 1e3);
    GetParam().spoil(*p);
    auto stored = std::make_unique<Project>(*p);
    auto w = std::make_unique<AnalysisWorkspace>();
    const auto expected = RunAnalysis(*stored, *w);
    ASSERT_TRUE(expected.has_value());

    RunFeedback feedback;
    Sensitivity s;
    const auto refusal = RunSensitivity(*p, {}, s, &feedback);
    ASSERT_TRUE(refusal.has_value());
    ASSERT_EQ(refusal->Messages.size(), expected->Messages.size());
    for (std::size_t m = 0; m < expected->Messages.size(); ++m) {
        EXPECT_EQ(refusal->Messages[m].Message, expected->Messages[m].Message);
        EXPECT_EQ(refusal->Messages[m].Caption, expected->Messages[m].Caption);
    }
    EXPECT_NE(refusal->Messages.back().Message.find(GetParam().said), std::string::npos)
        << refusal->Messages.back().Message;
    EXPECT_TRUE(s.Rates.Points.empty());
    EXPECT_EQ(feedback.Current().Done, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, SensitivityOfARefusedProject, ::testing::Values(
    StoredFault{"NormalDiscountRateReversed", [](Project& p) { p.DiscountRateMin = 6.0; p.DiscountRateMean = 4.0; p.DiscountRateMax = 2.0; },
                "There is an error in the discount rate data."},
    StoredFault{"NormalGrowthRateReversed", [](Project& p) { p.TrafficGrowthKind = kNormal; p.TrafficGrowthMin = 3.0; p.TrafficGrowthMean = 2.0; p.TrafficGrowthMax = 1.0; },
                "There is an error in the traffic growth rate data."},
    StoredFault{"DiscountRateKind5", [](Project& p) { p.DiscountRateKind = 5; },
                "There is an error in the discount rate data."},
    StoredFault{"GrowthRateKindMinus1", [](Project& p) { p.TrafficGrowthKind = -1; },
                "There is an error in the traffic growth rate data."},
    StoredFault{"YearsReversed", [](Project& p) { p.ActivityYearsMin[ActivitySlot(2, 1)] = 15; p.ActivityYearsMax[ActivitySlot(2, 1)] = 5; },
                "There is an error in the work zone year data."},
    // The tornado scaled the bid by a factor that is not finite and named
    // the bid; the variability is what is wrong.
    StoredFault{"AgencyVariabilityNotFinite", [](Project& p) { p.ActivityAgencyCostVariability[ActivitySlot(1, 1)] = std::numeric_limits<double>::infinity(); },
                R"m(Alternative 1, work activity 1: "Agency Cost Variability" is inf)m"},
    StoredFault{"AgencyVariability250", [](Project& p) { p.ActivityAgencyCostVariability[ActivitySlot(1, 1)] = 250.0; },
                R"m("Agency Cost Variability" is 250: it must be between 0 and 100)m"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RateSweep, FeedbackCountsTheRatesAndACancelStopsTheSweep) {
    const auto p = CrossingProject(5.03, 1e6);
    RunFeedback watched;
    RateSensitivity s;
    ASSERT_FALSE(SweepDiscountRate(*p, {0.0, 1.0, 0.25}, s, &watched).has_value());
    EXPECT_EQ(watched.Current().Done, 5);
    EXPECT_EQ(watched.Current().Total, 5);

    RunFeedback cancelled;
    cancelled.Cancel();
    RateSensitivity untouched;
    const auto refusal = SweepDiscountRate(*p, {}, untouched, &cancelled);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->Cancelled);
    EXPECT_TRUE(refusal->Messages.empty());
    EXPECT_TRUE(untouched.Points.empty());
    EXPECT_EQ(cancelled.Current().Done, 0);
}

struct RangeCase {
    const char* name;
    RateRange range;
    int points; // 0: refused, for `fault`
    std::optional<RateRangeFault> fault = std::nullopt;
};

class RateRangeCheck : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RateRangeCheck, CountsTheRatesOrRefuses) {
    const RangeCase c = GetParam();
    int points = 0;
    const auto failure = CheckRateRange(c.range, points);
    EXPECT_EQ(FindRateRangeFault(c.range, points), c.fault);
    if (c.points == 0) {
        ASSERT_TRUE(failure.has_value());
        EXPECT_FALSE(failure->Message.empty());
        return;
    }
    ASSERT_FALSE(failure.has_value()) << failure->Message;
    EXPECT_EQ(points, c.points);
}

using testing::kNaN;
constexpr double kHuge = std::numeric_limits<double>::max();
using Fault = RateRangeFault;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ranges, RateRangeCheck,
                         ::testing::Values(RangeCase{"Default", {}, 101},
                                           RangeCase{"OneRate", {3.0, 3.0, 0.5}, 1},
                                           RangeCase{"ShortByARoundingError", {0.3, 0.9, 0.1}, 7},
                                           RangeCase{"PartStepLeftOver", {0.0, 1.0, 0.3}, 4},
                                           RangeCase{"MostRates", {0.0, 100.0, 0.1}, 1001},
                                           RangeCase{"SmallestStepGivesMostRates", {2.0, 7.0, SmallestStep({2.0, 7.0, 1.0})}, 1001},
                                           RangeCase{"TooManyRates", {0.0, 100.2, 0.1}, 0, Fault::TooManyRates},
                                           RangeCase{"SpanOverflows", {-99.0, kHuge, 1.0}, 0, Fault::TooManyRates},
                                           RangeCase{"ReversedBounds", {5.0, 4.0, 0.1}, 0, Fault::ToBelowFrom},
                                           RangeCase{"ZeroStep", {0.0, 1.0, 0.0}, 0, Fault::StepNotAboveZero},
                                           RangeCase{"NegativeStep", {0.0, 1.0, -0.1}, 0, Fault::StepNotAboveZero},
                                           RangeCase{"JustAboveMinus100", {-99.99, -99.0, 0.01}, 100},
                                           RangeCase{"FromMinus100", {-100.0, 0.0, 0.1}, 0, Fault::FromTooLow},
                                           RangeCase{"FromHugeBelowZero", {-kHuge, kHuge, 1.0}, 0, Fault::FromTooLow},
                                           RangeCase{"NotANumber", {kNaN, 1.0, 0.1}, 0, Fault::FromNotFinite},
                                           RangeCase{"LastNotANumber", {0.0, kNaN, 0.1}, 0, Fault::ToNotFinite},
                                           RangeCase{"StepNotANumber", {0.0, 1.0, kNaN}, 0, Fault::StepNotFinite}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace wexa
