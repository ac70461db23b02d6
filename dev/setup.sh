#!/usr/bin/env bash
# Installs, as root on Debian 12, the packages Vornix needs that are not yet there,
# and any further packages named on the command line (for the helper scripts).
set -euo pipefail

packages=(
    g++ cmake make pkg-config          # toolchain
    libboost-dev libgmp-dev            # exact arithmetic (Boost), test reference (GMP)
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev             # Qt 6 Widgets
    qt6-translations-l10n              # Qt's own texts (menus, "OK") in Chinese
    fonts-arphic-uming fonts-arphic-ukai  # the Song and Kai faces the windows ask for
    desktop-file-utils appstream dpkg-dev file  # validating and packaging for the desktop
    poppler-utils libxml2-utils        # reading exported PDF and SVG files back in tests
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
