/* pow, log, sin and cos as glibc 2.36 computes them on x86-64, on every
   system the program is built for: the same bits from the same arguments
   on Linux and on Windows, whichever C library is there.  */
#ifndef WEXA_LIBM_H
#define WEXA_LIBM_H

#ifdef _WIN32
#ifdef WEXA_LIBM_BUILDING
#define WEXA_LIBM_API __declspec(dllexport)
#else
#define WEXA_LIBM_API __declspec(dllimport)
#endif
#else
#define WEXA_LIBM_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* As glibc chooses between its builds of a function: the one compiled for
   fused multiply-add where the processor has FMA and AVX2 (and the system
   lets them be used), the plain SSE2 one otherwise.  The two differ in the
   last bit now and then, as glibc's do.  */
WEXA_LIBM_API double wexa_pow(double x, double y);
WEXA_LIBM_API double wexa_log(double x);
WEXA_LIBM_API double wexa_sin(double x);
WEXA_LIBM_API double wexa_cos(double x);

/* 1 when the functions above are the FMA builds.  */
WEXA_LIBM_API int wexa_libm_uses_fma(void);

/* Each build by itself, for the tests.  Call an _fma one only when
   wexa_libm_uses_fma() is 1: elsewhere the processor lacks its
   instructions.  */
WEXA_LIBM_API double wexa_pow_sse2(double x, double y);
WEXA_LIBM_API double wexa_pow_fma(double x, double y);
WEXA_LIBM_API double wexa_log_sse2(double x);
WEXA_LIBM_API double wexa_log_fma(double x);
WEXA_LIBM_API double wexa_sin_sse2(double x);
WEXA_LIBM_API double wexa_sin_fma(double x);
WEXA_LIBM_API double wexa_cos_sse2(double x);
WEXA_LIBM_API double wexa_cos_fma(double x);

#ifdef __cplusplus
}
#endif

#endif
