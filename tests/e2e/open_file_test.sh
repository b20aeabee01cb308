# shellcheck shell=bash
# End-to-end cases of opening a file: the real open-file dialog, driven by
# keystrokes, and the first page the three columns then show.

case_opens_a_file_typed_into_the_open_dialog() {
    local file="$E2E_TMP/Dump-1000.bin" windows_path
    e2e_pattern_file "$file" 1000
    cp "$file" "$E2E_TMP/original.bin"
    windows_path="$(e2e_windows_path "$file")"

    korvex_start
    e2e_focus_jump_box
    drive keys alt+f o || e2e_fail "cannot send Alt+F, O"
    drive -w "開く" wait >/dev/null || e2e_fail "the open-file dialog did not appear"
    drive -w "開く" type "$windows_path" || e2e_fail "cannot type the path"
    drive -w "開く" keys enter || e2e_fail "cannot send Enter"
    drive -w "開く" gone || e2e_fail "the open-file dialog did not close"

    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ：0x00000000 000003E8(byte)"
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses 0)"
    expect_text "$(e2e_id IDC_HEX)" "$(e2e_pattern_hex 768)"
    expect_text "$(e2e_id IDC_TEXT)" "$(e2e_pattern_chars 768)"
    expect_drive 1 enabled "$(e2e_id IDC_GO)"
    expect_drive 1 check "$(e2e_id IDC_READONLY)"
    e2e_screenshot korvex-open-file

    e2e_focus_jump_box
    drive keys alt+f x || e2e_fail "cannot send Alt+F, X"
    korvex_expect_exit 0 5
    # The file was opened for viewing only: its bytes are unchanged.
    cmp -s "$E2E_TMP/original.bin" "$file" || e2e_fail "the file changed"
}
