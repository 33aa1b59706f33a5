/* A value the compiler may not compute at another place or drop, as glibc's
   generic math-barriers.h gives it: through memory, the same on every
   target (glibc's x86 and ARM ones use their own register classes).  Only
   the special cases of pow (underflow, overflow, a zero base) use it.
   Written for this library, not part of glibc.  */
#ifndef WEXA_LIBM_MATH_BARRIERS_H
#define WEXA_LIBM_MATH_BARRIERS_H

#define math_opt_barrier(x)                                                                        \
    ({                                                                                             \
        __typeof(x) __x = (x);                                                                     \
        __asm("" : "+m"(__x));                                                                     \
        __x;                                                                                       \
    })
#define math_force_eval(x)                                                                         \
    do {                                                                                           \
        __typeof(x) __x = (x);                                                                     \
        __asm __volatile("" : : "m"(__x));                                                         \
    } while (0)

#endif
