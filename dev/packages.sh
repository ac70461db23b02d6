#!/usr/bin/env bash
# Builds every package into dist/, with their SHA-256 sums in dist/SHA256SUMS:
#   vornix_<version>-1_amd64.deb    the Debian package (lintian-clean)
#   Vornix-<version>-win64.zip      the portable Windows program, 64-bit
#   Vornix-<version>-setup.exe      the Windows installer, 64-bit
#   Vornix-<version>-win32.zip      the portable Windows program, 32-bit
#   Vornix-<version>-x86-setup.exe  the Windows installer, 32-bit (the same script)
#   vornix_<version>-1_arm64.deb    the Debian package for arm64, when dev/arm64.sh
#                                   has made it from the sources as they are
# The Windows files come from dev/windows.sh, so all their tests, the
# installer's under Wine among them, have passed first. The arm64 package is
# built here only when asked (--arm64): its emulated tests take longer than
# packaging should.
# Usage, as root on Debian 12: bash dev/packages.sh [--arm64]
set -euo pipefail
cd "$(dirname "$0")/.."

bash dev/setup.sh lintian
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
rm -f build/vornix_*.deb
(cd build && cpack -G DEB)
lintian -EvIL +pedantic build/vornix_*.deb 2>&1 | grep -v 'running with root privileges' |
    tee build/lintian.txt || true
if grep -qE '^[EW]: ' build/lintian.txt; then
    echo "lintian reports errors or warnings"
    exit 1
fi

bash dev/windows.sh build-windows

if [ "${1:-}" = --arm64 ]; then
    bash dev/arm64.sh build-arm64
fi
# dev/arm64.sh's package, unless a source has changed since it was made.
arm64=$(ls build-arm64/vornix_*_arm64.deb 2>/dev/null | head -n 1 || true)
if [ -n "$arm64" ] && [ -n "$(find CMakeLists.txt app calc cmake data packaging qt sysinfo ui \
    -newer "$arm64" -print -quit)" ]; then
    arm64=
fi

rm -rf dist
mkdir dist
cp build/vornix_*_amd64.deb build-windows/Vornix-*-win64.zip build-windows/Vornix-*-setup.exe \
    build-windows-x86/Vornix-*-win32.zip build-windows-x86/Vornix-*-x86-setup.exe ${arm64:+"$arm64"} dist/
[ -n "$arm64" ] ||
    echo "vornix_*_arm64.deb left out: bash dev/arm64.sh makes it (about half an hour), or bash dev/packages.sh --arm64"
(cd dist && sha256sum -- * >SHA256SUMS)
ls -l dist
