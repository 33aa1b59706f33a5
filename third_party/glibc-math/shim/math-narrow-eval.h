/* x86-64 evaluates double arithmetic in double (SSE2): nothing to narrow.
   Written for this library, not part of glibc.  */
#define math_narrow_eval(x) (x)
