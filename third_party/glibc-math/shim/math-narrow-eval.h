/* Double arithmetic is evaluated in double on the targets the program is
   built for (src/plain-build.h checks it): nothing to narrow.  Written for
   this library, not part of glibc.  */
#define math_narrow_eval(x) (x)
