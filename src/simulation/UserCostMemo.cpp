#include "simulation/UserCostMemo.h"

#include "model/Capacities.h"

namespace wexa {
namespace {

// 8192 days of about 350 bytes: enough for every traffic level of a few
// activities, and a few megabytes.
constexpr int kPlaceBits = 12;
constexpr int kSlotBits = 6; // activity slots below 64
static_assert(kActivitySlots <= (1 << kSlotBits));

} // namespace

UserCostMemo::UserCostMemo() : entries_(std::size_t{1} << kPlaceBits) {}

void UserCostMemo::Clear() {
    if (++generation_ == 0) {
        // Once in four billion runs the count starts again; so must the table.
        for (Entry& entry : entries_) {
            entry = Entry{};
        }
        generation_ = 1;
    }
}

std::int64_t UserCostMemo::KeyOf(int slot, std::int32_t aadt) {
    // Every pair has a key of its own, never the empty -1.
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(static_cast<std::uint32_t>(aadt))
                                         << kSlotBits |
                                     static_cast<std::uint64_t>(slot));
}

std::size_t UserCostMemo::PlaceOf(std::int64_t key) {
    // Fibonacci hashing: the top bits of the product spread nearby AADTs.
    return static_cast<std::size_t>((static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ULL) >>
                                    (64 - kPlaceBits));
}

const RunDayCosts* UserCostMemo::Find(int slot, std::int32_t aadt) const {
    const std::int64_t key = KeyOf(slot, aadt);
    const Entry& entry = entries_[PlaceOf(key)];
    return entry.Key == key && entry.Generation == generation_ ? &entry.Costs : nullptr;
}

void UserCostMemo::Store(int slot, std::int32_t aadt, const RunDayCosts& costs) {
    const std::int64_t key = KeyOf(slot, aadt);
    Entry& entry = entries_[PlaceOf(key)];
    entry.Key = key;
    entry.Generation = generation_;
    entry.Costs = costs;
}

} // namespace wexa
