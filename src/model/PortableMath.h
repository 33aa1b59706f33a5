#pragma once

#include <wexa_libm.h>

namespace wexa {

// The powers, logarithms and sines every result is computed with: glibc
// 2.36's functions, carried by the program (third_party/glibc-math), so
// that a project gives the same bits on Linux and on Windows. Each C library
// rounds its own way in the last bit now and then; a sum that lands near
// half a dollar can then round to another whole dollar.
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
