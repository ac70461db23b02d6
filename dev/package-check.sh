#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, checks it with
# lintian (no error, no warning), validates the desktop files, installs the
# package with apt, checks that its files land where the desktop looks for
# them, starts the installed program under Xvfb and checks that its window
# matches its launcher, then removes the package again. Run as root after the
# README's build; CI runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app_id=org.vornix.Vornix

bash dev/setup.sh lintian xvfb xdotool x11-utils

echo "== validating the desktop entry and the metainfo"
desktop-file-validate "$build/data/$app_id.desktop"
appstreamcli validate --no-net "$build/data/$app_id.metainfo.xml"

echo "== building the package"
rm -f "$build"/vornix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/vornix_*.deb | head -n 1)
dpkg-deb --field "$package" Package Version Installed-Size Depends Recommends

echo "== lintian -EvIL +pedantic"
lintian -EvIL +pedantic "$package" 2>&1 | grep -v 'running with root privileges' | tee "$build/lintian.txt" || true
if grep -qE '^[EW]: ' "$build/lintian.txt"; then
    echo "lintian reports errors or warnings"
    exit 1
fi

echo "== installing $package"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$package" >/dev/null
trap 'apt-get remove -y -qq vornix >/dev/null' EXIT

expected=(
    /usr/bin/vornix
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/doc/vornix/copyright
    /usr/share/doc/vornix/changelog.Debian.gz
    /usr/share/man/man1/vornix.1.gz
    /usr/share/man/zh_CN/man1/vornix.1.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$file" ] || { echo "missing after install: $file"; exit 1; }
done
echo "all ${#expected[@]} files in place"

echo "== starting the installed program under Xvfb"
display=:79
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" ${vornix:-} 2>/dev/null; apt-get remove -y -qq vornix >/dev/null' EXIT
sleep 1
DISPLAY="$display" /usr/bin/vornix 2>/dev/null &
vornix=$!
window=$(DISPLAY="$display" timeout 10 xdotool search --sync --name '求根及点坐标运算' | head -n 1)
sleep 1
kill -0 "$vornix" || { echo "vornix did not keep running"; exit 1; }
window_class=$(DISPLAY="$display" xprop -id "$window" WM_CLASS | sed 's/.*, "\(.*\)"/\1/')
launcher_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$app_id.desktop")
echo "WM_CLASS class: $window_class; the launcher's StartupWMClass: $launcher_class"
[ "$window_class" = "$launcher_class" ] || { echo "the dock cannot match the window to its launcher"; exit 1; }
kill "$vornix"
wait "$vornix" 2>/dev/null || true

echo "== removing the package"
apt-get remove -y -qq vornix >/dev/null
trap 'kill "$xvfb" 2>/dev/null' EXIT
[ ! -e /usr/bin/vornix ] || { echo "still installed"; exit 1; }
echo "package check passed"
