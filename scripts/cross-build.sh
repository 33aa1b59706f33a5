#!/usr/bin/env bash
# A cross build of everything that needs no Qt: the core, the form logic,
# wexa-cli and their tests, built on Debian for another system or processor
# (scripts/cross-targets.sh says how each is built and run):
#   scripts/cross-build.sh windows   64-bit Windows into build-windows/,
#                                    tests under Wine
#   scripts/cross-build.sh arm64     64-bit ARM Linux into build-arm64/,
#                                    tests under qemu-aarch64
# The tests run through ctest, which starts each through the toolchain's
# emulator. Then the built wexa-cli is compared with this machine's on the
# examples and the agreement projects (scripts/compare-cli.sh).
#
# The tests must pass, and every output of the two programs must agree, byte
# for byte: reports, run and work-zone figures, project files, messages and
# exit statuses.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/cross-targets.sh
cross_target "${1:-}"
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${cross_packages[@]}"
jobs=$(nproc)

cross_start
trap cross_stop EXIT
took() { echo "$1: $((SECONDS - started)) s"; }

started=$SECONDS
# The flags of ./test's optimised build. Each test program runs as four
# shards of its tests rather than a process per test: starting a program
# under an emulator costs more than most tests.
cmake --preset default -B "$cross_build" -DCMAKE_TOOLCHAIN_FILE="$cross_toolchain" \
    -DWEXA_GUI=OFF -DWEXA_BENCH=OFF -DWEXA_TEST_SHARDS=4 > /dev/null
cmake --build "$cross_build" -j "$jobs"
took "$cross_name build"

started=$SECONDS
repeat=()
if [ "$cross_retry" = 1 ]; then
    repeat=(--repeat until-pass:2) # a test that fails twice fails
fi
if [ ${#cross_left_out[@]} -gt 0 ]; then
    echo "left out under the emulator (scripts/cross-targets.sh says why): ${cross_left_out[*]}"
    # The shards run GoogleTest's programs, which leave out what the filter
    # names.
    GTEST_FILTER="-$(IFS=':'; echo "${cross_left_out[*]}")"
    export GTEST_FILTER
fi
ctest --test-dir "$cross_build" --output-on-failure -j "$jobs" "${repeat[@]}"
took "$cross_name tests"

# The native wexa-cli as these sources build it: ./test's build brought up
# to date, or one of its own when ./test has not run.
if [ ! -f build/build.ninja ]; then
    cmake --preset default -DWEXA_GUI=OFF > /dev/null
fi
cmake --build build -j "$jobs" --target wexa-cli
started=$SECONDS
if ! scripts/compare-cli.sh "$cross_id" "$PWD/build/src/cli/wexa-cli" "$PWD/$cross_program"; then
    echo "cross-build: the $cross_name wexa-cli disagrees with this machine's as listed above" >&2
    exit 1
fi
took "$cross_name comparison"
