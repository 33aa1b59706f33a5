#pragma once

#include <array>
#include <cstdint>

namespace wexa {

// A figure of one iteration that depends on nothing but a whole activity
// year: the discount factor at the iteration's rate, the AADT grown at its
// growth rate. Every alternative meets the same early years, so each figure
// is worked out once per year and iteration and then found. What is found
// is what `compute` gave for that year in this iteration, the same bits.
// Years that are not whole or lie beyond the table are computed each time.
template <typename T> class PerYearMemo {
public:
    static constexpr int kYears = 128;

    // A new iteration: every year is to be worked out again.
    void Forget() {
        if (++iteration_ == 0) {
            // Once in four billion iterations the count starts again.
            stamps_.fill(0);
            iteration_ = 1;
        }
    }

    // Always inlined: a few comparisons, on the run's hottest path.
    template <typename Compute> [[gnu::always_inline]] T Get(double year, Compute compute) {
        if (!(year >= 0.0 && year < kYears)) {
            return compute();
        }
        const auto y = static_cast<std::size_t>(year);
        if (static_cast<double>(y) != year) {
            return compute();
        }
        if (stamps_[y] != iteration_) {
            values_[y] = compute();
            stamps_[y] = iteration_;
        }
        return values_[y];
    }

private:
    std::uint32_t iteration_ = 1;
    std::array<std::uint32_t, kYears> stamps_{}; // 0: never worked out
    std::array<T, kYears> values_{};
};

} // namespace wexa
