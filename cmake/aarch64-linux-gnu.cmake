# Cross build for 64-bit ARM Linux with Debian's GCC for aarch64
# (g++-aarch64-linux-gnu). scripts/cross-build.sh uses it; what it builds runs
# here under qemu's user-mode emulator, with the ARM C and C++ libraries that
# the compiler's packages install under /usr/aarch64-linux-gnu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# GCC notes, at each function that takes or returns a pair of doubles, that
# GCC 10.1 changed how ARM passes them; every part of the program is built
# by this one compiler, so no code of an older GCC is ever called with one.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)

# Libraries and headers only from the ARM side; programs from the build
# machine.
set(wexa_aarch64_root /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH ${wexa_aarch64_root})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test discovery and ctest start the programs through qemu, which finds the
# ARM loader and libraries under the root given with -L.
find_program(WEXA_QEMU_AARCH64 NAMES qemu-aarch64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WEXA_QEMU_AARCH64} -L ${wexa_aarch64_root})
