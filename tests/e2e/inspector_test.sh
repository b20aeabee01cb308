# End-to-end case of the data inspector: Ctrl+I opens it beside the main
# dialog, it follows the caret moved with the keyboard, a value typed into a
# row and confirmed with Enter lands in the file, Tab moves between the rows
# and Esc closes it.

INSPECTOR_CAPTION="ﾃﾞｰﾀ ｲﾝｽﾍﾟｸﾀ"

case_ctrl_i_opens_the_inspector_that_follows_the_caret() {
    local file hex uint16 uint32 int16
    hex="$(e2e_id IDC_HEX)"
    uint16="$(e2e_id IDC_INSPECTOR_UINT16)"
    int16="$(e2e_id IDC_INSPECTOR_INT16)"
    uint32="$(e2e_id IDC_INSPECTOR_UINT32)"
    file="$E2E_TMP/header.bin"
    { printf '\x4D\x5A\x90\x00\x03\x00\x00\x00'; head -c 2000 /dev/zero; } >"$file"

    korvex_start
    e2e_open_file "$file"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive keys ctrl+home || e2e_fail "cannot send Ctrl+Home"
    drive keys ctrl+i || e2e_fail "cannot send Ctrl+I"
    drive -w "$INSPECTOR_CAPTION" wait >/dev/null || e2e_fail "the inspector did not open"
    expect_drive "$hex" focus
    expect_text "$uint32" "9460301" -w "$INSPECTOR_CAPTION"
    # Two Rights go over byte 0's low digit and blank onto byte 1.
    drive keys right right || e2e_fail "cannot send Right"
    expect_text "$uint16" "36954" -w "$INSPECTOR_CAPTION"
    expect_text "$(e2e_id IDC_INSPECTOR_BINARY)" "01011010" -w "$INSPECTOR_CAPTION"
    e2e_screenshot korvex-inspector

    # A value typed into a row and Enter: written over bytes 1 and 2.
    drive click "$(e2e_id IDC_READONLY)" || e2e_fail "cannot clear 読み取り専用"
    drive -w "$INSPECTOR_CAPTION" settext "$int16" "-2" || e2e_fail "cannot type into int16"
    drive -w "$INSPECTOR_CAPTION" click "$int16" || e2e_fail "cannot click the int16 row"
    drive -w "$INSPECTOR_CAPTION" keys enter || e2e_fail "cannot send Enter"
    expect_text "$uint16" "65534" -w "$INSPECTOR_CAPTION"
    [ "$(od -An -tx1 -N4 "$file" | tr -d ' ')" = "4dfeff00" ] \
        || e2e_fail "bytes 0-3: $(od -An -tx1 -N4 "$file")"

    drive -w "$INSPECTOR_CAPTION" keys tab || e2e_fail "cannot send Tab"
    expect_drive "$uint16" -w "$INSPECTOR_CAPTION" focus
    drive -w "$INSPECTOR_CAPTION" keys esc || e2e_fail "cannot send Esc"
    drive -w "$INSPECTOR_CAPTION" gone || e2e_fail "Esc did not close the inspector"

    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}
