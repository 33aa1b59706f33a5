#pragma once

#include "userdelay/UserCostEvaluation.h"

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
// A fixed table, allocated once, each pair of activity and AADT in one place
// given by a hash: a newer pair that lands there replaces the older. What
// is found is what was stored, the same bits as a new evaluation would give.
class UserCostMemo {
public:
    UserCostMemo();

    // Forgets every day: a new run may have other inputs. At once, whatever
    // the size of the table, since a base case runs one iteration at a time.
    void Clear();
    // The day stored for the activity at that AADT, or null.
    [[nodiscard]] const RunDayCosts* Find(int slot, std::int32_t aadt) const;
    // Stores (a copy of) the day, replacing whatever held its place.
    void Store(int slot, std::int32_t aadt, const RunDayCosts& costs);

private:
    struct Entry {
        std::int64_t Key = -1;        // none
        std::uint32_t Generation = 0; // the run that stored it
        RunDayCosts Costs;
    };

    [[nodiscard]] static std::int64_t KeyOf(int slot, std::int32_t aadt);
    [[nodiscard]] static std::size_t PlaceOf(std::int64_t key);

    std::vector<Entry> entries_;
    std::uint32_t generation_ = 1; // an entry of an earlier one is empty
};

} // namespace wexa
