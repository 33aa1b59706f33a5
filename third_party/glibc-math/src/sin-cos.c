/* glibc's sin and cos, as wexa_sin and wexa_cos.  Written for this library,
   not part of glibc.  */
#include "wexa_libm.h"
#define __sin wexa_sin
#define __cos wexa_cos
#include "s_sin.c"
#include "plain-build.h"
