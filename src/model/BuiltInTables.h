#pragma once

#include "model/Capacities.h"

#include <array>

namespace wexa {

// Values the program ships with. The constructor starts a Project from them,
// and the table dialogs' "Reset Defaults" restore them.

using BuiltInHourlyColumn = std::array<double, kHours>;
using BuiltInSpeedColumn = std::array<double, kSpeedRows>;

// Share of the AADT in each hour and the inbound share of each hour, percent.
// The outbound share is 100 - inbound and is computed, not listed.
inline constexpr BuiltInHourlyColumn kRuralAADTPercent = {1.8, 1.5, 1.3, 1.3, 1.5, 1.8, 2.5, 3.5,
                                                          4.2, 5.0, 5.4, 5.6, 5.7, 6.4, 6.8, 7.3,
                                                          9.3, 7.0, 5.5, 4.7, 3.8, 3.2, 2.6, 2.3};
inline constexpr BuiltInHourlyColumn kRuralInboundPercent = {
    48, 48, 45, 53, 53, 53, 57, 56, 56, 54, 51, 51, 50, 52, 51, 53, 49, 43, 47, 47, 46, 48, 48, 47};
inline constexpr BuiltInHourlyColumn kUrbanAADTPercent = {1.2, 0.8, 0.7, 0.5, 0.7, 1.7, 5.1, 7.8,
                                                          6.3, 5.2, 4.7, 5.3, 5.6, 5.7, 5.9, 6.5,
                                                          7.9, 8.5, 5.9, 3.9, 3.3, 2.8, 2.3, 1.7};
inline constexpr BuiltInHourlyColumn kUrbanInboundPercent = {
    47, 43, 46, 48, 57, 58, 63, 60, 59, 55, 46, 49, 50, 50, 49, 46, 45, 40, 46, 48, 47, 47, 48, 45};

// Added time (hours) and added running cost (dollars) per 1000 stops, by
// initial speed: row k is 5k mph.
inline constexpr BuiltInSpeedColumn kDefaultAddedTimePassengerCar = {
    0.00, 1.02, 1.51, 2.00, 2.49, 2.98, 3.46, 3.94, 4.42,
    4.90, 5.37, 5.84, 6.31, 6.78, 7.25, 7.71, 8.17};
inline constexpr BuiltInSpeedColumn kDefaultAddedTimeSingleUnitTruck = {
    0.00, 0.73, 1.47, 2.20, 2.93, 3.67,  4.40,  5.13, 5.87,
    6.60, 7.33, 8.07, 8.80, 9.53, 10.27, 11.00, 11.74};
inline constexpr BuiltInSpeedColumn kDefaultAddedTimeCombinationTruck = {
    0.00,  1.10,  2.27,  3.48,  4.76,  6.10,  7.56,  9.19, 11.09,
    13.39, 16.37, 20.72, 27.94, 37.48, 46.45, 57.05, 69.41};
inline constexpr BuiltInSpeedColumn kDefaultAddedCostPassengerCar = {
    0.00,  2.70,  8.83,  15.16, 21.74,  28.67,  36.10,  44.06, 52.70,
    62.07, 72.31, 83.47, 95.70, 109.02, 123.61, 139.53, 156.85};
inline constexpr BuiltInSpeedColumn kDefaultAddedCostSingleUnitTruck = {
    0.00,   9.25,   20.72,  33.89,  48.40,  63.97,  80.23,  96.88, 113.97,
    130.08, 145.96, 160.89, 178.98, 195.84, 217.60, 237.34, 257.64};
inline constexpr BuiltInSpeedColumn kDefaultAddedCostCombinationTruck = {
    0.00,   33.62,  77.49,  129.97, 190.06, 256.54,  328.21,  403.84, 482.21,
    562.14, 642.41, 721.77, 798.99, 912.66, 1014.54, 1120.94, 1231.87};

// Idling cost and value of time, dollars per vehicle-hour.
inline constexpr double kDefaultIdlingCostPassengerCar = 0.6927;
inline constexpr double kDefaultIdlingCostSingleUnitTruck = 0.7681;
inline constexpr double kDefaultIdlingCostCombinationTruck = 0.8248;
inline constexpr double kDefaultDelayRatePassengerCar = 11.58;
inline constexpr double kDefaultDelayRateSingleUnitTruck = 18.54;
inline constexpr double kDefaultDelayRateCombinationTruck = 22.31;

} // namespace wexa
