#!/usr/bin/env bash
# Installs what the build (and, with "test", the test run) needs, when missing:
# Debian packages, and the Scintilla DLL that the Windows tests drive, built
# from the distribution's source package and cached in the build folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
what=${1:-build}

build_packages=(cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
test_packages=(python3 googletest libbenchmark-dev wine wine64 xvfb xauth dpkg-dev)

missing=()
wanted=("${build_packages[@]}")
[ "$what" = test ] && wanted+=("${test_packages[@]}")
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "$what" = test ] || exit 0

# --- Scintilla.dll for the test host ---
sci_dir="$root/build/scintilla"
sci_dll="$sci_dir/Scintilla.dll"
[ -f "$sci_dll" ] && exit 0

# Source packages come from the same mirror, suites and components as the
# machine's binary packages.
src_list=/etc/apt/sources.list.d/korvex-deb-src.sources
if ! apt-get source --print-uris scite >/dev/null 2>&1; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -e 's/^Types:.*$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
    elif [ -f /etc/apt/sources.list ]; then
        sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/korvex-deb-src.list
    fi
    apt-get update -qq
fi

work="$sci_dir/src"
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq scite >/dev/null 2>&1)
sci_src=$(find "$work" -maxdepth 3 -type d -path '*/scintilla/win32' | head -n 1)
[ -n "$sci_src" ] || { echo "prerequisites: no scintilla/win32 in the scite source package" >&2; exit 1; }
include="$sci_src/../include"

# The host's editor takes pointer-sized character ranges; upstream's are long,
# 32-bit on Win64.
sed -i 's/^typedef long Sci_PositionCR;/typedef intptr_t Sci_PositionCR;/' "$include/Sci_Position.h"
sed -i 's/^using PositionCR = long;/using PositionCR = intptr_t;/' "$include/ScintillaStructures.h"
grep -q 'typedef intptr_t Sci_PositionCR;' "$include/Sci_Position.h"
grep -q 'using PositionCR = intptr_t;' "$include/ScintillaStructures.h"

echo "Building Scintilla.dll"
triple=x86_64-w64-mingw32
make -C "$sci_src" -j"$(nproc)" CXX=$triple-g++-posix AR=$triple-ar RANLIB=$triple-ranlib \
     WINDRES=$triple-windres ../bin/Scintilla.dll >"$sci_dir/build.log" 2>&1 ||
    { tail -n 30 "$sci_dir/build.log" >&2; exit 1; }
cp "$sci_src/../bin/Scintilla.dll" "$sci_dll"
rm -rf "$work"
