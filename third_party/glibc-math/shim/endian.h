/* The word order of a double on x86-64, as glibc's include/endian.h gives
   it to its math files.  Written for this library, not part of glibc.  */
#ifndef WEXA_LIBM_ENDIAN_H
#define WEXA_LIBM_ENDIAN_H
#define __LITTLE_ENDIAN 1234
#define __BIG_ENDIAN 4321
#define __BYTE_ORDER __LITTLE_ENDIAN
#define __FLOAT_WORD_ORDER __BYTE_ORDER
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0
#endif
