#!/usr/bin/env bash
# Builds the Debian package of Wexa, wexa_VERSION_amd64.deb, in this folder:
#   scripts/package.sh
# scripts/check-package.sh then checks it; README.md ("Install") says what it
# holds and how to install it.
#
# CPack's DEB generator rather than dpkg-deb over a debian/ tree: the
# install() rules (cmake/Install.cmake) already say what goes where, and CPack
# stages exactly that, takes the version from project(), writes the md5sums
# and runs dpkg-shlibdeps for the dependencies, with nothing listed twice.
#
# It packages build/, the optimised build of ./run and ./test: after ./test
# (as in .ci/run) the programs are already built and packaging takes seconds.
# A folder of its own would compile the window a second time, and gain
# nothing: the programs find their library relative to where they are
# (RUNPATH $ORIGIN/../lib/x86_64-linux-gnu/wexa), so the prefix build/ was
# configured with never enters them; CPack installs under /usr.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${GUI_PACKAGES[@]}" \
    "${PACKAGE_PACKAGES[@]}"
started=$SECONDS

if [ ! -f build/build.ninja ]; then
    cmake --preset default > /dev/null
fi
cmake --build build -j "$(nproc)" --target wexa_installed
rm -rf build/package
cpack --config build/CPackConfig.cmake -B build/package > /dev/null
deb=$(find build/package -maxdepth 1 -name 'wexa_*.deb')
rm -f wexa_*.deb
cp "$deb" .
echo "package: $(basename "$deb") in $((SECONDS - started)) s"
