#!/usr/bin/env bash
# The 32-bit Windows program started and tested, as it runs on 64-bit Windows:
# every Windows test of the 32-bit build (the core, GetKeyValue on the real
# registry, each window in-process at 96 and 192 DPI and through Windows 7's
# calls, High Contrast, the installer into Program Files (x86)), then the
# built vornix.exe started with its window. It runs them under Wine 10.0 in its
# WoW64 mode, from Debian 13 in a root of its own (dev/wine-wow64.sh): Debian
# 12's own 32-bit Wine needs a kernel that runs 32-bit Linux programs, which
# these machines' kernel does not. Prints how long each step took.
# Slow (its first run sets up the root: a few minutes; the tests under Wine
# take longer than the 64-bit ones): not part of CI. Run it before a release,
# after dev/windows.sh.
# Usage, as root on Debian 12:
#   bash dev/windows-x86-check.sh [build folder, default build-windows-x86] [Wine's root,
#                                  default ~/.cache/vornix/wine-wow64, reused when it is there]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows-x86}
wine_root=${2:-$HOME/.cache/vornix/wine-wow64}
source dev/steps.sh
trap step_report EXIT

step "Wine in its WoW64 mode, set up or reused"
bash dev/setup.sh g++-mingw-w64-i686-posix mingw-w64-tools nsis locales
mkdir -p "$build"
# This Wine first on the PATH, for these scripts and for ctest's emulator.
bin=$(bash dev/wine-wow64.sh "$wine_root" "$build" | tail -n 1)
export PATH="$bin:$PATH"
unshare_wine() { bash dev/wine-wow64.sh --unmount "$wine_root"; }
trap 'step_report; unshare_wine' EXIT

step "building the 32-bit program and its tests"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVORNIX_WARNINGS_AS_ERRORS=ON >/dev/null
nice -n 19 cmake --build "$build" -j"$(nproc)"
file "$build/vornix.exe"

step "fresh Wine prefixes, a 32-bit process in each"
source dev/wine-env.sh "$build"
# wine-env.sh's own trap stops the prefixes' servers; the timings still close the run.
trap 'step_report; wineserver -k 2>/dev/null || true; WINEPREFIX="$WINEPREFIX-192" wineserver -k 2>/dev/null || true
      unshare_wine' EXIT
for prefix in "$WINEPREFIX" "$WINEPREFIX-192"; do
    # A 32-bit process on 64-bit Windows sees PROCESSOR_ARCHITEW6432.
    seen=$(WINEPREFIX=$prefix wine 'C:\windows\syswow64\cmd.exe' /c 'echo %PROCESSOR_ARCHITEW6432%' \
        </dev/null 2>/dev/null | tr -d '\r')
    [ "$seen" = AMD64 ] || { echo "no 32-bit process in $prefix (it saw '$seen')"; exit 1; }
done
echo "32-bit processes run in both prefixes"

step "every Windows test of the 32-bit build"
nice -n 19 ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

step "starting the 32-bit vornix.exe"
wine "$build/vornix.exe" </dev/null >/dev/null 2>&1 &
running=$!
for _ in $(seq 30); do
    wine "$build/tests/packaging/window_probe.exe" VornixForm </dev/null >/dev/null 2>&1 && break
    sleep 1
done
wine "$build/tests/packaging/window_probe.exe" VornixForm </dev/null ||
    { echo "vornix.exe showed no main window"; exit 1; }
kill -0 "$running" || { echo "vornix.exe did not keep running"; exit 1; }
wine taskkill /f /im vornix.exe </dev/null >/dev/null 2>&1 || true
wait "$running" 2>/dev/null || true
echo "the 32-bit vornix.exe started and showed its main window"
