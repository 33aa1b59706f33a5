/* Included before every file of the library (-include): what glibc's own
   build gives its math files through its internal headers, reduced to what
   pow, log, sin and cos use.  Written for this library, not part of glibc. */
#ifndef WEXA_LIBM_PRELUDE_H
#define WEXA_LIBM_PRELUDE_H

#include <errno.h>

/* One build for every processor: no fused multiply-add, whatever the
   target offers.  GCC defines __FP_FAST_FMA where fma() is one instruction
   (64-bit ARM always, x86-64 with -mfma), and glibc's pow, log, sin and cos
   then take other paths with other tables, which round otherwise; the
   library is compiled with -ffp-contract=off so that the compiler fuses
   nothing of its own either.  src/plain-build.h checks that both hold.  */
#undef __FP_FAST_FMA
/* pow rounds to integers by plain double arithmetic, not by the target's
   own instructions.  */
#define TOINT_INTRINSICS 0

/* Symbol names and aliases are glibc's business; here each function has
   the one name its variant file gives it.  */
#define attribute_hidden
#define LIBM_SVID_COMPAT 0
#define libm_alias_double(from, to)
#define libm_alias_double_other(from, to)
#define libm_alias_finite(from, to)
#define strong_alias(from, to)
#define versioned_symbol(lib, local, symbol, version)

/* The program runs in the default rounding mode, which is the one glibc
   sets here; the flags an underflow raises are not read.  */
#define SET_RESTORE_ROUND_53BIT(mode)
#define math_check_force_underflow(x) ((void)0)
#define __set_errno(e) (errno = (e))

#ifndef __glibc_unlikely
#define __glibc_unlikely(cond) __builtin_expect((cond), 0)
#define __glibc_likely(cond) __builtin_expect((cond), 1)
#endif
#ifndef __always_inline
#define __always_inline __inline __attribute__((__always_inline__))
#endif

#endif
