# The Debian packages each kind of build needs; sourced by ./run, ./test and
# the other build scripts. Every build installs BUILD_PACKAGES, among them
# glibc-source: the archive of glibc 2.36's sources that the power,
# logarithm and sine library takes its glibc files from
# (third_party/glibc-math).
BUILD_PACKAGES=(g++ cmake ninja-build libcli11-dev nlohmann-json3-dev glibc-source)
# poppler-utils: pdftotext, pdfinfo and pdffonts, with which the tests read
# the analysis document back.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Qt window: widgets, charts, SVG image export, printing; xvfb and xauth
# to show it on a virtual screen when there is no display.
GUI_PACKAGES=(qt6-base-dev qt6-charts-dev qt6-svg-dev xvfb xauth)
# The Windows cross build and its tests: the MinGW-w64 compiler (the POSIX
# threads flavour, which std::thread needs), Wine to run what it builds, and
# GoogleTest's sources to build it for Windows.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 googletest)
# The 64-bit ARM Linux cross build and its tests: GCC for aarch64 (with the
# ARM C and C++ libraries under /usr/aarch64-linux-gnu), qemu's user-mode
# emulator to run what it builds, and GoogleTest's sources to build it for ARM.
ARM64_PACKAGES=(g++-aarch64-linux-gnu qemu-user googletest)
# The Debian package (scripts/package.sh): dpkg-shlibdeps, which finds the
# package's dependencies, and file, with which CPack picks out the binaries
# to give it.
PACKAGE_PACKAGES=(dpkg-dev file)
# Its checks (scripts/check-package.sh): lintian, the desktop entry's and the
# AppStream file's validators, and what a desktop runs as the package is
# installed and removed: the MIME and desktop databases, xdg-mime, and
# mimetype, with which xdg-mime reads a file's type where no desktop runs.
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream shared-mime-info xdg-utils
    libfile-mimeinfo-perl)
