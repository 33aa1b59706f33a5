#!/usr/bin/env bash
# Checks the Debian package scripts/package.sh built, as a desktop and its
# package manager will take it:
#   scripts/check-package.sh [wexa_VERSION_amd64.deb]
# lintian, the desktop entry and the AppStream file, the package unpacked
# into a throwaway folder and run from there, and, where this machine lets
# it, a real installation and removal.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${PACKAGE_CHECK_PACKAGES[@]}"

debs=(wexa_*_amd64.deb)
deb=$(realpath "${1:-${debs[0]}}")
version=$(dpkg-deb -f "$deb" Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# No error, and no warning either. What lintian still says is information
# only: the binaries keep their .comment section (CPack strips with plain
# strip) and are built without -z now and _FORTIFY_SOURCE, since the package
# is made from ./test's build, whose flags are the same for every system.
lintian --fail-on error,warning "$deb"

# The dependencies are what dpkg-shlibdeps found the binaries need: Qt's
# libraries at run time, and nothing needed only to build.
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "the dependencies lack Qt: $depends"
if grep -Eq -- '-dev\b|cmake|ninja|g\+\+|glibc-source' <<< "$depends"; then
    fail "a build-time package among the dependencies: $depends"
fi

root=$work/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/wexa.desktop"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

# The version is the project's in the package, both programs and the
# changelog's latest entry.
[ "$("$root/usr/bin/wexa-cli" --version)" = "wexa-cli $version" ] ||
    fail "wexa-cli --version is not $version"
[ "$("$root/usr/bin/wexa" --version)" = "wexa $version" ] || fail "wexa --version is not $version"
changelog=$(zcat "$root/usr/share/doc/wexa/changelog.gz")
[[ $changelog == "wexa ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"

# The math library is the package's own, found through the programs' RUNPATH
# wherever the package is unpacked.
for program in wexa wexa-cli; do
    libraries=$(ldd "$root/usr/bin/$program")
    grep -q "libwexa_libm.so => $root/usr/bin/../lib/[^ ]*/wexa/libwexa_libm.so" <<< "$libraries" ||
        fail "$program does not find the package's libwexa_libm.so"
done

# The same report as the build's wexa-cli, but for the date of the analysis.
example=examples/urban-freeway.wxa
report() {
    "$1" run "$example" --seed 7 -o "$work/report.txt" > "$work/summary-$2.txt"
    grep -v '^Date of Analysis:' "$work/report.txt" > "$work/report-$2.txt"
}
report "$root/usr/bin/wexa-cli" package
report build/src/cli/wexa-cli build
cmp "$work/summary-package.txt" "$work/summary-build.txt" || fail "run's summary differs"
cmp "$work/report-package.txt" "$work/report-build.txt" || fail "run's report differs"

# Every command and exit status of wexa-cli has its place in the manual page.
manual=$(zcat "$root/usr/share/man/man1/wexa-cli.1.gz")
help=$("$root/usr/bin/wexa-cli" --help)
for command in $(sed -n '/^Subcommands:/,$p' <<< "$help" | awk 'NR > 1 {print $1}'); do
    grep -q "^\.BI $command " <<< "$manual" || fail "wexa-cli.1 lacks the command $command"
done
for status in $(sed -n 's/.*kExit[A-Za-z]* = \([0-9]*\);.*/\1/p' src/cli/Commands.h); do
    sed -n '/^\.SH EXIT STATUS/,/^\.SH/p' <<< "$manual" | grep -q "^\.B $status$" ||
        fail "wexa-cli.1 lacks the exit status $status"
done

# The window, offscreen, with a project, its settings in the throwaway
# folder. It waits for its disclaimer to be closed and cannot be told to
# quit, so it is stopped after a while: still running then (timeout's 124)
# with nothing on its error output but the offscreen platform's note that it
# has no window manager to give size hints to, is a clean start, its
# libraries and Qt's platform found.
mkdir -m 700 "$work/runtime"
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config \
    timeout 5 "$root/usr/bin/wexa" "$example" 2> "$work/window.txt" || status=$?
[ "$status" = 124 ] || fail "the window ended with status $status: $(cat "$work/window.txt")"
if grep -v '^This plugin does not support propagateSizeHints()$' "$work/window.txt"; then
    fail "the window complained as above"
fi

# A real installation: the desktop opens .wxa files with Wexa, and removal
# leaves nothing behind. It needs root, and is skipped where Wexa is
# installed already (a user's own copy is not this check's to remove).
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2> /dev/null || {
        echo "check-package: installation skipped: neither root nor sudo without a password"
        exit 0
    }
    as_root=(sudo -n)
fi
if dpkg-query -W -f='${Status}' wexa 2> /dev/null | grep -q installed; then
    echo "check-package: installation skipped: wexa is installed on this machine already"
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get install -y -qq "$deb" > /dev/null
default=$(xdg-mime query default application/x-wexa-project)
[ "$default" = wexa.desktop ] || fail "xdg-mime opens Wexa projects with \"$default\""
[ "$(xdg-mime query filetype "$example")" = application/x-wexa-project ] ||
    fail ".wxa files are not Wexa projects to the desktop"
"${as_root[@]}" apt-get remove -y -qq wexa > /dev/null
# Shared folders stay; the package's own (.../wexa) go with their files.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | while read -r path; do
    if [ -e "$path" ] && { [ ! -d "$path" ] || [[ $path == */wexa ]]; }; then
        fail "$path is left after removal"
    fi
done
# What the triggers made of the MIME type and the desktop entry goes too.
[ ! -e /usr/share/mime/application/x-wexa-project.xml ] || fail "the MIME type is left"
! grep -qs wexa /usr/share/applications/mimeinfo.cache || fail "the desktop database keeps wexa"
echo "check-package: $deb installs, opens .wxa files and is removed cleanly"
