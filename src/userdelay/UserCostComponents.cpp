#include "userdelay/UserCostComponents.h"

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
// order. Each hourly cost is a product with the hour's vehicle count, taken
// from `countsOf(direction)`; `hourTerm(vehicleClass, share, direction, hour,
// count)` is that cost.
//
// Sums start from their first term, so the result is the same bits as the
// written-out formula. Hours without vehicles are skipped: their terms are
// zeros, and adding a zero changes no sum except, when every term is zero,
// the sign of that zero, which no rounded or truncated figure shows. Most
// hours of most days have no queue, so this saves most of the work.
template <typename CountsOf, typename HourTerm>
[[nodiscard]] double SumOverClassesAndDays(const QueueDay& day, const UserCostInputs& inputs,
                                           CountsOf countsOf, HourTerm hourTerm) {
    const std::array<double, kVehicleClasses> shares{
        inputs.PercentCUTrucks * 0.01,
        inputs.PercentSUTrucks * 0.01,
        (100.0 - inputs.PercentSUTrucks - inputs.PercentCUTrucks) * 0.01,
    };
    const auto dailySum = [&](int vehicleClass, const DirectionQueue& direction) {
        const PerHour<std::int64_t>& counts = countsOf(direction);
        double sum = 0.0;
        bool first = true;
        for (int h = 0; h < kHoursPerDay; ++h) {
            if (counts[h] == 0) {
                continue;
            }
            const double term = hourTerm(vehicleClass, shares[vehicleClass], direction, h,
                                         static_cast<double>(counts[h]));
            sum = first ? term : sum + term;
            first = false;
        }
        return sum;
    };
    const double days = inputs.Days;
    const auto classCost = [&](int vehicleClass) {
        return days *
               (inputs.OutboundPercent * dailySum(vehicleClass, day.Outbound) +
                inputs.InboundPercent * dailySum(vehicleClass, day.Inbound)) *
               0.01;
    };
    double component = classCost(CombinationTruck);
    component += classCost(SingleUnitTruck);
    component += classCost(PassengerCar);
    return component;
}

const PerHour<std::int64_t>& FreeFlowCounts(const DirectionQueue& d) {
    return d.FreeFlowThroughWorkZone;
}
const PerHour<std::int64_t>& ThroughputCounts(const DirectionQueue& d) {
    return d.Throughput;
}
const PerHour<std::int64_t>& JoiningCounts(const DirectionQueue& d) {
    return d.JoiningQueue;
}
const PerHour<std::int64_t>& ServedCounts(const DirectionQueue& d) {
    return d.ServedInQueue;
}

// The queue delay of every vehicle served in a queue, priced per vehicle-hour:
// the idling rate for running cost, the value of time for lost time.
[[nodiscard]] double QueueDelayCost(const QueueDay& day, const UserCostInputs& inputs,
                                    const std::array<double, kVehicleClasses>& hourlyRate) {
    return SumOverClassesAndDays(
        day, inputs, ServedCounts,
        [&](int c, double share, const DirectionQueue& d, int h, double served) {
            return hourlyRate[c] * served * d.QueueDelayPerVehicle[h] * share;
        });
}

} // namespace

double WorkZoneAddedTimePerVehicle(double length, int workZoneSpeed, int upstreamSpeed) {
    return length / workZoneSpeed - length / upstreamSpeed;
}

double CostSpeedChangeVoc(const QueueDay& day, const UserCostRates& rates,
                          const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    const int workZoneRow = SpeedRow(inputs.WorkZoneSpeed);
    return SumOverClassesAndDays(day, inputs, FreeFlowCounts,
                                 [&](int c, double share, const DirectionQueue&, int, double n) {
                                     return (rates.AddedCost[c][upstreamRow] -
                                             rates.AddedCost[c][workZoneRow]) *
                                            n * share * 0.001;
                                 });
}

double CostSpeedChangeDelay(const QueueDay& day, const UserCostRates& rates,
                            const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    const int workZoneRow = SpeedRow(inputs.WorkZoneSpeed);
    return SumOverClassesAndDays(day, inputs, FreeFlowCounts,
                                 [&](int c, double share, const DirectionQueue&, int, double n) {
                                     return rates.DelayRate[c] *
                                            (rates.AddedTime[c][upstreamRow] -
                                             rates.AddedTime[c][workZoneRow]) *
                                            n * share * 0.001;
                                 });
}

double CostReducedSpeedDelay(const QueueDay& day, const UserCostRates& rates,
                             const UserCostInputs& inputs) {
    return SumOverClassesAndDays(day, inputs, ThroughputCounts,
                                 [&](int c, double share, const DirectionQueue&, int, double n) {
                                     return rates.DelayRate[c] * inputs.AddedTimePerVehicle * n *
                                            share;
                                 });
}

double CostQueueStoppingVoc(const QueueDay& day, const UserCostRates& rates,
                            const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    return SumOverClassesAndDays(day, inputs, JoiningCounts,
                                 [&](int c, double share, const DirectionQueue&, int, double n) {
                                     return share * n * rates.AddedCost[c][upstreamRow] * 0.001;
                                 });
}

double CostQueueStoppingDelay(const QueueDay& day, const UserCostRates& rates,
                              const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    return SumOverClassesAndDays(
        day, inputs, JoiningCounts, [&](int c, double share, const DirectionQueue&, int, double n) {
            return rates.DelayRate[c] * share * n * rates.AddedTime[c][upstreamRow] * 0.001;
        });
}

double CostQueueIdleTime(const QueueDay& day, const UserCostRates& rates,
                         const UserCostInputs& inputs) {
    return QueueDelayCost(day, inputs, rates.IdlingCost);
}

double CostQueueAddedTravelTime(const QueueDay& day, const UserCostRates& rates,
                                const UserCostInputs& inputs) {
    return QueueDelayCost(day, inputs, rates.DelayRate);
}

CostComponents ComputeCostComponents(const QueueDay& day, const UserCostRates& rates,
                                     const UserCostInputs& inputs) {
    return CostComponents{
        CostSpeedChangeVoc(day, rates, inputs),       CostSpeedChangeDelay(day, rates, inputs),
        CostReducedSpeedDelay(day, rates, inputs),    CostQueueStoppingVoc(day, rates, inputs),
        CostQueueStoppingDelay(day, rates, inputs),   CostQueueIdleTime(day, rates, inputs),
        CostQueueAddedTravelTime(day, rates, inputs),
    };
}

double SumCostComponents(const CostComponents& components) {
    double sum = components[0];
    for (int i = 1; i < kCostComponentCount; ++i) {
        sum += components[i];
    }
    return sum;
}

} // namespace wexa
