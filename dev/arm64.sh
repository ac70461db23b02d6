#!/usr/bin/env bash
# Vornix for Linux on arm64 (Phytium and Kunpeng desktops, Raspberry Pi-class
# machines running a Debian-based system), made on this amd64 machine:
# cross-built with Debian's multiarch packages (the arm64 Qt 6 and GMP beside
# the build machine's own), every Linux test run under qemu-aarch64-static with
# Qt offscreen, then vornix_<version>-1_arm64.deb made and checked by lintian
# as the amd64 one is, and, when build/ holds the amd64 package, compared with
# it file by file. Prints how long each step took.
# Slow (the tests run emulated): not part of CI. Run it before a release.
# Usage, as root on Debian 12: bash dev/arm64.sh [build folder, default build-arm64]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-arm64}
source dev/steps.sh

step "installing what is missing"
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    dpkg --add-architecture arm64
    apt-get update -qq
fi
bash dev/setup.sh lintian qemu-user-static g++-aarch64-linux-gnu \
    qt6-base-dev:arm64 libgl-dev:arm64 libgmp-dev:arm64

step "building for arm64"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/linux-arm64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVORNIX_BUILD_BENCHMARKS=OFF -DVORNIX_WARNINGS_AS_ERRORS=ON -DVORNIX_TEST_TIMEOUT=900 >/dev/null
nice -n 19 cmake --build "$build" -j"$(nproc)"
file "$build/vornix"

step "every test under qemu-aarch64-static"
# Emulated, each test takes several times as long as on the machine itself.
QT_QPA_PLATFORM=offscreen nice -n 19 ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

step "the arm64 package and lintian"
rm -f "$build"/vornix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/vornix_*_arm64.deb)
dpkg-deb --field "$package" Package Version Architecture Installed-Size Depends Recommends
lintian -EvIL +pedantic "$package" 2>&1 | grep -v 'running with root privileges' |
    tee "$build/lintian.txt" || true
if grep -qE '^[EW]: |hardening' "$build/lintian.txt"; then
    echo "lintian reports errors, warnings or missing hardening"
    exit 1
fi

# The hardening the amd64 package has: position-independent, full RELRO,
# bound at start, the stack protector and the checked string functions.
program=$(mktemp -d)
trap 'rm -rf "$program"' EXIT
dpkg-deb -x "$package" "$program"
headers=$(readelf -hld "$program/usr/bin/vornix")
symbols=$(readelf --dyn-syms -W "$program/usr/bin/vornix")
for hardening in 'Type: *DYN' GNU_RELRO 'FLAGS.*BIND_NOW' 'FLAGS_1.*PIE'; do
    grep -qE "$hardening" <<<"$headers" || { echo "not hardened: no $hardening"; exit 1; }
done
grep -q __stack_chk_fail <<<"$symbols" || { echo "not hardened: no stack protector"; exit 1; }
grep -qE '__[a-z]+_chk@' <<<"$symbols" || { echo "not hardened: no checked functions"; exit 1; }
echo "hardened: PIE, full RELRO, BIND_NOW, stack protector, _FORTIFY_SOURCE"

amd64=$(ls build/vornix_*_amd64.deb 2>/dev/null | head -n 1 || true)
if [ -n "$amd64" ]; then
    # The same files, man pages among them, wherever the package is for.
    if ! diff <(dpkg-deb -c "$amd64" | awk '{ print $1, $6 }') \
        <(dpkg-deb -c "$package" | awk '{ print $1, $6 }'); then
        echo "the arm64 package holds other files than $amd64"
        exit 1
    fi
    echo "the same $(dpkg-deb -c "$package" | wc -l) entries as $amd64"
else
    echo "(no amd64 package in build/ to compare with: cpack -G DEB there makes one)"
fi

step_report
echo "built $package"
