# shellcheck shell=bash
# End-to-end cases of the file named on the command line, as Explorer's
# "Open with", "Send To" and a drop on the program's icon start Korvex.

# A message box of the program: captioned "ﾒｯｾｰｼﾞ", its text in the static
# control 0xFFFF.
MESSAGE_CAPTION="ﾒｯｾｰｼﾞ"
MESSAGE_TEXT_ID=65535

case_opens_a_quoted_japanese_path_with_blanks() {
    # ソ and 表 end in the trail byte 0x5C ('\') in code page 932.
    local file="$E2E_TMP/ソ表 データ 1.bin" windows_path
    e2e_pattern_file "$file" 1000
    cp "$file" "$E2E_TMP/original.bin"
    windows_path="$(e2e_windows_path "$file")"

    # Korvex answers another process's questions only from its message loop,
    # which starts once the named file is open.
    korvex_start "$windows_path"
    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ：0x00000000 000003E8(byte)"
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses 0)"
    expect_text "$(e2e_id IDC_HEX)" "$(e2e_pattern_hex 768)"
    expect_text "$(e2e_id IDC_TEXT)" "$(e2e_pattern_chars 768)"
    expect_drive 1 check "$(e2e_id IDC_READONLY)"
    expect_drive 1 enabled "$(e2e_id IDC_GO)"
    e2e_screenshot korvex-command-line

    e2e_exit_by_menu
    cmp -s "$E2E_TMP/original.bin" "$file" || e2e_fail "the file changed"
}

# "Send To" with several files selected passes them all.
case_opens_the_first_of_several_paths() {
    local first="$E2E_TMP/first file.bin" second="$E2E_TMP/second.bin"
    e2e_pattern_file "$first" 300
    e2e_pattern_file "$second" 5000

    korvex_start "$(e2e_windows_path "$first")" "$(e2e_windows_path "$second")"
    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ：0x00000000 0000012C(byte)"
    expect_text "$(e2e_id IDC_HEX)" "$(e2e_pattern_hex 300)"
    e2e_exit_by_menu
}

case_reports_a_missing_file_and_goes_on_with_none_open() {
    local file="$E2E_TMP/there.bin"
    e2e_pattern_file "$file" 1000

    korvex_start "$(e2e_windows_path "$E2E_TMP/missing.bin")"
    expect_text "$MESSAGE_TEXT_ID" "ﾌｧｲﾙを開けません。" -w "$MESSAGE_CAPTION"
    e2e_screenshot korvex-command-line-missing
    # Its OK button (IDOK). Enter would not do: the dump columns' key filter
    # serves the hex column, focused at start-up, and takes Enter.
    drive -w "$MESSAGE_CAPTION" click 1 || e2e_fail "cannot click OK"
    drive -w "$MESSAGE_CAPTION" gone || e2e_fail "the message did not close"

    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ(byte)"
    expect_text "$(e2e_id IDC_HEX)" ""
    expect_drive 1 check "$(e2e_id IDC_READONLY)"
    expect_drive 0 enabled "$(e2e_id IDC_GO)"
    # Usable: a file opens through the menu.
    e2e_open_file "$file"
    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ：0x00000000 000003E8(byte)"
    expect_text "$(e2e_id IDC_HEX)" "$(e2e_pattern_hex 768)"
    e2e_exit_by_menu
}
