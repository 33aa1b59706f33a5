/* A quiet NaN is marked by the high-order bit of the significand, on
   x86-64 and on 64-bit ARM.  Written for this library, not part of glibc.  */
#define HIGH_ORDER_BIT_IS_SET_FOR_SNAN 0
