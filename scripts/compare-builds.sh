#!/usr/bin/env bash
# Results must be the same bits whatever the optimisation level: runs the
# work-zone evaluation of a queueing project with two builds of wexa-cli and
# compares the JSON they print.
#   scripts/compare-builds.sh BUILD_DIR_A BUILD_DIR_B
set -euo pipefail
cd "$(dirname "$0")/.."
a="$1/src/cli/wexa-cli"
b="$2/src/cli/wexa-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$a" import tests/data/queueing-freeway.json -o "$work/project.wxa"
for activity in 1 2; do
    for optimum in "" "--find-optimum"; do
        args=(workzone "$work/project.wxa" --alternative 1 --activity "$activity" --json $optimum)
        "$a" "${args[@]}" > "$work/a.json"
        "$b" "${args[@]}" > "$work/b.json"
        if ! cmp -s "$work/a.json" "$work/b.json"; then
            echo "FAILED: ${args[*]} differs between $1 and $2" >&2
            diff "$work/a.json" "$work/b.json" | head -20 >&2
            exit 1
        fi
    done
done
echo "builds agree: workzone --json of $1 and $2 are identical"
