#!/usr/bin/env bash
# Builds the Windows program, one static vornix.exe, with MinGW-w64 and runs
# every Windows test under Wine, from nothing: installs what is missing, makes
# a fresh Wine prefix, builds, runs ctest. The .exe lands in the build folder.
# Usage, as root on Debian 12: bash dev/windows.sh [build folder, default build-windows]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

bash dev/setup.sh g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine fonts-wine nsis locales
source dev/wine-env.sh "$build"

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVORNIX_WARNINGS_AS_ERRORS=ON
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
echo "built $build/vornix.exe ($(stat -c %s "$build/vornix.exe") bytes)"
