#include "decision/Tornado.h"

#include "model/Conversions.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wexa {
namespace {

constexpr const char* kPercentOfExpected = "% of expected";

struct Ends {
    double Low = 0.0;
    double High = 0.0;
};

// The two ends a distribution stores; none for a fixed value (or a kind the
// run would refuse).
std::optional<Ends> DistributionEnds(Int32 kind, double first, double middle, double third) {
    switch (kind) {
    case kNormal:
    case kUniform:
    case kTriangular:
        return Ends{first, third};
    case kTruncatedNormal:
        return Ends{middle - third, middle + third};
    default:
        return std::nullopt;
    }
}

double LowFactor(double percent) {
    return 1.0 - percent * 0.01;
}

double HighFactor(double percent) {
    return percent * 0.01 + 1.0;
}

std::string ActivityName(int slot, const char* what) {
    return "Alt " + std::to_string(slot / kActivitiesPerAlternative + 1) + ", activity " +
           std::to_string(slot % kActivitiesPerAlternative + 1) + ": " + what;
}

class InputList {
public:
    // Keeps the input unless both its settings are its expected value.
    void Add(TornadoInput input) {
        if (input.Low != input.Expected || input.High != input.Expected) {
            inputs_.push_back(std::move(input));
        }
    }

    void AddDistribution(TornadoInputKind kind, int slot, std::string name, const char* unit,
                         Int32 distribution, double first, double middle, double third) {
        if (const auto ends = DistributionEnds(distribution, first, middle, third)) {
            Add({kind, slot, std::move(name), unit, ends->Low, middle, ends->High});
        }
    }

    // A whole figure scaled down and up, truncated toward zero.
    void AddWholeScaled(TornadoInputKind kind, int slot, std::string name, const char* unit,
                        Int32 value, double percent) {
        const double scaled = value;
        Add({kind, slot, std::move(name), unit,
             static_cast<double>(TruncateToInt32(scaled * LowFactor(percent))), scaled,
             static_cast<double>(TruncateToInt32(scaled * HighFactor(percent)))});
    }

    // A set of figures scaled together, shown as percent of the expected
    // figures; left out when every figure is 0 and nothing would move.
    void AddFactor(TornadoInputKind kind, int slot, std::string name, double percent,
                   bool anyFigure) {
        if (!anyFigure) {
            return;
        }
        Add({kind, slot, std::move(name), kPercentOfExpected, 100.0 - percent, 100.0,
             100.0 + percent, LowFactor(percent), HighFactor(percent)});
    }

    std::vector<TornadoInput> Take() { return std::move(inputs_); }

private:
    std::vector<TornadoInput> inputs_;
};

bool AnyAgencyFigure(const Project& p, int slot) {
    bool any = p.ActivityBidItemTotal[slot] != 0.0;
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        any = any || p.TimeItemUnitPrices[TimeItemSlot(slot, row)] != 0.0;
    }
    return any;
}

double FactorOn(const TornadoInput& input, TornadoSide side) {
    switch (side) {
    case TornadoSide::Low:
        return input.LowFactor;
    case TornadoSide::High:
        return input.HighFactor;
    default:
        return 1.0;
    }
}

// The value on a side, or the base case's own.
template <typename T> T ValueOn(const TornadoInput& input, TornadoSide side, T base) {
    switch (side) {
    case TornadoSide::Low:
        return static_cast<T>(input.Low);
    case TornadoSide::High:
        return static_cast<T>(input.High);
    default:
        return base;
    }
}

// NPV(A) - NPV(B), none when either is not valid or the difference does not
// fit in 64 bits.
std::optional<Int64> TotalDifference(const CaseOutcome& outcome, const std::array<int, 2>& pair) {
    if (!outcome.Valid(pair[0]) || !outcome.Valid(pair[1])) {
        return std::nullopt;
    }
    Int64 difference = 0;
    if (__builtin_sub_overflow(outcome.Of(CostKind::Total, pair[0]),
                               outcome.Of(CostKind::Total, pair[1]), &difference)) {
        return std::nullopt;
    }
    return difference;
}

// The two valid alternatives with the lowest total NPV, in number order.
std::optional<std::array<int, 2>> CheapestPair(const CaseOutcome& base, int alternatives) {
    std::vector<int> valid;
    for (int a = 0; a < alternatives; ++a) {
        if (base.Valid(a)) {
            valid.push_back(a);
        }
    }
    if (valid.size() < 2) {
        return std::nullopt;
    }
    std::stable_sort(valid.begin(), valid.end(), [&](int a, int b) {
        return base.Of(CostKind::Total, a) < base.Of(CostKind::Total, b);
    });
    return std::array<int, 2>{std::min(valid[0], valid[1]), std::max(valid[0], valid[1])};
}

void Measure(const Tornado& tornado, int alternatives, TornadoBar& bar) {
    // A refused side holds no outcome to look at.
    if (bar.Status == TornadoStatus::Refused) {
        return;
    }
    for (int a = 0; a < alternatives; ++a) {
        if (tornado.Base.Valid(a) && (!bar.AtLow.Valid(a) || !bar.AtHigh.Valid(a))) {
            bar.Status = TornadoStatus::Gridlock;
        }
    }
    if (bar.Status != TornadoStatus::Ok) {
        return;
    }
    if (tornado.Pair) {
        bar.DifferenceLow = TotalDifference(bar.AtLow, *tornado.Pair);
        bar.DifferenceHigh = TotalDifference(bar.AtHigh, *tornado.Pair);
        if (bar.DifferenceLow && bar.DifferenceHigh) {
            bar.Swing = std::abs(static_cast<double>(*bar.DifferenceHigh) -
                                 static_cast<double>(*bar.DifferenceLow));
        }
        return;
    }
    for (int a = 0; a < alternatives; ++a) {
        if (bar.AtLow.Valid(a) && bar.AtHigh.Valid(a)) {
            bar.Swing = std::max(bar.Swing,
                                 std::abs(static_cast<double>(bar.AtHigh.Of(CostKind::Total, a)) -
                                          static_cast<double>(bar.AtLow.Of(CostKind::Total, a))));
        }
    }
}

} // namespace

std::vector<TornadoInput> TornadoInputs(const Project& p, double swingPercent) {
    using K = TornadoInputKind;
    InputList list;
    list.AddDistribution(K::DiscountRate, 0, "Discount rate", "%", p.DiscountRateKind,
                         p.DiscountRateMin, p.DiscountRateMean, p.DiscountRateMax);
    list.AddDistribution(K::TrafficGrowth, 0, "Traffic growth rate", "%", p.TrafficGrowthKind,
                         p.TrafficGrowthMin, p.TrafficGrowthMean, p.TrafficGrowthMax);
    const int alternatives = std::clamp(p.NumberOfAlternatives, 0, kMaxAlternatives);
    for (int a = 1; a <= alternatives; ++a) {
        const int activities =
            std::clamp(p.AlternativeActivityCount[a - 1], 0, kActivitiesPerAlternative);
        for (int w = 1; w <= activities; ++w) {
            const int slot = ActivitySlot(a, w);
            list.AddDistribution(K::YearsToNext, slot, ActivityName(slot, "years to next"), "years",
                                 p.ActivityYearsKind[slot], p.ActivityYearsMin[slot],
                                 p.ActivityYearsExpected[slot], p.ActivityYearsMax[slot]);
            list.AddFactor(K::AgencyCost, slot, ActivityName(slot, "agency cost"),
                           p.ActivityAgencyCostVariability[slot], AnyAgencyFigure(p, slot));
            list.AddWholeScaled(K::RequiredTime, slot, ActivityName(slot, "required time"), "hours",
                                p.ActivityRequiredTime[slot], p.ActivityTimeVariability[slot]);
        }
    }
    list.AddWholeScaled(K::BaseYearAadt, 0, "Base-year AADT", "vehicles per day", p.BaseYearAADT,
                        swingPercent);
    list.AddFactor(K::ValueOfTime, 0, "Value of time", swingPercent,
                   p.DelayRateCombinationTruck != 0.0 || p.DelayRatePassengerCar != 0.0 ||
                       p.DelayRateSingleUnitTruck != 0.0);
    return list.Take();
}

void SetTornadoInput(Project& p, const Project& base, const TornadoInput& input, TornadoSide side) {
    const int slot = input.Slot;
    const double factor = FactorOn(input, side);
    switch (input.Kind) {
    case TornadoInputKind::DiscountRate:
        p.DiscountRateMean = ValueOn(input, side, base.DiscountRateMean);
        break;
    case TornadoInputKind::TrafficGrowth:
        p.TrafficGrowthMean = ValueOn(input, side, base.TrafficGrowthMean);
        break;
    case TornadoInputKind::YearsToNext:
        // The ends of whole years may lie past the 32-bit range.
        p.ActivityYearsExpected[slot] = side == TornadoSide::Expected
                                            ? base.ActivityYearsExpected[slot]
                                            : TruncateToInt32(ValueOn(input, side, 0.0));
        break;
    case TornadoInputKind::AgencyCost:
        p.ActivityBidItemTotal[slot] = base.ActivityBidItemTotal[slot] * factor;
        for (int row = 0; row < kTimeItemsPerActivity; ++row) {
            const int item = TimeItemSlot(slot, row);
            p.TimeItemUnitPrices[item] = base.TimeItemUnitPrices[item] * factor;
        }
        break;
    case TornadoInputKind::RequiredTime:
        p.ActivityRequiredTime[slot] = ValueOn(input, side, base.ActivityRequiredTime[slot]);
        break;
    case TornadoInputKind::BaseYearAadt:
        p.BaseYearAADT = ValueOn(input, side, base.BaseYearAADT);
        break;
    case TornadoInputKind::ValueOfTime:
        p.DelayRateCombinationTruck = base.DelayRateCombinationTruck * factor;
        p.DelayRatePassengerCar = base.DelayRatePassengerCar * factor;
        p.DelayRateSingleUnitTruck = base.DelayRateSingleUnitTruck * factor;
        break;
    }
}

bool SwingInRange(double percent) {
    return percent >= 0.0 && percent <= kMaxSwingPercent;
}

bool PairInRange(const std::array<int, 2>& pair, int alternatives) {
    const auto inRange = [&](int x) { return x >= 0 && x < alternatives; };
    return inRange(pair[0]) && inRange(pair[1]) && pair[0] != pair[1];
}

std::optional<CheckFailure> CheckTornadoOptions(const TornadoOptions& options, int alternatives) {
    if (!SwingInRange(options.SwingPercent)) {
        return CheckFailure{"The swing must be a percentage from 0 to 100.", "Swing Error", ""};
    }
    if (options.Pair && !PairInRange(*options.Pair, alternatives)) {
        return CheckFailure{"The pair must be two different alternatives of the project.",
                            "Alternative Pair Error", ""};
    }
    return std::nullopt;
}

std::optional<RunRefusal> BuildTornado(const Project& project, BaseCaseRunner& runner,
                                       const TornadoOptions& options, Tornado& result) {
    const int alternatives = runner.Alternatives();
    if (auto failure = CheckTornadoOptions(options, alternatives)) {
        return RunRefusal{{std::move(*failure)}};
    }
    const std::vector<TornadoInput> inputs = TornadoInputs(project, options.SwingPercent);
    runner.Plan(1 + 2 * static_cast<int>(inputs.size()));

    Tornado tornado;
    tornado.Alternatives = alternatives;
    tornado.SwingPercent = options.SwingPercent;
    if (auto refusal = runner.Run(tornado.Base, true)) {
        return refusal;
    }
    tornado.Pair = options.Pair ? options.Pair : CheapestPair(tornado.Base, alternatives);
    if (tornado.Pair) {
        tornado.BaseDifference = TotalDifference(tornado.Base, *tornado.Pair);
    }
    for (const TornadoInput& input : inputs) {
        TornadoBar bar;
        bar.Input = input;
        for (const TornadoSide side : {TornadoSide::Low, TornadoSide::High}) {
            SetTornadoInput(runner.Case(), runner.Base(), input, side);
            auto refusal = runner.Run(side == TornadoSide::Low ? bar.AtLow : bar.AtHigh, true);
            SetTornadoInput(runner.Case(), runner.Base(), input, TornadoSide::Expected);
            if (refusal && refusal->Cancelled) {
                return refusal;
            }
            if (refusal && bar.Status == TornadoStatus::Ok) {
                bar.Status = TornadoStatus::Refused;
                bar.Refusal = std::move(refusal->Messages);
            }
        }
        Measure(tornado, alternatives, bar);
        tornado.Bars.push_back(std::move(bar));
    }
    std::stable_sort(tornado.Bars.begin(), tornado.Bars.end(),
                     [](const TornadoBar& x, const TornadoBar& y) {
                         const bool xOk = x.Status == TornadoStatus::Ok;
                         const bool yOk = y.Status == TornadoStatus::Ok;
                         return xOk != yOk ? xOk : x.Swing > y.Swing;
                     });
    result = std::move(tornado);
    return std::nullopt;
}

} // namespace wexa
