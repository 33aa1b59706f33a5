/* glibc's sin and cos, the fma build (as its sysdeps/x86_64/fpu/multiarch
   does).  Written for this library, not part of glibc.  */
#include "wexa_libm.h"
#define __sin wexa_sin_fma
#define __cos wexa_cos_fma
#include "s_sin.c"
