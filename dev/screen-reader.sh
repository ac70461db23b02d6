#!/usr/bin/env bash
# Prints what a screen reader finds in the main window (role, name,
# description of every control) after the first quadratic example, read over
# AT-SPI with pyatspi as Orca reads it. Run after the README's build, as root.
set -euo pipefail
cd "$(dirname "$0")/.."
bash dev/setup.sh xvfb xdotool dbus at-spi2-core python3-pyatspi

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
display=:82
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill "$xvfb" "$bus" ${vornix:-} 2>/dev/null' EXIT
sleep 1
./build/vornix 2>/dev/null &
vornix=$!
window=$(xdotool search --sync --name '求根及点坐标运算' | head -n 1)
xdotool windowfocus --sync "$window"
xdotool type 1; xdotool key Tab; xdotool type -- -3; xdotool key Tab; xdotool type 2
xdotool key Return
sleep 1
/usr/bin/python3 - <<'PY'
import pyatspi

def show(node, depth):
    for child in node:
        print("  " * depth + f"{child.getRoleName()}: {child.name!r}  {child.description!r}")
        show(child, depth + 1)

for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name.lower().startswith("vornix"):
        show(app, 0)
PY
