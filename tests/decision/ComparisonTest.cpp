#include "decision/Comparison.h"

#include "simulation/NamedCases.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace wexa {
namespace {

constexpr auto V = IterationStatus::Valid;
constexpr auto G = IterationStatus::Gridlock;
constexpr auto F = IterationStatus::Failure;

// A finished run written by hand: the statuses, NPVs and rates of each
// iteration are where the test puts them.
struct HandRun {
    std::unique_ptr<Project> project = std::make_unique<Project>();
    std::unique_ptr<AnalysisWorkspace> workspace = std::make_unique<AnalysisWorkspace>();

    HandRun(int alternatives, int iterations) {
        project->NumberOfAlternatives = alternatives;
        project->IterationCount = iterations;
        project->AnalysisPeriod = 10;
    }

    // One iteration of every alternative: its status and total NPV. The
    // agency NPVs are the totals reversed in sign and the user NPVs all
    // equal, so a kind read from the wrong table shows.
    void Set(int i, std::vector<IterationStatus> statuses, std::vector<Int64> totals) {
        for (std::size_t a = 0; a < statuses.size(); ++a) {
            workspace->Statuses[a][i] = statuses[a];
            workspace->TotalInIterationOrder[a][i] = totals[a];
            workspace->AgencyInIterationOrder[a][i] = -totals[a];
            workspace->UserInIterationOrder[a][i] = 7;
        }
    }

    [[nodiscard]] Comparison Compare(int percentile = kDefaultRiskPercentile) const {
        return CompareAlternatives(*project, *workspace, percentile);
    }
};

// Three alternatives over eight iterations with ties, gridlocks, failures
// and a valid NPV equal to a mark:
//
//   i   alt 1      alt 2      alt 3      compared  cheapest
//   0   100        200        300        yes       1
//   1   500        400        400        yes       2 and 3 tie
//   2   50 (G)     10         20         no: 1
//   3   70         70         70         yes       all three tie
//   4   -1         5          6          yes       1 (valid: -1 is no mark here)
//   5   300        -2 (F)     100        no: 2
//   6   250 (G)    260        -2 (F)     no: 1 and 3
//   7   900        800        700        yes       3
HandRun EightIterations() {
    HandRun run(3, 8);
    run.Set(0, {V, V, V}, {100, 200, 300});
    run.Set(1, {V, V, V}, {500, 400, 400});
    run.Set(2, {G, V, V}, {50, 10, 20});
    run.Set(3, {V, V, V}, {70, 70, 70});
    run.Set(4, {V, V, V}, {-1, 5, 6});
    run.Set(5, {V, F, V}, {300, -2, 100});
    run.Set(6, {G, V, F}, {250, 260, -2});
    run.Set(7, {V, V, V}, {900, 800, 700});
    return run;
}

TEST(Comparison, CheapestOverTheIterationsEveryAlternativeIsValidIn) {
    const Comparison c = EightIterations().Compare();
    EXPECT_FALSE(c.NothingToCompare());
    EXPECT_EQ(c.ComparedIterations, 5);
    EXPECT_EQ(c.LeftOut, 3);
    EXPECT_EQ(c.LeftOutBy, (PerAlternative<int>{2, 1, 1, 0}));

    // Alternative 1: 1 + 1/3 + 1 of 5; 2: 1/2 + 1/3; 3: 1/2 + 1/3 + 1. Each
    // share is the correctly rounded quotient, so it equals the fraction's.
    const CostComparison& total = c.Of(CostKind::Total);
    EXPECT_EQ(total.CheapestProbability[0], 7.0 / 15.0);
    EXPECT_EQ(total.CheapestProbability[1], 1.0 / 6.0);
    EXPECT_EQ(total.CheapestProbability[2], 11.0 / 30.0);
    EXPECT_FALSE(total.CheapestProbability[3].has_value());

    // Agency NPVs are the totals negated: alternative 3 is cheapest in
    // iterations 0 and 4, 1 in 1 and 7, the three tie in 3.
    const CostComparison& agency = c.Of(CostKind::Agency);
    EXPECT_EQ(agency.CheapestProbability[0], 7.0 / 15.0);
    EXPECT_EQ(agency.CheapestProbability[1], 1.0 / 15.0);
    EXPECT_EQ(agency.CheapestProbability[2], 7.0 / 15.0);
    // Equal user costs tie every time.
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(c.Of(CostKind::User).CheapestProbability[a], 1.0 / 3.0);
    }
}

struct PairCase {
    int a;
    int b;
    int iterations;
    double probabilityALower;
    Spread difference;
};

// Worked from the table above: the differences a − b over the iterations
// both are valid in, sorted, with the 10th, 50th and 90th percentiles at
// positions 1, 3, 5 of five values and 1, 3, 6 of six.
TEST(Comparison, PairsOverTheIterationsBothAreValidIn) {
    const std::vector<PairCase> cases{
        // 1 − 2 over 0, 1, 3, 4, 7: -100, 100, 0, -6, 100.
        {0, 1, 5, 5.0 / 10.0, {94.0 / 5.0, -100.0, 0.0, 100.0}},
        {1, 0, 5, 5.0 / 10.0, {-94.0 / 5.0, -100.0, 0.0, 100.0}},
        // 1 − 3 over 0, 1, 3, 4, 5, 7: -200, 100, 0, -7, 200, 200.
        {0, 2, 6, 5.0 / 12.0, {293.0 / 6.0, -200.0, 0.0, 200.0}},
        // 3 − 1: 200, -100, 0, 7, -200, -200; nearest rank is not symmetric,
        // so its median is not minus the other's.
        {2, 0, 6, 7.0 / 12.0, {-293.0 / 6.0, -200.0, -100.0, 200.0}},
        // 2 − 3 over 0, 1, 2, 3, 4, 7: -100, 0, -10, 0, -1, 100.
        {1, 2, 6, 8.0 / 12.0, {-11.0 / 6.0, -100.0, -1.0, 100.0}},
        // 3 − 2: 100, 0, 10, 0, 1, -100.
        {2, 1, 6, 4.0 / 12.0, {11.0 / 6.0, -100.0, 0.0, 100.0}},
    };
    const Comparison c = EightIterations().Compare();
    const CostComparison& total = c.Of(CostKind::Total);
    for (const PairCase& expected : cases) {
        const PairComparison& pair = total.Pairs[expected.a][expected.b];
        SCOPED_TRACE(::testing::Message() << expected.a + 1 << " against " << expected.b + 1);
        EXPECT_EQ(pair.Iterations, expected.iterations);
        EXPECT_EQ(pair.ProbabilityALower, expected.probabilityALower);
        ASSERT_TRUE(pair.Difference.has_value());
        EXPECT_EQ(pair.Difference->Mean, expected.difference.Mean);
        EXPECT_EQ(pair.Difference->P10, expected.difference.P10);
        EXPECT_EQ(pair.Difference->P50, expected.difference.P50);
        EXPECT_EQ(pair.Difference->P90, expected.difference.P90);
    }
    for (int a = 0; a < kMaxAlternatives; ++a) {
        EXPECT_FALSE(total.Pairs[a][a].ProbabilityALower.has_value());
        EXPECT_FALSE(total.Pairs[a][3].Difference.has_value()) << "no fourth alternative";
    }
    // The user costs are equal: every pair ties, differences are 0.
    EXPECT_EQ(c.Of(CostKind::User).Pairs[0][2].ProbabilityALower, 0.5);
    EXPECT_EQ(c.Of(CostKind::User).Pairs[0][2].Difference->P90, 0.0);
}

struct RiskCase {
    const char* name;
    int percentile;
    std::optional<Int64> alt1, alt2, alt3; // NPV at the percentile
    int choice;
};

class RiskChoiceTest : public ::testing::TestWithParam<RiskCase> {};

// Valid totals, sorted: alternative 1 -1 70 100 300 500 900 (six),
// 2: 5 10 70 200 260 400 800 (seven), 3: 6 20 70 100 300 400 700 (seven).
TEST_P(RiskChoiceTest, LowestNpvAtThePercentileLowerNumberOnATie) {
    const RiskCase& c = GetParam();
    const Comparison comparison = EightIterations().Compare(c.percentile);
    const CostComparison& total = comparison.Of(CostKind::Total);
    EXPECT_EQ(total.NpvAtRisk[0], c.alt1);
    EXPECT_EQ(total.NpvAtRisk[1], c.alt2);
    EXPECT_EQ(total.NpvAtRisk[2], c.alt3);
    EXPECT_EQ(total.RiskChoice, c.choice);
}

INSTANTIATE_TEST_SUITE_P(
    Percentiles, RiskChoiceTest,
    ::testing::Values(RiskCase{"First", 1, -1, 5, 6, 0}, RiskCase{"TwentyFifth", 25, 70, 10, 20, 1},
                      // Positions 3, 4, 4: 100, 200, 100; the tie goes to alternative 1.
                      RiskCase{"MedianTie", 50, 100, 200, 100, 0},
                      RiskCase{"Ninetieth", 90, 900, 800, 700, 2},
                      RiskCase{"Hundredth", 100, 900, 800, 700, 2},
                      RiskCase{"ZeroClampedToFirst", 0, -1, 5, 6, 0},
                      RiskCase{"PastHundredClampedToLast", 250, 900, 800, 700, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Comparison, RiskPercentileIsClampedAndRecorded) {
    EXPECT_EQ(EightIterations().Compare(0).RiskPercentile, 1);
    EXPECT_EQ(EightIterations().Compare(101).RiskPercentile, 100);
    EXPECT_EQ(EightIterations().Compare(37).RiskPercentile, 37);
}

// Rate 0 spreads the NPV evenly over the 10 years; iteration 3's rate of
// -100 % has no EUAC, so it drops out of every alternative's.
TEST(Comparison, EuacOverValidIterationsAtTheirOwnRates) {
    HandRun run = EightIterations();
    run.workspace->DiscountRates.fill(0.0);
    run.workspace->DiscountRates[3] = -100.0;
    const Comparison c = run.Compare();
    const CostComparison& total = c.Of(CostKind::Total);
    // Alternative 1 over iterations 0, 1, 4, 5, 7, summed in that order.
    ASSERT_TRUE(total.Euac[0].has_value());
    EXPECT_EQ(total.EuacIterations[0], 5);
    EXPECT_EQ(total.Euac[0]->Mean, (10.0 + 50.0 + -0.1 + 30.0 + 90.0) / 5);
    EXPECT_EQ(total.Euac[0]->P10, -0.1);
    EXPECT_EQ(total.Euac[0]->P50, 30.0);
    EXPECT_EQ(total.Euac[0]->P90, 90.0);
    // Alternative 2 over 0, 1, 2, 4, 6, 7: 20 40 1 0.5 26 80.
    EXPECT_EQ(total.EuacIterations[1], 6);
    EXPECT_EQ(total.Euac[1]->P50, 20.0);
    EXPECT_EQ(c.Of(CostKind::User).Euac[2]->P50, 0.7);
    EXPECT_EQ(c.Of(CostKind::Agency).Euac[2]->P90, -0.6);

    // A rate that is its own per iteration: 100 % over one year doubles.
    run.project->AnalysisPeriod = 1;
    run.workspace->DiscountRates.fill(100.0);
    EXPECT_EQ(run.Compare().Of(CostKind::Total).Euac[2]->P90, 1400.0);

    // No analysis period, no EUAC, but the comparison of NPVs stands.
    run.project->AnalysisPeriod = 0;
    const Comparison none = run.Compare();
    EXPECT_FALSE(none.Of(CostKind::Total).Euac[0].has_value());
    EXPECT_EQ(none.Of(CostKind::Total).EuacIterations[0], 0);
    EXPECT_EQ(none.Of(CostKind::Total).CheapestProbability[0], 7.0 / 15.0);
}

// Worked by hand. A deterministic run at 10 % over 2 years, totals $2100,
// $4200 and $2100:
// - cheapest: alternatives 1 and 3 tie, 1/2 each; alternative 2 never;
// - P(1 < 2) = 1, P(1 < 3) = 1/2 (a tie), P(2 < 1) = 0;
// - differences are single values: 1 − 2 = -2100, 2 − 3 = 2100, 1 − 3 = 0;
// - EUAC: (1.1)^2 = 1.21, factor 0.1 × 1.21 / 0.21 = 0.57619..., so
//   2100 → 1210 and 4200 → 2420 (to an ulp or two of double arithmetic);
// - at any risk percentile the NPVs are 2100, 4200, 2100: alternative 1.
TEST(Comparison, HandWorkedDeterministicRun) {
    HandRun run(3, 1);
    run.project->AnalysisType = kDeterministicAnalysis;
    run.project->AnalysisPeriod = 2;
    run.workspace->DiscountRates[0] = 10.0;
    run.Set(0, {V, V, V}, {2100, 4200, 2100});
    const Comparison c = run.Compare(90);
    EXPECT_FALSE(c.Probabilistic);
    EXPECT_EQ(c.Iterations, 1);
    EXPECT_EQ(c.ComparedIterations, 1);
    EXPECT_EQ(c.LeftOut, 0);

    const CostComparison& total = c.Of(CostKind::Total);
    EXPECT_EQ(total.CheapestProbability[0], 0.5);
    EXPECT_EQ(total.CheapestProbability[1], 0.0);
    EXPECT_EQ(total.CheapestProbability[2], 0.5);
    EXPECT_EQ(total.Pairs[0][1].ProbabilityALower, 1.0);
    EXPECT_EQ(total.Pairs[0][2].ProbabilityALower, 0.5);
    EXPECT_EQ(total.Pairs[1][0].ProbabilityALower, 0.0);
    for (const auto& [a, b, difference] :
         std::vector<std::tuple<int, int, double>>{{0, 1, -2100.0}, {1, 2, 2100.0}, {0, 2, 0.0}}) {
        const auto& spread = total.Pairs[a][b].Difference;
        ASSERT_TRUE(spread.has_value());
        EXPECT_EQ(total.Pairs[a][b].Iterations, 1);
        for (const double figure : {spread->Mean, spread->P10, spread->P50, spread->P90}) {
            EXPECT_EQ(figure, difference) << a + 1 << " − " << b + 1;
        }
    }
    ASSERT_TRUE(total.Euac[0].has_value() && total.Euac[1].has_value());
    EXPECT_NEAR(total.Euac[0]->Mean, 1210.0, 1e-9);
    EXPECT_NEAR(total.Euac[1]->Mean, 2420.0, 1e-9);
    EXPECT_EQ(total.Euac[1]->P10, total.Euac[1]->Mean);
    EXPECT_EQ(total.Euac[1]->P90, total.Euac[1]->Mean);
    EXPECT_EQ(total.RiskChoice, 0);
    EXPECT_EQ(total.NpvAtRisk[1], 4200);
}

TEST(Comparison, OneAlternativeHasNothingToCompareButItsEuac) {
    HandRun run(1, 3);
    run.Set(0, {V}, {100});
    run.Set(1, {G}, {-1});
    run.Set(2, {V}, {300});
    const Comparison c = run.Compare();
    EXPECT_TRUE(c.NothingToCompare());
    EXPECT_EQ(c.ComparedIterations, 0);
    EXPECT_EQ(c.LeftOut, 0);
    for (const CostKind kind : kAllCostKinds) {
        const CostComparison& k = c.Of(kind);
        EXPECT_FALSE(k.CheapestProbability[0].has_value());
        EXPECT_FALSE(k.RiskChoice.has_value());
        EXPECT_FALSE(k.NpvAtRisk[0].has_value());
        ASSERT_TRUE(k.Euac[0].has_value());
        EXPECT_EQ(k.EuacIterations[0], 2);
    }
    EXPECT_EQ(c.Of(CostKind::Total).Euac[0]->Mean, 20.0);
}

TEST(Comparison, AnAlternativeThatIsNeverValid) {
    HandRun run(3, 4);
    run.Set(0, {V, F, V}, {100, -2, 300});
    run.Set(1, {V, G, V}, {400, -1, 200});
    run.Set(2, {V, F, G}, {500, -2, -1});
    run.Set(3, {V, F, V}, {600, -2, 600});
    const Comparison c = run.Compare();
    EXPECT_EQ(c.ComparedIterations, 0);
    EXPECT_EQ(c.LeftOut, 4);
    EXPECT_EQ(c.LeftOutBy, (PerAlternative<int>{0, 4, 1, 0}));
    const CostComparison& total = c.Of(CostKind::Total);
    for (int a = 0; a < 3; ++a) {
        EXPECT_FALSE(total.CheapestProbability[a].has_value()) << "no value, not 0";
    }
    EXPECT_EQ(total.Pairs[0][1].Iterations, 0);
    EXPECT_FALSE(total.Pairs[0][1].ProbabilityALower.has_value());
    EXPECT_FALSE(total.Pairs[1][0].Difference.has_value());
    EXPECT_FALSE(total.Euac[1].has_value());
    EXPECT_FALSE(total.NpvAtRisk[1].has_value());
    // The other two still meet, in iterations 0, 1 and 3.
    EXPECT_EQ(total.Pairs[0][2].Iterations, 3);
    EXPECT_EQ(total.Pairs[0][2].ProbabilityALower, 3.0 / 6.0);
    EXPECT_EQ(total.Pairs[0][2].Difference->Mean, 0.0);
    // Alternative 1's median is 400 (position 2 of 4), 3's 300 (2 of 3).
    EXPECT_EQ(total.RiskChoice, 2);
}

TEST(Comparison, EveryIterationLeftOut) {
    HandRun run(2, 2);
    run.Set(0, {G, V}, {10, 20});
    run.Set(1, {V, F}, {30, 40});
    const Comparison c = run.Compare();
    EXPECT_EQ(c.ComparedIterations, 0);
    EXPECT_EQ(c.LeftOut, 2);
    const CostComparison& total = c.Of(CostKind::Total);
    EXPECT_FALSE(total.CheapestProbability[0].has_value());
    EXPECT_FALSE(total.CheapestProbability[1].has_value());
    EXPECT_EQ(total.Pairs[0][1].Iterations, 0);
    EXPECT_FALSE(total.Pairs[0][1].Difference.has_value());
    // Each has a valid iteration of its own, so each has a percentile.
    EXPECT_EQ(total.NpvAtRisk[0], 30);
    EXPECT_EQ(total.NpvAtRisk[1], 20);
    EXPECT_EQ(total.RiskChoice, 1);
}

TEST(Comparison, NoRunAndCountsBeyondTheTables) {
    HandRun none(2, 0);
    const Comparison empty = none.Compare();
    EXPECT_EQ(empty.ComparedIterations, 0);
    EXPECT_FALSE(empty.Of(CostKind::Total).CheapestProbability[0].has_value());
    EXPECT_FALSE(empty.Of(CostKind::Total).Euac[0].has_value());
    EXPECT_FALSE(empty.Of(CostKind::Total).RiskChoice.has_value());

    // Counts past the tables are read as the tables' sizes.
    HandRun huge(kMaxAlternatives + 3, 3 * kProbabilisticIterations);
    const Comparison clamped = huge.Compare();
    EXPECT_EQ(clamped.Alternatives, kMaxAlternatives);
    EXPECT_EQ(clamped.Iterations, kProbabilisticIterations);
    // Every cell of a fresh workspace is a valid 0: all four tie throughout.
    EXPECT_EQ(clamped.ComparedIterations, kProbabilisticIterations);
    EXPECT_EQ(clamped.Of(CostKind::Agency).CheapestProbability[3], 0.25);

    HandRun negative(-2, -5);
    const Comparison nothing = negative.Compare();
    EXPECT_TRUE(nothing.NothingToCompare());
    EXPECT_EQ(nothing.Iterations, 0);
}

} // namespace
} // namespace wexa
