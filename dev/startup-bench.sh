#!/usr/bin/env bash
# Start-up benchmark: Vornix against a bare Qt 6 window with the same controls
# and fonts, under Xvfb, 20 interleaved rounds after a warm-up. Any other
# program can join the comparison as NAME=COMMAND:
#   bash dev/startup-bench.sh [--rounds N] [NAME=COMMAND ...]
# Run after the README's build, as root on Debian 12. Prints a table; never fails on a figure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash dev/setup.sh xvfb libx11-dev
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target vornix vornix_reference_window vornix_startup_bench >/dev/null

display=:74
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
sleep 1
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
DISPLAY="$display" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}" \
    ./build/bench/startup/vornix_startup_bench "vornix=$PWD/build/vornix" \
    "reference=$PWD/build/bench/startup/vornix_reference_window" "$@"
