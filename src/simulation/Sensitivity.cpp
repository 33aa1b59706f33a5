#include "simulation/Sensitivity.h"

#include "simulation/AnalysisRun.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace wexa {
namespace {

constexpr const char* kRangeCaption = "Discount Rate Range Error";
// Any seed gives the same base-case figures; a fixed one keeps the
// workspace the same too.
constexpr std::uint32_t kBaseCaseSeed = 1;
// (To - From) / Step may land a rounding error below a whole number of steps.
constexpr double kStepSlack = 1e-9;

RunRefusal CancelledRefusal() {
    return RunRefusal{.Messages = {}, .Cancelled = true};
}

// Runs the base case at one rate after another, in one workspace.
class BaseCaseRunner {
public:
    BaseCaseRunner(const Project& project, RunFeedback* feedback)
        : base_(std::make_unique<Project>(project)),
          workspace_(std::make_unique<AnalysisWorkspace>()), feedback_(feedback) {
        MakeBaseCase(*base_);
    }

    [[nodiscard]] int Alternatives() const { return base_->NumberOfAlternatives; }

    // The point at `rate`, or why there is none: the run's refusal, or a
    // cancel seen before the run.
    std::optional<RunRefusal> Run(double rate, RatePoint& point) {
        if (feedback_ != nullptr && feedback_->Cancelled()) {
            return CancelledRefusal();
        }
        base_->DiscountRateMean = rate;
        if (auto refusal = RunAnalysis(*base_, *workspace_, {kBaseCaseSeed, nullptr})) {
            return refusal;
        }
        point.Rate = rate;
        for (int a = 0; a < base_->NumberOfAlternatives; ++a) {
            point.Status[a] = workspace_->Statuses[a][0];
            for (const CostKind kind : kAllCostKinds) {
                point.Npv[static_cast<std::size_t>(kind)][a] =
                    NpvsInIterationOrder(*workspace_, kind)[a][0];
            }
        }
        return std::nullopt;
    }

private:
    std::unique_ptr<Project> base_;
    std::unique_ptr<AnalysisWorkspace> workspace_;
    RunFeedback* feedback_;
};

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
        if (auto refusal = runner.Run(mid, point)) {
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
            pair.Changes.push_back(change);
        }
        last = {k, *sign};
        firstTie.reset();
    }
    return std::nullopt;
}

} // namespace

void MakeBaseCase(Project& p) {
    p.AnalysisType = kDeterministicAnalysis;
    p.DiscountRateKind = kDeterministic;
    p.TrafficGrowthKind = kDeterministic;
    p.ActivityYearsKind.fill(kDeterministic);
    p.ActivityAgencyCostVariability.fill(0.0);
    p.ActivityTimeVariability.fill(0.0);
    p.YearsToNextKind = kDeterministic;
    p.AgencyCostVariability = 0.0;
    p.RequiredTimeVariability = 0.0;
}

std::optional<CheckFailure> CheckRateRange(const RateRange& range, int& points) {
    const auto fail = [](const char* message) { return CheckFailure{message, kRangeCaption, ""}; };
    if (!std::isfinite(range.From) || !std::isfinite(range.To) || !std::isfinite(range.Step)) {
        return fail("The first rate, the last rate and the step must be numbers.");
    }
    if (!(range.Step > 0.0)) {
        return fail("The step must be greater than 0.");
    }
    if (range.To < range.From) {
        return fail("The last rate must not be less than the first.");
    }
    // Infinite when the span overflows, and then too many as well.
    const double steps = std::floor((range.To - range.From) / range.Step + kStepSlack);
    if (!(steps < kMaxSweepPoints)) {
        return fail("The range holds more than 1001 rates: widen the step or narrow the range.");
    }
    points = static_cast<int>(steps) + 1;
    return std::nullopt;
}

std::optional<RunRefusal> SweepDiscountRate(const Project& project, const RateRange& range,
                                            RateSensitivity& result, RunFeedback* feedback) {
    int count = 0;
    if (auto failure = CheckRateRange(range, count)) {
        return RunRefusal{{std::move(*failure)}};
    }
    BaseCaseRunner runner(project, feedback);
    RateSensitivity sweep;
    sweep.Alternatives = std::clamp(runner.Alternatives(), 0, kMaxAlternatives);
    sweep.Range = range;
    sweep.Points.resize(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        if (auto refusal = runner.Run(RateAt(range, k), sweep.Points[k])) {
            return refusal;
        }
        if (feedback != nullptr) {
            feedback->SetProgress(k + 1, count);
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

} // namespace wexa
