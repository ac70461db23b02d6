#!/usr/bin/env bash
# What a user sees of `vornix` on the command line: help, version, a refused
# argument, no display to reach, and Qt's own options working.
# Usage: command_line_test.sh [emulator] <path of vornix> (an arm64 build runs under qemu)
set -u
vornix=("$@")
failures=0
check() { # description, then the test
    local description=$1
    shift
    if ! "$@"; then
        echo "FAILED: $description"
        failures=$((failures + 1))
    fi
}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
run() { "${vornix[@]}" "$@" >"$out" 2>"$err"; }

run --help
check "--help exits 0" test $? -eq 0
check "--help prints usage in Chinese and English" grep -q '^用法：vornix' "$out"
check "--help prints usage in English too" grep -q '^Usage: vornix' "$out"
check "--help names the working window's key" grep -q 'Alt+Enter' "$out"

run --version
check "--version exits 0" test $? -eq 0
check "--version prints the version" test "$(cat "$out")" = "Vornix 1.0.1"

run --frobnicate
check "an unknown option exits 2" test $? -eq 2
check "an unknown option prints usage to stderr only" grep -q '^Usage: vornix' "$err"
check "nothing on stdout for an unknown option" test ! -s "$out"

env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 "${vornix[@]}" >"$out" 2>"$err"
check "no display exits 1, no abort" test $? -eq 1
check "no display says so in one line" \
    test "$(cat "$err")" = "Vornix 需要图形桌面：无法连接到显示 :97"

timeout 2 "${vornix[@]}" -platform offscreen >"$out" 2>"$err"
check "Qt's -platform option starts the program" test $? -eq 124

exit $((failures > 0))
