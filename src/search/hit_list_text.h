// The texts of the list of every hit: its rows and its caption.
#ifndef KORVEX_HIT_LIST_TEXT_H
#define KORVEX_HIT_LIST_TEXT_H

#include <stdint.h>

// The list holds this many hits; past it only the count goes on.
#define HIT_LIST_CAPACITY 100000
// Room for the longest caption and its terminating zero.
#define HIT_CAPTION_SIZE 64
// Room for a row: the address column's 17 characters, two blanks, the
// longest encoding's name and the zero.
#define HIT_ROW_SIZE 28

enum HitListState {
    HITS_RUNNING = 0,  // the scan goes on; percent is how far it has got
    HITS_DONE = 1,     // the whole file was scanned: count is the total
    HITS_STOPPED = 2   // stopped before the end: count is a lower bound
};

// "検索結果 (37%)" while running, or "検索結果 (100,000 件以上) (37%)" once
// the list is full; "検索結果 (1,234 件)" when done; "検索結果 (1,234 件以上)"
// when stopped. Counts are grouped by three with commas.
void HitListCaption(char *text, int state, uint64_t count, uint32_t percent);

// A row: the hit's offset in the address column's format, and after it the
// name of the encoding that matched when there is one (すべて):
// "00000000 0001A2B3  UTF-16LE".
void HitRowText(char *text, uint64_t offset, const char *encoding);

#endif
