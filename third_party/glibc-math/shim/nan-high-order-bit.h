/* x86-64 marks a quiet NaN by the high-order bit of the significand.
   Written for this library, not part of glibc.  */
#define HIGH_ORDER_BIT_IS_SET_FOR_SNAN 0
