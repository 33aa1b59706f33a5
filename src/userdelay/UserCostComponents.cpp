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

[[nodiscard]] double AsReal(std::int64_t vehicles) {
    return static_cast<double>(vehicles);
}

// Every component has the same shape: a cost per class, hour and direction,
// summed over the day per direction, the directions weighted by the share of
// days each is affected, times the days, and the classes added in summation
// order. `hourTerm(vehicleClass, share, direction, hour)` is that cost.
// Sums start from their first term, so the result is the same bits as the
// written-out formula.
template <typename HourTerm>
[[nodiscard]] double SumOverClassesAndDays(const QueueDay& day, const UserCostInputs& inputs,
                                           HourTerm hourTerm) {
    const std::array<double, kVehicleClasses> shares{
        inputs.PercentCUTrucks * 0.01,
        inputs.PercentSUTrucks * 0.01,
        (100.0 - inputs.PercentSUTrucks - inputs.PercentCUTrucks) * 0.01,
    };
    const auto dailySum = [&](int vehicleClass, const DirectionQueue& direction) {
        double sum = hourTerm(vehicleClass, shares[vehicleClass], direction, 0);
        for (int h = 1; h < kHoursPerDay; ++h) {
            sum += hourTerm(vehicleClass, shares[vehicleClass], direction, h);
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

// The queue delay of every vehicle served in a queue, priced per vehicle-hour:
// the idling rate for running cost, the value of time for lost time.
[[nodiscard]] double QueueDelayCost(const QueueDay& day, const UserCostInputs& inputs,
                                    const std::array<double, kVehicleClasses>& hourlyRate) {
    return SumOverClassesAndDays(
        day, inputs, [&](int c, double share, const DirectionQueue& d, int h) {
            return hourlyRate[c] * AsReal(d.ServedInQueue[h]) * d.QueueDelayPerVehicle[h] * share;
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
    return SumOverClassesAndDays(
        day, inputs, [&](int c, double share, const DirectionQueue& d, int h) {
            return (rates.AddedCost[c][upstreamRow] - rates.AddedCost[c][workZoneRow]) *
                   AsReal(d.FreeFlowThroughWorkZone[h]) * share * 0.001;
        });
}

double CostSpeedChangeDelay(const QueueDay& day, const UserCostRates& rates,
                            const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    const int workZoneRow = SpeedRow(inputs.WorkZoneSpeed);
    return SumOverClassesAndDays(
        day, inputs, [&](int c, double share, const DirectionQueue& d, int h) {
            return rates.DelayRate[c] *
                   (rates.AddedTime[c][upstreamRow] - rates.AddedTime[c][workZoneRow]) *
                   AsReal(d.FreeFlowThroughWorkZone[h]) * share * 0.001;
        });
}

double CostReducedSpeedDelay(const QueueDay& day, const UserCostRates& rates,
                             const UserCostInputs& inputs) {
    return SumOverClassesAndDays(day, inputs,
                                 [&](int c, double share, const DirectionQueue& d, int h) {
                                     return rates.DelayRate[c] * inputs.AddedTimePerVehicle *
                                            AsReal(d.Throughput[h]) * share;
                                 });
}

double CostQueueStoppingVoc(const QueueDay& day, const UserCostRates& rates,
                            const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    return SumOverClassesAndDays(
        day, inputs, [&](int c, double share, const DirectionQueue& d, int h) {
            return share * AsReal(d.JoiningQueue[h]) * rates.AddedCost[c][upstreamRow] * 0.001;
        });
}

double CostQueueStoppingDelay(const QueueDay& day, const UserCostRates& rates,
                              const UserCostInputs& inputs) {
    const int upstreamRow = SpeedRow(inputs.UpstreamSpeed);
    return SumOverClassesAndDays(day, inputs,
                                 [&](int c, double share, const DirectionQueue& d, int h) {
                                     return rates.DelayRate[c] * share * AsReal(d.JoiningQueue[h]) *
                                            rates.AddedTime[c][upstreamRow] * 0.001;
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
