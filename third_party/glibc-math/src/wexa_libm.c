/* Which build of each function runs, chosen once as the library loads.
   Written for this library, not part of glibc.  */
#include "wexa_libm.h"

static int uses_fma;

/* glibc's test (sysdeps/x86_64/fpu/multiarch/ifunc-fma4.h and
   ifunc-avx-fma4.h): FMA and AVX2 both usable.  GCC's test includes whether
   the system saves the AVX registers, as glibc's "usable" does.  glibc has a
   third build for processors with FMA4 but not this pair (AMD's of 2011 to
   2014); on those this library takes the SSE2 build, and its results can
   differ from glibc's there in the last bit.  */
__attribute__((constructor)) static void choose_builds(void) {
    __builtin_cpu_init();
    uses_fma = __builtin_cpu_supports("fma") && __builtin_cpu_supports("avx2");
}

int wexa_libm_uses_fma(void) {
    return uses_fma;
}

double wexa_pow(double x, double y) {
    return uses_fma ? wexa_pow_fma(x, y) : wexa_pow_sse2(x, y);
}

double wexa_log(double x) {
    return uses_fma ? wexa_log_fma(x) : wexa_log_sse2(x);
}

double wexa_sin(double x) {
    return uses_fma ? wexa_sin_fma(x) : wexa_sin_sse2(x);
}

double wexa_cos(double x) {
    return uses_fma ? wexa_cos_fma(x) : wexa_cos_sse2(x);
}
