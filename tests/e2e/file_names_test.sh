# shellcheck shell=bash
# End-to-end cases of files named outside code page 932, or by a path longer
# than MAX_PATH: each opens by its own name from the command line, by a drop
# and from the open-file dialog, and shows its own bytes; and the look-alike
# that the ANSI code page spells for a name is never opened in its place.

# Writes a file of its own random bytes and size for each name of the table
# into $E2E_TMP and lists their paths in NAMED_FILES: ©, é, Hangul,
# simplified Chinese, an emoji (a surrogate pair in UTF-16), and a path of
# about 330 characters as Windows names it.
names_write_files() {
    local long i=0 file
    long="$E2E_TMP/$(printf 'd%.0s' {1..100})/$(printf 'e%.0s' {1..100})"
    mkdir -p "$long"
    NAMED_FILES=("$E2E_TMP/AB©D.bin" "$E2E_TMP/café.bin" "$E2E_TMP/안녕.bin"
        "$E2E_TMP/数据文件.bin" "$E2E_TMP/😀.bin" "$long/$(printf 'f%.0s' {1..100}).bin")
    for file in "${NAMED_FILES[@]}"; do
        head -c $((200 + 37 * i)) /dev/urandom >"$file"
        i=$((i + 1))
    done
    file="$(e2e_windows_path "${NAMED_FILES[5]}")"
    [ "${#file}" -gt 320 ] || e2e_fail "the long path is ${#file} characters"
}

# The main dialog shows FILE's size and first page.
names_expect_shown() {
    local file="$1"
    expect_text "$(e2e_id IDC_FILESIZE)" \
        "$(printf 'ﾌｧｲﾙｻｲｽﾞ：0x00000000 %08X(byte)' "$(stat -c %s "$file")")"
    expect_text "$(e2e_id IDC_HEX)" "$(head -c 768 "$file" | e2e_hex_text)"
}

# Wine hands the arguments to the program as a UTF-16 command line, as
# Explorer's CreateProcessW does.
case_each_name_opens_from_the_command_line() {
    local file
    names_write_files
    for file in "${NAMED_FILES[@]}"; do
        korvex_start "$(e2e_windows_path "$file")"
        names_expect_shown "$file"
        e2e_exit_by_menu
    done
}

case_each_name_opens_by_a_drop_and_from_the_dialog() {
    local file
    names_write_files
    korvex_start
    for file in "${NAMED_FILES[@]}"; do
        drive drop "$(e2e_windows_path "$file")" || e2e_fail "cannot drop $file"
        names_expect_shown "$file"
    done
    # Not the long path: Wine 8's open-file dialog copies what is typed into
    # a buffer of MAX_PATH characters on its own stack and crashes.
    for file in "${NAMED_FILES[@]:0:5}"; do
        e2e_open_file "$file"
        names_expect_shown "$file"
    done
    e2e_screenshot korvex-file-names
    e2e_exit_by_menu
}

# Explorer's Open with hands over AB©D.bin, whose ANSI spelling is the name
# of ABcD.bin beside it: typing goes into the file the user chose.
case_a_byte_typed_into_ab_copyright_d_is_stored_there_and_nowhere_else() {
    local named="$E2E_TMP/AB©D.bin" alike="$E2E_TMP/ABcD.bin" readonly hex
    readonly="$(e2e_id IDC_READONLY)"
    hex="$(e2e_id IDC_HEX)"
    head -c 1000 /dev/urandom >"$named"
    head -c 1000 /dev/urandom >"$alike"
    cp "$named" "$E2E_TMP/expected.bin"
    cp "$alike" "$E2E_TMP/alike.bin"
    printf '\xAB' | dd of="$E2E_TMP/expected.bin" conv=notrunc status=none

    korvex_start "$(e2e_windows_path "$named")"
    names_expect_shown "$named"
    drive click "$readonly" || e2e_fail "cannot click the read-only box"
    expect_drive 0 check "$readonly"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive keys ctrl+home a b || e2e_fail "cannot type into the hex column"
    e2e_exit_by_menu
    cmp "$named" "$E2E_TMP/expected.bin" >&2 || e2e_fail "the typed byte is not in AB©D.bin"
    cmp "$alike" "$E2E_TMP/alike.bin" >&2 || e2e_fail "ABcD.bin changed"
}
