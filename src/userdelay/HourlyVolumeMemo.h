#pragma once

#include "userdelay/TrafficDemand.h"

#include <array>
#include <cstdint>

namespace wexa {

// The hourly volumes of the AADTs a run has met. In one iteration every
// alternative meets the AADTs of the same activity years, and the cap and
// the base year's AADT recur throughout, so a split is mostly found again
// rather than worked out: 48 roundings become one copy. The volumes depend
// on the AADT and the three hourly tables alone, and what is found was made
// by SplitHourlyVolumes itself, so the volumes are the same to the vehicle.
//
// A fixed table, each AADT in one place given by a hash; a newer AADT that
// lands there replaces the older.
class HourlyVolumeMemo {
public:
    // Forgets every split and takes the tables the next ones are made from.
    void Reset(const HourlyPercents& aadtPercent, const HourlyPercents& inboundPercent,
               const HourlyPercents& outboundPercent);
    // The split of `aadt`, as SplitHourlyVolumes makes it.
    void Load(int aadt, HourlyVolumes& inboundVolume, HourlyVolumes& outboundVolume);

private:
    static constexpr int kPlaceBits = 8;

    struct Entry {
        std::uint32_t Generation = 0; // the reset it was made after; none
        int Aadt = 0;
        HourlyVolumes Inbound{};
        HourlyVolumes Outbound{};
    };

    HourlyPercents aadtPercent_{};
    HourlyPercents inboundPercent_{};
    HourlyPercents outboundPercent_{};
    std::array<Entry, std::size_t{1} << kPlaceBits> entries_{};
    // Counting resets forgets the table at once; an entry of an earlier
    // count is empty.
    std::uint32_t generation_ = 1;
};

} // namespace wexa
