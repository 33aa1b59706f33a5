#include "simulation/RandomSource.h"

#include <chrono>

namespace wexa {

void RandomSource::SeedRandom(std::optional<std::uint32_t> seed) {
    if (seed) {
        state_ = *seed;
        return;
    }
    // The system clock counts from 1970-01-01 00:00 UTC; the conversion to
    // 32 bits keeps the low bits, which is the truncation wanted.
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    state_ = static_cast<std::uint32_t>(seconds.count());
}

} // namespace wexa
