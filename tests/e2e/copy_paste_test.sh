# End-to-end cases of the clipboard: bytes copied with Ctrl+C from the hex
# column and pasted with Ctrl+V elsewhere in the file, through the real
# keyboard and the system's clipboard, checked on the disk.

case_ctrl_c_then_ctrl_v_copies_bytes_in_the_file() {
    local file hex readonly range
    hex="$(e2e_id IDC_HEX)"
    readonly="$(e2e_id IDC_READONLY)"
    file="$E2E_TMP/bytes.bin"
    e2e_pattern_file "$file" 1000

    korvex_start
    e2e_open_file "$file"
    drive click "$readonly" || e2e_fail "cannot click the read-only box"
    expect_drive 0 check "$readonly"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    # Bytes 0x41 to 0x44 ("ABCD") selected and copied; pasted at byte 0x100.
    drive setsel "$hex" $((3 * 0x41)) $((3 * 0x45 - 1)) || e2e_fail "cannot select"
    drive keys ctrl+c || e2e_fail "cannot send Ctrl+C"
    drive setsel "$hex" $((3 * 0x100)) $((3 * 0x100)) || e2e_fail "cannot place the caret"
    drive keys ctrl+v || e2e_fail "cannot send Ctrl+V"
    # The pasted bytes are selected once they are stored.
    expect_drive "$((3 * 0x100)) $((3 * 0x104 - 1))" sel "$hex"
    e2e_screenshot korvex-pasted
    # The key filter keeps Alt+F4 from a dump column.
    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5

    # The pattern with bytes 0x100 to 0x103 replaced, and nothing else.
    e2e_pattern_file "$E2E_TMP/expected.bin" 1000
    printf 'ABCD' | dd of="$E2E_TMP/expected.bin" bs=1 seek=256 conv=notrunc status=none
    cmp "$file" "$E2E_TMP/expected.bin" >&2 || e2e_fail "the file does not hold the pasted bytes"
}
