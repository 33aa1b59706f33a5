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

// The hours of one direction in which any vehicle is counted, with the counts
// as reals.
struct CountedHours {
    int Size = 0;
    PerHour<double> FreeFlow{};
    PerHour<double> Through{};
    PerHour<double> Joining{};
    PerHour<double> Served{};
    PerHour<double> Delay{};
};

CountedHours CountedHoursOf(const DirectionQueue& d) {
    CountedHours hours;
    for (int h = 0; h < kHoursPerDay; ++h) {
        if ((d.FreeFlowThroughWorkZone[h] | d.Throughput[h] | d.JoiningQueue[h] |
             d.ServedInQueue[h]) == 0) {
            continue;
        }
        const int i = hours.Size++;
        hours.FreeFlow[i] = static_cast<double>(d.FreeFlowThroughWorkZone[h]);
        hours.Through[i] = static_cast<double>(d.Throughput[h]);
        hours.Joining[i] = static_cast<double>(d.JoiningQueue[h]);
        hours.Served[i] = static_cast<double>(d.ServedInQueue[h]);
        hours.Delay[i] = d.QueueDelayPerVehicle[h];
    }
    return hours;
}

// One class's daily sums over the counted hours. Factors that lead a product
// are multiplied once (the left-to-right order makes them the same bits); a
// count of 0 adds nothing.
ClassSums SumClass(const CountedHours& hours, const UserCostRates& rates,
                   const UserCostInputs& inputs, int c, double s) {
    const int up = SpeedRow(inputs.UpstreamSpeed);
    const int zone = SpeedRow(inputs.WorkZoneSpeed);
    const double vot = rates.DelayRate[c];
    const double speedChangeCost = rates.AddedCost[c][up] - rates.AddedCost[c][zone];
    const double speedChangeDelay = vot * (rates.AddedTime[c][up] - rates.AddedTime[c][zone]);
    const double reducedSpeedDelay = vot * inputs.AddedTimePerVehicle;
    const double stoppingCost = rates.AddedCost[c][up];
    const double stoppingDelay = vot * s;
    const double stoppingTime = rates.AddedTime[c][up];
    const double idling = rates.IdlingCost[c];
    double voc = -0.0, delay = -0.0, reduced = -0.0, stopVoc = -0.0, stopDelay = -0.0, idle = -0.0,
           travel = -0.0;
    for (int i = 0; i < hours.Size; ++i) {
        if (const double n = hours.FreeFlow[i]; n != 0) {
            voc += speedChangeCost * n * s * 0.001;
            delay += speedChangeDelay * n * s * 0.001;
        }
        if (const double n = hours.Through[i]; n != 0) {
            reduced += reducedSpeedDelay * n * s;
        }
        if (const double n = hours.Joining[i]; n != 0) {
            stopVoc += s * n * stoppingCost * 0.001;
            stopDelay += stoppingDelay * n * stoppingTime * 0.001;
        }
        if (const double n = hours.Served[i]; n != 0) {
            idle += idling * n * hours.Delay[i] * s;
            travel += vot * n * hours.Delay[i] * s;
        }
    }
    return {voc, delay, reduced, stopVoc, stopDelay, idle, travel};
}

DailySums SumDirection(const DirectionQueue& d, const UserCostRates& rates,
                       const UserCostInputs& inputs,
                       const std::array<double, kVehicleClasses>& shares) {
    const CountedHours hours = CountedHoursOf(d);
    DailySums sums;
    for (int c = 0; c < kVehicleClasses; ++c) {
        sums[c] = SumClass(hours, rates, inputs, c, shares[c]);
    }
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
    const DailySums outbound = SumDirection(day.Outbound, rates, inputs, shares);
    const DailySums inbound = SumDirection(day.Inbound, rates, inputs, shares);
    WeightedDailyCosts weighted{};
    for (int c = 0; c < kVehicleClasses; ++c) {
        for (int k = 0; k < kCostComponentCount; ++k) {
            weighted[c][k] =
                inputs.OutboundPercent * outbound[c][k] + inputs.InboundPercent * inbound[c][k];
        }
    }
    return weighted;
}

// days * (weighted) * 0.01, evaluated left to right as the product reads.
CostComponents CostComponentsOverDays(const WeightedDailyCosts& weighted, int days) {
    const double d = days;
    CostComponents components{};
    for (int k = 0; k < kCostComponentCount; ++k) {
        double component = d * weighted[CombinationTruck][k] * 0.01;
        component += d * weighted[SingleUnitTruck][k] * 0.01;
        component += d * weighted[PassengerCar][k] * 0.01;
        components[k] = component;
    }
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
