#!/usr/bin/env bash
# Remakes sse2.txt: the results of glibc's SSE2 build of pow, log, sin and
# cos for the arguments the libm tests check. Needs Linux with glibc 2.36 on a
# processor with FMA and AVX2, where glibc runs its FMA build unless told
# otherwise, and the normal build (build/) for the library.
#
# The arguments are picked where glibc's FMA build rounds otherwise than the
# library, built once without fused multiply-add (and equal to glibc's SSE2
# build, as its tests show); the results written are glibc's own, from its
# SSE2 build, which GLIBC_TUNABLES makes it run.
set -euo pipefail
cd "$(dirname "$0")"
root=../../..
[ "$(ldd --version | head -1 | awk '{print $NF}')" = 2.36 ] || { echo "needs glibc 2.36" >&2; exit 1; }
grep -qw fma /proc/cpuinfo && grep -qw avx2 /proc/cpuinfo || { echo "needs FMA and AVX2" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gcc -O2 -fno-builtin -I "$root/third_party/glibc-math/include" make-expectations.c \
    -L "$root/build/third_party/glibc-math" -lwexa_libm -lm -o "$work/make"
export LD_LIBRARY_PATH=$root/build/third_party/glibc-math
"$work/make" pick > "$work/arguments"
GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA,-FMA4 "$work/make" results < "$work/arguments" > sse2.txt
wc -l sse2.txt
