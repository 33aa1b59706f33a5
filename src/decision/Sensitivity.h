#pragma once

// How the ranking of a project's alternatives depends on the discount rate.
//
//   project ─> MakeBaseCase ─> base case (one deterministic iteration, every
//              │               input at its middle value, no variability)
//              └─> SweepDiscountRate(project, range)
//                    ├─ one RunAnalysis of the base case per rate of the range
//                    └─ per pair of alternatives and cost kind, the rates at
//                       which their order changes, narrowed by bisection
//
// Every point is an ordinary run of the base case with its discount rate set,
// so its NPVs are the ones a run of that project gives, to the last dollar.
//
// The discount rate changes no status: traffic and schedule alone decide a
// gridlock or a failure. So an alternative that is not valid in the base case
// is not valid at any rate, and its pairs are reported as not comparable.

#include "decision/BaseCase.h"
#include "decision/Comparison.h"
#include "decision/Tornado.h"
#include "model/Project.h"
#include "simulation/AnalysisChecks.h"
#include "simulation/RunFeedback.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace wexa {

// Discount rates in percent: From, From + Step, ... up to To.
struct RateRange {
    double From = 0.0;
    double To = 10.0;
    double Step = 0.1;
};

inline constexpr int kMaxSweepPoints = 1001;
// Bisection narrows a change of order to a bracket no wider than this, in
// percentage points.
inline constexpr double kBreakEvenTolerance = 0.0001;

// What can be wrong with a range, in the order the check looks for it.
enum class RateRangeFault : std::uint8_t {
    FromNotFinite,
    ToNotFinite,
    StepNotFinite,
    // From at or below kLowestDiscountRate: the run discounts no cost there.
    FromTooLow,
    StepNotAboveZero,
    ToBelowFrom,
    TooManyRates, // more than kMaxSweepPoints
};

// The number of rates in the range, or what is wrong with it. A To that lies
// a rounding error short of a whole number of steps still counts that last
// step.
[[nodiscard]] std::optional<RateRangeFault> FindRateRangeFault(const RateRange& range, int& points);

// The same fault as a message the window shows, captioned "Discount Rate
// Range Error".
[[nodiscard]] std::optional<CheckFailure> CheckRateRange(const RateRange& range, int& points);

// The smallest step that keeps From to To within kMaxSweepPoints rates.
[[nodiscard]] double SmallestStep(const RateRange& range);

// The k-th rate of the range, computed directly so that no rounding error
// piles up along the range.
[[nodiscard]] inline double RateAt(const RateRange& range, int k) {
    return range.From + k * range.Step;
}

struct RatePoint : CaseOutcome {
    double Rate = 0.0;
};

// A rate at which a pair's order changes. Low and High bracket it; Rate is
// their midpoint. When a stretch of grid rates ties the two exactly between
// an order and the other, that stretch is the bracket (Tie set) and is not
// narrowed further; a tie met while bisecting is the rate itself
// (Low == High). CheaperBelow is the alternative of the pair (from 0) that
// costs less below the bracket, CheaperAbove the other one, which costs less
// above it.
struct BreakEven {
    double Low = 0.0;
    double High = 0.0;
    double Rate = 0.0;
    bool Tie = false;
    int CheaperBelow = 0;
    int CheaperAbove = 0;
};

// Alternatives A < B (from 0) compared on one kind of cost, sign by sign of
// NPV(A) - NPV(B). Comparable is false when either is not valid in the base
// case; otherwise an empty Changes says their order never changes in the
// range (a tie that both sides of leave in the same order is no change).
struct PairBreakEvens {
    int A = 0;
    int B = 0;
    CostKind Kind = CostKind::Total;
    bool Comparable = true;
    std::vector<BreakEven> Changes;
};

struct RateSensitivity {
    int Alternatives = 0;
    RateRange Range;
    std::vector<RatePoint> Points;
    // Pair by pair (0-1, 0-2, ..., 1-2, ...), each in the order of
    // kAllCostKinds.
    std::vector<PairBreakEvens> Pairs;
};

// Runs the base case of `project` at every rate of `range` and finds where
// each pair's order changes. Refuses a range CheckRateRange rejects, and
// gives back the run's own refusal when the run refuses the base case at any
// rate (its checks, or a figure it cannot store). With a feedback, progress
// counts the rates done of all the rates; a cancel stops the sweep, or the
// bisections after it, at the next run, and returns a cancelled refusal.
// `result` is written only when the whole sweep finishes.
[[nodiscard]] std::optional<RunRefusal> SweepDiscountRate(const Project& project,
                                                          const RateRange& range,
                                                          RateSensitivity& result,
                                                          RunFeedback* feedback = nullptr);

struct SensitivityOptions {
    RateRange Range;
    TornadoOptions Tornado;
};

struct Sensitivity {
    RateSensitivity Rates;
    wexa::Tornado Tornado;
};

// The sweep and the tornado of `project`, with one progress over both: the
// rates, then the tornado's runs. The project as stored must first pass the
// checks before a run (CheckAnalysisInputs), as it must to be run: its base
// case fixes every distribution at its middle value and every variability at
// 0, and would otherwise hide a distribution or a variability that no run
// could use behind figures of its own. Refuses what either refuses; `result`
// is written only when both finish.
[[nodiscard]] std::optional<RunRefusal> RunSensitivity(const Project& project,
                                                       const SensitivityOptions& options,
                                                       Sensitivity& result,
                                                       RunFeedback* feedback = nullptr);

} // namespace wexa
