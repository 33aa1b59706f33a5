#!/usr/bin/env bash
# Runs this machine's wexa-cli and one cross-built for TARGET (windows or
# arm64, see scripts/cross-targets.sh; it runs under Wine or qemu) on the
# examples and the agreement projects (tests/data/agreement) and checks that
# they agree byte for byte: the imported project files, `run --seed N --json`
# and the report (apart from its date and file-name lines), `workzone
# --json`, `compare --json`, `sensitivity --json`, `cashflow` with its CSV
# and its JSON, the text each prints and the exit statuses. Windows writes its
# console text with CR LF, which is the one difference allowed there. One
# project is named in other scripts than Latin, to see that names on the
# command line reach the program whole.
# Usage: scripts/compare-cli.sh TARGET NATIVE-WEXA-CLI CROSS-WEXA-CLI
# Exits 1 when any output differs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/cross-targets.sh
cross_target "${1:-}"
native=$2
cross=$3
# The same locale for both programs.
export LC_ALL=C.UTF-8
work=$(mktemp -d)
cross_start
trap 'rm -rf "$work"; cross_stop' EXIT
mkdir -p "$work/native" "$work/cross"
native_name="Linux on $(uname -m)"
failures=0
compared=0

# What the cross-built program printed, as this machine's would print it.
console_text() {
    if [ "$cross_crlf" = 1 ]; then
        tr -d '\r' <"$1"
    else
        cat "$1"
    fi
}

# Compares what the two programs left for one command: every file it wrote,
# its output and its status. Lists the differences; fails if there are any.
agree() {
    local name=$1 quiet=${2:-} differ=0
    for file in "$work/native/$name".*; do
        local other=$work/cross/${file##*/}
        case $file in
        *.out | *.err) cmp -s "$file" <(console_text "$other") ;;
        *.xls) cmp -s <(sed 2,3d "$file") <(sed 2,3d "$other") ;;
        *) cmp -s "$file" "$other" ;;
        esac || {
            differ=1
            if [ "$quiet" = quiet ]; then
                continue
            fi
            echo "differs: $name: ${file##*/}"
            case $file in
            *.status) echo "  exit status $(cat "$file") on $native_name," \
                "$(cat "$other") on $cross_name; it wrote: $(head -c 300 "$work/cross/$name.err")" ;;
            esac
        }
    done
    return $differ
}

# Runs one command with each program, each in its own folder (the same
# relative names, so that messages naming files agree), and compares. Where
# the runner loses a run now and then (cross_retry), a cross run that
# disagrees is run once more; the programs are deterministic, so a real
# difference repeats.
run_in() {
    local side=$1 name=$2 status=0
    shift 2
    (cd "$work/$side" && "$@" >"$name.out" 2>"$name.err") || status=$?
    echo "$status" >"$work/$side/$name.status"
}

both() {
    local name=$1
    shift
    run_in native "$name" "$native" "$@"
    run_in cross "$name" "${cross_runner[@]}" "$cross" "$@"
    local outputs=("$work/native/$name".*) quiet=
    compared=$((compared + ${#outputs[@]}))
    if [ "$cross_retry" = 1 ]; then
        quiet=quiet
    fi
    if ! agree "$name" $quiet; then
        if [ "$cross_retry" = 1 ]; then
            run_in cross "$name" "${cross_runner[@]}" "$cross" "$@"
            agree "$name" && return
        fi
        failures=$((failures + 1))
    fi
}

# The same input file for both programs.
copy_in() {
    cp "$1" "$work/native/$2"
    cp "$1" "$work/cross/$2"
}

for example in examples/*.wxa; do
    base=$(basename "$example" .wxa)
    copy_in "$example" "$base.wxa"
    for seed in 1 7; do
        both "$base-run-$seed" run "$base.wxa" --seed "$seed" --json "$base-run-$seed.json" \
            -o "$base-run-$seed.xls"
        both "$base-compare-$seed" compare "$base.wxa" --seed "$seed" --json
    done
    both "$base-workzone" workzone "$base.wxa" --alternative 1 --activity 1 --json
    both "$base-sensitivity" sensitivity "$base.wxa" --json
    both "$base-cashflow" cashflow "$base.wxa" --seed 1 -o "$base-cashflow.csv"
    both "$base-cashflow-json" cashflow "$base.wxa" --seed 1 --json
done

for project in tests/data/agreement/*.json; do
    base=$(basename "$project" .json)
    copy_in "$project" "$base.json"
    both "$base-import" import "$base.json" -o "$base.wxa"
    both "$base-run" run "$base.wxa" --seed 11 --json "$base-run.json" -o "$base-run.xls"
    both "$base-cashflow" cashflow "$base.wxa" --seed 11 --json -o "$base-cashflow.csv"
    both "$base-workzone" workzone "$base.wxa" --alternative 1 --activity 1 --json
done

# A name in several scripts, as the command line and the files carry it.
named='Überführung-東京-😀'
copy_in examples/urban-freeway.wxa "$named.wxa"
both "$named-run" run "$named.wxa" --seed 3 --json "$named-run.json" -o "$named-run.xls"
both "$named-missing" show "$named-missing.wxa"

# A name from the root, the same for both: Windows takes "/..." as a name
# too (of the current drive's root, which Wine maps to this side's), not as
# an option.
mkdir -p "$work/shared"
cp examples/urban-freeway.wxa "$work/shared/from-root.wxa"
both from-root-run run "$work/shared/from-root.wxa" --seed 5 --json from-root-run.json \
    -o from-root-run.xls

echo "compared $compared outputs of the wexa-cli for $native_name and the one for $cross_name:" \
    "those of $failures commands differ"
[ "$failures" -eq 0 ]
