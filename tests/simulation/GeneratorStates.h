#pragma once

#include "simulation/RandomSource.h"

#include <cstdint>

namespace wexa {

// The first state (walking the sequence from state 0) whose next integer is
// `wanted`, so a test can start a source just before a chosen value.
inline std::uint32_t StateBefore(std::int32_t wanted) {
    RandomSource walker(0);
    std::uint32_t before = walker.State();
    while (walker.NextRandom15() != wanted) {
        before = walker.State();
    }
    return before;
}

} // namespace wexa
