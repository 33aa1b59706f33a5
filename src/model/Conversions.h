#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace wexa {

// Real-to-integer conversions that are defined for every input: truncation
// toward zero, NaN becomes 0, values beyond the type's range become its
// nearest limit. A plain static_cast is undefined behaviour for those.
template <typename Int> [[nodiscard]] Int TruncateSaturating(double value) {
    static_assert(std::numeric_limits<Int>::is_integer && std::numeric_limits<Int>::is_signed);
    if (std::isnan(value)) {
        return 0;
    }
    // Both limits are exact powers of two (or one less), so these comparisons
    // against doubles are exact.
    constexpr double kUpper = -static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double kLower = static_cast<double>(std::numeric_limits<Int>::min());
    if (value >= kUpper) {
        return std::numeric_limits<Int>::max();
    }
    if (value <= kLower) {
        return std::numeric_limits<Int>::min();
    }
    return static_cast<Int>(value);
}

// True when truncating `value` to 64 bits keeps it: it is a number and lies
// within the range, so neither NaN nor a limit stands in for it. The bounds
// are exact powers of two, so the comparisons are exact; NaN fails both.
[[nodiscard]] constexpr bool FitsInInt64(double value) {
    constexpr double kLower = static_cast<double>(std::numeric_limits<std::int64_t>::min());
    return value >= kLower && value < -kLower;
}

// Every whole number up to 2^53 in magnitude is a double; beyond it doubles
// are 2 or more apart, so a dollar figure there is not exact, and a total
// worked out as agency plus user cost can miss their sum by hundreds of
// dollars. A figure the program reports as a result lies strictly inside.
inline constexpr double kExactWholeLimit = 9007199254740992.0; // 2^53

// True when `value` is a number below 2^53 in magnitude, where whole dollars
// are exact. NaN fails both comparisons.
[[nodiscard]] constexpr bool IsExactWholeRange(double value) {
    return value > -kExactWholeLimit && value < kExactWholeLimit;
}

[[nodiscard]] inline std::int32_t TruncateToInt32(double value) {
    return TruncateSaturating<std::int32_t>(value);
}

[[nodiscard]] inline std::int64_t TruncateToInt64(double value) {
    return TruncateSaturating<std::int64_t>(value);
}

// Narrows a wide integer to 32 bits, saturating at the limits.
[[nodiscard]] inline std::int32_t SaturateToInt32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace wexa
