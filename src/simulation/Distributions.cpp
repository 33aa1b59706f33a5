#include "simulation/Distributions.h"

#include "model/Conversions.h"
#include "model/PortableMath.h"

#include <cmath>

namespace wexa {
namespace {

// The results are built on these exact constants: the angle factor is a
// little below 2 pi, and one third is the nearest 64-bit real.
constexpr double kAngleFactor = 6.283185307178;
constexpr double kOneThird = 0.3333333333333333;

double NormalRadius(double u) {
    return std::sqrt(-2.0 * Log(u));
}

double NormalAngle(double u) {
    return u * kAngleFactor;
}

double DrawTruncatedNormal(const InputDistribution& d, double z, RandomSource& source) {
    const double low = d.Middle - d.Third;
    const double high = d.Middle + d.Third;
    double x = d.Middle + d.First * z;
    // Inclusive bounds; a NaN is accepted as it comes. The cosine branch of
    // each redrawn pair is not needed.
    for (int redraws = 0; x < low || x > high; ++redraws) {
        if (redraws == kTruncatedNormalRedrawLimit) {
            // The band accepts next to nothing (or nothing): its centre is
            // the one value every band of non-negative width holds.
            return d.Middle;
        }
        const double ua = source.DrawUniform();
        const double ub = source.DrawUniform();
        x = d.Middle + d.First * (NormalRadius(ua) * Sin(NormalAngle(ub)));
    }
    return x;
}

} // namespace

std::pair<double, double> DrawNormalPair(double u1, double u2) {
    const double r = NormalRadius(u1);
    const double theta = NormalAngle(u2);
    return {r * Sin(theta), r * Cos(theta)};
}

double DrawFromDistribution(const InputDistribution& d, double u, double z, RandomSource& source) {
    const double a = d.First;
    const double b = d.Middle;
    const double c = d.Third;
    switch (d.Kind) {
    case kNormal:
        return b + (b - a) * kOneThird * z;
    case kTruncatedNormal:
        return DrawTruncatedNormal(d, z, source);
    case kUniform:
        return a + (c - a) * u;
    case kTriangular: {
        // The inverse distribution function; the branch is chosen by
        // comparing the left-hand result with the mode.
        const double x = a + std::sqrt(u * (b - a) * (c - a));
        if (x > b) {
            return c - std::sqrt((c - b) * (1.0 - u) * (c - a));
        }
        return x;
    }
    default: // kDeterministic, and any unknown kind
        return b;
    }
}

void VaryRealByPercent(double& value, double percent, double u) {
    const double low = value - value * percent * 0.01;
    const double high = value * (percent * 0.01 + 1.0);
    value = low + (high - low) * u;
}

Int32 VaryIntByPercent(Int32 value, double percent, double u) {
    double varied = value;
    VaryRealByPercent(varied, percent, u);
    return TruncateToInt32(varied);
}

bool CheckDistribution(const InputDistribution& d) {
    const double a = d.First;
    const double b = d.Middle;
    const double c = d.Third;
    switch (d.Kind) {
    case kNormal:
        // Exact comparison: the mean must lie exactly midway.
        return !(a > b || b > c || (c - b) != (b - a));
    case kTruncatedNormal:
        return !(a < 0.0 || c < 0.0);
    case kUniform:
    case kTriangular:
        return !(a > b || b > c);
    case kDeterministic:
        return true;
    default:
        return false;
    }
}

bool CheckNonNegative(double first, double second, double third) {
    return !(first < 0.0 || second < 0.0 || third < 0.0);
}

} // namespace wexa
