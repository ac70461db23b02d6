#!/usr/bin/env bash
# Wine in its WoW64 mode, where 32-bit Windows programs run inside a 64-bit
# Wine process with no 32-bit Linux library and no emulator: Debian 13's Wine
# 10.0 (wine64 and libwine) in a Debian 13 root beside this Debian 12 system,
# with the 32-bit Windows modules of Debian's own libwine:i386 put where the
# 64-bit Wine looks for them. Debian 12's 32-bit Wine needs a kernel that runs
# 32-bit Linux programs, which these machines' kernel does not, and Debian 12's
# Wine 8.0 built in this mode cannot draw from a 32-bit program (about a
# hundred of its GDI calls, CreateCompatibleDC among them, had no 32-bit path
# yet: they return 0).
# The root is made once and reused; it lives outside the project, so that
# cleaning the build folders never reaches into it. The folders named after it
# are shared with the root under the same paths (with /tmp), so that the
# programs, the build folders and the Wine prefixes keep their paths. Prints,
# on its last line, a folder holding `wine` and `wineserver` that run inside
# the root: the Wine to use by hand as well, as /usr/bin/wine is Debian 12's
# own, which has no 32-bit modules here. `--unmount` takes the shared folders
# out of the root again. A root that lacks what the check needs is made anew.
# Usage, as root on Debian 12:
#   bash dev/wine-wow64.sh [root, default ~/.cache/vornix/wine-wow64] [folder ...]
#   bash dev/wine-wow64.sh --unmount [root]
set -euo pipefail
trap 'echo "dev/wine-wow64.sh: \`$BASH_COMMAND\` failed (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
unmount_only=false
if [ "${1:-}" = --unmount ]; then
    unmount_only=true
    shift
fi
root=$(realpath -m "${1:-$HOME/.cache/vornix/wine-wow64}")
shift || true
shared=(/tmp "$PWD" "$@")
wine_dir=/usr/lib/x86_64-linux-gnu/wine

# Deepest first; lazily, as a Wine server may still be ending.
unmount_all() {
    awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r |
        while read -r target; do umount -l "$target"; done
}
if $unmount_only; then
    unmount_all
    exit 0
fi

# What a 32-bit process needs: Wine's loader and, for WoW64, the 32-bit ntdll
# and the programs wineboot starts to fill a new prefix's syswow64.
needed=(usr/lib/wine/wine64 usr/lib/wine/wineserver64 "${wine_dir#/}/x86_64-windows/wow64.dll"
    "${wine_dir#/}"/i386-windows/{ntdll.dll,kernel32.dll,rundll32.exe,setupapi.dll,cmd.exe})
missing() {
    for file in "${needed[@]}"; do
        [ -e "$root/$file" ] || echo "$file"
    done
}

if [ -f "$root/ready" ] && [ -n "$(missing)" ]; then
    echo "Wine's root $root lacks $(missing | tr '\n' ' ')- made anew" >&2
    rm "$root/ready"
fi
if [ ! -f "$root/ready" ]; then
    bash dev/setup.sh debootstrap
    unmount_all
    rm -rf --one-file-system "$root"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase trixie "$root" http://deb.debian.org/debian >"$root.log" 2>&1 ||
        { tail -n 20 "$root.log"; exit 1; }
    mount -t proc proc "$root/proc"
    # The 32-bit modules come from libwine:i386 of the same version: Windows PE
    # files, the same whichever Linux they come with.
    chroot "$root" /bin/sh -c 'export DEBIAN_FRONTEND=noninteractive
        dpkg --add-architecture i386 && apt-get update -qq &&
        apt-get install -y -qq --no-install-recommends wine64 libwine \
            fonts-arphic-uming fonts-arphic-ukai locales &&
        localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 &&
        cd /var/tmp && apt-get download -qq "libwine:i386=$(dpkg-query -W -f="\${Version}" libwine)"' \
        >>"$root.log" 2>&1 || { umount "$root/proc"; tail -n 20 "$root.log"; exit 1; }
    umount "$root/proc"
    dpkg-deb -x "$root"/var/tmp/libwine_*_i386.deb "$root/var/tmp/libwine-i386"
    cp -a "$root/var/tmp/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows" "$root$wine_dir/"
    rm -rf "$root"/var/tmp/libwine*
    if [ -n "$(missing)" ]; then
        echo "Wine's root $root was set up without $(missing | tr '\n' ' ')(log: $root.log)" >&2
        exit 1
    fi
    touch "$root/ready"
fi

mounted() { mountpoint -q "$root$1"; }
mounted /proc || mount -t proc proc "$root/proc"
mounted /dev || mount --bind /dev "$root/dev"
for folder in "${shared[@]}"; do
    folder=$(realpath -m "$folder")
    mkdir -p "$folder" "$root$folder"
    mounted "$folder" || mount --bind "$folder" "$root$folder"
done

# The commands keep the caller's environment and working folder.
bin=$root/bin-outside
mkdir -p "$bin"
for command in wine:wine64 wineserver:wineserver64; do
    printf '#!/bin/sh\nexec chroot "%s" /bin/sh -c '\''cd "$0" && exec %s "$@"'\'' "$PWD" "$@"\n' \
        "$root" "/usr/lib/wine/${command#*:}" >"$bin/${command%%:*}"
    chmod +x "$bin/${command%%:*}"
done
echo "$bin"
