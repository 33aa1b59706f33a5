#pragma once

// Order statistics without a full sort, for the comparison's percentiles.
//
// std::nth_element spends most of its time on mispredicted branches: which
// side of the pivot a value goes to is a coin toss the processor cannot
// learn. Here the partition decides by arithmetic instead (every value is
// swapped, and the boundary moves by the outcome of the comparison), which
// makes a selection among 5000 values several times faster, and with it the
// comparison of a large run.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <span>

namespace wexa {

namespace selection {

// Moves the values for which `goesLeft` holds to the front, keeping no order;
// returns how many there are. No branch depends on the values.
template <typename T, typename Predicate>
std::size_t PartitionWithoutBranches(std::span<T> values, Predicate goesLeft) {
    std::size_t boundary = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const T value = values[i];
        values[i] = values[boundary];
        values[boundary] = value;
        boundary += static_cast<std::size_t>(goesLeft(value));
    }
    return boundary;
}

template <typename T> T MedianOfThree(T a, T b, T c) {
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

// Below this many values a sort is cheaper than more partitions.
inline constexpr std::size_t kSortBelow = 24;

// `values` starts at index `offset` of the whole; `indices` are indices of
// the whole, ascending, all within `values`.
template <typename T>
void PlaceWithLibrary(std::span<T> values, std::size_t offset,
                      std::span<const std::size_t> indices) {
    auto from = values.begin();
    for (const std::size_t index : indices) {
        const auto at = values.begin() + static_cast<std::ptrdiff_t>(index - offset);
        if (at >= from) {
            std::nth_element(from, at, values.end());
            from = at + 1;
        }
    }
}

template <typename T>
void Place(std::span<T> values, std::size_t offset, std::span<const std::size_t> indices,
           int levelsLeft) {
    while (!indices.empty()) {
        if (values.size() < kSortBelow) {
            std::sort(values.begin(), values.end());
            return;
        }
        // An input that keeps handing out poor pivots is left to the
        // library's selection, linear in the worst case.
        if (levelsLeft-- == 0) {
            PlaceWithLibrary(values, offset, indices);
            return;
        }
        const T pivot = MedianOfThree(values.front(), values[values.size() / 2], values.back());
        const std::size_t below =
            PartitionWithoutBranches(values, [pivot](const T& v) { return v < pivot; });
        // When the pivot is the smallest value, the values equal to it are
        // split off too, so a long run of equal values costs one level, not
        // one level per value. Otherwise both sides are smaller than the
        // whole already (the pivot itself went right).
        std::size_t equalEnd = below;
        if (below == 0) {
            equalEnd =
                PartitionWithoutBranches(values, [pivot](const T& v) { return !(pivot < v); });
        }
        // Indices below `below` are placed on the left, those from
        // `equalEnd` on the right; those between hold the pivot's value
        // already.
        const auto middle = std::lower_bound(indices.begin(), indices.end(), offset + below);
        const auto right = std::lower_bound(middle, indices.end(), offset + equalEnd);
        Place(values.first(below), offset,
              indices.first(static_cast<std::size_t>(middle - indices.begin())), levelsLeft);
        values = values.subspan(equalEnd);
        offset += equalEnd;
        indices = indices.subspan(static_cast<std::size_t>(right - indices.begin()));
    }
}

} // namespace selection

// Rearranges `values` so that each of `indices` (counting from 0, ascending,
// repeats allowed,
// each below values.size()) holds the value a full sort would put there,
// with no larger value before it and no smaller one after it. The values
// must be ordered by < (no NaN). Allocates nothing; linear on average, and
// after 2·log2(n) partitions the library's selection takes over.
template <typename T>
void PlaceSortedValues(std::span<T> values, std::span<const std::size_t> indices) {
    selection::Place(values, 0, indices, 2 * static_cast<int>(std::bit_width(values.size())));
}

} // namespace wexa
