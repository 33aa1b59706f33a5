#!/usr/bin/env bash
# Remakes fma.txt and sse2.txt: glibc's results for the arguments the libm
# tests check, from each of glibc's two builds of pow, log, sin and cos. Needs
# Linux with glibc 2.36 on a processor with FMA and AVX2, and the normal build
# (build/) for the library that picks the arguments.
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
"$work/make" > fma.txt
GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA "$work/make" > sse2.txt
wc -l fma.txt sse2.txt
