#!/usr/bin/env bash
# Runs every test: the native core, then the Windows plug-in under Wine in a
# virtual display, with one wineserver kept for the whole run.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
KORVEX_TESTS=1 "$root/tools/build.sh"

status=0
ctest --test-dir build/native --output-on-failure -j"$(nproc)" || status=1

source "$root/tools/wine-session.sh"
start_wine_session 1280x1024x24
ctest --test-dir build/win64 --output-on-failure || status=1
exit $status
