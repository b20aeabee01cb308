# End-to-end cases of moving through a file: keys and clicks from outside
# page through it, the jump box takes the page to a typed page number.

# A file of SIZE bytes in the scratch folder whose byte i is
# (7i + i div 256) mod 256, so no two pages of it look alike. Prints its path.
nav_make_file() {
    local size="$1" file="$E2E_TMP/pages.bin"
    perl -e 'binmode STDOUT; print pack("C*", map { ($_ * 7 + ($_ >> 8)) & 255 } 0 .. $ARGV[0] - 1)' \
        "$size" >"$file" || e2e_fail "cannot write $file"
    echo "$file"
}

case_keys_and_jump_box_move_the_page() {
    local file address hex jump go
    address="$(e2e_id IDC_ADDRESS)"
    hex="$(e2e_id IDC_HEX)"
    jump="$(e2e_id IDC_JUMP)"
    go="$(e2e_id IDC_GO)"
    file="$(nav_make_file 100000)"
    cp "$file" "$E2E_TMP/original.bin"

    korvex_start
    e2e_open_file "$file"
    expect_drive 1 enabled "$go"
    expect_text "$address" "$(e2e_addresses 0)"

    # Page Down in the hex column: the page moves 48 lines on the release.
    drive click "$hex" || e2e_fail "cannot click the hex column"
    expect_drive "$hex" focus
    drive keys pgdn || e2e_fail "cannot send Page Down"
    expect_text "$address" "$(e2e_addresses 48)"
    drive keys pgdn || e2e_fail "cannot send Page Down"
    expect_text "$address" "$(e2e_addresses 96)"
    drive keys pgup || e2e_fail "cannot send Page Up"
    expect_text "$address" "$(e2e_addresses 48)"
    drive keys ctrl+home || e2e_fail "cannot send Ctrl+Home"
    expect_text "$address" "$(e2e_addresses 0)"
    expect_drive "0 0" sel "$hex"

    # "2" in the jump box is the third 768-byte page: line 96, byte 0x600.
    drive click "$jump" || e2e_fail "cannot click the jump box"
    drive keys end back || e2e_fail "cannot clear the jump box"
    drive type 2 || e2e_fail "cannot type into the jump box"
    expect_text "$jump" "2"
    drive click "$go" || e2e_fail "cannot click GO"
    expect_text "$address" "$(e2e_addresses 96)"
    e2e_screenshot korvex-jump-page-2

    # The box stayed read-only: moving stored nothing.
    cmp -s "$file" "$E2E_TMP/original.bin" || e2e_fail "the file changed"
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}

GOTO_CAPTION="ｱﾄﾞﾚｽ指定"

# Ctrl+G in the hex column opens the goto dialog at the caret's offset; a
# typed offset shows its page with the caret on the byte, and the status
# line under the columns follows the caret from there.
case_ctrl_g_goes_to_a_typed_offset() {
    local file hex status offset
    hex="$(e2e_id IDC_HEX)"
    status="$(e2e_id IDC_CARET_OFFSET)"
    offset="$(e2e_id IDC_GOTO_OFFSET)"
    file="$(nav_make_file 200000)"
    cp "$file" "$E2E_TMP/original.bin"

    korvex_start
    expect_text "$status" ""
    e2e_open_file "$file"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive keys ctrl+home || e2e_fail "cannot send Ctrl+Home"
    expect_text "$status" "ｱﾄﾞﾚｽ 00000000 00000000"

    drive keys ctrl+g || e2e_fail "cannot send Ctrl+G"
    drive -w "$GOTO_CAPTION" wait >/dev/null || e2e_fail "the goto dialog did not open"
    expect_text "$offset" "00000000" -w "$GOTO_CAPTION"
    expect_drive "0 8" -w "$GOTO_CAPTION" sel "$offset"
    # The typed text replaces the selected one; x and h pass there.
    drive -w "$GOTO_CAPTION" type "0x1a2b3" || e2e_fail "cannot type the offset"
    expect_text "$offset" "0x1a2b3" -w "$GOTO_CAPTION"
    e2e_screenshot korvex-goto-dialog
    drive -w "$GOTO_CAPTION" keys enter || e2e_fail "cannot send Enter"
    drive -w "$GOTO_CAPTION" gone || e2e_fail "the goto dialog did not close"

    # Line 0x1A2B on top, the caret before byte 3's first digit.
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses $((0x1A2B)))"
    expect_drive "$hex" focus
    expect_drive "9 9" sel "$hex"
    expect_text "$status" "ｱﾄﾞﾚｽ 00000000 0001A2B3"
    drive keys right right || e2e_fail "cannot send Right"
    expect_drive "12 12" sel "$hex"
    expect_text "$status" "ｱﾄﾞﾚｽ 00000000 0001A2B4"
    e2e_screenshot korvex-status-line

    cmp -s "$file" "$E2E_TMP/original.bin" || e2e_fail "the file changed"
    # Alt+F4 is not a dump column's key.
    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}
