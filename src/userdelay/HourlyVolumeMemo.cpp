#include "userdelay/HourlyVolumeMemo.h"

namespace wexa {

void HourlyVolumeMemo::Reset(const HourlyPercents& aadtPercent,
                             const HourlyPercents& inboundPercent,
                             const HourlyPercents& outboundPercent) {
    aadtPercent_ = aadtPercent;
    inboundPercent_ = inboundPercent;
    outboundPercent_ = outboundPercent;
    for (Entry& entry : entries_) {
        entry.Used = false;
    }
}

void HourlyVolumeMemo::Load(int aadt, HourlyVolumes& inboundVolume, HourlyVolumes& outboundVolume) {
    // Fibonacci hashing: the top bits of the product spread nearby AADTs.
    const auto place = static_cast<std::size_t>((static_cast<std::uint32_t>(aadt) * 2654435769U) >>
                                                (32 - kPlaceBits));
    Entry& entry = entries_[place];
    if (!entry.Used || entry.Aadt != aadt) {
        SplitHourlyVolumes(aadt, aadtPercent_, inboundPercent_, outboundPercent_, entry.Inbound,
                           entry.Outbound);
        entry.Used = true;
        entry.Aadt = aadt;
    }
    inboundVolume = entry.Inbound;
    outboundVolume = entry.Outbound;
}

} // namespace wexa
