#!/usr/bin/env bash
# Starts the built Vornix in a real window under Xvfb, types the first example
# of each exercise, presses both GO buttons and saves docs/main-window.png,
# docs/about-window.png, the two working windows on both their pages, the
# quadratic's maximised at 200 %, a wrong answer checked, practice, the first
# page of a worksheet key, and the first pages of a practice worksheet and of
# its key.
# Run after the README's build command, as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

bash dev/setup.sh xvfb xdotool imagemagick poppler-utils

# Settings of its own, so that the user's (a zoom, a page) change nothing here.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

display=:73
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
export DISPLAY="$display"
sleep 1

./build/vornix &
vornix=$!
trap 'kill "$vornix" "$xvfb" 2>/dev/null' EXIT
window=$(xdotool search --sync --name '求根及点坐标运算' | head -n 1)

# Clicks a point of the window (pixels) and types into it, over what was there.
type_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    xdotool key ctrl+a
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
xdotool key alt+h
shoot_working '解题过程 — 一次函数' function-line.png
xdotool key alt+j Escape

# The quadratic of the function's page: y = 2x² − 4x − 3, maximised at 200 %.
type_at 44 60 2
type_at 156 60 -4
type_at 252 60 -3
xdotool mousemove --window "$window" 400 96 click 1
xdotool mousemove --window "$window" 184 124 click --repeat 2 --delay 80 1
xdotool key alt+h
shoot_working '解题过程 — 一元二次方程' function-quadratic.png
working=$(xdotool search --name '解题过程 — 一元二次方程' | head -n 1)
xdotool key alt+j
xdotool windowsize "$working" 1280 800
xdotool key ctrl+equal ctrl+equal ctrl+equal
sleep 2 # the zoom's note fades
import -window "$working" docs/working-zoomed.png
echo "saved docs/working-zoomed.png"
xdotool key ctrl+0 Escape

# A wrong answer checked: x² − 3x + 1 = 0 by the formula, answered with −b
# written as b; the slip named and its line marked.
type_at 44 60 1
type_at 156 60 -3
type_at 252 60 1
xdotool mousemove --window "$window" 400 96 click 1
xdotool mousemove --window "$window" 184 124 click --repeat 2 --delay 80 1
working=$(xdotool search --sync --name '解题过程 — 一元二次方程' | head -n 1)
xdotool key alt+g alt+a
xdotool type --delay 40 '(-3±√5)/2'
xdotool key Return
shoot_working '解题过程 — 一元二次方程' answer-diagnosed.png
# Practice: 换一题 at level 1 of the method shown, its working hidden.
xdotool key alt+y alt+1 alt+n
shoot_working '解题过程 — 一元二次方程（练习）' practice.png
xdotool key Escape

# The first page of a worksheet key of six exercises, as its PDF shows it.
sheet=$(mktemp -d)
./build/vornix --export "$sheet/key.pdf" --quadratic 1 -3 1 --quadratic 2 3 -2 \
    --quadratic 0.5 -1 -1 --quadratic 1 2 5 --line 3 5 -4 -9 --line 0 1 1 3
pdftoppm -png -r 80 -f 1 -l 1 "$sheet/key.pdf" "$sheet/page"
cp "$sheet"/page-1.png docs/worksheet-page.png
echo "saved docs/worksheet-page.png"

# A practice worksheet for a class and its key, their first pages.
./build/vornix --practice 12 --kind factor --level 2 --seed 8041 \
    --export "$sheet/practice.pdf" --key "$sheet/answers.pdf"
pdftoppm -png -r 80 -f 1 -l 1 "$sheet/practice.pdf" "$sheet/practice"
pdftoppm -png -r 80 -f 1 -l 1 "$sheet/answers.pdf" "$sheet/answers"
cp "$sheet"/practice-1.png docs/practice-sheet.png
cp "$sheet"/answers-1.png docs/practice-key.png
rm -rf "$sheet"
echo "saved docs/practice-sheet.png and docs/practice-key.png"
