# shellcheck shell=bash
# End-to-end cases of the application shell: start-up, the menu and exit.

# The dump columns' key filter sees the menu's keys too, so each case moves
# the focus to the jump box, where every key is free, before using the menu.
focus_jump_box() {
    local jump
    jump="$(e2e_id IDC_JUMP)"
    drive click "$jump" || e2e_fail "cannot click the jump box"
    expect_drive "$jump" focus
}

case_starts_without_file_and_exits_from_menu() {
    korvex_start
    expect_drive "$(cp932_hex "Korvex+")" caption
    expect_text "$(e2e_id IDC_JUMP)" "0"
    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ(byte)"
    expect_text "$(e2e_id IDC_READONLY)" "読み取り専用"
    expect_text "$(e2e_id IDC_HEX)" ""
    expect_drive 1 check "$(e2e_id IDC_READONLY)"
    expect_drive 0 enabled "$(e2e_id IDC_GO)"
    e2e_screenshot korvex-start

    focus_jump_box
    drive keys alt+f x || e2e_fail "cannot send Alt+F, X"
    korvex_expect_exit 0 5
    drive -t 0 gone || e2e_fail "the main dialog is still there"
}

case_version_dialog_opens_and_closes() {
    korvex_start
    focus_jump_box
    drive keys alt+h v || e2e_fail "cannot send Alt+H, V"
    expect_text "$(e2e_id IDC_VERSION_NAME)" "Korvex+ Version 1.04" -w "ﾊﾞｰｼﾞｮﾝ情報"
    e2e_screenshot korvex-version
    drive -w "ﾊﾞｰｼﾞｮﾝ情報" keys esc || e2e_fail "cannot send Esc"
    drive -w "ﾊﾞｰｼﾞｮﾝ情報" gone || e2e_fail "the version dialog did not close"
    # The program goes on after the modal dialog.
    drive -t 0 wait >/dev/null || e2e_fail "the main dialog is gone"
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}
