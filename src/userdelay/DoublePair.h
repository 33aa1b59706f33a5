#pragma once

namespace wexa {

// Two doubles side by side in one register (SSE2 on x86-64, NEON on ARM),
// through the vector types GCC and Clang share. Each lane takes exactly the
// operation a lone double would, rounded the same way (the build forbids
// contracting a multiply and an add into one), so two sums carried as a pair
// are the same bits as carried apart, in half the instructions.
using DoublePair = double __attribute__((vector_size(2 * sizeof(double))));

[[nodiscard]] inline DoublePair Pair(double first, double second) {
    return DoublePair{first, second};
}

[[nodiscard]] inline DoublePair Both(double value) {
    return DoublePair{value, value};
}

} // namespace wexa
