#pragma once

#include "model/Project.h"
#include "simulation/RandomSource.h"

#include <utility>

namespace wexa {

// One uncertain input: a DistributionKind and the three values of its row on
// the form. Their roles depend on the kind:
//
//   kind                 First            Middle           Third
//   0 Normal             minimum          mean             maximum (unused)
//   1 Truncated Normal   std. deviation   expected value   half-width of the band
//   2 Uniform            minimum          (not drawn)      maximum
//   3 Triangular         minimum          mode             maximum
//   4 Deterministic      (unused)         the value        (unused)
struct InputDistribution {
    Int32 Kind = kNormal;
    double First = 0.0;
    double Middle = 0.0;
    double Third = 0.0;
};

// How many times a Truncated Normal draw may redraw its deviate before it
// gives up and returns the expected value. Without a bound the draw never
// ends for an empty band (negative half-width), and for a band far narrower
// than the deviation it runs on for tens of thousands of redraws: a half-width
// of 0 is met only by a deviate of exactly 0, about once in 32767 redraws.
// A band of at least an eighth of a standard deviation each side needs more
// than this many redraws about once in a billion draws, so every sensible
// input keeps its sequence of draws, and no draw takes more than a few
// microseconds.
inline constexpr int kTruncatedNormalRedrawLimit = 200;

// Box-Muller: from two uniforms in (0, 1] the sine and cosine branches
// (zs, zc) of one angle, each a standard normal deviate. u1 = 1 gives (0, 0).
[[nodiscard]] std::pair<double, double> DrawNormalPair(double u1, double u2);

// True when DrawFromDistribution reads its normal deviate for this kind;
// otherwise the deviate (and the sine, cosine and logarithm behind it) need
// not be worked out, since any value gives the same draw.
[[nodiscard]] constexpr bool TakesNormalDeviate(Int32 kind) {
    return kind == kNormal || kind == kTruncatedNormal;
}

// One value of the distribution for a uniform u and a standard normal deviate
// z chosen by the caller (the caller decides which inputs share them). Only a
// Truncated Normal whose first value falls outside its band takes more
// numbers from the source: two uniforms per redraw, up to
// kTruncatedNormalRedrawLimit redraws. A kind outside 0..4 (refused by
// CheckDistribution before any run) yields the middle value.
[[nodiscard]] double DrawFromDistribution(const InputDistribution& distribution, double u, double z,
                                          RandomSource& source);

// The value spread uniformly over value ± percent, the upper end included
// (u = 1), computed in reals. The integer form truncates the result toward
// zero, saturating at the 32-bit limits.
[[nodiscard]] Int32 VaryIntByPercent(Int32 value, double percent, double u);
void VaryRealByPercent(double& value, double percent, double u);

// True when the three values fit the kind: a Normal's mean exactly midway
// between its ordered minimum and maximum; a Truncated Normal's deviation and
// half-width not negative; a Uniform's or Triangular's values in order. A
// Deterministic distribution always passes; an unknown kind never does.
[[nodiscard]] bool CheckDistribution(const InputDistribution& distribution);

// True when none of the three values is below 0.
[[nodiscard]] bool CheckNonNegative(double first, double second, double third);

} // namespace wexa
