#!/usr/bin/env bash
# What a user sees of `vornix` on the command line: help, version, a refused
# argument, no display to reach, Qt's own options working, and the export
# of a worksheet key into PDF, SVG and PNG files, read back.
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
check "an unknown option is named in one line, with where to find the usage" \
    test "$(cat "$err")" = "$(printf 'vornix: 无法识别的参数 / unknown argument: --frobnicate\n请用 vornix --help 查看用法 / see vornix --help')"
check "nothing on stdout for an unknown option" test ! -s "$out"

env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 "${vornix[@]}" >"$out" 2>"$err"
check "no display exits 1, no abort" test $? -eq 1
check "no display says so in one line" \
    test "$(cat "$err")" = "Vornix 需要图形桌面：无法连接到显示 :97"

timeout 2 "${vornix[@]}" -platform offscreen >"$out" 2>"$err"
check "Qt's -platform option starts the program" test $? -eq 124

# The worksheet key: written without a display, read back as the user gets it.
folder=$(mktemp -d)
trap 'rm -f "$out" "$err"; rm -rf "$folder"' EXIT
exercises=(--quadratic 1 -3 1 --quadratic 2 3 -2 --quadratic 0.5 -1 -1 --quadratic 1 2 5
    --line 3 5 -4 -9 --line 0 1 1 3)
env -u DISPLAY -u WAYLAND_DISPLAY "${vornix[@]}" --export "$folder/key.pdf" "${exercises[@]}" >"$out" 2>"$err"
check "the export exits 0 without a display" test $? -eq 0
check "and prints nothing" test ! -s "$out" -a ! -s "$err"
pdftotext -layout "$folder/key.pdf" "$folder/key.txt"
check "the PDF holds the first exercise" grep -q '解方程 x2−3x+1=0' "$folder/key.txt"
check "the PDF holds the line's working" grep -q '所以这个一次函数的解析式为 y=2x−1' "$folder/key.txt"
check "the PDF's pages have their foot" grep -q 'Vornix 1.0.1 · 第 2 页，共 2 页' "$folder/key.txt"

"${vornix[@]}" --export "$folder/key.svg" "${exercises[@]}" >"$out" 2>"$err"
check "SVG pages are numbered" test -s "$folder/key-1.svg" -a -s "$folder/key-2.svg"
check "each SVG page is well-formed XML" xmllint --noout "$folder/key-1.svg" "$folder/key-2.svg"
check "its text is text" grep -q '<text[^>]*>解方程' "$folder/key-1.svg"

"${vornix[@]}" --export "$folder/KEY.PNG" --quadratic 1 -3 2 >"$out" 2>"$err"
check "a PNG page is A4 at 300 dpi" grep -q '2480 x 3508' <(file "$folder/KEY.PNG")

"${vornix[@]}" --export "$folder/bad.pdf" --quadratic 1 2 1 --quadratic 0 0 5 >"$out" 2>"$err"
check "a bad entry exits 2" test $? -eq 2
check "it names the exercise in the window's words" \
    grep -q '第 2 题（--quadratic 0 0 5）：因为 a=0 且 b=0' "$err"
check "and nothing is written" test ! -e "$folder/bad.pdf"

# A typing slip on the command line is refused, never read as another number.
for slip in "1 abc 2" "1 -3O 2" "1 2 3x"; do
    read -r a b c <<<"$slip"
    "${vornix[@]}" --export "$folder/slip.pdf" --quadratic 1 2 1 --quadratic "$a" "$b" "$c" >"$out" 2>"$err"
    check "--quadratic $slip exits 2" test $? -eq 2
    check "--quadratic $slip names the exercise and the argument" \
        grep -q "^vornix: 第 2 题（--quadratic $slip）：“.*” 不是一个数 / is not a number\$" "$err"
    check "--quadratic $slip writes nothing" test ! -e "$folder/slip.pdf"
done
"${vornix[@]}" --export "$folder/full.pdf" --quadratic "１" " －３ " "2。0" --line 0 1 1E0 3 >"$out" 2>"$err"
check "full-width digits, blanks around, 。 and E notation are numbers" test $? -eq 0 -a -s "$folder/full.pdf"

mkdir "$folder/taken.pdf"
before=$(ls -A "$folder" | wc -l)
"${vornix[@]}" --export "$folder/taken.pdf" --quadratic 1 2 1 >"$out" 2>"$err"
check "a file that cannot be written exits 1" test $? -eq 1
check "and leaves nothing half-written beside it" test "$(ls -A "$folder" | wc -l)" -eq "$before"
"${vornix[@]}" --export "$folder/no/such/folder/k.png" --quadratic 1 2 1 >"$out" 2>"$err"
check "a missing folder exits 1" test $? -eq 1

exit $((failures > 0))
