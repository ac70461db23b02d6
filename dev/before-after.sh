#!/usr/bin/env bash
# Draws the graph's and the working's pictures of docs/before-after-*.png:
# each the same exercise exported by an earlier commit of Vornix (left) and
# by this one (right), and the keyboard's trace in the working window at
# 200 % under Xvfb. The earlier commit is built in a folder of its own.
# Run after the README's build command, as root on Debian 12.
# Usage: bash dev/before-after.sh [earlier commit, default a7034e4]
set -euo pipefail
cd "$(dirname "$0")/.."
earlier=${1:-a7034e4}

bash dev/setup.sh xvfb xdotool imagemagick
before=$(mktemp -d)
trap 'git worktree remove --force "$before/source" 2>/dev/null || true; rm -rf "$before"' EXIT
git worktree add --detach "$before/source" "$earlier" >/dev/null
cmake -S "$before/source" -B "$before/build" -DCMAKE_BUILD_TYPE=Release \
    -DVORNIX_BUILD_TESTS=OFF -DVORNIX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$before/build" -j"$(nproc)" --target vornix >/dev/null
old=$before/build/vornix
new=./build/vornix
export QT_QPA_PLATFORM=offscreen

# A part of the first exercise of an A4 page at 300 dpi: its graph, or its working.
graph_part=860x780+1425+195
working_part=1200x900+200+195

# side_by_side NAME PART ARGS...: the part of each program's export, side by side.
side_by_side() {
    local name=$1 part=$2
    shift 2
    "$old" --export "$before/old.png" "$@"
    "$new" --export "$before/new.png" "$@"
    convert "$before/old.png" -crop "$part" +repage -bordercolor '#c00000' -border 4 "$before/a.png"
    convert "$before/new.png" -crop "$part" +repage -bordercolor '#007a00' -border 4 "$before/b.png"
    convert "$before/a.png" "$before/b.png" +append -resize 50% "docs/before-after-$name.png"
    echo "saved docs/before-after-$name.png"
}

side_by_side tick-labels "$graph_part" --quadratic 2 -4 -3 --page function
side_by_side label-in-plot "$graph_part" --quadratic 1 1 1 --page function
side_by_side vertex-named-c "$graph_part" --quadratic 2 0 0 --page function
side_by_side typed-points "$graph_part" --line 0.5 1 -1.25 0.5
side_by_side rounded-vertex "$graph_part" --quadratic 5.5 8.7 0.9 --page function
side_by_side axis-is-y-axis "$working_part" --quadratic 1 0 -4 --page function
side_by_side line-page-fractions "$working_part" --quadratic 0 0.5 -3 --page function
side_by_side first-factor-first "$working_part" --quadratic -2 1 0 --method factor
side_by_side times-ten "$working_part" --quadratic -2.4 1.2 -2.8
side_by_side equation-in-k "$working_part" --line 0 -6 -3 4.3

# The keyboard's trace: y = x² + 2x − 8 at 200 %, a click on the graph, then
# → fifteen times; each program in a real window under Xvfb.
unset QT_QPA_PLATFORM
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
display=:74
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; git worktree remove --force "$before/source" 2>/dev/null || true; rm -rf "$before"' EXIT
export DISPLAY="$display"
sleep 1
traced() { # program, picture
    "$1" &
    local program=$!
    local window working
    window=$(xdotool search --sync --name '求根及点坐标运算' | head -n 1)
    for at in "44 60 1" "156 60 2" "252 60 -8"; do
        read -r x y text <<<"$at"
        xdotool mousemove --window "$window" "$x" "$y" click 1 key ctrl+a
        xdotool type -- "$text"
    done
    xdotool mousemove --window "$window" 400 96 click 1
    xdotool mousemove --window "$window" 184 124 click --repeat 2 --delay 80 1
    working=$(xdotool search --sync --name '解题过程 — 一元二次方程' | head -n 1)
    xdotool windowsize "$working" 1280 800
    xdotool key ctrl+equal ctrl+equal ctrl+equal
    sleep 0.5
    xdotool mousemove --window "$working" 1000 300 click 1
    for _ in $(seq 15); do
        xdotool key Right
        sleep 0.1
    done
    sleep 2 # the zoom's note fades
    import -window "$working" "$2"
    kill "$program"
    wait "$program" 2>/dev/null || true
}
traced "$old" "$before/a.png"
traced "$new" "$before/b.png"
for side in a b; do
    convert "$before/$side.png" -crop 760x800+520+0 +repage "$before/$side.png"
done
convert "$before/a.png" "$before/b.png" +append -resize 50% docs/before-after-trace.png
echo "saved docs/before-after-trace.png"
