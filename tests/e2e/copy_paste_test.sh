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

RANGE_CAPTION="範囲指定"
SAVE_AS_CAPTION="名前を付けて保存"

# 編集 → 範囲指定 from the menu, saved through the system's save-file dialog
# to a file named outside code page 932, which lands under that name; the
# end says so in a message box.
case_range_dialog_saves_a_range_to_a_file() {
    local file saved windows_saved hex
    hex="$(e2e_id IDC_HEX)"
    file="$E2E_TMP/source.bin"
    saved="$E2E_TMP/保存 안녕 😀.bin"
    e2e_pattern_file "$file" 300000
    windows_saved="$(e2e_windows_path "$saved")"

    korvex_start
    e2e_open_file "$file"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive setsel "$hex" $((3 * 0x10)) $((3 * 0x10)) || e2e_fail "cannot place the caret"
    e2e_focus_jump_box
    drive keys alt+e r || e2e_fail "cannot send Alt+E, R"
    drive -w "$RANGE_CAPTION" wait >/dev/null || e2e_fail "the range dialog did not open"
    expect_text "$(e2e_id IDC_RANGE_START)" "00000010" -w "$RANGE_CAPTION"
    expect_text "$(e2e_id IDC_RANGE_SIZE)" "00000010" -w "$RANGE_CAPTION"
    expect_drive 1 -w "$RANGE_CAPTION" check "$(e2e_id IDC_RANGE_HEX)"
    drive -w "$RANGE_CAPTION" settext "$(e2e_id IDC_RANGE_START)" "FFF0" || e2e_fail "cannot set the start"
    drive -w "$RANGE_CAPTION" settext "$(e2e_id IDC_RANGE_SIZE)" "20020" || e2e_fail "cannot set the size"
    drive -w "$RANGE_CAPTION" click "$(e2e_id IDC_RANGE_SAVE)" || e2e_fail "cannot choose the save"
    e2e_screenshot korvex-range-dialog
    drive -w "$RANGE_CAPTION" command 1 || e2e_fail "cannot press OK"
    drive -w "$SAVE_AS_CAPTION" settext 1148 "$windows_saved" || e2e_fail "the save-file dialog did not appear"
    drive -w "$SAVE_AS_CAPTION" command 1 || e2e_fail "cannot press the save-file dialog's OK"
    drive -w "ﾒｯｾｰｼﾞ" wait >/dev/null || e2e_fail "no message at the end of the save"
    expect_text 65535 "保存しました。" -w "ﾒｯｾｰｼﾞ"
    drive -w "ﾒｯｾｰｼﾞ" command 1 || e2e_fail "cannot close the message"
    cmp "$saved" <(tail -c +$((0xFFF0 + 1)) "$file" | head -c $((0x20020))) >&2 \
        || e2e_fail "the saved file is not the range"
    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}
