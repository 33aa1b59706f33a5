#include "simulation/NearestRank.h"

#include <array>
#include <cstdint>

namespace wexa {

int NearestRankPosition(int percentile, int count) {
    if (count <= 0) {
        return 0;
    }
    const std::int64_t p = std::clamp(percentile, 1, 100);
    return static_cast<int>((p * count + 99) / 100);
}

std::optional<Spread> SummarizeInPlace(std::span<double> values) {
    const int count = static_cast<int>(values.size());
    if (count == 0) {
        return std::nullopt;
    }
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    // Each selection leaves every smaller value before the one it places and
    // every larger one after it, so the next (higher) rank is looked for
    // only among what follows.
    constexpr std::array<int, 3> kPercentiles{10, 50, 90};
    std::array<double, 3> at{};
    auto from = values.begin();
    for (std::size_t k = 0; k < kPercentiles.size(); ++k) {
        const auto place = values.begin() + (NearestRankPosition(kPercentiles[k], count) - 1);
        if (place >= from) {
            std::nth_element(from, place, values.end());
            from = place + 1;
        }
        at[k] = *place;
    }
    return Spread{sum / count, at[0], at[1], at[2]};
}

} // namespace wexa
