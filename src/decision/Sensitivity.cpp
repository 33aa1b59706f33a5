#include "decision/Sensitivity.h"

#include "simulation/AnalysisChecks.h"
#include "simulation/AnalysisRun.h"
#include "simulation/ProjectChecks.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

namespace wexa {
namespace {

constexpr const char* kRangeCaption = "Discount Rate Range Error";
// (To - From) / Step may land a rounding error below a whole number of steps.
constexpr double kStepSlack = 1e-9;

// The base case at `rate`; a bisection's runs are not counted.
std::optional<RunRefusal> RunAt(BaseCaseRunner& runner, double rate, RatePoint& point,
                                bool counted) {
    runner.Case().DiscountRateMean = rate;
    auto refusal = runner.Run(point, counted);
    runner.Case().DiscountRateMean = runner.Base().DiscountRateMean;
    point.Rate = rate;
    return refusal;
}

// The sign of NPV(A) - NPV(B) at a point, by comparison (the difference of
// two 64-bit figures may not fit); none when either is not valid there.
std::optional<int> OrderAt(const RatePoint& point, const PairBreakEvens& pair) {
    if (point.Status[pair.A] != IterationStatus::Valid ||
        point.Status[pair.B] != IterationStatus::Valid) {
        return std::nullopt;
    }
    const Int64 a = point.Of(pair.Kind, pair.A);
    const Int64 b = point.Of(pair.Kind, pair.B);
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Narrows a change of order between `low` (where the order is lowSign) and
// `high` (where it is the other). Stops early on an exact tie, on a status
// that is not valid (the rate never changes one, so this is a guard), and
// where the doubles between the bounds run out.
std::optional<RunRefusal> Bisect(BaseCaseRunner& runner, const PairBreakEvens& pair, double low,
                                 double high, int lowSign, BreakEven& found) {
    RatePoint point;
    while (high - low > kBreakEvenTolerance) {
        const double mid = low + (high - low) / 2.0;
        if (!(mid > low && mid < high)) {
            break;
        }
        if (auto refusal = RunAt(runner, mid, point, false)) {
            return refusal;
        }
        const std::optional<int> sign = OrderAt(point, pair);
        if (!sign) {
            break;
        }
        if (*sign == 0) {
            found = {mid, mid, mid, false};
            return std::nullopt;
        }
        (*sign == lowSign ? low : high) = mid;
    }
    found = {low, high, low + (high - low) / 2.0, false};
    return std::nullopt;
}

// Walks the grid for the pair's changes of order. A stretch of exact ties
// between two opposite orders is itself the change; points where either
// alternative is not valid are passed over.
std::optional<RunRefusal> FindChanges(BaseCaseRunner& runner, const std::vector<RatePoint>& points,
                                      PairBreakEvens& pair) {
    std::optional<std::pair<std::size_t, int>> last; // last point with an order, and that order
    std::optional<std::size_t> firstTie;
    std::size_t lastTie = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const std::optional<int> sign = OrderAt(points[k], pair);
        if (!sign) {
            continue;
        }
        if (*sign == 0) {
            firstTie = firstTie.value_or(k);
            lastTie = k;
            continue;
        }
        if (last && last->second != *sign) {
            BreakEven change;
            if (firstTie) {
                const double low = points[*firstTie].Rate;
                const double high = points[lastTie].Rate;
                change = {low, high, low + (high - low) / 2.0, true};
            } else if (auto refusal = Bisect(runner, pair, points[last->first].Rate, points[k].Rate,
                                             last->second, change)) {
                return refusal;
            }
            // A negative order has A cheaper.
            change.CheaperBelow = last->second < 0 ? pair.A : pair.B;
            change.CheaperAbove = last->second < 0 ? pair.B : pair.A;
            pair.Changes.push_back(change);
        }
        last = {k, *sign};
        firstTie.reset();
    }
    return std::nullopt;
}

// The sweep on a runner that may run more afterwards.
std::optional<RunRefusal> Sweep(BaseCaseRunner& runner, const RateRange& range,
                                RateSensitivity& result) {
    int count = 0;
    if (auto failure = CheckRateRange(range, count)) {
        return RunRefusal{{std::move(*failure)}};
    }
    runner.Plan(count);
    RateSensitivity sweep;
    sweep.Alternatives = runner.Alternatives();
    sweep.Range = range;
    sweep.Points.resize(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        if (auto refusal = RunAt(runner, RateAt(range, k), sweep.Points[k], true)) {
            return refusal;
        }
    }
    for (int a = 0; a < sweep.Alternatives; ++a) {
        for (int b = a + 1; b < sweep.Alternatives; ++b) {
            for (const CostKind kind : kAllCostKinds) {
                PairBreakEvens pair{a, b, kind, true, {}};
                pair.Comparable = OrderAt(sweep.Points.front(), pair).has_value();
                if (auto refusal = FindChanges(runner, sweep.Points, pair)) {
                    return refusal;
                }
                sweep.Pairs.push_back(std::move(pair));
            }
        }
    }
    result = std::move(sweep);
    return std::nullopt;
}

} // namespace

std::optional<RateRangeFault> FindRateRangeFault(const RateRange& range, int& points) {
    using F = RateRangeFault;
    if (!std::isfinite(range.From)) {
        return F::FromNotFinite;
    }
    if (!std::isfinite(range.To)) {
        return F::ToNotFinite;
    }
    if (!std::isfinite(range.Step)) {
        return F::StepNotFinite;
    }
    if (!(range.From > kLowestDiscountRate)) {
        return F::FromTooLow;
    }
    if (!(range.Step > 0.0)) {
        return F::StepNotAboveZero;
    }
    if (range.To < range.From) {
        return F::ToBelowFrom;
    }
    // Infinite when the span overflows, and then too many as well.
    const double steps = std::floor((range.To - range.From) / range.Step + kStepSlack);
    if (!(steps < kMaxSweepPoints)) {
        return F::TooManyRates;
    }
    points = static_cast<int>(steps) + 1;
    return std::nullopt;
}

std::optional<CheckFailure> CheckRateRange(const RateRange& range, int& points) {
    const auto fault = FindRateRangeFault(range, points);
    if (!fault) {
        return std::nullopt;
    }
    const auto fail = [](std::string message) {
        return CheckFailure{std::move(message), kRangeCaption, ""};
    };
    switch (*fault) {
    case RateRangeFault::FromNotFinite:
    case RateRangeFault::ToNotFinite:
    case RateRangeFault::StepNotFinite:
        return fail("The first rate, the last rate and the step must be numbers.");
    case RateRangeFault::FromTooLow:
        return fail("The first rate must be greater than " + DescribeReal(kLowestDiscountRate) +
                    " %: at that rate or below it no cost can be discounted.");
    case RateRangeFault::StepNotAboveZero:
        return fail("The step must be greater than 0.");
    case RateRangeFault::ToBelowFrom:
        return fail("The last rate must not be less than the first.");
    case RateRangeFault::TooManyRates:
        break;
    }
    return fail("The range holds more than " + std::to_string(kMaxSweepPoints) +
                " rates: widen the step or narrow the range.");
}

double SmallestStep(const RateRange& range) {
    return (range.To - range.From) / (kMaxSweepPoints - 1);
}

std::optional<RunRefusal> SweepDiscountRate(const Project& project, const RateRange& range,
                                            RateSensitivity& result, RunFeedback* feedback) {
    BaseCaseRunner runner(project, feedback);
    return Sweep(runner, range, result);
}

std::optional<RunRefusal> RunSensitivity(const Project& project, const SensitivityOptions& options,
                                         Sensitivity& result, RunFeedback* feedback) {
    if (auto refusal = CheckAnalysisInputs(project)) {
        return refusal;
    }
    BaseCaseRunner runner(project, feedback);
    // Checked before the sweep, so that a wrong pair costs no runs.
    if (auto failure = CheckTornadoOptions(options.Tornado, runner.Alternatives())) {
        return RunRefusal{{std::move(*failure)}};
    }
    Sensitivity sensitivity;
    if (auto refusal = Sweep(runner, options.Range, sensitivity.Rates)) {
        return refusal;
    }
    if (auto refusal = BuildTornado(project, runner, options.Tornado, sensitivity.Tornado)) {
        return refusal;
    }
    result = std::move(sensitivity);
    return std::nullopt;
}

} // namespace wexa
