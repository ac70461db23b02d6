#!/usr/bin/env bash
# What a user sees of `vornix` on the command line: help, version, a refused
# argument, no display to reach, Qt's own options working, the export of a
# worksheet key into PDF, SVG and PNG files, read back, a student's answer
# checked, and practice sets listed, given back to --export, and made into
# worksheets and keys.
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

# A student's answer checked: the verdict as the window shows it, exit 0
# for 正确, 3 for any other verdict, 2 for a bad entry or option.
run --check "x1=2，x2=1" --quadratic 1 -3 2
check "--check: a right answer exits 0" test $? -eq 0
check "--check: a right answer says 正确 and nothing else" \
    test "$(cat "$out")" = "正确：两个根都写对了，也都是最简形式." -a ! -s "$err"
run --check "-1, -2" --quadratic 1 -3 2 --method formula
check "--check: a slip exits 3" test $? -eq 3
check "--check: a slip is named with its line of the working, verbatim" \
    test "$(cat "$out")" = "$(printf '%s\n' \
        '不正确：x=-1 不是方程的根（代入方程的左边得 6，不等于 0）；x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.' \
        '可能的错因：你的答案正好是 x²+3x+2=0 的根，公式中的 −b 写成了 b.' \
        '对照解题过程第 4 行.')"
run --check "(6±√20)/4" --quadratic 1 -3 1
check "--check: an unsimplified answer exits 3" test $? -eq 3
check "--check: it says what it simplifies to" \
    test "$(cat "$out")" = "未化简：(6±√20)/4 可化简为 (3±√5)/2."
run --check "k=2，b=11" --line 3 5 -4 -9
check "--check: the line's slip exits 3" test $? -eq 3
check "--check: the line's slip is named" grep -q '^可能的错因：由 b=y₁−kx₁ 算 b 时符号错了.$' "$out"
run --check "y=2(x-1)^2-5" --quadratic 2 -4 -3 --page function
check "--check: the vertex form on the function's page is right" test $? -eq 0
run --check "x=3±√5)/2" --quadratic 1 -3 1
check "--check: an answer not read exits 3" test $? -eq 3
check "--check: it says where reading stopped" test "$(cat "$out")" = "看不懂：从“)/2”起读不下去."
run --check "无解" --quadratic 0 0 3
check "--check: an exercise with nothing to check exits 2" test $? -eq 2
check "--check: it says why on the error stream" \
    grep -q '^vornix: --quadratic 0 0 3：无法检查：因为 a=0 且 b=0' "$err"
check "--check: and nothing on the output" test ! -s "$out"
for bad in "--check 1 --quadratic 1 -3O 2" "--check 1 --line 0 1 2 5 --method factor" \
    "--check 1" "--check 1 --quadratic 1 2 3 --seed 4"; do
    read -ra words <<<"$bad"
    run "${words[@]}"
    check "$bad exits 2" test $? -eq 2
    check "$bad says why in one line on the error stream" \
        test "$(head -c 8 "$err")" = "vornix: " -a ! -s "$out"
done

# Practice sets: one exercise a line, nothing else on the output, the list
# given back to --export as it stands.
run --practice 10 --kind factor --seed 8041
check "--practice exits 0" test $? -eq 0
check "--practice prints ten exercises" test "$(wc -l <"$out")" -eq 10
check "--practice prints only options that name exercises" \
    test "$(grep -cvE '^--quadratic -?[0-9.]+ -?[0-9.]+ -?[0-9.]+$' "$out")" -eq 0
check "--practice with a seed says nothing else" test ! -s "$err"
cp "$out" "$folder/list.txt"
run --practice 10 --kind factor --seed 8041
check "the same seed gives the same list" cmp -s "$out" "$folder/list.txt"
# shellcheck disable=SC2046 # the list is words on purpose
"${vornix[@]}" --export "$folder/reused.pdf" $(cat "$folder/list.txt") >"$out" 2>"$err"
check "the list given back to --export is written" test $? -eq 0 -a -s "$folder/reused.pdf"
"${vornix[@]}" --practice 10 --kind factor --seed 8041 --export "$folder/ten.pdf" --key "$folder/ten-key.pdf"
statements() { pdftotext -layout "$1" - | grep -oE '解方程 [^ ]+'; }
check "the list given back states the practice key's exercises, in order" \
    test "$(statements "$folder/reused.pdf")" = "$(statements "$folder/ten-key.pdf")" \
    -a "$(statements "$folder/reused.pdf" | wc -l)" -eq 10
run --practice 4 --kind line
check "--practice without a seed says the seed chosen on the error stream" \
    grep -qE '^种子 / seed: [0-9]+$' "$err"
seed=$(grep -oE '[0-9]+$' "$err")
cp "$out" "$folder/chosen.txt"
run --practice 4 --kind line --seed "$seed"
check "and that seed gives the same list" cmp -s "$out" "$folder/chosen.txt"

# The worksheet and its key, read back from the PDF.
env -u DISPLAY -u WAYLAND_DISPLAY "${vornix[@]}" --practice 40 --kind factor --level 2 --seed 8041 \
    --export "$folder/sheet.pdf" --key "$folder/answers.pdf" >"$out" 2>"$err"
check "a sheet and key exit 0 without a display" test $? -eq 0
check "and print nothing" test ! -s "$out" -a ! -s "$err"
pdftotext -layout "$folder/sheet.pdf" "$folder/sheet.txt"
pdftotext -layout "$folder/answers.pdf" "$folder/answers.txt"
check "the sheet's title names the kind and the level" grep -q '一元二次方程 · 因式分解法 · 练习二' "$folder/sheet.txt"
check "the sheet has the line for the student's name" grep -q '班级______ 姓名______ 得分______' "$folder/sheet.txt"
check "the sheet numbers its first exercise in the method's words" grep -q '1．用因式分解法解方程' "$folder/sheet.txt"
check "the sheet holds its fortieth exercise" grep -q '40．用因式分解法解方程' "$folder/sheet.txt"
check "the sheet's foot names the seed" grep -q 'Vornix 1.0.1 · 种子 8041 · 第 1 页，共' "$folder/sheet.txt"
check "the key works the first exercise by factoring" grep -q '因式分解，得' "$folder/answers.txt"
check "the key has the same title" grep -q '一元二次方程 · 因式分解法 · 练习二' "$folder/answers.txt"
sheet_statements=$(grep -oE '[0-9]+．用因式分解法解方程 [^ ]+' "$folder/sheet.txt" | sort)
key_statements=$(grep -oE '[0-9]+．用因式分解法解方程 [^ ]+' "$folder/answers.txt" | sort)
check "the key states the sheet's forty exercises under the same numbers" \
    test "$(echo "$sheet_statements" | wc -l)" -eq 40 -a "$sheet_statements" = "$key_statements"

"${vornix[@]}" --practice 5 --kind function --seed 7 --export "$folder/desk.svg" --key "$folder/desk-key.png" \
    --versions 2 >"$out" 2>"$err"
check "two versions exit 0" test $? -eq 0
check "each version's sheet and key are written" \
    test -n "$(ls "$folder"/desk-A*.svg)" -a -n "$(ls "$folder"/desk-B*.svg)" \
    -a -n "$(ls "$folder"/desk-key-A*.png)" -a -n "$(ls "$folder"/desk-key-B*.png)"
check "A卷 is named in its sheet" grep -q 'A卷' "$(ls "$folder"/desk-A*.svg | head -n 1)"

before=$(ls -A "$folder" | wc -l)
for bad in "--practice 190 --kind factor" "--practice 5 --kind cube" "--practice 5 --kind line --seed -1" \
    "--practice 5 --kind line --level 4" "--practice 201 --kind line" "--practice 5 --kind line --versions 7"; do
    read -ra words <<<"$bad"
    run "${words[@]}" --export "$folder/never.pdf"
    check "$bad exits 2" test $? -eq 2
    check "$bad says why" test "$(head -c 8 "$err")" = "vornix: " -a ! -s "$out"
done
check "and nothing is written" test "$(ls -A "$folder" | wc -l)" -eq "$before"
run --practice 5 --kind line --export "$folder/gone/sheet.pdf"
check "a sheet that cannot be written exits 1" test $? -eq 1

exit $((failures > 0))
