/* Writes the arguments the libm tests check and the results of the system's
   C library for them, as hexadecimal bits: one line per call, "function
   argument [argument] result". Built and run by make-expectations.sh on Linux
   with glibc 2.36, once as it is and once with glibc told the processor has
   no FMA, so that each of glibc's builds of the functions gives its own file.

   The arguments are the kind the program passes (powers of 1 + a rate over
   whole and fractional years, logarithms and sines of uniform draws) and,
   chosen among many more, those where glibc's two builds round apart: the
   calls a compiler that fused other operations would most likely get wrong. */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <wexa_libm.h>

static uint64_t state = 88172645463325252ULL;
static uint64_t next(void) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}
static double unit(void) { return (double)(next() >> 11) * 0x1p-53; }
static uint64_t bits(double d) {
    uint64_t b;
    memcpy(&b, &d, 8);
    return b;
}

enum { kPlain = 200, kApart = 400, kTries = 20000000 };

int main(void) {
    /* The library's two builds (equal to glibc's, as its tests show) pick
       the arguments; the system's C library gives the results written. */
    int plain[4] = {0}, apart[4] = {0};
    for (long i = 0; i < kTries; ++i) {
        const double x = 1.0 + (unit() - 0.3) * 0.4;
        const double y = (double)(next() % 120) + (i & 1 ? unit() * 60 : 0);
        const double u = unit() + 0x1p-60;
        const double a = (i % 10 == 0) ? (unit() - 0.5) * 1e6 : 6.283185307178 * unit();
        const int differ[4] = {
            bits(wexa_pow_fma(x, y)) != bits(wexa_pow_sse2(x, y)),
            bits(wexa_log_fma(u)) != bits(wexa_log_sse2(u)),
            bits(wexa_sin_fma(a)) != bits(wexa_sin_sse2(a)),
            bits(wexa_cos_fma(a)) != bits(wexa_cos_sse2(a))};
        for (int f = 0; f < 4; ++f) {
            if (differ[f] ? apart[f]++ >= kApart : plain[f]++ >= kPlain) {
                continue;
            }
            switch (f) {
            case 0:
                printf("pow %016llx %016llx %016llx\n", (unsigned long long)bits(x),
                       (unsigned long long)bits(y), (unsigned long long)bits(pow(x, y)));
                break;
            case 1:
                printf("log %016llx %016llx\n", (unsigned long long)bits(u),
                       (unsigned long long)bits(log(u)));
                break;
            case 2:
                printf("sin %016llx %016llx\n", (unsigned long long)bits(a),
                       (unsigned long long)bits(sin(a)));
                break;
            default:
                printf("cos %016llx %016llx\n", (unsigned long long)bits(a),
                       (unsigned long long)bits(cos(a)));
            }
        }
    }
    return 0;
}
