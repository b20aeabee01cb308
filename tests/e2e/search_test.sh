# End-to-end case of the search: a string typed into the real search dialog
# is found near the end of a 256 MB file and selected in the hex column.

SEARCH_CAPTION="単語検索"

case_search_finds_a_string_near_the_end_of_a_256_mb_file() {
    local file="$E2E_TMP/big.bin" size=$((256 << 20)) needle="KorvexNeedle"
    local hit=$((size - 1000)) top index hex text selected search
    # Sparse: only the needle's block takes disk space.
    truncate -s "$size" "$file" || e2e_fail "cannot create $file"
    printf '%s' "$needle" | dd of="$file" bs=1 seek="$hit" conv=notrunc status=none \
        || e2e_fail "cannot write the needle"
    hex="$(e2e_id IDC_HEX)"

    korvex_start
    e2e_open_file "$file"
    expect_text "$(e2e_id IDC_FILESIZE)" "ﾌｧｲﾙｻｲｽﾞ：0x00000000 10000000(byte)"

    # Edit > Search; the box has the focus and string search is checked.
    drive keys alt+e s || e2e_fail "cannot send Alt+E, S"
    # By its handle from here on: a long search shows its progress in the caption.
    search="$(drive -w "$SEARCH_CAPTION" wait)" || e2e_fail "the search dialog did not open"
    expect_drive "$(e2e_id IDC_SEARCH_TEXT)" -w "$SEARCH_CAPTION" focus
    expect_drive 1 -w "$SEARCH_CAPTION" check "$(e2e_id IDC_SEARCH_STRING)"
    expect_text "$(e2e_id IDC_SEARCH_START)" "検索開始" -w "$SEARCH_CAPTION"
    # Letters past F and Shift: the dump columns' filter must be off here.
    drive -w "$SEARCH_CAPTION" type "$needle" || e2e_fail "cannot type into the search box"
    expect_text "$(e2e_id IDC_SEARCH_TEXT)" "$needle" -w "$SEARCH_CAPTION"
    e2e_screenshot korvex-search-dialog
    drive -w "$SEARCH_CAPTION" keys enter || e2e_fail "cannot send Enter"
    drive -h "$search" -t 120000 gone || e2e_fail "the search did not end"

    # The hit's line is above the last page, so the page begins at it.
    top=$((hit / 16))
    index=$((hit - top * 16))
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses "$top")"
    expect_drive "$((index * 3)) $((index * 3 + ${#needle} * 3 - 1))" sel "$hex"
    text="$(drive text "$hex" | xxd -r -p)"
    selected="${text:$((index * 3)):$((${#needle} * 3 - 1))}"
    [ "$selected" = "$(printf '%s' "$needle" | od -An -v -tx1 | tr -s ' \n' '  ' \
        | sed 's/^ *//; s/ *$//' | tr 'a-f' 'A-F')" ] \
        || e2e_fail "the selection shows \"$selected\""
    e2e_screenshot korvex-search-hit

    drive click "$(e2e_id IDC_JUMP)" || e2e_fail "cannot click the jump box"
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}

# Waits up to ten seconds for the hex column's selection to read SEL.
e2e_wait_selection() {
    local hex="$1" sel="$2" i
    for ((i = 0; i < 50; i++)); do
        [ "$(drive sel "$hex")" = "$sel" ] && return 0
        sleep 0.2
    done
    e2e_fail "the hex column's selection is \"$(drive sel "$hex")\", not \"$sel\""
}

# F3 and Shift+F3 through the real keyboard walk three hits forward and back;
# すべて検索 in every encoding then lists the three.
case_shift_f3_finds_the_previous_hit() {
    local file="$E2E_TMP/three.bin" needle="KorvexNeedle" hex at i
    local hits=(256 $((0x50000 + 5)) $((0xA0000 + 9)))
    truncate -s $((1 << 20)) "$file" || e2e_fail "cannot create $file"
    for at in "${hits[@]}"; do
        printf '%s' "$needle" | dd of="$file" bs=1 seek="$at" conv=notrunc status=none \
            || e2e_fail "cannot write the needle"
    done
    hex="$(e2e_id IDC_HEX)"
    # The selection of a hit at the top of its page.
    hit_sel() { echo "$(($1 % 16 * 3)) $(($1 % 16 * 3 + ${#needle} * 3 - 1))"; }

    korvex_start
    e2e_open_file "$file"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive keys ctrl+home ctrl+f || e2e_fail "cannot send Ctrl+Home, Ctrl+F"
    drive -w "$SEARCH_CAPTION" wait >/dev/null || e2e_fail "the search dialog did not open"
    expect_drive 0 -w "$SEARCH_CAPTION" check "$(e2e_id IDC_SEARCH_BACKWARD)"
    drive -w "$SEARCH_CAPTION" type "$needle" || e2e_fail "cannot type into the search box"
    drive -w "$SEARCH_CAPTION" keys enter || e2e_fail "cannot send Enter"
    e2e_wait_selection "$hex" "$(hit_sel "${hits[0]}")"

    drive keys f3 || e2e_fail "cannot send F3"
    e2e_wait_selection "$hex" "$(hit_sel "${hits[1]}")"
    drive keys f3 || e2e_fail "cannot send F3"
    e2e_wait_selection "$hex" "$(hit_sel "${hits[2]}")"
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses $((hits[2] / 16)))"

    drive keys shift+f3 || e2e_fail "cannot send Shift+F3"
    e2e_wait_selection "$hex" "$(hit_sel "${hits[1]}")"
    expect_text "$(e2e_id IDC_ADDRESS)" "$(e2e_addresses $((hits[1] / 16)))"
    e2e_screenshot korvex-search-backward

    # The list of every hit, beside the main dialog, in every encoding: Tab
    # reaches the encoding list past the button and the mode, End picks すべて.
    drive keys ctrl+f || e2e_fail "cannot send Ctrl+F"
    drive -w "$SEARCH_CAPTION" wait >/dev/null || e2e_fail "the search dialog did not open"
    drive -w "$SEARCH_CAPTION" type "$needle" || e2e_fail "cannot type into the search box"
    for ((i = 0; i < 5; i++)); do
        [ "$(drive -w "$SEARCH_CAPTION" focus)" = "$(e2e_id IDC_SEARCH_ENCODING)" ] && break
        drive -w "$SEARCH_CAPTION" keys tab || e2e_fail "cannot send Tab"
    done
    drive -w "$SEARCH_CAPTION" keys end || e2e_fail "cannot send End"
    expect_text "$(e2e_id IDC_SEARCH_ENCODING)" "すべて" -w "$SEARCH_CAPTION"
    e2e_screenshot korvex-search-every-encoding
    drive -w "$SEARCH_CAPTION" click "$(e2e_id IDC_SEARCH_ALL)" || e2e_fail "cannot click すべて検索"
    drive -w "検索結果 (3 件)" -t 20000 wait >/dev/null || e2e_fail "the hit list did not count 3"
    e2e_screenshot korvex-hit-list

    drive click "$(e2e_id IDC_JUMP)" || e2e_fail "cannot click the jump box"
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
}
