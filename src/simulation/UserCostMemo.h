#pragma once

#include "userdelay/UserCostEvaluation.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wexa {

// What each activity's work zone costs road users at each traffic level
// met in a run, before the days are applied. Within a run an activity's day
// depends only on its AADT: its work zone, the hourly distribution and the
// cost rates stay as they are, and the drawn hours enter only through the
// days (RunUserCostOverDays). Traffic levels recur from iteration to
// iteration (the base year's, the cap, and whole vehicles of growth), so a
// remembered day spares the queue chain and its pricing.
//
// `slot` names the day being priced: activities whose days are the same in
// every input share one (see WorkZoneDays).
//
// A table allocated before the run, each pair of slot and AADT in one place
// given by a hash: a newer pair that lands there replaces the older. The
// work-zone day and, when the road queues without the zone, the baseline
// day are kept in places of their own, so a day without a baseline queue
// takes half the room. What is found is what was stored, the same bits as a
// new evaluation would give.
class UserCostMemo {
public:
    // Forgets every day, since a new run may have other inputs, and makes
    // room for about `days` of them (a deterministic run meets a few, a
    // probabilistic one thousands). Allocates only when the table must grow;
    // otherwise at once, whatever the size of the table, since a base case
    // runs one iteration at a time.
    void Prepare(std::int64_t days);
    // Copies the day stored for the slot at that AADT into `costs`; false,
    // leaving `costs` as it was, when the table does not hold all of it.
    [[nodiscard]] bool Find(int slot, std::int32_t aadt, RunDayCosts& costs) const;
    // A hint that the day will be looked for soon: starts bringing its place
    // into the processor's cache, so that the look-up does not wait for
    // memory. Changes nothing the table holds or finds.
    void Prefetch(int slot, std::int32_t aadt) const;
    // Stores (a copy of) the day, replacing whatever held its places.
    void Store(int slot, std::int32_t aadt, const RunDayCosts& costs);

    // The places the table has now.
    [[nodiscard]] std::size_t Places() const { return tags_.size(); }

private:
    // What tells a place's day, kept apart from the costs: the tags of a
    // large table fit the processor's cache where the whole of it would not,
    // so a look-up that misses costs one near read.
    struct Tag {
        std::int64_t Key = -1;        // none
        std::uint32_t Generation = 0; // the run that stored it
        bool Gridlock = false;        // of the work-zone day's entry
        bool BaselineFree = false;
    };

    [[nodiscard]] std::size_t PlaceOf(std::int64_t key) const;
    // The place holding the key in this run, or -1.
    [[nodiscard]] std::ptrdiff_t FindPlace(std::int64_t key) const;
    void StoreAt(std::int64_t key, const RunDayCosts& flags, const WeightedDailyCosts& costs);

    std::vector<Tag> tags_;
    std::vector<WeightedDailyCosts> costs_;
    int placeBits_ = 0;
    std::uint32_t generation_ = 1; // an entry of an earlier one is empty
};

} // namespace wexa
