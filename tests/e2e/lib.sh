# shellcheck shell=bash
# Helpers of the end-to-end cases, sourced by tests/e2e/run.sh into the bash
# process of each case. Wine's environment (scripts/wine-env.sh) is already
# exported. A helper that finds a fault prints it and ends the case.

E2E_ROOT="${KORVEX_ROOT:?source scripts/wine-env.sh first}"
# The build that the chosen Wine runs; the product is the i686 one.
E2E_DRIVE="${KORVEX_WIN_BUILD:?}/tests/e2e/korvex_drive.exe"
E2E_KORVEX="$KORVEX_WIN_BUILD/Korvex.exe"
E2E_PRODUCT="$E2E_ROOT/build/win32/Korvex.exe"
if [ "$KORVEX_WINE_ARCH" = 64 ]; then
    E2E_SHOTS="$E2E_ROOT/build/screenshots/win64"
else
    E2E_SHOTS="$E2E_ROOT/build/screenshots"
fi
E2E_RESOURCE_H="$E2E_ROOT/src/res/resource.h"
# Scratch folder of the running case (files to open, program output).
E2E_TMP=""
KORVEX_PID=""

e2e_fail() {
    echo "failed: $*" >&2
    exit 1
}

# Runs korvex_drive; its output without Wine's carriage returns.
drive() {
    wine "$E2E_DRIVE" "$@" | tr -d '\r'
}

# The number behind a control or command name of resource.h.
e2e_id() {
    local value
    value="$(awk -v name="$1" '$1 == "#define" && $2 == name { print $3 }' "$E2E_RESOURCE_H")"
    [ -n "$value" ] || e2e_fail "no $1 in resource.h"
    echo "$value"
}

# UTF-8 text as the hex of its code page 932 bytes, as korvex_drive prints.
cp932_hex() {
    printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -v -tx1 \
        | tr -s ' \n' '  ' | sed 's/^ *//; s/ *$//' | tr 'a-f' 'A-F'
}

# Starts Korvex in the background with the arguments given, if any, and
# waits for its main dialog. Wine passes each argument on as one word of the
# program's command line, quoted when it holds a blank, converted from UTF-8
# to code page 932 under the Japanese locale: a Windows path such as
# "Z:\tmp\ソ表 データ 1.bin" (from winepath -w) arrives as the program's
# CP932 bytes, trail bytes 0x5C included.
korvex_start() {
    [ -f "$E2E_KORVEX" ] || e2e_fail "$E2E_KORVEX is not built"
    wine "$E2E_KORVEX" "$@" >"$E2E_TMP/korvex.log" 2>&1 &
    KORVEX_PID=$!
    drive -t 30000 wait >/dev/null || e2e_fail "the main dialog did not appear"
}

# Waits up to SECONDS for Korvex to end and checks its exit code.
korvex_expect_exit() {
    local code="$1" seconds="$2" status=0 i
    for ((i = 0; i < seconds * 10; i++)); do
        kill -0 "$KORVEX_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$KORVEX_PID" 2>/dev/null && e2e_fail "Korvex still runs after $seconds s"
    wait "$KORVEX_PID" || status=$?
    KORVEX_PID=""
    [ "$status" -eq "$code" ] || e2e_fail "Korvex exited with $status, expected $code"
}

# expect_text ID TEXT [-w CAPTION]: control ID shows TEXT, byte for byte.
expect_text() {
    local id="$1" text="$2" actual expected
    shift 2
    expected="$(cp932_hex "$text")"
    actual="$(drive "$@" text "$id")" || e2e_fail "cannot read control $id"
    [ "$actual" = "$expected" ] \
        || e2e_fail "control $id: expected \"$text\" [$expected], got [$actual]"
}

# expect_drive VALUE ARGS...: korvex_drive ARGS prints VALUE.
expect_drive() {
    local expected="$1" actual
    shift
    actual="$(drive "$@")" || e2e_fail "korvex_drive $* failed"
    [ "$actual" = "$expected" ] || e2e_fail "korvex_drive $*: expected \"$expected\", got \"$actual\""
}

# The Windows path of a Linux FILE (an absolute path), as Wine shows it to
# programs: the Linux root is drive Z:. winepath is not used: it cuts a path
# to MAX_PATH.
e2e_windows_path() {
    case "$1" in
    /*) echo "Z:${1//\//\\}" ;;
    *) e2e_fail "not an absolute path: $1" ;;
    esac
}

# Writes FILE of SIZE bytes 0, 1, ... 255, 0, 1, ...
e2e_pattern_file() {
    local file="$1" size="$2" block n
    # Each byte as the four characters \xHH, for printf's %b.
    block="$(printf '\\x%02X' {0..255})"
    for ((n = 0; n < size; n += 256)); do
        if ((size - n >= 256)); then
            printf '%b' "$block"
        else
            printf '%b' "${block:0:(size - n) * 4}"
        fi
    done >"$file"
    [ "$(stat -c %s "$file")" -eq "$size" ] || e2e_fail "cannot write $file"
}

# The hex column's text for the bytes on standard input: "XX " per byte.
e2e_hex_text() {
    od -An -v -tx1 | tr -d '\n' | sed 's/^ //; s/$/ /' | tr 'a-f' 'A-F'
}

# The texts the hex and character columns show for the first COUNT bytes of
# such a file: "XX " per byte; one character per byte, 16 a line.
e2e_pattern_hex() {
    local i
    for ((i = 0; i < $1; i++)); do
        printf '%02X ' $((i % 256))
    done
}

e2e_pattern_chars() {
    local i b
    for ((i = 0; i < $1; i++)); do
        if ((i > 0 && i % 16 == 0)); then
            printf '\r\n'
        fi
        b=$((i % 256))
        if ((b >= 0x20 && b < 0x7F)); then
            printf '%b' "\\x$(printf '%02X' "$b")"
        else
            printf '.'
        fi
    done
}

# Gives the jump box the focus: while a dump column was the last focused
# control (the hex column is, at start-up), the key filter takes the menu's
# keys and Enter.
e2e_focus_jump_box() {
    local jump
    jump="$(e2e_id IDC_JUMP)"
    drive click "$jump" || e2e_fail "cannot click the jump box"
    expect_drive "$jump" focus
}

# Exits through the menu and checks the exit code.
e2e_exit_by_menu() {
    e2e_focus_jump_box
    drive keys alt+f x || e2e_fail "cannot send Alt+F, X"
    korvex_expect_exit 0 5
}

# Opens FILE through the menu and the real open-file dialog, from the jump box.
e2e_open_file() {
    local windows_path
    windows_path="$(e2e_windows_path "$1")"
    e2e_focus_jump_box
    drive keys alt+f o || e2e_fail "cannot send Alt+F, O"
    # The open-file dialog's file-name box is control 0x47C.
    drive -w "開く" settext 1148 "$windows_path" || e2e_fail "the open-file dialog did not appear"
    drive -w "開く" command 1 || e2e_fail "cannot press the dialog's OK"
    drive -w "開く" gone || e2e_fail "the open-file dialog did not close"
}

# The address column of the page at LINE, 48 groups "%08X %08X ".
e2e_addresses() {
    local line="$1" i text=""
    for ((i = 0; i < 48; i++)); do
        text+="$(printf '%08X %08X ' 0 $(((line + i) * 16)))"
    done
    echo "$text"
}

# Saves the whole screen to build/screenshots/NAME.png (win64/NAME.png for
# the x86_64 build); an image of fewer
# than a handful of colours means nothing was drawn.
e2e_screenshot() {
    local file="$E2E_SHOTS/$1.png" colours
    mkdir -p "$E2E_SHOTS"
    import -window root "$file" || e2e_fail "import could not take a screenshot"
    colours="$(identify -format '%k' "$file")"
    [ "$colours" -ge 8 ] || e2e_fail "screenshot $file has only $colours colours"
}

e2e_cleanup() {
    if [ -n "$KORVEX_PID" ] && kill -0 "$KORVEX_PID" 2>/dev/null; then
        kill "$KORVEX_PID" 2>/dev/null || true
        wait "$KORVEX_PID" 2>/dev/null || true
    fi
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
    return 0
}

# Runs one case function with a scratch folder and Korvex ended afterwards.
e2e_run_case() {
    E2E_TMP="$(mktemp -d)"
    trap e2e_cleanup EXIT
    # A timed-out case still ends the Korvex it started.
    trap 'exit 143' TERM
    "$1"
}
