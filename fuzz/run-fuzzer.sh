#!/usr/bin/env bash
# Builds the project-file fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it on the committed corpus.
#   fuzz/run-fuzzer.sh [SECONDS]       default 600
# New inputs that add coverage are merged into fuzz/corpus/project; crashes
# land in fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
seconds=${1:-600}

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXA_GUI=OFF \
    -DWEXA_FUZZ=ON -DWEXA_SANITIZE=ON -DWEXA_TESTS=OFF > /dev/null
cmake --build build-fuzz --target wexa_project_file_fuzzer

corpus=fuzz/corpus/project
work=build-fuzz/corpus-work
mkdir -p "$work" fuzz/artifacts
build-fuzz/fuzz/wexa_project_file_fuzzer "$work" "$corpus" \
    -max_total_time="$seconds" -max_len=200000 -artifact_prefix=fuzz/artifacts/ \
    -print_final_stats=1
# Keep only the inputs that add coverage.
build-fuzz/fuzz/wexa_project_file_fuzzer -merge=1 "$corpus" "$work" > /dev/null 2>&1
echo "corpus: $(ls "$corpus" | wc -l) files"
