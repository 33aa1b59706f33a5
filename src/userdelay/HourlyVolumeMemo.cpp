#include "userdelay/HourlyVolumeMemo.h"

namespace wexa {

void HourlyVolumeMemo::Reset(const HourlyPercents& aadtPercent,
                             const HourlyPercents& inboundPercent,
                             const HourlyPercents& outboundPercent) {
    aadtPercent_ = aadtPercent;
    inboundPercent_ = inboundPercent;
    outboundPercent_ = outboundPercent;
    if (++generation_ == 0) {
        // Once in four billion resets the count starts again; so must the table.
        entries_.fill(Entry{});
        generation_ = 1;
    }
}

void HourlyVolumeMemo::Load(int aadt, HourlyVolumes& inboundVolume, HourlyVolumes& outboundVolume) {
    // Fibonacci hashing: the top bits of the product spread nearby AADTs.
    const auto place = static_cast<std::size_t>((static_cast<std::uint32_t>(aadt) * 2654435769U) >>
                                                (32 - kPlaceBits));
    Entry& entry = entries_[place];
    if (entry.Generation != generation_ || entry.Aadt != aadt) {
        SplitHourlyVolumes(aadt, aadtPercent_, inboundPercent_, outboundPercent_, entry.Inbound,
                           entry.Outbound);
        entry.Generation = generation_;
        entry.Aadt = aadt;
    }
    inboundVolume = entry.Inbound;
    outboundVolume = entry.Outbound;
}

} // namespace wexa
