#!/usr/bin/env bash
# Builds Wine 8.0 from Debian 12's own source package in its WoW64 mode
# (--enable-archs=i386,x86_64): 32-bit Windows programs then run inside a
# 64-bit Wine process, with no 32-bit Linux library and no emulator. Debian's
# wine32 needs a kernel that runs 32-bit Linux programs, which these machines'
# kernel does not; through qemu-i386-static it fails to start.
# The build stays in its folder and is reused: a second run only checks it.
# Prints the folder's wine loader on its last line.
# Usage, as root on Debian 12: bash dev/wine-wow64.sh [folder, default build-wine-wow64]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(realpath -m "${1:-build-wine-wow64}")
src=$dir/src
mkdir -p "$dir"

if [ -x "$src/wine" ] && [ -f "$dir/built" ]; then
    echo "$src/wine"
    exit 0
fi

# apt-get source and build-dep read Debian's source lists, which a fresh
# machine may not have.
if ! apt-cache showsrc wine 2>/dev/null | grep -q '^Package: wine$'; then
    cat >/etc/apt/sources.list.d/debian-sources.sources <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt-get update -qq
fi
export DEBIAN_FRONTEND=noninteractive
if ! dpkg-checkbuilddeps -d "$(apt-cache showsrc wine | sed -n 's/^Build-Depends: //p' | head -n 1)" \
    /dev/null 2>/dev/null; then
    apt-get build-dep -y -qq --no-install-recommends wine >/dev/null
fi
bash dev/setup.sh dpkg-dev quilt autoconf g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix

if [ ! -f "$src/prepared" ]; then
    rm -rf "$src"
    (cd "$dir" && apt-get source -qq --download-only wine 2>/dev/null)
    dpkg-source -x --skip-patches "$(ls "$dir"/wine_8.0*.dsc | head -n 1)" "$src" >/dev/null
    cd "$src"
    # Debian's patches, except the one that takes zlib from the system: Wine's
    # own copy builds for both architectures.
    sed -i '/system\/zlib.patch/d' debian/patches/series
    QUILT_PATCHES=debian/patches quilt push -aq >/dev/null
    # What Debian's rules generate before configuring (their repack leaves
    # generated files out).
    ./debian/scripts/generate server/trace.generated make_requests
    ./debian/scripts/generate server/request.generated make_requests
    ./tools/make_unicode
    ./tools/make_requests
    (cd dlls/dsound && ./make_fir)
    (cd dlls/opengl32 && ./make_opengl)
    (cd dlls/winevulkan && ./make_vulkan -x /usr/share/vulkan/registry/vk.xml)
    ln -sf /usr/share/misc/config.sub tools
    ln -sf /usr/share/misc/config.guess tools
    sed -n 's/^\tln -sf \(\.\.\/\.\.\/[^ ]*\.svg\) \([^ ]*\.svg\)$/\1 \2/p' debian/rules |
        while read -r target link; do ln -sf "$target" "$link"; done
    autoreconf -fi >/dev/null 2>&1
    touch prepared
    cd - >/dev/null
fi

cd "$src"
# Debian's options, with both PE architectures instead of --enable-win64; no
# debugging information, which only makes the build slower. Maintainer mode
# (which regenerates what Debian's repack leaves out) turns warnings into
# errors, and GCC 12 warns of Wine's 32-bit code (array bounds in shell32).
options=(--enable-archs=i386,x86_64 --enable-maintainer-mode --disable-tests --with-gnutls
    --without-oss --without-sane --without-netapi
    "CFLAGS=-O2 -g0 -Wno-error" "CROSSCFLAGS=-O2 -g0 -Wno-error")
if [ ! -f Makefile ] || [ "$(cat configured-with 2>/dev/null)" != "${options[*]}" ]; then
    nice -n 19 ./configure -q "${options[@]}" >configure.log 2>&1 ||
        { tail -n 30 configure.log; exit 1; }
    echo "${options[*]}" >configured-with
fi
# Wine's headers first, as Debian builds them, then everything.
nice -n 19 ionice -c3 make -s -j"$(nproc)" -C include >/dev/null
nice -n 19 ionice -c3 make -s -j"$(nproc)" >make.log 2>&1 || { tail -n 40 make.log; exit 1; }
touch "$dir/built"
echo "$src/wine"
