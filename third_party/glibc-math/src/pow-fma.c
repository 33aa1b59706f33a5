/* glibc's pow, the fma build (as its sysdeps/x86_64/fpu/multiarch does).
   Written for this library, not part of glibc.  */
#include "wexa_libm.h"
#define __pow wexa_pow_fma
#include "e_pow.c"
