#!/usr/bin/env bash
# The Windows build of everything that needs no Qt: the core, the form
# logic, wexa-cli and their tests, cross-built with MinGW-w64 into
# build-windows/. The tests then run under Wine, and wexa-cli.exe is compared
# with the Linux wexa-cli on the examples and the agreement projects. The
# steps are those of every cross build: scripts/cross-build.sh.
set -euo pipefail
exec "$(dirname "$0")/cross-build.sh" windows
