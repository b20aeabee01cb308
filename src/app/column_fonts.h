// The five fonts of the main dialog's columns and rulers, and the wrap of
// the address and hex columns that the page layout relies on.
#ifndef KORVEX_COLUMN_FONTS_H
#define KORVEX_COLUMN_FONTS_H

#include <windows.h>

// Creates the fonts and gives one each to the hex column, the address
// column, the character column and the two rulers; detaches the input
// method from the hex column.
void SetColumnFonts(HWND dialog);
void DeleteColumnFonts(void);

// Sets the column's formatting rectangle so that its text wraps after
// exactly `fitUnits` repetitions of `unit` with the font it has now.
void FitColumnWrap(HWND column, const char *unit, int fitUnits, int nextUnits);

#endif
