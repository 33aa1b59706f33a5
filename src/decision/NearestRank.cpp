#include "decision/NearestRank.h"

#include <algorithm>
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

namespace {

constexpr std::array<int, 3> kSpreadPercentiles{10, 50, 90};

// Sums in the order given.
double SumInOrder(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum;
}

// Each position's value where a full sort would put it; the positions count
// from 1 and ascend.
template <std::size_t N>
void PlacePositions(std::span<double> values, const std::array<int, N>& positions) {
    std::array<std::size_t, N> indices{};
    for (std::size_t k = 0; k < N; ++k) {
        indices[k] = static_cast<std::size_t>(positions[k] - 1);
    }
    PlaceSortedValues<double>(values, indices);
}

double Negated(double value) {
    return -value + 0.0; // +0, never −0
}

} // namespace

std::optional<Spread> SummarizeInPlace(std::span<double> values) {
    const int count = static_cast<int>(values.size());
    if (count == 0) {
        return std::nullopt;
    }
    const double sum = SumInOrder(values);
    std::array<int, kSpreadPercentiles.size()> positions{};
    for (std::size_t k = 0; k < positions.size(); ++k) {
        positions[k] = NearestRankPosition(kSpreadPercentiles[k], count);
    }
    PlacePositions(values, positions);
    const auto at = [&](int position) { return values[static_cast<std::size_t>(position - 1)]; };
    return Spread{sum / count, at(positions[0]), at(positions[1]), at(positions[2])};
}

std::optional<SpreadBothWays> SummarizeBothWaysInPlace(std::span<double> values) {
    const int count = static_cast<int>(values.size());
    if (count == 0) {
        return std::nullopt;
    }
    const double sum = SumInOrder(values);
    // The p-th percentile of the negated values is minus the value at
    // position count + 1 − (its position) among the values.
    constexpr std::size_t kPoints = kSpreadPercentiles.size();
    std::array<int, 2 * kPoints> positions{};
    for (std::size_t k = 0; k < kPoints; ++k) {
        const int position = NearestRankPosition(kSpreadPercentiles[k], count);
        positions[k] = position;
        positions[2 * kPoints - 1 - k] = count + 1 - position;
    }
    std::array<int, 2 * kPoints> sorted = positions;
    std::sort(sorted.begin(), sorted.end());
    PlacePositions(values, sorted);
    const auto at = [&](int position) { return values[static_cast<std::size_t>(position - 1)]; };
    const double mean = sum / count;
    return SpreadBothWays{{mean, at(positions[0]), at(positions[1]), at(positions[2])},
                          {Negated(mean), Negated(at(positions[5])), Negated(at(positions[4])),
                           Negated(at(positions[3]))}};
}

} // namespace wexa
