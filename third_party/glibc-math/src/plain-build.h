/* Included after each of glibc's files the library compiles: that file took
   the plain paths, the ones that round alike on every processor and with
   every compiler.  shim/prelude.h sets this up; these checks keep it so.
   Written for this library, not part of glibc.  */
#ifndef WEXA_LIBM_PLAIN_BUILD_H
#define WEXA_LIBM_PLAIN_BUILD_H

/* With __FP_FAST_FMA defined, glibc's pow, log, sin and cos compute with
   fused multiply-adds (other formulas and tables, other last bits).  GCC
   defines it wherever the target has the instruction, on 64-bit ARM always
   and on x86-64 with -mfma.  */
#ifdef __FP_FAST_FMA
#error "__FP_FAST_FMA is defined: glibc's files would take their fused multiply-add paths"
#endif

/* With TOINT_INTRINSICS, pow rounds to integers by the target's own
   instructions (glibc's AArch64 build does).  */
#if defined TOINT_INTRINSICS && TOINT_INTRINSICS
#error "TOINT_INTRINSICS is set: pow would round to integers the target's way"
#endif

/* Doubles are computed in double, not in x87's wider registers.  */
#if __FLT_EVAL_METHOD__ != 0
#error "double arithmetic is evaluated in a wider format here"
#endif

#endif
