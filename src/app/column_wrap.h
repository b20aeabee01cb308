// The width of a column's formatting rectangle that makes an edit control
// wrap blank-separated text after exactly the characters that must share a
// visual line. Window-free so it can be tested natively.
#ifndef KORVEX_COLUMN_WRAP_H
#define KORVEX_COLUMN_WRAP_H

// fitWidth: pixel width of the characters that must stand on one line, their
// trailing blank included (48 for the hex column, 18 for the address column).
// nextWidth: width of those characters and the following word (51 and 27),
// which must not fit. clientWidth: the widest rectangle the control allows.
// Returns a width well inside [fitWidth, nextWidth), so that the control's
// own slack on either side still wraps at the same place, limited to
// clientWidth.
int ColumnWrapWidth(int fitWidth, int nextWidth, int clientWidth);

// Fills text with count repetitions of unit (for example "00 ") and a
// terminating zero: the sample whose width ColumnWrapWidth is given.
void ColumnSampleText(char *text, int capacity, const char *unit, int count);

#endif
