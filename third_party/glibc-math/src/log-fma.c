/* glibc's log, the fma build (as its sysdeps/x86_64/fpu/multiarch does).
   Written for this library, not part of glibc.  */
#include "wexa_libm.h"
#define __log wexa_log_fma
#include "e_log.c"
