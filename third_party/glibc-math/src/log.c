/* glibc's log, as wexa_log.  Written for this library, not part of glibc.  */
#include "wexa_libm.h"
#define __log wexa_log
#include "e_log.c"
#include "plain-build.h"
