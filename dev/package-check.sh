#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, validates the
# desktop files, installs the package with apt, checks that its files land
# where the desktop looks for them, starts the installed program and removes
# the package again. Run as root after the README's build; CI runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app_id=org.vornix.Vornix

echo "== validating the desktop entry and the metainfo"
desktop-file-validate "$build/data/$app_id.desktop"
appstreamcli validate --no-net "$build/data/$app_id.metainfo.xml"

echo "== building the package"
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/vornix_*.deb | head -n 1)
dpkg-deb --field "$package" Package Version Installed-Size Depends

echo "== installing $package"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$package" >/dev/null
trap 'apt-get remove -y -qq vornix >/dev/null' EXIT

expected=(
    /usr/bin/vornix
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$file" ] || { echo "missing after install: $file"; exit 1; }
done
echo "all ${#expected[@]} files in place"

echo "== starting the installed program"
QT_QPA_PLATFORM=offscreen /usr/bin/vornix &
vornix=$!
sleep 2
if ! kill -0 "$vornix" 2>/dev/null; then
    echo "vornix did not keep running"
    exit 1
fi
kill "$vornix"
wait "$vornix" 2>/dev/null || true
echo "vornix ran for two seconds"

echo "== removing the package"
apt-get remove -y -qq vornix >/dev/null
trap - EXIT
[ ! -e /usr/bin/vornix ] || { echo "still installed"; exit 1; }
echo "package check passed"
