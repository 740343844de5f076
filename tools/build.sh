#!/usr/bin/env bash
# Builds the plug-in (dist/Korvex.dll, its zip and checksum) and the native
# core with the korvex tool (dist/korvex).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# tools/test.sh sets KORVEX_TESTS=1: the tests come with their own needs (Wine,
# the Scintilla DLL), which the plug-in alone does not have.
if [ "${KORVEX_TESTS:-0}" = 1 ]; then needs=test testing=ON; else needs=build testing=OFF; fi
"$root/tools/prerequisites.sh" "$needs"

jobs=$(nproc)
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing >/dev/null
cmake --build build/native -j"$jobs"
cmake -S . -B build/win64 -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DKORVEX_SCINTILLA_DLL="$root/build/scintilla/Scintilla.dll" >/dev/null
cmake --build build/win64 -j"$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win64/CMakeCache.txt)
mkdir -p dist
cp build/win64/bin/Korvex.dll dist/Korvex.dll
cp build/native/cli/korvex dist/korvex
zip_name="Korvex-$version-x64.zip"
rm -f "dist/$zip_name"
(cd dist && cmake -E tar cf "$zip_name" --format=zip Korvex.dll)
(cd dist && sha256sum "$zip_name" > "$zip_name.sha256")
echo "Built dist/Korvex.dll and dist/$zip_name"
