# End-to-end cases of the checksum dialog: 編集 → ﾁｪｯｸｻﾑ through the real
# menu keys, every sum of a range across a window boundary against the native
# tools, and 中止 on a long sum while the page moves under it.

CHECKSUM_CAPTION="ﾁｪｯｸｻﾑ"

# Opens the dialog from the jump box with Alt+E, K and prints its handle: the
# caption changes while a sum runs.
e2e_open_checksums() {
    e2e_focus_jump_box
    drive keys alt+e k || e2e_fail "cannot send Alt+E, K"
    drive -w "$CHECKSUM_CAPTION" wait || e2e_fail "the checksum dialog did not open"
}

# Waits up to SECONDS for the dialog HANDLE's control ID to show anything.
e2e_wait_text() {
    local handle="$1" id="$2" seconds="$3" i
    for ((i = 0; i < seconds * 5; i++)); do
        [ -n "$(drive -h "$handle" text "$id")" ] && return 0
        sleep 0.2
    done
    e2e_fail "control $id stayed empty for $seconds s"
}

case_every_sum_of_a_range_equals_the_native_tools() {
    local file="$E2E_TMP/random.bin" sums id start=$((0xFFF0)) size=$((0x20020)) crc expected
    head -c 300000 /dev/urandom >"$file" || e2e_fail "cannot write $file"

    korvex_start
    e2e_open_file "$file"
    sums="$(e2e_open_checksums)"
    # Nothing selected: the whole file, with CRC-32 and SHA-256 checked.
    expect_text "$(e2e_id IDC_CHECKSUM_START)" "00000000" -h "$sums"
    expect_text "$(e2e_id IDC_CHECKSUM_SIZE)" "000493E0" -h "$sums"
    expect_drive 1 -h "$sums" check "$(e2e_id IDC_CHECKSUM_CRC32)"
    expect_drive 1 -h "$sums" check "$(e2e_id IDC_CHECKSUM_SHA256)"
    for id in IDC_CHECKSUM_MD5 IDC_CHECKSUM_SHA1 IDC_CHECKSUM_SHA512; do
        expect_drive 0 -h "$sums" check "$(e2e_id "$id")"
        drive -h "$sums" click "$(e2e_id "$id")" || e2e_fail "cannot check $id"
    done
    # Across the first window's end.
    drive -h "$sums" settext "$(e2e_id IDC_CHECKSUM_START)" FFF0 || e2e_fail "cannot set the start"
    drive -h "$sums" settext "$(e2e_id IDC_CHECKSUM_SIZE)" 20020 || e2e_fail "cannot set the size"
    drive -h "$sums" click 1 || e2e_fail "cannot click 計算"
    e2e_wait_text "$sums" "$(e2e_id IDC_CHECKSUM_RESULT)" 30
    e2e_screenshot korvex-checksum

    dd if="$file" of="$E2E_TMP/range.bin" iflag=skip_bytes,count_bytes skip="$start" \
        count="$size" status=none || e2e_fail "cannot cut the range"
    digest() { "$1" "$E2E_TMP/range.bin" | cut -d' ' -f1; }
    crc="$(python3 -c 'import sys, zlib; print("%08x" % zlib.crc32(open(sys.argv[1], "rb").read()))' \
        "$E2E_TMP/range.bin")"
    expected="CRC-32   $crc"$'\r\n'"MD5      $(digest md5sum)"$'\r\n'
    expected+="SHA-1    $(digest sha1sum)"$'\r\n'"SHA-256  $(digest sha256sum)"$'\r\n'
    expected+="SHA-512  $(digest sha512sum)"
    expect_text "$(e2e_id IDC_CHECKSUM_RESULT)" "$expected" -h "$sums"

    drive -h "$sums" click 2 || e2e_fail "cannot click 閉じる"
    drive -h "$sums" gone || e2e_fail "閉じる did not close the dialog"
    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}

case_stopping_a_long_sum_leaves_no_result_while_the_page_moves() {
    local file="$E2E_TMP/sparse.bin" sums id progress i
    truncate -s 64G "$file" || e2e_fail "cannot create $file"

    korvex_start
    e2e_open_file "$file"
    sums="$(e2e_open_checksums)"
    for id in IDC_CHECKSUM_MD5 IDC_CHECKSUM_SHA1 IDC_CHECKSUM_SHA512; do
        drive -h "$sums" click "$(e2e_id "$id")" || e2e_fail "cannot check $id"
    done
    drive -h "$sums" click 1 || e2e_fail "cannot click 計算"
    expect_text 2 "中止" -h "$sums"
    # The caption shows the progress once the sum has run a moment.
    progress="$(cp932_hex "$CHECKSUM_CAPTION (")"
    for ((i = 0; i < 50; i++)); do
        [[ "$(drive -h "$sums" caption)" == "$progress"* ]] && break
        sleep 0.2
    done
    [[ "$(drive -h "$sums" caption)" == "$progress"* ]] || e2e_fail "no progress in the caption"

    # The main window goes to page 5 (3840 bytes on) while the sum runs.
    drive settext "$(e2e_id IDC_JUMP)" 5 || e2e_fail "cannot set the jump box"
    drive click "$(e2e_id IDC_GO)" || e2e_fail "cannot click GO"
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses 240)"
    expect_text 2 "中止" -h "$sums"
    e2e_screenshot korvex-checksum-running

    drive -h "$sums" click 2 || e2e_fail "cannot click 中止"
    expect_text 2 "閉じる" -h "$sums"
    expect_text "$(e2e_id IDC_CHECKSUM_RESULT)" "" -h "$sums"
    expect_drive "$(cp932_hex "$CHECKSUM_CAPTION")" -h "$sums" caption
    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}
