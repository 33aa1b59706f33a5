#!/usr/bin/env bash
# Runs the Linux and the Windows wexa-cli on the examples and the agreement
# projects (tests/data/agreement) and checks that they agree byte for byte:
# the imported project files, `run --seed N --json` and the report (apart
# from its date and file-name lines), `workzone --json`, the text each
# prints and the exit statuses. Windows writes its console text with CR LF,
# which is the one difference allowed there. One project is named in other
# scripts than Latin, to see that names on the command line reach the
# program whole.
# Usage: scripts/compare-windows.sh LINUX-WEXA-CLI WINDOWS-WEXA-CLI.EXE
# Exits 1 when any output differs.
set -uo pipefail
cd "$(dirname "$0")/.."
linux=$1
windows=$2
wine=${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
# Wine stores a Windows name on this side in the locale's character set: with
# a plain ASCII one, names in other scripts could not be stored at all.
export LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
work=$(mktemp -d)
# One Wine server for every run: a server started and stopped around each
# run can lose a run now and then.
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
"$wineserver" -p 2>/dev/null || true
trap 'rm -rf "$work"; "$wineserver" -k 2>/dev/null || true' EXIT
mkdir -p "$work/linux" "$work/windows"
failures=0
compared=0

# Compares what the two programs left for one command: every file it wrote,
# its output and its status. Lists the differences; fails if there are any.
agree() {
    local name=$1 quiet=${2:-} differ=0
    for file in "$work/linux/$name".*; do
        local other=$work/windows/${file##*/}
        case $file in
        *.out | *.err) cmp -s "$file" <(tr -d '\r' <"$other") ;;
        *.xls) cmp -s <(sed 2,3d "$file") <(sed 2,3d "$other") ;;
        *) cmp -s "$file" "$other" ;;
        esac || {
            differ=1
            [ "$quiet" = quiet ] && continue
            echo "differs: $name: ${file##*/}"
            case $file in
            *.status) echo "  exit status $(cat "$file") on Linux, $(cat "$other") on Windows;" \
                "Windows wrote: $(head -c 300 "$work/windows/$name.err")" ;;
            esac
        }
    done
    return $differ
}

# Runs one command with each program, each in its own folder (the same
# relative names, so that messages naming files agree), and compares. Wine
# itself loses a run now and then (its server connection reset, its loader
# failing as the process ends), so a Windows run that disagrees is run once
# more; the programs are deterministic, so a real difference repeats.
run_in() {
    local side=$1 name=$2
    shift 2
    (cd "$work/$side" && "$@" >"$name.out" 2>"$name.err"; echo $? >"$name.status")
}

both() {
    local name=$1
    shift
    run_in linux "$name" "$linux" "$@"
    run_in windows "$name" "$wine" "$windows" "$@"
    compared=$((compared + $(ls "$work/linux/$name".* | wc -l)))
    if ! agree "$name" quiet; then
        run_in windows "$name" "$wine" "$windows" "$@"
        agree "$name" || failures=$((failures + 1))
    fi
}

for example in examples/*.wxa; do
    base=$(basename "$example" .wxa)
    cp "$example" "$work/linux/$base.wxa"
    cp "$example" "$work/windows/$base.wxa"
    for seed in 1 7; do
        both "$base-run-$seed" run "$base.wxa" --seed "$seed" --json "$base-run-$seed.json" \
            -o "$base-run-$seed.xls"
    done
    both "$base-workzone" workzone "$base.wxa" --alternative 1 --activity 1 --json
done

for project in tests/data/agreement/*.json; do
    base=$(basename "$project" .json)
    cp "$project" "$work/linux/$base.json"
    cp "$project" "$work/windows/$base.json"
    both "$base-import" import "$base.json" -o "$base.wxa"
    both "$base-run" run "$base.wxa" --seed 11 --json "$base-run.json" -o "$base-run.xls"
    both "$base-workzone" workzone "$base.wxa" --alternative 1 --activity 1 --json
done

# A name in several scripts, as the command line and the files carry it.
named='Überführung-東京-😀'
cp examples/urban-freeway.wxa "$work/linux/$named.wxa"
cp examples/urban-freeway.wxa "$work/windows/$named.wxa"
both "$named-run" run "$named.wxa" --seed 3 --json "$named-run.json" -o "$named-run.xls"
both "$named-missing" show "$named-missing.wxa"

# A name from the root, the same for both: Windows takes "/..." as a name
# too (of the current drive's root, which Wine maps to this side's), not as
# an option.
mkdir -p "$work/shared"
cp examples/urban-freeway.wxa "$work/shared/from-root.wxa"
both from-root-run run "$work/shared/from-root.wxa" --seed 5 --json from-root-run.json \
    -o from-root-run.xls

echo "compared $compared outputs of the Linux and the Windows wexa-cli: those of $failures commands differ"
[ "$failures" -eq 0 ]
