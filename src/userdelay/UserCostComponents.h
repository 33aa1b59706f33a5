#pragma once

#include "model/Capacities.h"
#include "userdelay/QueueDay.h"

#include <array>

namespace wexa {

// The classes in the order their costs are added: combination trucks, then
// single-unit trucks, then passenger cars.
enum VehicleClass : int { CombinationTruck = 0, SingleUnitTruck = 1, PassengerCar = 2 };
inline constexpr int kVehicleClasses = 3;

using SpeedRows = std::array<double, kSpeedRows>; // row k is an initial speed of 5k mph

// The cost-rate tables, indexed by VehicleClass.
struct UserCostRates {
    std::array<SpeedRows, kVehicleClasses> AddedCost{}; // $ per 1000 stops
    std::array<SpeedRows, kVehicleClasses> AddedTime{}; // hours per 1000 stops
    std::array<double, kVehicleClasses> DelayRate{};    // value of time, $ per vehicle-hour
    std::array<double, kVehicleClasses> IdlingCost{};   // $ per vehicle-hour
};

// The scalars the components take besides the queue day and the rates.
struct UserCostInputs {
    double PercentSUTrucks = 0;
    double PercentCUTrucks = 0;
    int UpstreamSpeed = 0;          // mph, the posted speed
    int WorkZoneSpeed = 0;          // mph
    double AddedTimePerVehicle = 0; // hours, from WorkZoneAddedTimePerVehicle
    int Days = 0;                   // days the work zone is in place
    double InboundPercent = 0;      // percent of the days the zone affects each direction
    double OutboundPercent = 0;
};

// The seven components in the order the work-zone dialog lists them.
inline constexpr int kCostComponentCount = 7;
using CostComponents = std::array<double, kCostComponentCount>;

// Hours a vehicle loses driving the work zone at its speed limit.
[[nodiscard]] double WorkZoneAddedTimePerVehicle(double length, int workZoneSpeed,
                                                 int upstreamSpeed);

// The seven components in order, each a daily cost summed over the hours,
// both directions (weighted by the share of days each is affected) and the
// three classes, times the days. In dollars:
// - speed-change running cost and delay: vehicles through a work zone without
//   a queue slow down to the work-zone speed and back;
// - reduced-speed delay: every vehicle through the zone drives it slowly;
// - queue-stopping running cost and delay: vehicles that meet a queue stop
//   from the upstream speed;
// - queue idle time and added travel time: queued vehicles idle through the
//   queue delay, and lose it as time.
[[nodiscard]] CostComponents ComputeCostComponents(const QueueDay& day, const UserCostRates& rates,
                                                   const UserCostInputs& inputs);

// The two steps of ComputeCostComponents, for a caller that prices one day
// for several numbers of days: per class, each component's daily sum with the
// directions weighted by the percent of days each is affected
// (outbound first), and then those over `days` (times the days, over 100,
// classes added in order). The same operations in the same order, so the
// same bits as the whole.
using WeightedDailyCosts = std::array<CostComponents, kVehicleClasses>;
[[nodiscard]] WeightedDailyCosts ComputeWeightedDailyCosts(const QueueDay& day,
                                                           const UserCostRates& rates,
                                                           const UserCostInputs& inputs);
[[nodiscard]] CostComponents CostComponentsOverDays(const WeightedDailyCosts& weighted, int days);

// Components added in order, first to last.
[[nodiscard]] double SumCostComponents(const CostComponents& components);

} // namespace wexa
