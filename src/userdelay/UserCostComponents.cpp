#include "userdelay/UserCostComponents.h"

#include "userdelay/DoublePair.h"

#include <algorithm>
#include <cstdint>

namespace wexa {

namespace {

// A speed's row in the speed-change tables. Speeds are checked to 5..80 mph
// before any evaluation; one outside 0..80 is clamped to the nearest row so it
// cannot read outside the table.
[[nodiscard]] int SpeedRow(int speed) {
    return std::clamp(speed, 0, (kSpeedRows - 1) * 5) / 5;
}

// Every component has the same shape: a cost per class, hour and direction,
// summed over the day per direction, the directions weighted by the share of
// days each is affected, times the days, and the classes added in summation
// order. Each hourly cost is a product with a vehicle count of the hour:
//
//   component               count                     hourly cost per class c
//   1 speed-change VOC      FreeFlowThroughWorkZone   (AC[Sp] - AC[Sw]) N s 0.001
//   2 speed-change delay    FreeFlowThroughWorkZone   VOT (AT[Sp] - AT[Sw]) N s 0.001
//   3 reduced-speed delay   Throughput                VOT t N s
//   4 queue-stopping VOC    JoiningQueue              s N AC[Sp] 0.001
//   5 queue-stopping delay  JoiningQueue              VOT s N AT[Sp] 0.001
//   6 queue idle time       ServedInQueue             IDLE N d s
//   7 queue added travel    ServedInQueue             VOT N d s
//
// (AC, AT: added cost and time per 1000 stops at a speed; t: added time per
// vehicle in the zone; d: the hour's queue delay per vehicle; s: the class's
// share.) Each product is evaluated left to right as written. Hours without vehicles are skipped:
// their terms are zeros, and adding a zero changes no sum except, when every term is zero, the sign
// of that zero, which no rounded or truncated figure shows. Most hours of most days have no queue,
// so this saves most of the work.
//
// Each sum starts at -0.0, the one value that adding leaves every double
// unchanged (+0.0 would turn a first term of -0.0 into +0.0), so it is the
// same bits as a sum that starts from its first term.
using ClassSums = std::array<double, kCostComponentCount>;
using DailySums = std::array<ClassSums, kVehicleClasses>;

// The counts of one direction that are not 0, as reals, each kind in hour
// order: a sum over one of these lists adds the same terms in the same
// order as a sum over the hours that skips the zeros.
struct CountLists {
    // Only the first Size entries are ever read, so the lists are not
    // cleared: a day's pricing would spend much of its time doing so.
    struct List {
        int Size = 0;
        PerHour<double> Counts;

        void AddIfAny(std::int64_t count) {
            if (count != 0) {
                Counts[Size++] = static_cast<double>(count);
            }
        }
    };
    List FreeFlow;
    List Through;
    List Joining;
    List Served;
    PerHour<double> ServedDelay; // the queue delay of each hour in Served
};

CountLists CountListsOf(const DirectionQueue& d) {
    CountLists lists;
    for (int h = 0; h < kHoursPerDay; ++h) {
        lists.FreeFlow.AddIfAny(d.FreeFlowThroughWorkZone[h]);
        lists.Through.AddIfAny(d.Throughput[h]);
        lists.Joining.AddIfAny(d.JoiningQueue[h]);
        if (d.ServedInQueue[h] != 0) {
            lists.ServedDelay[lists.Served.Size] = d.QueueDelayPerVehicle[h];
        }
        lists.Served.AddIfAny(d.ServedInQueue[h]);
    }
    return lists;
}

// What multiplies the counts in each class's terms. Factors that lead a
// product are multiplied once (the left-to-right order makes them the same
// bits).
struct ClassFactors {
    double Share = 0;
    double Vot = 0;
    double SpeedChangeCost = 0;
    double SpeedChangeDelay = 0;
    double ReducedSpeedDelay = 0;
    double StoppingCost = 0;
    double StoppingDelay = 0;
    double StoppingTime = 0;
    double Idling = 0;
};

ClassFactors FactorsOf(const UserCostRates& rates, const UserCostInputs& inputs, int c, double s) {
    const int up = SpeedRow(inputs.UpstreamSpeed);
    const int zone = SpeedRow(inputs.WorkZoneSpeed);
    const double vot = rates.DelayRate[c];
    ClassFactors f;
    f.Share = s;
    f.Vot = vot;
    f.SpeedChangeCost = rates.AddedCost[c][up] - rates.AddedCost[c][zone];
    f.SpeedChangeDelay = vot * (rates.AddedTime[c][up] - rates.AddedTime[c][zone]);
    f.ReducedSpeedDelay = vot * inputs.AddedTimePerVehicle;
    f.StoppingCost = rates.AddedCost[c][up];
    f.StoppingDelay = vot * s;
    f.StoppingTime = rates.AddedTime[c][up];
    f.Idling = rates.IdlingCost[c];
    return f;
}

using ClassFactorSet = std::array<ClassFactors, kVehicleClasses>;

// Sums term(c, i) over a list's entries for the three classes at once,
// each class in a sum of its own (a double, or a pair of components), so
// taking them together changes no sum.
template <typename Sum, typename Term>
std::array<Sum, kVehicleClasses> SumOver(int size, Term term) {
    const Sum none = -Sum{}; // -0.0 in every lane
    Sum combination = none;
    Sum singleUnit = none;
    Sum passenger = none;
    for (int i = 0; i < size; ++i) {
        combination += term(CombinationTruck, i);
        singleUnit += term(SingleUnitTruck, i);
        passenger += term(PassengerCar, i);
    }
    return {combination, singleUnit, passenger};
}

// The daily sums of every class, a list at a time; the two components of a
// count kind go together as a pair.
DailySums SumDirection(const DirectionQueue& d, const ClassFactorSet& f) {
    const CountLists lists = CountListsOf(d);
    const auto& freeFlow = lists.FreeFlow.Counts;
    const auto& through = lists.Through.Counts;
    const auto& joining = lists.Joining.Counts;
    const auto& served = lists.Served.Counts;
    const auto& delay = lists.ServedDelay;
    DailySums sums;
    const auto put = [&sums](int k, const std::array<double, kVehicleClasses>& perClass) {
        for (int c = 0; c < kVehicleClasses; ++c) {
            sums[c][k] = perClass[c];
        }
    };
    const auto putPair = [&sums](int k, const std::array<DoublePair, kVehicleClasses>& perClass) {
        for (int c = 0; c < kVehicleClasses; ++c) {
            sums[c][k] = perClass[c][0];
            sums[c][k + 1] = perClass[c][1];
        }
    };
    putPair(0, SumOver<DoublePair>(lists.FreeFlow.Size, [&](int c, int i) {
                return Pair(f[c].SpeedChangeCost, f[c].SpeedChangeDelay) * Both(freeFlow[i]) *
                       Both(f[c].Share) * Both(0.001);
            }));
    put(2, SumOver<double>(lists.Through.Size, [&](int c, int i) {
            return f[c].ReducedSpeedDelay * through[i] * f[c].Share;
        }));
    putPair(3, SumOver<DoublePair>(lists.Joining.Size, [&](int c, int i) {
                return Pair(f[c].Share, f[c].StoppingDelay) * Both(joining[i]) *
                       Pair(f[c].StoppingCost, f[c].StoppingTime) * Both(0.001);
            }));
    putPair(5, SumOver<DoublePair>(lists.Served.Size, [&](int c, int i) {
                return Pair(f[c].Idling, f[c].Vot) * Both(served[i]) * Both(delay[i]) *
                       Both(f[c].Share);
            }));
    return sums;
}

} // namespace

double WorkZoneAddedTimePerVehicle(double length, int workZoneSpeed, int upstreamSpeed) {
    return length / workZoneSpeed - length / upstreamSpeed;
}

WeightedDailyCosts ComputeWeightedDailyCosts(const QueueDay& day, const UserCostRates& rates,
                                             const UserCostInputs& inputs) {
    const std::array<double, kVehicleClasses> shares{
        inputs.PercentCUTrucks * 0.01,
        inputs.PercentSUTrucks * 0.01,
        (100.0 - inputs.PercentSUTrucks - inputs.PercentCUTrucks) * 0.01,
    };
    ClassFactorSet factors;
    for (int c = 0; c < kVehicleClasses; ++c) {
        factors[c] = FactorsOf(rates, inputs, c, shares[c]);
    }
    const DailySums outbound = SumDirection(day.Outbound, factors);
    const DailySums inbound = SumDirection(day.Inbound, factors);
    // Outbound first, each weighted by its percent; two components at a time.
    WeightedDailyCosts weighted{};
    for (int c = 0; c < kVehicleClasses; ++c) {
        for (int k = 0; k + 1 < kCostComponentCount; k += 2) {
            const DoublePair pair =
                Both(inputs.OutboundPercent) * Pair(outbound[c][k], outbound[c][k + 1]) +
                Both(inputs.InboundPercent) * Pair(inbound[c][k], inbound[c][k + 1]);
            weighted[c][k] = pair[0];
            weighted[c][k + 1] = pair[1];
        }
        constexpr int kLast = kCostComponentCount - 1;
        weighted[c][kLast] =
            inputs.OutboundPercent * outbound[c][kLast] + inputs.InboundPercent * inbound[c][kLast];
    }
    return weighted;
}

// days * (weighted) * 0.01, evaluated left to right as the product reads,
// two components at a time.
CostComponents CostComponentsOverDays(const WeightedDailyCosts& weighted, int days) {
    const double d = days;
    const auto overDays = [&](int c, int k) {
        return Both(d) * Pair(weighted[c][k], weighted[c][k + 1]) * Both(0.01);
    };
    CostComponents components{};
    for (int k = 0; k + 1 < kCostComponentCount; k += 2) {
        DoublePair pair = overDays(CombinationTruck, k);
        pair += overDays(SingleUnitTruck, k);
        pair += overDays(PassengerCar, k);
        components[k] = pair[0];
        components[k + 1] = pair[1];
    }
    constexpr int kLast = kCostComponentCount - 1;
    static_assert(kLast % 2 == 0, "the last component is the one left without a pair");
    double last = d * weighted[CombinationTruck][kLast] * 0.01;
    last += d * weighted[SingleUnitTruck][kLast] * 0.01;
    last += d * weighted[PassengerCar][kLast] * 0.01;
    components[kLast] = last;
    return components;
}

CostComponents ComputeCostComponents(const QueueDay& day, const UserCostRates& rates,
                                     const UserCostInputs& inputs) {
    return CostComponentsOverDays(ComputeWeightedDailyCosts(day, rates, inputs), inputs.Days);
}

double SumCostComponents(const CostComponents& components) {
    double sum = components[0];
    for (int i = 1; i < kCostComponentCount; ++i) {
        sum += components[i];
    }
    return sum;
}

} // namespace wexa
