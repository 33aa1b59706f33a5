#pragma once

#include "decision/Selection.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace wexa {

// Position (counting from 1) of the p-th percentile among `count` sorted
// values by nearest rank: ceil(p × count / 100), worked out in integers so no
// rounding of a real can move it. The percentile is clamped to 1..100, so the
// position always lies in 1..count; 0 when there is no value at all.
[[nodiscard]] int NearestRankPosition(int percentile, int count);

// The p-th percentile of the values by nearest rank, or nothing when there
// are none. Reorders the values (see PlaceSortedValues) and allocates
// nothing.
template <typename T>
[[nodiscard]] std::optional<T> ValueAtNearestRank(std::span<T> values, int percentile) {
    const int position = NearestRankPosition(percentile, static_cast<int>(values.size()));
    if (position == 0) {
        return std::nullopt;
    }
    const std::array<std::size_t, 1> index{static_cast<std::size_t>(position - 1)};
    PlaceSortedValues<T>(values, index);
    return values[index[0]];
}

// The mean and the 10th, 50th and 90th nearest-rank percentiles of a set of
// figures.
struct Spread {
    double Mean = 0.0;
    double P10 = 0.0;
    double P50 = 0.0;
    double P90 = 0.0;
};

// The spread of the values, or nothing when there are none. The mean is the
// sum taken in the order given (iteration order, for the same bits on every
// build) divided by the count. The values must be numbers (no NaN); they are
// reordered, and nothing is allocated.
[[nodiscard]] std::optional<Spread> SummarizeInPlace(std::span<double> values);

// The spread of the values and that of the same values negated, as
// SummarizeInPlace would give it for each, in one pass over the values: the
// differences a − b give b − a as well. Negation is exact and its sums round
// alike, so the second is the first to the bit, mirrored; a zero is +0 in
// both.
struct SpreadBothWays {
    Spread Values;
    Spread Negated;
};
[[nodiscard]] std::optional<SpreadBothWays> SummarizeBothWaysInPlace(std::span<double> values);

} // namespace wexa
