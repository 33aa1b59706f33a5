#include "userdelay/QueueModel.h"

#include "model/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace wexa {

namespace {

// A day whose queues still change after this many passes keeps growing: the
// demand is more than the road can carry in 24 hours.
constexpr int kMaxInnerPasses = 51;
// Capacities follow the queues and the queues follow the capacities; a day
// that has not settled after this many rounds never will.
constexpr int kMaxOuterPasses = 100;

[[nodiscard]] constexpr int PreviousHour(int hour) {
    return hour == 0 ? kHoursPerDay - 1 : hour - 1;
}

template <typename Operation> void ForBothDirections(QueueDay& day, Operation operation) {
    operation(day.Inbound);
    operation(day.Outbound);
}

// Most days of most runs have no queue in a direction, and every queue
// quantity is then 0: these tests let the operations fill a whole direction at
// once instead of deciding hour by hour.
[[nodiscard]] bool HasQueue(const DirectionQueue& d) {
    std::int64_t any = 0;
    for (const std::int64_t queue : d.QueueAtHourEnd) {
        any |= queue;
    }
    return any != 0;
}

[[nodiscard]] bool HasQueueSpeed(const DirectionQueue& d) {
    bool any = false;
    for (const double speed : d.QueueSpeed) {
        any |= speed > 0;
    }
    return any;
}

// Fills `values` hour by hour with `perHour(hour)` when `worthLooking`, else
// with 0, which is what `perHour` gives in every hour then.
template <typename T, typename PerHourValue>
void FillPerHour(bool worthLooking, PerHour<T>& values, PerHourValue perHour) {
    if (!worthLooking) {
        values.fill(T{});
        return;
    }
    for (int h = 0; h < kHoursPerDay; ++h) {
        values[h] = perHour(h);
    }
}

// Hours as bits of a word, bit h for the hour that starts at h:00.
using HourSet = std::uint32_t;

[[nodiscard]] constexpr bool Has(HourSet hours, int hour) {
    return (hours >> hour & 1U) != 0;
}

[[nodiscard]] HourSet WorkZoneHours(int startHour, int stopHour) {
    HourSet hours = 0;
    for (int h = 0; h < kHoursPerDay; ++h) {
        hours |= static_cast<HourSet>(IsWorkZoneHour(h, startHour, stopHour)) << h;
    }
    return hours;
}

// The products of a queue and a rate can pass 64 bits before the division
// brings them back, so they are formed exactly in 128 bits.
__extension__ using Int128 = __int128;

[[nodiscard]] std::int64_t SaturateToInt64(Int128 value) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (value > kMax) {
        return kMax;
    }
    if (value < kMin) {
        return kMin;
    }
    return static_cast<std::int64_t>(value);
}

// Vehicles counted in the hour a queue clears: `rate` times the fraction of
// the hour the queue took to clear (queue carried in over the spare
// capacity), truncated toward zero.
[[nodiscard]] std::int64_t ClearingCount(std::int64_t rate, std::int64_t carriedIn,
                                         std::int64_t excess) {
    // A cleared queue implies spare capacity; a zero excess only comes from
    // arrays that were not filled by SimulateQueue, and is not divided by.
    if (carriedIn == 0 || excess == 0) {
        return 0;
    }
    // Most products fit in 64 bits, where the division is the same and far
    // cheaper; the negation of the lowest value would not, so it takes the
    // long way.
    std::int64_t product = 0;
    if (!__builtin_mul_overflow(rate, carriedIn, &product) &&
        product != std::numeric_limits<std::int64_t>::min()) {
        return -product / excess;
    }
    return SaturateToInt64(-(Int128{rate} * carriedIn) / excess);
}

// Vehicles counted in an hour when a queue touches it: `standing` when the
// queue stands all hour, ClearingCount in the hour it clears.
[[nodiscard]] std::int64_t CountWhileQueued(const DirectionQueue& d, int hour,
                                            std::int64_t standing, std::int64_t rate) {
    if (d.QueueAtHourEnd[hour] != 0) {
        return standing;
    }
    return ClearingCount(rate, d.QueueAtHourEnd[PreviousHour(hour)], d.HourlyExcess[hour]);
}

// A direction's excess (demand minus capacity) in each hour at either
// capacity a round can give it, worked out once for the day: outside the
// work zone's hours an hour after one that ended with a queue has the
// dissipation capacity, any other the normal one; the zone's hours always
// have the work-zone capacity.
struct Excesses {
    PerHour<std::int64_t> Undisturbed;
    PerHour<std::int64_t> AfterQueue;
};

// The two capacities each hour can have, the same for both directions.
struct HourCapacities {
    PerHour<int> Undisturbed;
    PerHour<int> AfterQueue;
};

[[nodiscard]] HourCapacities CapacitiesOfDay(int normalCapacity, int workZoneCapacity,
                                             int dissipationCapacity, HourSet workZone) {
    HourCapacities c;
    for (int h = 0; h < kHoursPerDay; ++h) {
        const bool inZone = Has(workZone, h);
        c.Undisturbed[h] = inZone ? workZoneCapacity : normalCapacity;
        c.AfterQueue[h] = inZone ? workZoneCapacity : dissipationCapacity;
    }
    return c;
}

[[nodiscard]] Excesses ExcessesOf(const DirectionQueue& d, const HourCapacities& c) {
    Excesses e;
    for (int h = 0; h < kHoursPerDay; ++h) {
        e.Undisturbed[h] = std::int64_t{d.Volume[h]} - c.Undisturbed[h];
        e.AfterQueue[h] = std::int64_t{d.Volume[h]} - c.AfterQueue[h];
    }
    return e;
}

// Each hour's excess for the round to come, from the queues of the round
// before.
void AssignExcesses(DirectionQueue& d, const Excesses& e) {
    std::int64_t carriedIn = d.QueueAtHourEnd[kHoursPerDay - 1];
    for (int h = 0; h < kHoursPerDay; ++h) {
        d.HourlyExcess[h] = carriedIn != 0 ? e.AfterQueue[h] : e.Undisturbed[h];
        carriedIn = d.QueueAtHourEnd[h];
    }
}

// The capacities the excesses were worked out from: an excess is demand
// minus capacity in 64 bits, so this gives each capacity back exactly.
void CapacitiesFromExcesses(DirectionQueue& d) {
    for (int h = 0; h < kHoursPerDay; ++h) {
        d.HourlyCapacity[h] = static_cast<int>(d.Volume[h] - d.HourlyExcess[h]);
    }
}

// One pass over the day, hour 1 round to hour 0, from the queue left at hour 0
// by the pass before, both directions side by side: each hour's queue waits
// on the one before, and two such chains keep the processor busier than
// one. Returns the day's queue total, inbound's and outbound's added.
[[nodiscard]] std::int64_t QueuePass(QueueDay& day) {
    PerHour<std::int64_t>& in = day.Inbound.QueueAtHourEnd;
    PerHour<std::int64_t>& out = day.Outbound.QueueAtHourEnd;
    const PerHour<std::int64_t>& inExcess = day.Inbound.HourlyExcess;
    const PerHour<std::int64_t>& outExcess = day.Outbound.HourlyExcess;
    std::int64_t inQueue = in[0];
    std::int64_t outQueue = out[0];
    std::int64_t inTotal = 0;
    std::int64_t outTotal = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) {
        const int hour = h == kHoursPerDay ? 0 : h;
        inQueue = std::max<std::int64_t>(0, inQueue + inExcess[hour]);
        outQueue = std::max<std::int64_t>(0, outQueue + outExcess[hour]);
        in[hour] = inQueue;
        out[hour] = outQueue;
        inTotal += inQueue;
        outTotal += outQueue;
    }
    return inTotal + outTotal;
}

// Passes over the day from the queue left at hour 0 until a pass would
// repeat the one before: the day's queue total then, or nullopt when the
// queues keep changing (a gridlock).
[[nodiscard]] std::optional<std::int64_t> SettlePasses(QueueDay& day) {
    std::int64_t previousTotal = 0;
    std::int64_t total = 0;
    // A pass depends only on the queues it starts from at hour 0: when
    // they are those the previous pass started from, this pass would
    // repeat it, total and all, and the day has settled.
    std::int64_t startedInbound = -1;
    std::int64_t startedOutbound = -1;
    for (int pass = 1;; ++pass) {
        if (day.Inbound.QueueAtHourEnd[0] == startedInbound &&
            day.Outbound.QueueAtHourEnd[0] == startedOutbound) {
            return total;
        }
        startedInbound = day.Inbound.QueueAtHourEnd[0];
        startedOutbound = day.Outbound.QueueAtHourEnd[0];
        total = QueuePass(day);
        if (total == previousTotal) {
            return total;
        }
        if (pass >= kMaxInnerPasses) {
            return std::nullopt;
        }
        previousTotal = total;
    }
}

// Rounds of passes, each on the capacities the queues of the round before
// call for (none before the first), until a round's queue total repeats the
// one before. Gives true, with GridlockFlag set, when the day does not
// settle; the arrays are then those of the last pass.
[[nodiscard]] bool SettleQueues(QueueDay& day, int normalCapacity, int workZoneCapacity,
                                int dissipationCapacity, HourSet workZone) {
    day.GridlockFlag = true;
    const HourCapacities capacities =
        CapacitiesOfDay(normalCapacity, workZoneCapacity, dissipationCapacity, workZone);
    const Excesses inbound = ExcessesOf(day.Inbound, capacities);
    const Excesses outbound = ExcessesOf(day.Outbound, capacities);
    day.Inbound.HourlyExcess = inbound.Undisturbed;
    day.Outbound.HourlyExcess = outbound.Undisturbed;
    std::int64_t previousOuterTotal = 0;
    for (int outer = 0; outer < kMaxOuterPasses; ++outer) {
        if (outer > 0) {
            AssignExcesses(day.Inbound, inbound);
            AssignExcesses(day.Outbound, outbound);
        }
        day.Inbound.QueueAtHourEnd[0] = 0;
        day.Outbound.QueueAtHourEnd[0] = 0;
        const std::optional<std::int64_t> total = SettlePasses(day);
        if (!total) {
            break;
        }
        if (*total == previousOuterTotal) {
            day.GridlockFlag = false;
            break;
        }
        previousOuterTotal = *total;
    }
    CapacitiesFromExcesses(day.Inbound);
    CapacitiesFromExcesses(day.Outbound);
    return day.GridlockFlag;
}

// The queue's length in an hour it touches, from the hour's values.
[[nodiscard]] double QueueLengthFor(double speed, std::int64_t carriedIn, std::int64_t queue,
                                    int capacity, int volume, int upstreamSpeed) {
    if (!(speed > 0)) {
        return 0;
    }
    const double averageQueue = static_cast<double>(carriedIn + queue) * 0.5;
    const double queueDensity = capacity / speed;
    // Upstream density in whole vehicles per mile. A speed of 0 or less is
    // refused before any evaluation; it counts as no upstream traffic here
    // rather than dividing by zero.
    const int upstreamDensity = upstreamSpeed > 0 ? volume / upstreamSpeed : 0;
    const double densityDifference = queueDensity - upstreamDensity;
    const double length = averageQueue / (densityDifference > 0 ? densityDifference : queueDensity);
    // A capacity of 0 or less, or a service flow rate so small that the speed
    // overflows, leaves no usable density at all.
    return std::isfinite(length) && length > 0 ? length : 0;
}

[[nodiscard]] double LengthInHour(const DirectionQueue& d, int hour, int upstreamSpeed) {
    return QueueLengthFor(d.QueueSpeed[hour], d.QueueAtHourEnd[PreviousHour(hour)],
                          d.QueueAtHourEnd[hour], d.HourlyCapacity[hour], d.Volume[hour],
                          upstreamSpeed);
}

[[nodiscard]] double QueueDelayFor(double speed, double length, int upstreamSpeed) {
    if (!(speed > 0)) {
        return 0;
    }
    const double upstreamTime = upstreamSpeed > 0 ? length / upstreamSpeed : 0.0;
    const double delay = length / speed - upstreamTime;
    // A queue that moves faster than the upstream traffic (a high dissipation
    // rate on a slow road) costs no time rather than saving some.
    return std::isfinite(delay) && delay > 0 ? delay : 0;
}

[[nodiscard]] double DelayInHour(const DirectionQueue& d, int hour, int upstreamSpeed) {
    return QueueDelayFor(d.QueueSpeed[hour], d.QueueLength[hour], upstreamSpeed);
}

// The steps after the simulation, one direction at a time. `worthLooking` is
// false only when every hour's value is known to be 0 (see FillPerHour).

// Vehicles through the zone in one of its hours: the arrivals and the queue
// carried in, at most the hour's capacity.
[[nodiscard]] std::int64_t ThroughputFor(int volume, std::int64_t carriedIn, int capacity) {
    return std::min<std::int64_t>(volume + carriedIn, capacity);
}

// Vehicles through a zone running below capacity that meet no queue.
[[nodiscard]] std::int64_t FreeFlowFor(std::int64_t through, int capacity, std::int64_t served,
                                       int volume, std::int64_t joining) {
    if (through > 0 && through < capacity) {
        return served != 0 ? volume - joining : through;
    }
    return 0;
}

void ThroughputOf(DirectionQueue& d, HourSet workZone) {
    FillPerHour(workZone != 0, d.Throughput, [&](int h) {
        return Has(workZone, h) ? ThroughputFor(d.Volume[h], d.QueueAtHourEnd[PreviousHour(h)],
                                                d.HourlyCapacity[h])
                                : 0;
    });
}

void ServedInQueueOf(DirectionQueue& d, bool worthLooking) {
    FillPerHour(worthLooking, d.ServedInQueue, [&](int h) {
        return CountWhileQueued(d, h, d.HourlyCapacity[h], d.HourlyCapacity[PreviousHour(h)]);
    });
}

void JoiningQueueOf(DirectionQueue& d, bool worthLooking) {
    FillPerHour(worthLooking, d.JoiningQueue,
                [&](int h) { return CountWhileQueued(d, h, d.Volume[h], d.Volume[h]); });
}

void FreeFlowOf(DirectionQueue& d) {
    for (int h = 0; h < kHoursPerDay; ++h) {
        d.FreeFlowThroughWorkZone[h] =
            FreeFlowFor(d.Throughput[h], d.HourlyCapacity[h], d.ServedInQueue[h], d.Volume[h],
                        d.JoiningQueue[h]);
    }
}

[[nodiscard]] double QueueSpeedFor(int capacity, double serviceFlowRate) {
    const double r = capacity / serviceFlowRate;
    return 13.334 * (r * r) + 12.707 * r;
}

[[nodiscard]] double SpeedInHour(const DirectionQueue& d, int hour, double serviceFlowRate) {
    if (d.QueueAtHourEnd[hour] == 0 && d.QueueAtHourEnd[PreviousHour(hour)] == 0) {
        return 0.0;
    }
    return QueueSpeedFor(d.HourlyCapacity[hour], serviceFlowRate);
}

void QueueSpeedOf(DirectionQueue& d, double serviceFlowRate, bool worthLooking) {
    FillPerHour(worthLooking, d.QueueSpeed,
                [&](int h) { return SpeedInHour(d, h, serviceFlowRate); });
}

// Every figure after the simulation of one direction, in one pass over the
// hours: each operation above takes only its own hour's values of those
// before it (and the queues and capacities), so an hour's figures can be
// worked out together, in the operations' order. An hour that no queue
// touches (none at its end nor at the end of the hour before) has no
// served, joining, speed, length or delay, which is what each operation
// gives there too.
void DirectionFiguresOf(DirectionQueue& d, HourSet workZone, double serviceFlowRate,
                        int upstreamSpeed) {
    std::int64_t carriedIn = d.QueueAtHourEnd[kHoursPerDay - 1];
    int previousCapacity = d.HourlyCapacity[kHoursPerDay - 1];
    for (int h = 0; h < kHoursPerDay; ++h) {
        const std::int64_t queue = d.QueueAtHourEnd[h];
        const int capacity = d.HourlyCapacity[h];
        const int volume = d.Volume[h];
        const std::int64_t through =
            Has(workZone, h) ? ThroughputFor(volume, carriedIn, capacity) : 0;
        d.Throughput[h] = through;
        if (queue == 0 && carriedIn == 0) {
            d.ServedInQueue[h] = 0;
            d.JoiningQueue[h] = 0;
            d.QueueSpeed[h] = 0.0;
            d.QueueLength[h] = 0.0;
            d.QueueDelayPerVehicle[h] = 0.0;
        } else {
            const bool standing = queue != 0;
            const std::int64_t excess = d.HourlyExcess[h];
            d.ServedInQueue[h] =
                standing ? capacity : ClearingCount(previousCapacity, carriedIn, excess);
            d.JoiningQueue[h] = standing ? volume : ClearingCount(volume, carriedIn, excess);
            const double speed = QueueSpeedFor(capacity, serviceFlowRate);
            const double length =
                QueueLengthFor(speed, carriedIn, queue, capacity, volume, upstreamSpeed);
            d.QueueSpeed[h] = speed;
            d.QueueLength[h] = length;
            d.QueueDelayPerVehicle[h] = QueueDelayFor(speed, length, upstreamSpeed);
        }
        d.FreeFlowThroughWorkZone[h] =
            FreeFlowFor(through, capacity, d.ServedInQueue[h], volume, d.JoiningQueue[h]);
        carriedIn = queue;
        previousCapacity = capacity;
    }
}

void QueueLengthOf(DirectionQueue& d, int upstreamSpeed, bool worthLooking) {
    FillPerHour(worthLooking, d.QueueLength,
                [&](int h) { return LengthInHour(d, h, upstreamSpeed); });
}

void QueueDelayOf(DirectionQueue& d, int upstreamSpeed, bool worthLooking) {
    FillPerHour(worthLooking, d.QueueDelayPerVehicle,
                [&](int h) { return DelayInHour(d, h, upstreamSpeed); });
}

} // namespace

bool SimulateQueue(QueueDay& day, double serviceFlowRate, int workZoneCapacity,
                   int dissipationCapacity, int startHour, int stopHour) {
    return SettleQueues(day, TruncateToInt32(serviceFlowRate), workZoneCapacity,
                        dissipationCapacity, WorkZoneHours(startHour, stopHour));
}

void ComputeThroughput(QueueDay& day, int startHour, int stopHour) {
    const HourSet workZone = WorkZoneHours(startHour, stopHour);
    ForBothDirections(day, [&](DirectionQueue& d) { ThroughputOf(d, workZone); });
}

void CountVehiclesServedInQueue(QueueDay& day) {
    ForBothDirections(day, [](DirectionQueue& d) { ServedInQueueOf(d, HasQueue(d)); });
}

void CountVehiclesJoiningQueue(QueueDay& day) {
    ForBothDirections(day, [](DirectionQueue& d) { JoiningQueueOf(d, HasQueue(d)); });
}

void CountFreeFlowWorkZoneVehicles(QueueDay& day) {
    ForBothDirections(day, [](DirectionQueue& d) { FreeFlowOf(d); });
}

void ComputeQueueSpeed(QueueDay& day, double serviceFlowRate) {
    ForBothDirections(day,
                      [&](DirectionQueue& d) { QueueSpeedOf(d, serviceFlowRate, HasQueue(d)); });
}

void ComputeQueueLength(QueueDay& day, int upstreamSpeed) {
    ForBothDirections(
        day, [&](DirectionQueue& d) { QueueLengthOf(d, upstreamSpeed, HasQueueSpeed(d)); });
}

void ComputeQueueDelayPerVehicle(QueueDay& day, int upstreamSpeed) {
    ForBothDirections(day,
                      [&](DirectionQueue& d) { QueueDelayOf(d, upstreamSpeed, HasQueueSpeed(d)); });
}

bool RunQueueChain(QueueDay& day, const QueueScenario& scenario, int startHour, int stopHour) {
    const HourSet workZone = WorkZoneHours(startHour, stopHour);
    if (SettleQueues(day, TruncateToInt32(scenario.ServiceFlowRate), scenario.WorkZoneCapacity,
                     scenario.DissipationCapacity, workZone)) {
        return true;
    }
    // The same results as calling the operations above in order: the
    // directions do not interact, and within a direction each hour's values
    // take only that hour's values of the steps before (and the queues).
    ForBothDirections(day, [&](DirectionQueue& d) {
        DirectionFiguresOf(d, workZone, scenario.ServiceFlowRate, scenario.UpstreamSpeed);
    });
    return false;
}

} // namespace wexa
