// The two hex boxes in which a range of the open file is typed, a start and
// a size, as the range and checksum dialogs have them.
#ifndef KORVEX_RANGE_BOXES_H
#define KORVEX_RANGE_BOXES_H

#include <windows.h>

#include <stdint.h>

// Shows start and size in their boxes, in the goto box's form, and limits
// what may be typed to what that form reads.
void ShowRangeBoxes(HWND dialog, int startBox, int sizeBox, uint64_t start, uint64_t size);

// Gives the box the focus with its text selected.
void SelectBoxText(HWND dialog, int box);

// 1 with *start and *size set when the boxes hold a range of at least one
// byte inside the open file; otherwise "範囲が正しくありません。" is shown,
// the start box's text selected, and 0.
int ReadRangeBoxes(HWND dialog, int startBox, int sizeBox, uint64_t *start, uint64_t *size);

#endif
