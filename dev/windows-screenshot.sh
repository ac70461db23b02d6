#!/usr/bin/env bash
# Starts the built vornix.exe under Wine in a virtual desktop on Xvfb, types
# the first example of each exercise, presses both GO buttons with the
# keyboard and saves docs/windows-main-window.png, then opens the About window
# and saves docs/windows-about-window.png, then the quadratic's working window,
# docs/windows-working.png, its 函数的性质 page for 2x² − 4x − 3,
# docs/windows-function.png, a wrong answer checked on the first page,
# docs/windows-answer-diagnosed.png, a practice exercise,
# docs/windows-practice.png, the High Contrast Black picture,
# docs/windows-high-contrast.png, and on a larger desktop the working window
# maximised at 200 %, docs/windows-working-large.png. Run after dev/windows.sh,
# as root.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

bash dev/setup.sh xvfb xdotool imagemagick
source dev/wine-env.sh "$build/screenshot" without-high-dpi

display=:76
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
sleep 1

# Wine draws the windows' frames itself in its virtual desktop, as Windows does.
wine explorer /desktop=Vornix,800x600 "$build/vornix.exe" </dev/null >/dev/null 2>&1 &
desktop=$(xdotool search --sync --name 'Vornix' | head -n 1)
sleep 8 # a loaded machine takes its time to start Wine and the program
xdotool windowfocus --sync "$desktop"

# The focus starts in Text1; Enter in an entry box presses its exercise's GO.
keys() { xdotool key --delay 60 "$@"; }
text() { xdotool type --delay 60 -- "$1"; }
text 1; keys Tab; text -3; keys Tab; text 2; keys Return
keys Tab Tab Tab; text 0; keys Tab; text 1; keys Tab; text 1; keys Tab; text 3; keys Return
sleep 0.5

# Each window is cut out of the desktop along its frame: the main window
# stands at the top-left corner, the About window at its fixed place.
shoot() { import -window "$desktop" -crop "$2" +repage "docs/$1"; echo "saved docs/$1"; }
xdotool mousemove 790 590 # no button drawn hovered
sleep 0.5
shoot windows-main-window.png 440x424+0+0
keys Tab Tab Tab Tab Tab Tab Tab space # past GO and the link, round to About
sleep 1
shoot windows-about-window.png 388x263+153+106

# The quadratic's working window, from Alt+Enter in its first entry box.
keys Escape
xdotool mousemove 37 73 click 1
keys alt+Return
sleep 1.5
shoot windows-working.png 786x594+0+0

# The function's page of 2x² − 4x − 3: Esc closes the working window, the
# entries are typed over, Alt+Enter opens it again and Alt+H turns the page.
keys Escape
sleep 0.5
retype() { xdotool mousemove "$1" "$2" click 1; keys Home shift+End; text "$3"; }
retype 37 73 2; retype 149 73 -4; retype 245 73 -3; keys Return
keys alt+Return
sleep 1.5
keys alt+h
sleep 1
shoot windows-function.png 786x594+0+0
keys alt+j # the next window opens on 解方程 again

# x² − 3x + 1 = 0 by the formula, answered with −b written as b: the slip
# named and its line marked; then 换一题 at level 1.
keys Escape
sleep 0.5
retype 37 73 1; retype 149 73 -3; retype 245 73 1; keys Return
keys alt+Return
sleep 1.5
keys alt+g alt+a
text 'x1=(-3-sqrt5)/2, x2=(-3+sqrt5)/2'
keys Return
sleep 1
shoot windows-answer-diagnosed.png 786x594+0+0
keys alt+1 alt+n
sleep 1
shoot windows-practice.png 786x594+0+0
keys Escape

# High Contrast Black: the windows as the High Contrast test paints them
# (Wine never turns High Contrast on itself), side by side.
pictures=$(mktemp -d)
VORNIX_HIGH_CONTRAST_PICTURES="Z:$pictures" wine "$build/tests/win32/win32_tests.exe" \
    --gtest_filter='HighContrast.*' </dev/null >/dev/null 2>&1
convert "$pictures/main.bmp" "$pictures/about.bmp" -background '#404040' -splice 8x0 +append \
    "$pictures/top.png"
convert "$pictures/top.png" "$pictures/working.bmp" -background '#404040' -splice 0x8 \
    -gravity northwest -append docs/windows-high-contrast.png
rm -rf "$pictures"
echo "saved docs/windows-high-contrast.png"

# The working window maximised at 200 %, as on a classroom's projector: a
# second, larger screen and desktop; the system menu maximises it.
Xvfb :77 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
large_xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" "$large_xvfb" 2>/dev/null || true' EXIT
export DISPLAY=:77
sleep 1
wine explorer /desktop=Large,1600x1000 "$build/vornix.exe" </dev/null >/dev/null 2>&1 &
large=$(xdotool search --sync --name '^Large' | head -n 1)
sleep 8
xdotool windowfocus --sync "$large"
retype 37 73 1; retype 149 73 -3; retype 245 73 2; keys Return
keys alt+Return
sleep 1.5
keys alt+space x
sleep 1
keys ctrl+equal ctrl+equal ctrl+equal
sleep 2
import -window "$large" docs/windows-working-large.png
echo "saved docs/windows-working-large.png"
