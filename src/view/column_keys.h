// What a key in the hex or character column does to the page and the caret:
// the decisions behind the columns' key-down and key-up handlers, taken from
// the selection read before the key and applied by the Win32 side (LoadPage
// first, then the selection) before the edit control's own handling runs.
#ifndef KORVEX_COLUMN_KEYS_H
#define KORVEX_COLUMN_KEYS_H

#include <stdint.h>

#include "base/byte_cell.h"
#include "view/char_column.h"

// What to set as the selection after the (possible) page load.
enum ColumnSelect {
    COLUMN_SELECT_NONE = 0,
    COLUMN_SELECT_RANGE = 1,    // (selStart, selEnd) of the action
    COLUMN_SELECT_TEXT_END = 2, // caret at the end of the column's text as loaded
    // The character column's, placed by the map of the page as loaded:
    COLUMN_SELECT_LINE_0_END = 3,    // the end of line 0, before its CR LF
    COLUMN_SELECT_LINE_46_BREAK = 4, // between the CR and LF ending line 46
    COLUMN_SELECT_BYTES = 5          // page bytes selStart up to selEnd (equal: a caret)
};

struct ColumnKeyInput {
    int column;          // COLUMN_HEX; any other value is the character column
    unsigned key;        // virtual-key code
    int ctrlDown;
    uint32_t selStart;   // EM_GETSEL of the column, before the key
    uint32_t selEnd;
    uint32_t caretLine;  // EM_LINEFROMCHAR(-1) of the column
    uint64_t topLine;
    uint64_t lineCount;
    const CharMap *chars;  // the character column's map of the page shown
};

struct ColumnKeyAction {
    int load;        // 1: LoadPage(line) first
    uint64_t line;
    int select;      // a ColumnSelect
    uint32_t selStart;
    uint32_t selEnd;
    int openGoto;    // 1: Ctrl+G, the goto command, once the key is done
    int toggleInspector;  // 1: Ctrl+I, the data inspector's command, likewise
};

// 1 when the file has a line after the one the caret is on.
int NextLineExists(uint64_t topLine, uint32_t caretLine, uint64_t lineCount);

// The key-down rules of both columns (the search keys apart).
void ColumnKeyDown(const ColumnKeyInput *input, ColumnKeyAction *action);

// The key-up rules of both columns; ctrlDown and caretLine are not used.
// A mouse release is the hex column's Left on the hex column's selection.
void ColumnKeyUp(const ColumnKeyInput *input, ColumnKeyAction *action);

// The hex column's search keys, tested on every key-down it receives.
enum SearchKeyAction {
    SEARCH_KEY_NONE = 0,
    SEARCH_KEY_NEW = 1,     // Ctrl+F: clear the remembered text, open the dialog
    SEARCH_KEY_RESUME = 2,  // F3 held with a remembered text: open it again
    SEARCH_KEY_BACK = 3     // the same with Shift: search backward with it
};

// firstSearchByte is the first byte of the remembered search text.
int HexSearchKey(unsigned key, int ctrlDown, int shiftDown, int f3Down,
                 unsigned char firstSearchByte);

#endif
