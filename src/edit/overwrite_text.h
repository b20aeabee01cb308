// The text side of overwrite editing in the hex column: the edit control
// inserts each typed character, and these functions turn that insertion
// into an overwrite of the digit under the caret, or tell the caller to put
// the last good text back when the change was anything else.
//
// Hex text of a page of P bytes: exactly 3P characters, byte k as two
// upper-case hex digits at 3k and 3k + 1 and a blank at 3k + 2. Character
// text: byte k at cell 18 * (k / 16) + k % 16.
#ifndef KORVEX_OVERWRITE_TEXT_H
#define KORVEX_OVERWRITE_TEXT_H

#include <stdint.h>

// The character-column cell an overwrite changed, if any.
struct CharCellChange {
    int changed;
    uint32_t index;
    char value;
};

// 1 when text (length characters) has the hex column's shape for a page of
// pageBytes bytes: 3 * pageBytes characters, 0-9 or A-F at 3k and 3k + 1,
// a blank at 3k + 2.
int IsHexColumnShape(const char *text, uint32_t length, uint32_t pageBytes);

// 1 when text (length characters, as read from the control) is validText
// (3 * pageBytes characters, zero-terminated) with exactly one character
// 0-9 or A-F inserted at selStart - 1 and nothing selected (selStart ==
// selEnd): what one typed hex digit leaves behind. Every other change (a
// deletion, a cut, a paste, a blank, a G, a lower-case letter, an empty
// text) gives 0. Lower case is refused because the column is ES_UPPERCASE:
// a typed a-f arrives as A-F, so a lower-case letter was not typed.
int IsOneTypedHexDigit(const char *validText, const char *text, uint32_t length,
                       uint32_t selStart, uint32_t selEnd, uint32_t pageBytes);

// Turns the insertion into an overwrite, in place. text holds 3 * pageBytes
// + 1 characters with the typed one at *selStart - 1 (selStart >= 1); on
// return it holds 3 * pageBytes. A digit typed into a byte replaces the old
// digit, the byte's cell in charText gets the new value ('.' below 0x20 and
// from 0x80 on) and, after a second digit, the caret moves over the blank.
// A character typed onto a blank, or after the page's last byte, is dropped
// and both texts stay as they were. *selStart and *selEnd come back as the
// new selection, never past the end of the text.
void OverwriteTypedDigit(char *text, char *charText, uint32_t pageBytes,
                         uint32_t *selStart, uint32_t *selEnd, CharCellChange *cell);

// One EN_UPDATE of the hex column. hexText is the last good text of the
// page (3 * pageBytes characters); controlText and controlLength are what
// the control now holds, *selStart and *selEnd its selection. When the
// change is one typed hex digit, hexText and charText are updated and the
// new selection is returned: 1. Otherwise hexText and charText are left as
// they were, to be put back into the columns, and the selection is kept
// where the control had it, within the text: 0.
int ApplyHexColumnEdit(char *hexText, char *charText, uint32_t pageBytes,
                       const char *controlText, uint32_t controlLength,
                       uint32_t *selStart, uint32_t *selEnd);

#endif
