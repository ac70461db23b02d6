#!/usr/bin/env bash
# Fails when the .exe imports a function the allow-list does not name: the
# list holds only functions Windows 7 SP1 exports, so a program that passes
# is not refused by an older Windows's loader ("无法定位程序输入点").
# Usage: static_imports_test.sh <objdump> <program.exe> <allow-list>
set -uo pipefail
objdump=$1 program=$2 allowed=$3

imports=$("$objdump" -p "$program" | awk '
    /DLL Name:/ { dll = toupper($3); next }
    /^$/ { dll = "" }
    dll && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }')
if [ -z "$imports" ]; then
    echo "no import table read from $program"
    exit 1
fi
known=$(grep -v '^#' "$allowed" | awk '{ print toupper($1), $2 }')
unknown=$(comm -23 <(sort -u <<<"$imports") <(sort -u <<<"$known"))
if [ -n "$unknown" ]; then
    echo "$program imports what $allowed does not allow (look each up: Windows 7 SP1 must export it):"
    echo "$unknown" | sed 's/^/  /'
    exit 1
fi
echo "$(wc -l <<<"$imports") static imports of $(basename "$program"), all exported by Windows 7 SP1"
