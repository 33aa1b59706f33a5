#pragma once

#include <bit>
#include <cstdint>
#include <limits>

namespace wexa::testing {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The bits of a double: equal bits are the same result, which == is not
// (0.0 == -0.0, NaN != NaN).
inline std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

} // namespace wexa::testing
