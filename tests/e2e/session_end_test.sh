# End-to-end cases of Windows ending the session (logging off, shutting
# down) while typed digits wait on the page shown: Wine's
# `wineboot --end-session` sends WM_QUERYENDSESSION and WM_ENDSESSION to every
# top-level window and then ends the process, so no exit sequence runs.

# Opens FILE (1000 bytes), clears the read-only box when CLEAR is 1, types
# "ab" over byte 0, checks the column shows it, then ends the session.
session_type_and_end() {
    local file="$1" clear="$2" hex readonly
    hex="$(e2e_id IDC_HEX)"
    readonly="$(e2e_id IDC_READONLY)"
    korvex_start
    e2e_open_file "$file"
    if [ "$clear" -eq 1 ]; then
        drive click "$readonly" || e2e_fail "cannot click the read-only box"
        expect_drive 0 check "$readonly"
    fi
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive keys ctrl+home a b || e2e_fail "cannot type into the hex column"
    expect_text "$hex" "$({ printf '\xAB'; head -c 768 "$file" | tail -c 767; } | e2e_hex_text)"
    wine wineboot --end-session >/dev/null 2>&1 || e2e_fail "wineboot --end-session failed"
    korvex_wait_end 10
}

# Waits up to SECONDS for Korvex to be gone, whatever its exit code.
korvex_wait_end() {
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        kill -0 "$KORVEX_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$KORVEX_PID" 2>/dev/null && e2e_fail "Korvex still runs $1 s after the session ended"
    wait "$KORVEX_PID" 2>/dev/null || true
    KORVEX_PID=""
}

case_ending_the_session_stores_the_typed_digits_only_while_the_box_is_clear() {
    local file="$E2E_TMP/session.bin"
    head -c 1000 /dev/urandom >"$file"
    # Byte 0 must change when "ab" is typed over it.
    printf '\x12' | dd of="$file" conv=notrunc status=none
    cp "$file" "$E2E_TMP/original.bin"

    session_type_and_end "$file" 0
    cmp -s "$file" "$E2E_TMP/original.bin" || e2e_fail "the session's end stored into a read-only page"

    session_type_and_end "$file" 1
    printf '\xAB' | dd of="$E2E_TMP/original.bin" conv=notrunc status=none
    cmp "$file" "$E2E_TMP/original.bin" >&2 || e2e_fail "the typed digits are not on disk"
}
