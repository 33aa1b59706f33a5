# shellcheck shell=bash
# The systems the program is cross-built for on Debian, and how a program
# built for each runs here; sourced by scripts/cross-build.sh and
# scripts/compare-cli.sh.
#
#   windows  64-bit Windows, MinGW-w64; runs under Wine
#   arm64    64-bit ARM Linux, GCC for aarch64; runs under qemu-aarch64
#
# cross_target TARGET sets
#   cross_id         TARGET
#   cross_name       the system's name in messages
#   cross_packages   the Debian packages its build needs beyond the native
#                    build's and its tests'
#   cross_toolchain  the CMake toolchain file
#   cross_build      the build folder
#   cross_program    wexa-cli in the build folder
#   cross_runner     the command that starts a program built for it (array)
#   cross_crlf       1 when its console text ends lines with CR LF, the one
#                    difference from this machine's allowed in it
#   cross_retry      1 when the runner itself now and then loses a run, so
#                    that a failing run is run once more
#   cross_left_out   the tests that cannot run under the runner (each with
#                    its reason below); the build says which it leaves out
# and fails, with the usage, for any other name. cross_start prepares the
# runner for a series of runs, cross_stop ends what cross_start started.
# shellcheck disable=SC2034 # the variables are the sourcing script's to use

cross_target() {
    cross_id=${1:-}
    case $cross_id in
    windows)
        cross_name=Windows
        cross_packages=("${WINDOWS_PACKAGES[@]}")
        cross_toolchain=cmake/mingw-w64-x86_64.cmake
        cross_build=build-windows
        cross_program=$cross_build/bin/wexa-cli.exe
        cross_runner=("${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}")
        cross_crlf=1
        # Wine itself loses a run now and then (its server connection reset,
        # its loader failing as the process ends) after the program has done
        # its work. The programs are deterministic, so a real fault repeats.
        cross_retry=1
        cross_left_out=()
        ;;
    arm64)
        cross_name="ARM64 Linux"
        cross_packages=("${ARM64_PACKAGES[@]}")
        cross_toolchain=cmake/aarch64-linux-gnu.cmake
        cross_build=build-arm64
        cross_program=$cross_build/src/cli/wexa-cli
        # The ARM loader and libraries live under the root given with -L.
        cross_runner=(qemu-aarch64 -L /usr/aarch64-linux-gnu)
        cross_crlf=0
        cross_retry=0
        # RunningOutOfMemoryIsReportedNotACrash limits the address space to
        # 16 MB (ulimit -v) to see the program report running out of memory;
        # the limit holds for the emulator as well, which cannot even load
        # its own libraries in it.
        cross_left_out=(Program.RunningOutOfMemoryIsReportedNotACrash)
        ;;
    *)
        echo "usage: $0 windows|arm64 ..." >&2
        return 2
        ;;
    esac
}

cross_start() {
    [ "$cross_id" = windows ] || return 0
    # Wine keeps its Windows folders in the build folder rather than in the
    # home folder, and stores a Windows name on this side in the locale's
    # character set: with a plain ASCII one, names in other scripts could not
    # be stored at all.
    export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wine}
    export WINEDEBUG=${WINEDEBUG:--all}
    export LC_ALL=C.UTF-8
    mkdir -p build-windows
    # One Wine server for every run: a server started and stopped around
    # each run can lose a run now and then.
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    "$wineserver" -p 2>/dev/null || true
}

cross_stop() {
    if [ "$cross_id" = windows ]; then
        "$wineserver" -k 2>/dev/null || true
    fi
}
