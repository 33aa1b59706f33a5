#!/usr/bin/env bash
# Builds a fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it on its committed corpus.
#   fuzz/run-fuzzer.sh [project|distribution] [SECONDS]   default: project, 600
# New inputs that add coverage are merged into fuzz/corpus/NAME; crashes land
# in fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
name=${1:-project}
seconds=${2:-600}
case "$name" in
project) target=wexa_project_file_fuzzer max_len=200000 ;;
distribution) target=wexa_distribution_file_fuzzer max_len=4096 ;;
*) echo "usage: $0 [project|distribution] [SECONDS]" >&2; exit 2 ;;
esac

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXA_GUI=OFF \
    -DWEXA_FUZZ=ON -DWEXA_SANITIZE=ON -DWEXA_TESTS=OFF > /dev/null
cmake --build build-fuzz --target "$target"

corpus=fuzz/corpus/$name
work=build-fuzz/corpus-work-$name
mkdir -p "$work" fuzz/artifacts
"build-fuzz/fuzz/$target" "$work" "$corpus" \
    -max_total_time="$seconds" -max_len="$max_len" -artifact_prefix=fuzz/artifacts/ \
    -print_final_stats=1
# Keep only the inputs that add coverage.
"build-fuzz/fuzz/$target" -merge=1 "$corpus" "$work" > /dev/null 2>&1
echo "corpus: $(ls "$corpus" | wc -l) files"
