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
cmake -S . -B "$cross_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$cross_toolchain" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXA_GUI=OFF > /dev/null
cmake --build "$cross_build" -j "$jobs"
took "$cross_name build"

started=$SECONDS
repeat=()
if [ "$cross_retry" = 1 ]; then
    repeat=(--repeat until-pass:2) # a test that fails twice fails
fi
left_out=()
if [ ${#cross_left_out[@]} -gt 0 ]; then
    echo "left out under the emulator (scripts/cross-targets.sh says why): ${cross_left_out[*]}"
    left_out=(-E "^($(IFS='|'; echo "${cross_left_out[*]}"))\$")
fi
ctest --test-dir "$cross_build" --output-on-failure -j "$jobs" "${repeat[@]}" "${left_out[@]}"
took "$cross_name tests"

# The native wexa-cli as these sources build it: ./test's build brought up
# to date, or one of its own when ./test has not run.
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXA_GUI=OFF > /dev/null
fi
cmake --build build -j "$jobs" --target wexa-cli
started=$SECONDS
if ! scripts/compare-cli.sh "$cross_id" "$PWD/build/src/cli/wexa-cli" "$PWD/$cross_program"; then
    echo "cross-build: the $cross_name wexa-cli disagrees with this machine's as listed above" >&2
    exit 1
fi
took "$cross_name comparison"
