#!/usr/bin/env bash
# The 32-bit Windows program started and tested, as it runs on 64-bit Windows:
# every Windows test of the 32-bit build (the core, GetKeyValue on the real
# registry, each window in-process at 96 and 192 DPI and through Windows 7's
# calls, High Contrast, the installer into Program Files (x86)), then the
# built vornix.exe started with its window. It runs them under Wine 10.0 in its
# WoW64 mode, from Debian 13 in a root of its own (dev/wine-wow64.sh): Debian
# 12's own 32-bit Wine needs a kernel that runs 32-bit Linux programs, which
# these machines' kernel does not. Needs nothing done first: it installs what
# it lacks and builds the program. Prints how long each step took, and a step
# that fails says what failed, with what Wine said.
# Slow (its first run sets up the root: a few minutes; the tests under Wine
# take longer than the 64-bit ones): not part of CI. Run it before a release.
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
unshare_wine() { bash dev/wine-wow64.sh --unmount "$wine_root"; }
trap 'step_report; unshare_wine' EXIT
bash dev/wine-wow64.sh "$wine_root" "$build" | tee "$build/wine-wow64.out"
# This Wine first on the PATH, for these scripts and for ctest's emulator.
bin=$(tail -n 1 "$build/wine-wow64.out")
[ -x "$bin/wine" ] || step_fail "dev/wine-wow64.sh named no folder with a wine in it: '$bin'"
export PATH="$bin:$PATH"
echo "$(wine --version) from $bin"

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
by_hand="to look by hand, with this Wine and not Debian 12's /usr/bin/wine:
  PATH=\$(bash dev/wine-wow64.sh $wine_root | tail -n 1):\$PATH WINEPREFIX=<prefix> wine ..."
for prefix in "$WINEPREFIX" "$WINEPREFIX-192"; do
    # wineboot fills syswow64 from a 32-bit rundll32 (wine.inf's Wow64Install):
    # left empty, that process could not start.
    syswow64=$prefix/drive_c/windows/syswow64
    missing=()
    for module in ntdll.dll kernel32.dll cmd.exe; do
        [ -f "$syswow64/$module" ] || missing+=("$module")
    done
    if ((${#missing[@]})); then
        grep -a -e syswow64 -e '^wine: ' "$wine_setup_log" | tail -n 10 >&2
        step_fail "$syswow64 lacks ${missing[*]} ($(find "$syswow64" -type f 2>/dev/null | wc -l) files in all):
wineboot's 32-bit part did not run (what Wine said of it above, all in $wine_setup_log); $by_hand"
    fi
    # A 32-bit process on 64-bit Windows sees PROCESSOR_ARCHITEW6432.
    log=$build/wine-32bit-process.log
    # Wine writes in the console's code page, 936 here.
    seen=$(WINEPREFIX=$prefix WINEDEBUG=-all,err+all wine 'C:\windows\syswow64\cmd.exe' /c \
        'echo %PROCESSOR_ARCHITEW6432%' </dev/null 2>"$log" | iconv -f GBK -t UTF-8 | tr -d '\r') || true
    if [ "$seen" != AMD64 ]; then
        [ ! -s "$log" ] || { echo "Wine's errors:" && cat "$log"; } >&2
        step_fail "no 32-bit process in $prefix: syswow64's cmd.exe, asked for %PROCESSOR_ARCHITEW6432%, printed
'$seen', not AMD64; $by_hand"
    fi
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
    step_fail "vornix.exe showed no main window"
kill -0 "$running" || step_fail "vornix.exe did not keep running"
wine taskkill /f /im vornix.exe </dev/null >/dev/null 2>&1 || true
wait "$running" 2>/dev/null || true
echo "the 32-bit vornix.exe started and showed its main window"
