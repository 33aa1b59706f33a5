#pragma once

#include "userdelay/QueueDay.h"

namespace wexa {

// The hour-by-hour queue of one typical day, both directions side by side.
// The day is periodic: the hour before 0 is 23, and a queue standing at
// midnight carries into hour 0. The operations below run in this order on the
// same QueueDay, each filling the arrays its name says; a day priced without a
// work zone (the baseline) runs them with kNoWorkZone as the start hour.
//
// The day's run calls only RunQueueChain, which does the steps after
// SimulateQueue in one pass. The steps one by one are kept as the tests'
// reference for that pass, and so that each step can be tested alone.

inline constexpr int kNoWorkZone = -1;

// True when hour h has the work-zone capacity. The zone runs from the start
// hour up to, not including, the stop hour, across midnight when the stop hour
// is not later; start == stop means all day. Any negative start hour means no
// work zone. Hours are tested, never used as indices, so no value of start or
// stop can reach outside the arrays.
[[nodiscard]] constexpr bool IsWorkZoneHour(int hour, int startHour, int stopHour) {
    if (startHour < 0) {
        return false;
    }
    if (stopHour > startHour) {
        return hour >= startHour && hour < stopHour;
    }
    return hour >= startHour || hour < stopHour;
}

// Repeats the day until the queues settle: capacities from the queues of the
// previous pass (dissipation capacity after a standing queue, the service flow
// rate truncated otherwise, the work-zone capacity in its hours), then passes
// over the day until the daily queue total stops changing. Returns true, and
// sets GridlockFlag, when the day does not settle; the arrays are then left as
// the last pass wrote them and nothing further should be computed.
bool SimulateQueue(QueueDay& day, double serviceFlowRate, int workZoneCapacity,
                   int dissipationCapacity, int startHour, int stopHour);

// Vehicles through the work zone in its hours: the arrivals plus the queue
// carried in, at most the hour's capacity. 0 in every other hour.
void ComputeThroughput(QueueDay& day, int startHour, int stopHour);

// Vehicles discharged while a queue stands in the hour; in the hour a queue
// clears, the share of the hour it still stood, at the previous hour's rate.
void CountVehiclesServedInQueue(QueueDay& day);

// Arrivals that meet a queue; in the hour a queue clears, those arriving
// before it has cleared.
void CountVehiclesJoiningQueue(QueueDay& day);

// Vehicles that pass a work zone running below capacity without meeting a
// queue.
void CountFreeFlowWorkZoneVehicles(QueueDay& day);

// Speed inside the queue from the ratio of the hour's capacity to the service
// flow rate; 0 where no queue touches the hour.
void ComputeQueueSpeed(QueueDay& day, double serviceFlowRate);

// Miles of queue: the hour's average queue over the density difference
// between the queue and the upstream traffic. When the queue is not denser
// than the traffic arriving (a queue moving faster than the upstream speed,
// only with extreme inputs) the queue density alone is used, so the length is
// never infinite or negative.
void ComputeQueueLength(QueueDay& day, int upstreamSpeed);

// Extra hours one queued vehicle spends against driving the queue's length at
// the upstream speed; never negative or infinite.
void ComputeQueueDelayPerVehicle(QueueDay& day, int upstreamSpeed);

// What one queue evaluation needs besides the demand and the timing.
struct QueueScenario {
    double ServiceFlowRate = 0; // vehicles/hour, one direction, all lanes
    int WorkZoneCapacity = 0;
    int DissipationCapacity = 0;
    int UpstreamSpeed = 0; // mph, the posted speed
};

// The whole sequence above on the volumes already in `day`. Stops after a
// gridlock and returns true then.
bool RunQueueChain(QueueDay& day, const QueueScenario& scenario, int startHour, int stopHour);

} // namespace wexa
