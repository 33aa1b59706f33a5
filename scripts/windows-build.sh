#!/usr/bin/env bash
# The Windows build of everything that needs no Qt: the core, the form
# logic, wexa-cli and their tests, cross-built with MinGW-w64 into
# build-windows/. The tests then run under Wine, and wexa-cli.exe is compared
# with the Linux wexa-cli on the examples and the agreement projects
# (scripts/compare-windows.sh; it builds the Linux wexa-cli first if ./test
# has not).
#
# The tests must pass, and every output of the two programs must agree, byte
# for byte: reports, run and work-zone figures, project files, messages and
# exit statuses.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
jobs=$(nproc)

# Wine keeps its Windows folders here rather than in the home folder.
export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wine}
export WINEDEBUG=-all
# Wine stores a Windows name on this side in the locale's character set: with
# a plain ASCII one, names in other scripts could not be stored at all.
export LC_ALL=C.UTF-8
mkdir -p build-windows
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
"$wineserver" -p 2>/dev/null || true # one server for all the runs below
trap '"$wineserver" -k 2>/dev/null || true' EXIT

cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXA_GUI=OFF > /dev/null
cmake --build build-windows -j "$jobs"
# Wine itself now and then loses a run (its server connection reset, its
# loader failing as the process ends) after the test has passed; a test that
# fails twice fails. The tests are deterministic, so a real fault repeats.
ctest --test-dir build-windows --output-on-failure -j "$jobs" --repeat until-pass:2

if [ ! -x build/src/cli/wexa-cli ]; then
    cmake --preset default -DWEXA_GUI=OFF > /dev/null
    cmake --build build -j "$jobs" --target wexa-cli
fi
if ! scripts/compare-windows.sh "$PWD/build/src/cli/wexa-cli" \
    "$PWD/build-windows/bin/wexa-cli.exe"; then
    echo "windows-build: the Windows wexa-cli disagrees with the Linux one as listed above" >&2
    exit 1
fi
