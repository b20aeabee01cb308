# End-to-end cases of opening a file: the real open-file dialog, driven by
# keystrokes, and the first page the three columns then show.

# The texts the columns show for bytes 0, 1, ... 255, 0, 1, ... from offset 0:
# "XX " per byte, one character per byte.
expected_hex() {
    local i
    for ((i = 0; i < $1; i++)); do
        printf '%02X ' $((i % 256))
    done
}

expected_chars() {
    local i b
    for ((i = 0; i < $1; i++)); do
        if ((i > 0 && i % 16 == 0)); then
            printf '\r\n'
        fi
        b=$((i % 256))
        if ((b >= 0x20 && b <= 0x7F)); then
            printf '%b' "\\x$(printf '%02X' "$b")"
        else
            printf '.'
        fi
    done
}

case_opens_a_file_typed_into_the_open_dialog() {
    local file="$E2E_TMP/Dump-1000.bin" windows_path i
    for ((i = 0; i < 1000; i++)); do
        printf '%b' "\\x$(printf '%02X' $((i % 256)))"
    done >"$file"
    [ "$(stat -c %s "$file")" -eq 1000 ] || e2e_fail "cannot write $file"
    # Wine shows the Linux root as drive Z:.
    windows_path="Z:${file//\//\\}"

    korvex_start
    e2e_focus_jump_box
    drive keys alt+f o || e2e_fail "cannot send Alt+F, O"
    drive -w "開く" wait >/dev/null || e2e_fail "the open-file dialog did not appear"
    drive -w "開く" type "$windows_path" || e2e_fail "cannot type the path"
    drive -w "開く" keys enter || e2e_fail "cannot send Enter"
    drive -w "開く" gone || e2e_fail "the open-file dialog did not close"

    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ：0x00000000 000003E8(byte)"
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses 0)"
    expect_text "$(e2e_id IDC_HEX)" "$(expected_hex 768)"
    expect_text "$(e2e_id IDC_TEXT)" "$(expected_chars 768)"
    expect_drive 1 enabled "$(e2e_id IDC_GO)"
    expect_drive 1 check "$(e2e_id IDC_READONLY)"
    e2e_screenshot korvex-open-file

    e2e_focus_jump_box
    drive keys alt+f x || e2e_fail "cannot send Alt+F, X"
    korvex_expect_exit 0 5
    # The file was opened for viewing only: its bytes are unchanged.
    for ((i = 0; i < 1000; i++)); do
        printf '%b' "\\x$(printf '%02X' $((i % 256)))"
    done | cmp -s - "$file" || e2e_fail "the file changed"
}
