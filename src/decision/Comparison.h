#pragma once

// The comparison of a finished run's alternatives, iteration by iteration.
//
//   RunAnalysis(project, workspace)
//     └─> CompareAlternatives(project, workspace, P) ─> Comparison (a plain value)
//           ├─ counts of the compared and the left-out iterations
//           └─ per cost kind, a CostComparison:
//                ├─ each alternative's chance of being the cheapest
//                ├─ every ordered pair: P(a < b) and the differences a − b
//                ├─ each alternative's EUAC
//                └─ the alternative chosen at risk percentile P
//
// Every iteration draws one discount rate and one traffic growth rate for
// all the alternatives, so the alternatives' figures of one iteration are a
// pair (or a set) and are compared with each other, never across
// iterations. Whether an iteration counts is decided by its status alone
// (valid, gridlock, failure), never by the NPV it holds: a valid NPV may be
// negative, and the marks of the others are numbers too.
//
// Alternatives are indexed from 0 here, as in the project's tables; what a
// user reads numbers them from 1. A figure with no iteration to stand on is
// an empty optional, never 0.

#include "decision/NearestRank.h"
#include "model/Project.h"
#include "simulation/AnalysisRun.h"

#include <array>
#include <cstdint>
#include <optional>

namespace wexa {

// The kinds of cost a run prices, in the order of its result tables.
enum class CostKind : std::uint8_t { Agency, User, Total };
inline constexpr int kCostKinds = 3;
inline constexpr std::array<CostKind, kCostKinds> kAllCostKinds{CostKind::Agency, CostKind::User,
                                                                CostKind::Total};

// The workspace's NPVs of one kind, in iteration order.
[[nodiscard]] const NpvResultTable& NpvsInIterationOrder(const AnalysisWorkspace& workspace,
                                                         CostKind kind);

// Alternative a against alternative b over the iterations in which both are
// valid.
struct PairComparison {
    int Iterations = 0;
    // The share of those iterations in which a's NPV is the lower, a tie
    // counting one half.
    std::optional<double> ProbabilityALower;
    // NPV of a minus NPV of b, iteration by iteration. The differences are
    // taken in doubles: exact while the NPVs lie within ±2^53 dollars, as any
    // real one does; rounded beyond, but the same on every build.
    std::optional<Spread> Difference;
};

struct CostComparison {
    // Over the compared iterations (every alternative valid), the share in
    // which each alternative's NPV is the lowest; t alternatives tying for
    // the lowest get 1/t of that iteration each. The shares sum to 1 (to the
    // last bit or so: each is one correctly rounded division).
    PerAlternative<std::optional<double>> CheapestProbability;
    // Indexed [a][b]; the diagonal stays empty. [b][a] is [a][b] seen from
    // the other side: the same iterations, the halves of the ties the other
    // way round, the differences negated.
    std::array<PerAlternative<PairComparison>, kMaxAlternatives> Pairs;
    // The EUAC of each alternative over its valid iterations that have one
    // (see AnnualCostFactor), each at the iteration's own discount rate;
    // after a deterministic run mean and percentiles are the one value.
    PerAlternative<std::optional<Spread>> Euac;
    PerAlternative<int> EuacIterations{};
    // Each alternative's NPV at the risk percentile, by nearest rank over its
    // valid iterations, and the alternative whose NPV there is the lowest
    // (the lower index on a tie).
    PerAlternative<std::optional<Int64>> NpvAtRisk;
    std::optional<int> RiskChoice;
};

inline constexpr int kDefaultRiskPercentile = 50;

struct Comparison {
    int Alternatives = 0; // NumberOfAlternatives, clamped to the tables
    int Iterations = 0;   // the run's IterationCount, clamped likewise
    bool Probabilistic = true;
    int RiskPercentile = kDefaultRiskPercentile; // as used: clamped to 1..100

    // Fewer than two alternatives leave nothing to compare: the counts below
    // are 0 and every comparing figure is empty. The EUAC is still given.
    [[nodiscard]] bool NothingToCompare() const { return Alternatives < 2; }

    // The statuses are shared by the three kinds, so are these counts. An
    // iteration is compared when every alternative is valid in it; LeftOutBy
    // counts, per alternative, the iterations it gridlocked or failed in. An
    // iteration in which two alternatives did counts for both, so they may
    // add up to more than LeftOut.
    int ComparedIterations = 0;
    int LeftOut = 0;
    PerAlternative<int> LeftOutBy{};

    std::array<CostComparison, kCostKinds> Kinds;
    [[nodiscard]] const CostComparison& Of(CostKind kind) const {
        return Kinds[static_cast<std::size_t>(kind)];
    }
};

// Compares the alternatives of the run that filled `workspace` for `project`
// (the run's statuses, NPVs in iteration order and drawn discount rates;
// the project's NumberOfAlternatives, IterationCount, AnalysisPeriod and
// AnalysisType). Counts outside the tables are clamped to them, a percentile
// outside 1..100 to that range. Nothing is written; a few scratch buffers of
// one run's length are allocated once per call. About 2 ms for four
// alternatives over 5000 iterations (bench/ComparisonBenchmark.cpp).
[[nodiscard]] Comparison CompareAlternatives(const Project& project,
                                             const AnalysisWorkspace& workspace,
                                             int riskPercentile = kDefaultRiskPercentile);

} // namespace wexa
