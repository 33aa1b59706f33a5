/* The word order of a double, as glibc's include/endian.h gives it to its
   math files: little-endian, as on x86-64 and 64-bit ARM, the targets the
   program is built for.  Written for this library, not part of glibc.  */
#ifndef WEXA_LIBM_ENDIAN_H
#define WEXA_LIBM_ENDIAN_H
#if __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__ ||                                                   \
    (defined __FLOAT_WORD_ORDER__ && __FLOAT_WORD_ORDER__ != __ORDER_LITTLE_ENDIAN__)
#error "the library is set up for little-endian doubles only"
#endif
#define __LITTLE_ENDIAN 1234
#define __BIG_ENDIAN 4321
#define __BYTE_ORDER __LITTLE_ENDIAN
#define __FLOAT_WORD_ORDER __BYTE_ORDER
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0
#endif
