/* What glibc's x86 math-barriers.h gives a double under SSE2 math: a value
   the compiler may not compute at another place or drop.  Written for this
   library, not part of glibc (glibc's also covers x87 and _Float128, which
   not every compiler knows).  */
#ifndef WEXA_LIBM_MATH_BARRIERS_H
#define WEXA_LIBM_MATH_BARRIERS_H

#define math_opt_barrier(x)                                                                        \
    ({                                                                                             \
        __typeof(x) __x;                                                                           \
        __asm("" : "=x"(__x) : "0"(x));                                                            \
        __x;                                                                                       \
    })
#define math_force_eval(x)                                                                         \
    do {                                                                                           \
        __asm __volatile("" : : "x"(x));                                                           \
    } while (0)

#endif
