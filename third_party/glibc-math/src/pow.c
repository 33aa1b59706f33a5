/* glibc's pow, as wexa_pow.  Written for this library, not part of glibc.  */
#include "wexa_libm.h"
#define __pow wexa_pow
#include "e_pow.c"
#include "plain-build.h"
