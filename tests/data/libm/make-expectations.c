/* Writes the arguments the libm tests check and the results of the system's
   C library for them, as hexadecimal bits: one line per call, "function
   argument [argument] result".  Built and run by make-expectations.sh on
   Linux with glibc 2.36, in two steps:

     make-expectations pick      writes the arguments, "function argument
                                 [argument]", run where glibc runs its FMA
                                 build;
     make-expectations results   reads them and adds glibc's result to each,
                                 run where glibc runs its SSE2 build.

   The arguments are the kind the program passes (powers of 1 + a rate over
   whole and fractional years, logarithms and sines of uniform draws) and,
   chosen among many more, those where glibc's FMA build rounds otherwise than
   the library: the calls a build that fused anything would most likely get
   wrong.  */
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
static double from_bits(unsigned long long b) {
    double d;
    uint64_t w = b;
    memcpy(&d, &w, 8);
    return d;
}

enum { kPlain = 200, kApart = 400, kTries = 20000000 };

static void pick(void) {
    int plain[4] = {0}, apart[4] = {0};
    for (long i = 0; i < kTries; ++i) {
        const double x = 1.0 + (unit() - 0.3) * 0.4;
        const double y = (double)(next() % 120) + (i & 1 ? unit() * 60 : 0);
        const double u = unit() + 0x1p-60;
        const double a = (i % 10 == 0) ? (unit() - 0.5) * 1e6 : 6.283185307178 * unit();
        const int differ[4] = {bits(pow(x, y)) != bits(wexa_pow(x, y)),
                               bits(log(u)) != bits(wexa_log(u)),
                               bits(sin(a)) != bits(wexa_sin(a)),
                               bits(cos(a)) != bits(wexa_cos(a))};
        for (int f = 0; f < 4; ++f) {
            if (differ[f] ? apart[f]++ >= kApart : plain[f]++ >= kPlain) {
                continue;
            }
            switch (f) {
            case 0:
                printf("pow %016llx %016llx\n", (unsigned long long)bits(x),
                       (unsigned long long)bits(y));
                break;
            case 1:
                printf("log %016llx\n", (unsigned long long)bits(u));
                break;
            case 2:
                printf("sin %016llx\n", (unsigned long long)bits(a));
                break;
            default:
                printf("cos %016llx\n", (unsigned long long)bits(a));
            }
        }
    }
}

static int results(void) {
    char function[4];
    unsigned long long x, y;
    while (scanf("%3s %llx", function, &x) == 2) {
        double result;
        if (strcmp(function, "pow") == 0) {
            if (scanf("%llx", &y) != 1) {
                return 1;
            }
            result = pow(from_bits(x), from_bits(y));
            printf("pow %016llx %016llx", x, y);
        } else {
            const double a = from_bits(x);
            result = strcmp(function, "log") == 0   ? log(a)
                     : strcmp(function, "sin") == 0 ? sin(a)
                                                    : cos(a);
            printf("%s %016llx", function, x);
        }
        printf(" %016llx\n", (unsigned long long)bits(result));
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "pick") == 0) {
        pick();
        return 0;
    }
    if (argc == 2 && strcmp(argv[1], "results") == 0) {
        return results();
    }
    fprintf(stderr, "usage: make-expectations pick | results\n");
    return 2;
}
