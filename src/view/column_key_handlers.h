// The hex and character columns' key handlers: they keep the caret in step
// with the page at the page's edges. Each runs before the edit control's own
// handling of the same key.
#ifndef KORVEX_COLUMN_KEY_HANDLERS_H
#define KORVEX_COLUMN_KEY_HANDLERS_H

#include <windows.h>

void HexKeyDown(WPARAM key);
void CharKeyDown(WPARAM key);
void HexKeyUp(WPARAM key);
void CharKeyUp(WPARAM key);

// After a click or a drag in the character column: a caret inside a
// character's cells goes to its first, and a selection covers whole
// characters.
void CharMouseUp(void);

#endif
