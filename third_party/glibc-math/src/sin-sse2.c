/* glibc's sin and cos, the sse2 build (as its sysdeps/x86_64/fpu/multiarch
   does).  Written for this library, not part of glibc.  */
#include "wexa_libm.h"
#define __sin wexa_sin_sse2
#define __cos wexa_cos_sse2
#include "s_sin.c"
