#include "simulation/UserCostMemo.h"

#include "model/Capacities.h"

#include <algorithm>

namespace wexa {
namespace {

// Twice the places of the days expected keeps most of them; beyond 2^17
// places (about 24 MB) a larger table buys little: the largest project's
// 5000 iterations meet about 71 thousand distinct days.
constexpr int kMinPlaceBits = 6;
constexpr int kMaxPlaceBits = 17;
constexpr int kSlotBits = 6; // activity slots below 64
static_assert(kActivitySlots <= (1 << kSlotBits));

// Every pair has a key of its own, never the empty -1: the AADT above the
// slot, and a bit that tells the baseline day from the work-zone day.
[[nodiscard]] std::int64_t KeyOf(int slot, std::int32_t aadt, bool baseline) {
    const auto traffic = static_cast<std::uint64_t>(static_cast<std::uint32_t>(aadt));
    return static_cast<std::int64_t>(traffic << (kSlotBits + 1) |
                                     static_cast<std::uint64_t>(baseline) << kSlotBits |
                                     static_cast<std::uint64_t>(slot));
}

} // namespace

void UserCostMemo::Prepare(std::int64_t days) {
    int bits = kMinPlaceBits;
    while (bits < kMaxPlaceBits && (std::int64_t{1} << bits) < 2 * days) {
        ++bits;
    }
    if (bits > placeBits_) {
        tags_.assign(std::size_t{1} << bits, Tag{});
        costs_.assign(std::size_t{1} << bits, WeightedDailyCosts{});
        placeBits_ = bits;
        generation_ = 1;
        return;
    }
    if (++generation_ == 0) {
        // Once in four billion runs the count starts again; so must the table.
        std::fill(tags_.begin(), tags_.end(), Tag{});
        generation_ = 1;
    }
}

std::size_t UserCostMemo::PlaceOf(std::int64_t key) const {
    // Fibonacci hashing: the top bits of the product spread nearby AADTs.
    return static_cast<std::size_t>((static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ULL) >>
                                    (64 - placeBits_));
}

std::ptrdiff_t UserCostMemo::FindPlace(std::int64_t key) const {
    if (tags_.empty()) {
        return -1;
    }
    const std::size_t place = PlaceOf(key);
    const Tag& tag = tags_[place];
    return tag.Key == key && tag.Generation == generation_ ? static_cast<std::ptrdiff_t>(place)
                                                           : -1;
}

bool UserCostMemo::Find(int slot, std::int32_t aadt, RunDayCosts& costs) const {
    const std::ptrdiff_t workZone = FindPlace(KeyOf(slot, aadt, false));
    if (workZone < 0) {
        return false;
    }
    const Tag& tag = tags_[static_cast<std::size_t>(workZone)];
    if (!tag.Gridlock && !tag.BaselineFree) {
        const std::ptrdiff_t baseline = FindPlace(KeyOf(slot, aadt, true));
        if (baseline < 0) {
            return false;
        }
        costs.Baseline = costs_[static_cast<std::size_t>(baseline)];
    }
    costs.Gridlock = tag.Gridlock;
    costs.BaselineFree = tag.BaselineFree;
    costs.WorkZone = costs_[static_cast<std::size_t>(workZone)];
    return true;
}

void UserCostMemo::Prefetch(int slot, std::int32_t aadt) const {
    if (tags_.empty()) {
        return;
    }
    const std::size_t place = PlaceOf(KeyOf(slot, aadt, false));
    __builtin_prefetch(&tags_[place]);
    const auto* costs = reinterpret_cast<const char*>(&costs_[place]);
    for (std::size_t line = 0; line < sizeof(WeightedDailyCosts); line += 64) {
        __builtin_prefetch(costs + line);
    }
}

void UserCostMemo::StoreAt(std::int64_t key, const RunDayCosts& flags,
                           const WeightedDailyCosts& costs) {
    if (tags_.empty()) {
        return;
    }
    const std::size_t place = PlaceOf(key);
    tags_[place] = Tag{key, generation_, flags.Gridlock, flags.BaselineFree};
    costs_[place] = costs;
}

void UserCostMemo::Store(int slot, std::int32_t aadt, const RunDayCosts& costs) {
    StoreAt(KeyOf(slot, aadt, false), costs, costs.WorkZone);
    if (!costs.Gridlock && !costs.BaselineFree) {
        StoreAt(KeyOf(slot, aadt, true), costs, costs.Baseline);
    }
}

} // namespace wexa
