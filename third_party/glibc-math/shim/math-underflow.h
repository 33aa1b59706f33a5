/* glibc internal header; what the library needs of it is in prelude.h.
   Written for this library, not part of glibc.  */
