# shellcheck shell=bash
# End-to-end cases of the application shell: start-up, the menu and exit.

# shellcheck source=scripts/version.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/version.sh"

# The dump columns' key filter sees the menu's keys too, so each case moves
# the focus to the jump box, where every key is free, before using the menu.

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

    e2e_focus_jump_box
    drive keys alt+f x || e2e_fail "cannot send Alt+F, X"
    korvex_expect_exit 0 5
    drive -t 0 gone || e2e_fail "the main dialog is still there"
}

case_version_dialog_opens_and_closes() {
    korvex_start
    e2e_focus_jump_box
    drive keys alt+h v || e2e_fail "cannot send Alt+H, V"
    expect_text "$(e2e_id IDC_VERSION_NAME)" "Korvex+ Version $KORVEX_VERSION" -w "ﾊﾞｰｼﾞｮﾝ情報"
    expect_text "$(e2e_id IDC_VERSION_NOTICE)" "(C) Korvex 開発ﾁｰﾑ" -w "ﾊﾞｰｼﾞｮﾝ情報"
    e2e_screenshot korvex-version
    drive -w "ﾊﾞｰｼﾞｮﾝ情報" keys esc || e2e_fail "cannot send Esc"
    drive -w "ﾊﾞｰｼﾞｮﾝ情報" gone || e2e_fail "the version dialog did not close"
    # The program goes on after the modal dialog.
    drive -t 0 wait >/dev/null || e2e_fail "the main dialog is gone"
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}

# expect_gui_program EXE ARCH FORMAT MAGIC: korvex_gui_program's check.
expect_gui_program() {
    local fault
    # shellcheck source=scripts/gui-program.sh
    source "$E2E_ROOT/scripts/gui-program.sh"
    fault="$(korvex_gui_program "$@")" || e2e_fail "$fault"
}

# The product is one 32-bit (PE32, i386) GUI program, whichever Wine tests
# run here; the x86_64 build that 64-bit Wine runs is PE32+.
case_program_is_a_32_bit_gui_program_importing_system_dlls_only() {
    expect_gui_program "$E2E_PRODUCT" i686 pei-i386 010b
    if [ "$KORVEX_WINE_ARCH" = 64 ]; then
        expect_gui_program "$E2E_KORVEX" x86_64 pei-x86-64 020b
    fi
}

# Explorer's file properties: the version resource of the Korvex.exe this
# Wine runs, the one its build's release zip holds, read back through the
# version API under the Japanese code page, carries the version the version
# dialog shows. Each Wine the host runs reads its own build.
case_version_resource_names_the_program_in_japanese() {
    local exe name value expected names=()
    exe="$(winepath -w "$E2E_KORVEX" 2>/dev/null | tr -d '\r')"
    expected="$KORVEX_VERSION_NUMBERS $KORVEX_VERSION_NUMBERS 0411 03A4"
    while IFS='|' read -r name value; do
        names+=("$name")
        expected+=$'\n'"$(cp932_hex "$value")"
    done <<STRINGS
CompanyName|Korvex 開発ﾁｰﾑ
FileDescription|ﾊﾞｲﾅﾘﾀﾞﾝﾌﾟ ﾋﾞｭｰﾜ
FileVersion|$KORVEX_VERSION
InternalName|Korvex
LegalCopyright|(C) Korvex 開発ﾁｰﾑ
OriginalFilename|Korvex.exe
ProductName|Korvex+
ProductVersion|$KORVEX_VERSION
STRINGS
    expect_drive "$expected" version "$exe" "${names[@]}"
}
