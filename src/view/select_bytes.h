// Showing a run of the file's bytes selected on the page: a paste's bytes,
// a value written from the inspector, a search's hit.
#ifndef KORVEX_SELECT_BYTES_H
#define KORVEX_SELECT_BYTES_H

#include <stdint.h>

// Selects the count bytes (at least 1) of the file from offset on in
// column, COLUMN_HEX or COLUMN_CHAR, as far as they lie on the page shown:
// in the hex column from the first byte's high digit to the last one's low
// digit. With focus 1 the column gets the keyboard first. Then the status
// line follows. Does nothing while no page is shown or when none of the
// bytes lies on it.
void SelectFileBytes(int column, uint64_t offset, uint64_t count, int focus);

#endif
