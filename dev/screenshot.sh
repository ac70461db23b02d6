#!/usr/bin/env bash
# Starts the built Vornix in a real window under Xvfb, types the first example
# of each exercise, presses both GO buttons and saves docs/main-window.png,
# docs/about-window.png and the two working windows.
# Run after the README's build command, as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

bash dev/setup.sh xvfb xdotool imagemagick

display=:73
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
export DISPLAY="$display"
sleep 1

./build/vornix &
vornix=$!
trap 'kill "$vornix" "$xvfb" 2>/dev/null' EXIT
window=$(xdotool search --sync --name '求根及点坐标运算' | head -n 1)

# Clicks a point of the window (pixels) and types into it.
type_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    xdotool type --delay 20 -- "$3"
}
type_at 44 60 1
type_at 156 60 -3
type_at 252 60 2
xdotool mousemove --window "$window" 400 96 click 1
type_at 100 228 0
type_at 172 228 1
type_at 300 228 1
type_at 372 228 3
xdotool mousemove --window "$window" 400 324 click 1
xdotool mousemove --window "$window" 430 5
sleep 0.5
import -window "$window" docs/main-window.png
echo "saved docs/main-window.png"

xdotool mousemove --window "$window" 40 372 click 1
about=$(xdotool search --sync --name '关于 Vornix' | head -n 1)
sleep 0.5
import -window "$about" docs/about-window.png
echo "saved docs/about-window.png"

# The working windows: the quadratic's from a double-click on its answer, the
# line's from Alt+Enter in its first entry box.
xdotool key Escape
shoot_working() {
    local working
    working=$(xdotool search --sync --name "$1" | head -n 1)
    sleep 0.5
    import -window "$working" "docs/$2"
    echo "saved docs/$2"
}
xdotool mousemove --window "$window" 184 124 click --repeat 2 --delay 80 1
shoot_working '解题过程 — 一元二次方程' working-quadratic.png
xdotool key Escape # the focus goes back to the main window
xdotool mousemove --window "$window" 100 228 click 1 key alt+Return
shoot_working '解题过程 — 一次函数' working-line.png
