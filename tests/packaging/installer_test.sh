#!/usr/bin/env bash
# The Windows installer under Wine, as a user and an administrator meet it:
# refused on Windows Vista, a silent install, its files, shortcuts and Apps & features entry, the
# installed program running with its window, a second install over the first
# (still one entry), a silent uninstall, and nothing left behind. The 32-bit
# installer installs into Program Files (x86) and writes its entry in the
# registry's 32-bit view, where 64-bit Windows keeps a 32-bit program's.
# Usage: installer_test.sh <setup.exe> <window_probe.exe> <scratch folder> [x64|x86]
set -euo pipefail
installer=$(realpath "$1")
probe=$(realpath "$2")
arch=${4:-x64}
cd "$(dirname "$0")/../.."
source dev/wine-env.sh "$3" without-high-dpi

name='Vornix 求根及点坐标运算'
program_files='Program Files'
view=()
if [ "$arch" = x86 ]; then
    program_files='Program Files (x86)'
    view=(/reg:32)
fi
folder="$WINEPREFIX/drive_c/$program_files/Vornix"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk"
desktop="$WINEPREFIX/drive_c/users/Public/Desktop/$name.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vornix'
failures=0
check() { # description, then the test
    local description=$1
    shift
    if "$@"; then
        echo "ok: $description"
    else
        echo "FAILED: $description"
        failures=$((failures + 1))
    fi
}
# reg writes in the console's code page, 936 here.
entry() {
    wine reg query "$key" /v "$1" "${view[@]}" </dev/null 2>/dev/null | iconv -f GBK -t UTF-8 | tr -d '\r' |
        sed -n "s/.*$1 *REG_[A-Z]* *//p"
}
entries() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "${view[@]}" </dev/null 2>/dev/null | grep -c 'Uninstall\\Vornix' || true; }

# On a Windows older than 7 SP1 (Wine told it is Vista) it refuses and installs nothing.
wine_reg_add 'HKCU\Software\Wine' /v Version /d vista
wine "$installer" /S </dev/null >/dev/null 2>&1 && refused=no || refused=yes
check "refused on Windows Vista" test "$refused" = yes
check "nothing installed on Windows Vista" test ! -e "$folder/vornix.exe"
wine reg delete 'HKCU\Software\Wine' /v Version /f </dev/null >/dev/null 2>&1

wine "$installer" /S </dev/null >/dev/null 2>&1
for file in vornix.exe LICENSE.txt 说明.txt uninstall.exe; do
    check "installed $file" test -f "$folder/$file"
done
check "Start menu shortcut for all users" test -f "$start_menu"
check "desktop shortcut" test -f "$desktop"
shown_name=$(entry DisplayName)
check "entry's name" test "$shown_name" = "$name"
[ "$shown_name" = "$name" ] || echo "  read back: '$shown_name'"
check "entry's version" test "$(entry DisplayVersion)" = "1.0.1"
check "entry's publisher" test "$(entry Publisher)" = "Vornix"
check "entry's icon" test "$(entry DisplayIcon)" = "C:\\$program_files\\Vornix\\vornix.exe,0"
check "entry's uninstall string" test "$(entry UninstallString)" = "\"C:\\$program_files\\Vornix\\uninstall.exe\""
check "entry's size" test -n "$(entry EstimatedSize)"

wine "C:\\$program_files\\Vornix\\vornix.exe" </dev/null >/dev/null 2>&1 &
running=$!
sleep 3
check "installed program keeps running" kill -0 "$running"
check "with its window" wine "$probe" VornixForm </dev/null
wine taskkill /f /im vornix.exe </dev/null >/dev/null 2>&1 || true
wait "$running" 2>/dev/null || true

wine "$installer" /S </dev/null >/dev/null 2>&1
check "installed again over itself: one entry" test "$(entries)" = 1
check "the program is still there" test -f "$folder/vornix.exe"

note="$WINEPREFIX/drive_c/users/Public/Desktop/笔记.txt"
echo "a teacher's own file" >"$note"
wine "C:\\$program_files\\Vornix\\uninstall.exe" /S </dev/null >/dev/null 2>&1
# The uninstaller runs from a copy of itself: wait for it to finish its work.
for _ in $(seq 120); do
    [ -e "$folder" ] || break
    sleep 0.5
done
check "program folder removed" test ! -e "$folder"
[ ! -e "$folder" ] || find "$folder" | sed 's/^/  left: /'
check "Start menu shortcut removed" test ! -e "$start_menu"
check "desktop shortcut removed" test ! -e "$desktop"
check "entry removed" test "$(entries)" = 0
check "nothing else removed" test -f "$note"
exit $((failures > 0))
