#!/usr/bin/env bash
# Start-up benchmark on Windows' side: vornix.exe against a bare Win32 window
# with as many controls in one 宋体 font (bench/startup/reference_window_win32.cpp),
# and against the same window with Vornix's 楷体 titles and its manifest
# (common controls 6), to tell what those two cost,
# both under Wine on the same Xvfb and prefix, with one wineserver kept
# running; interleaved rounds after a warm-up; medians, ranges and the ratios
# vornix / reference of the time to a mapped window and of resident memory.
#   bash dev/windows-startup-bench.sh [--rounds N]
# Run after dev/windows.sh, as root on Debian 12. Never fails on a figure.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows

bash dev/setup.sh xvfb libx11-dev
cmake --build "$build" -j"$(nproc)" --target vornix vornix_reference_window \
    vornix_reference_window_themed >/dev/null
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target vornix_startup_bench >/dev/null
source dev/wine-env.sh "$build/startup" without-high-dpi

display=:77
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"
# wine-env.sh keeps one wineserver running for every round, as on a desktop already running.
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
./build/bench/startup/vornix_startup_bench --rounds 8 "vornix=wine $PWD/$build/vornix.exe" \
    "reference=wine $PWD/$build/vornix_reference_window.exe" \
    "kai=wine $PWD/$build/vornix_reference_window.exe --kai" \
    "kai+themed=wine $PWD/$build/vornix_reference_window_themed.exe --kai" "$@"
