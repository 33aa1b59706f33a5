#pragma once

#include <wexa_libm.h>

namespace wexa {

// The powers, logarithms and sines every result is computed with: glibc
// 2.36's functions, carried by the program (third_party/glibc-math) and
// built once, without fused multiply-add, so that a project gives the same
// bits on Linux and on Windows, on x86-64 and on 64-bit ARM, with or without
// FMA: those of glibc's build for x86-64 processors without FMA. Each C
// library, and each of glibc's builds, rounds its own way in the last bit
// now and then; a sum that lands near half a dollar can then round to
// another whole dollar.
[[nodiscard]] inline double Pow(double x, double y) {
    return wexa_pow(x, y);
}
[[nodiscard]] inline double Log(double x) {
    return wexa_log(x);
}
[[nodiscard]] inline double Sin(double x) {
    return wexa_sin(x);
}
[[nodiscard]] inline double Cos(double x) {
    return wexa_cos(x);
}

} // namespace wexa
