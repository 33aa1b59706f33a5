#include "simulation/UserCostMemo.h"

#include "model/Capacities.h"

#include <algorithm>

namespace wexa {
namespace {

// Twice the places of the days expected keeps most of them; beyond 2^16
// places (about 12 MB) a larger table buys little, since the 5000 iterations
// of a large project rarely meet more distinct days.
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
        entries_.assign(std::size_t{1} << bits, Entry{});
        placeBits_ = bits;
        generation_ = 1;
        return;
    }
    if (++generation_ == 0) {
        // Once in four billion runs the count starts again; so must the table.
        std::fill(entries_.begin(), entries_.end(), Entry{});
        generation_ = 1;
    }
}

std::size_t UserCostMemo::PlaceOf(std::int64_t key) const {
    // Fibonacci hashing: the top bits of the product spread nearby AADTs.
    return static_cast<std::size_t>((static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ULL) >>
                                    (64 - placeBits_));
}

const UserCostMemo::Entry* UserCostMemo::FindEntry(std::int64_t key) const {
    if (entries_.empty()) {
        return nullptr;
    }
    const Entry& entry = entries_[PlaceOf(key)];
    return entry.Key == key && entry.Generation == generation_ ? &entry : nullptr;
}

bool UserCostMemo::Find(int slot, std::int32_t aadt, RunDayCosts& costs) const {
    const Entry* workZone = FindEntry(KeyOf(slot, aadt, false));
    if (workZone == nullptr) {
        return false;
    }
    const Entry* baseline = nullptr;
    if (!workZone->Gridlock && !workZone->BaselineFree) {
        baseline = FindEntry(KeyOf(slot, aadt, true));
        if (baseline == nullptr) {
            return false;
        }
        costs.Baseline = baseline->Costs;
    }
    costs.Gridlock = workZone->Gridlock;
    costs.BaselineFree = workZone->BaselineFree;
    costs.WorkZone = workZone->Costs;
    return true;
}

void UserCostMemo::StoreEntry(std::int64_t key, const RunDayCosts& flags,
                              const WeightedDailyCosts& costs) {
    if (entries_.empty()) {
        return;
    }
    Entry& entry = entries_[PlaceOf(key)];
    entry.Key = key;
    entry.Generation = generation_;
    entry.Gridlock = flags.Gridlock;
    entry.BaselineFree = flags.BaselineFree;
    entry.Costs = costs;
}

void UserCostMemo::Store(int slot, std::int32_t aadt, const RunDayCosts& costs) {
    StoreEntry(KeyOf(slot, aadt, false), costs, costs.WorkZone);
    if (!costs.Gridlock && !costs.BaselineFree) {
        StoreEntry(KeyOf(slot, aadt, true), costs, costs.Baseline);
    }
}

} // namespace wexa
