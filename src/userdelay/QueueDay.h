#pragma once

#include "userdelay/TrafficDemand.h"

#include <array>
#include <cstdint>

namespace wexa {

// The working arrays of one queue evaluation, owned by the caller and
// overwritten by every evaluation; nothing here allocates.
//
// Vehicle counts are 64-bit: a queue that keeps growing over the passes of a
// day with a large demand goes past 32 bits long before the day is declared a
// gridlock.
template <typename T> using PerHour = std::array<T, kHoursPerDay>;

// One direction of one day; index h is the hour that starts at h:00.
struct DirectionQueue {
    PerHour<int> Volume{}; // demand, vehicles/hour: the input
    PerHour<int> HourlyCapacity{};
    PerHour<std::int64_t> HourlyExcess{}; // demand minus capacity, negative when capacity is spare
    PerHour<std::int64_t> QueueAtHourEnd{};
    PerHour<std::int64_t> Throughput{};    // through the work zone, 0 outside its hours
    PerHour<std::int64_t> ServedInQueue{}; // discharged while a queue stands in the hour
    PerHour<std::int64_t> JoiningQueue{};  // arrivals that meet the queue
    PerHour<std::int64_t> FreeFlowThroughWorkZone{};
    PerHour<double> QueueSpeed{};           // mph, 0 where no queue touches the hour
    PerHour<double> QueueLength{};          // miles
    PerHour<double> QueueDelayPerVehicle{}; // hours
};

struct QueueDay {
    DirectionQueue Inbound;
    DirectionQueue Outbound;
    bool GridlockFlag = false; // the queues never settle: the day cannot be served
};

} // namespace wexa
