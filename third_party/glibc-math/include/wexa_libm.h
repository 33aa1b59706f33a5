/* pow, log, sin and cos as glibc 2.36 computes them on x86-64 without
   fused multiply-add, on every system and processor the program is built
   for: the same bits from the same arguments on Linux and on Windows, on
   x86-64 and on 64-bit ARM, whichever C library is there.  */
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

/* glibc's functions, built once for every processor: the build glibc runs
   on an x86-64 processor without FMA (its SSE2 build), never the fused one
   it runs on newer ones.  */
WEXA_LIBM_API double wexa_pow(double x, double y);
WEXA_LIBM_API double wexa_log(double x);
WEXA_LIBM_API double wexa_sin(double x);
WEXA_LIBM_API double wexa_cos(double x);

#ifdef __cplusplus
}
#endif

#endif
