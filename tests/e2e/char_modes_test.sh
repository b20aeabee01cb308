# End-to-end case of the character column's modes: 表示's radio items decode
# a mixed file as Shift-JIS, UTF-8 and UTF-16LE; a character that straddles
# a line or a page reads the same however the page was reached; a click on a
# full-width character stands on its first byte; a copied character pastes
# in the mode shown; a typed digit moves the boundaries after it.

# A 2048-byte file of blanks with: line 0 Shift-JIS and a lead byte on its
# last byte, line 1 its trail, UTF-8 and a tab, line 2 UTF-16LE with an
# emoji and a control, line 3 noise and a UTF-8 sequence cut short, 日本
# from byte 9 of lines 25 to 27 (under the column's middle), and a run of five lead bytes ending at offset 767 whose
# last character straddles the page at line 48.
char_modes_file() {
    local file="$1"
    head -c 2048 /dev/zero | tr '\0' ' ' >"$file"
    put() { printf "$2" | dd of="$file" bs=1 seek="$1" conv=notrunc status=none; }
    put 0 'Hi\x93\xFA\x96\x7B \xB1ABCDEFG\x82'
    put 16 '\xA0\xE6\xBC\xA2\xC3\xA9\x09xyz012345'
    put 32 'A\0B\0\x42\x30\x3D\xD8\x00\xDE\x01\x00Z\0x\0'
    put 48 '\xFF\xFE\x00\x7F\x80\xA0\xE0\xFD\x81\xFC\x41\xE3\x81\x82\xE3\x81'
    put 409 '\x93\xFA\x96\x7B'
    put 425 '\x93\xFA\x96\x7B'
    put 441 '\x93\xFA\x96\x7B'
    put 763 '\x81\x81\x81\x81\x81\x5BABCDEFGHIJKLMNO'
}

# expect_char_line N TEXT: line N of the character column reads TEXT within
# two seconds (the program works through the input meanwhile).
expect_char_line() {
    local actual expected i
    expected="$(cp932_hex "$2")"
    for ((i = 0; i < 20; i++)); do
        actual="$(drive text "$(e2e_id IDC_TEXT)" | sed 's/ 0D 0A /\n/g' | sed -n "$(($1 + 1))p")"
        [ "$actual" = "$expected" ] && return 0
        sleep 0.1
    done
    e2e_fail "character line $1: expected \"$2\" [$expected], got [$actual]"
}

# choose_char_mode LETTER: 表示 and the mode's access key, from the jump box.
choose_char_mode() {
    e2e_focus_jump_box
    drive keys alt+v "$1" || e2e_fail "cannot choose mode $1 from 表示"
}

case_each_mode_shows_the_file_as_its_decoder_reads_it() {
    local file hex chars status readonly
    hex="$(e2e_id IDC_HEX)"
    chars="$(e2e_id IDC_TEXT)"
    status="$(e2e_id IDC_CARET_OFFSET)"
    readonly="$(e2e_id IDC_READONLY)"
    file="$E2E_TMP/chars.bin"
    char_modes_file "$file"

    korvex_start
    e2e_open_file "$file"
    # 半角文字のみ at start: every byte outside printable ASCII is a dot.
    expect_char_line 0 "Hi...{ .ABCDEFG."
    expect_char_line 2 "A.B.B0=.....Z.x."
    expect_char_line 3 "..........A....."

    choose_char_mode u
    expect_char_line 1 ".漢 ...xyz012345"
    expect_char_line 3 "..........Aあ .."
    e2e_screenshot korvex-chars-utf8
    choose_char_mode l
    expect_char_line 2 "A B あ......Z x "
    e2e_screenshot korvex-chars-utf16le
    choose_char_mode s
    expect_char_line 0 "Hi日本 ｱABCDEFGあ"
    expect_char_line 1 " 貍｢ﾃｩ.xyz012345"
    expect_char_line 47 "           ＝＝ー"
    e2e_screenshot korvex-chars-shift-jis

    # Line 48 begins inside ー: a blank, reached by the jump box, by line
    # steps and by going to its offset.
    drive settext "$(e2e_id IDC_JUMP)" 1 || e2e_fail "cannot set the jump box"
    drive click "$(e2e_id IDC_GO)" || e2e_fail "cannot click GO"
    expect_char_line 0 " ABCDEFGHIJKLMNO"
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive keys ctrl+down ctrl+up || e2e_fail "cannot step a line down and up"
    expect_char_line 0 " ABCDEFGHIJKLMNO"
    drive keys ctrl+home ctrl+g || e2e_fail "cannot go home and open the goto dialog"
    drive -w "ｱﾄﾞﾚｽ指定" type "0x300" || e2e_fail "cannot type the offset"
    drive -w "ｱﾄﾞﾚｽ指定" keys enter || e2e_fail "cannot send Enter"
    expect_char_line 0 " ABCDEFGHIJKLMNO"

    # A click in the column's middle, on 日本, stands on the first byte of
    # 日 or 本 (byte 9 or 11 of its line), never inside a character.
    drive keys ctrl+home || e2e_fail "cannot send Ctrl+Home"
    drive click "$chars" || e2e_fail "cannot click the character column"
    local where
    where="$(printf '%b' "$(drive text "$status" | sed 's/^/\\x/; s/ /\\x/g')" | iconv -f CP932 -t UTF-8)"
    [[ "$where" =~ ^ｱﾄﾞﾚｽ\ 00000000\ 000001[9AB][9B]$ ]] || e2e_fail "the click stands on $where"

    # 日 copied from line 0 pastes as UTF-8 over the first bytes.
    drive setsel "$chars" 2 3 || e2e_fail "cannot select 日"
    drive keys ctrl+c || e2e_fail "cannot send Ctrl+C"
    choose_char_mode u
    drive click "$readonly" || e2e_fail "cannot clear 読み取り専用"
    drive click "$chars" || e2e_fail "cannot click the character column"
    drive setsel "$chars" 0 0 || e2e_fail "cannot put the caret at 0"
    drive keys ctrl+v || e2e_fail "cannot send Ctrl+V"
    [ "$(od -An -tx1 -N4 "$file" | tr -d ' ')" = "e697a5fa" ] \
        || e2e_fail "bytes 0-3: $(od -An -tx1 -N4 "$file")"

    # A digit typed over byte 15's lead byte ends line 0's last character
    # there, and line 1's first byte stands alone.
    choose_char_mode s
    drive click "$hex" || e2e_fail "cannot click the hex column"
    drive setsel "$hex" 45 45 || e2e_fail "cannot put the hex caret on byte 15"
    drive type 4 || e2e_fail "cannot type a digit"
    expect_char_line 1 ".貍｢ﾃｩ.xyz012345"
    e2e_screenshot korvex-chars-typed-digit

    e2e_focus_jump_box
    drive keys alt+f4 || e2e_fail "cannot send Alt+F4"
    korvex_expect_exit 0 5
    [ "$(od -An -tx1 -j15 -N1 "$file" | tr -d ' ')" = "42" ] \
        || e2e_fail "byte 15: $(od -An -tx1 -j15 -N1 "$file")"
}
