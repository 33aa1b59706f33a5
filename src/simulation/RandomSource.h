#pragma once

#include <cstdint>
#include <optional>

namespace wexa {

// The pseudo-random source behind every draw of an analysis run: a 32-bit
// linear congruential generator that hands out 15-bit integers. Its width and
// constants are part of the results: the uniform below divides by 32767, so a
// generator with another range would change every drawn value.
//
// One source serves a whole run and is not shared between threads. The hot
// calls are inline because a run makes hundreds of thousands of them.
class RandomSource {
public:
    // 1/32767 as the nearest 64-bit real; the product with the integer is
    // what the results are built on, so the constant is written out.
    static constexpr double kReciprocal32767 = 3.051850947599719e-05;

    constexpr RandomSource() = default;
    constexpr explicit RandomSource(std::uint32_t state) : state_(state) {}

    // With a seed the run can be repeated bit for bit; without one the state
    // is the calendar time in whole seconds since 1970, truncated to 32 bits.
    void SeedRandom(std::optional<std::uint32_t> seed = std::nullopt);

    [[nodiscard]] std::uint32_t State() const { return state_; }

    // The next integer 0..32767: bits 16 to 30 of the advanced state.
    std::int32_t NextRandom15() {
        state_ = static_cast<std::uint32_t>(state_ * 214013U + 2531011U);
        return static_cast<std::int32_t>((state_ >> 16) & 0x7FFFU);
    }

    // A uniform in (0, 1]: 0 would break the logarithm of the normal
    // variates, so it is drawn again; 1 is a possible result.
    double DrawUniform() {
        double u = 0.0;
        do {
            u = NextRandom15() * kReciprocal32767;
        } while (u == 0.0);
        return u;
    }

private:
    std::uint32_t state_ = 0;
};

} // namespace wexa
