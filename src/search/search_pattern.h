// The search text turned into the bytes searched for: hex pairs, where "??"
// stands for any byte, or a string as its code page 932 bytes, as UTF-8,
// UTF-16LE or UTF-16BE, or all four at once, with ASCII letters of either
// case where that is asked for. Window-free: the conversion of the text to
// UTF-16 is handed in.
#ifndef KORVEX_SEARCH_PATTERN_H
#define KORVEX_SEARCH_PATTERN_H

#include <stdint.h>

// At most this many bytes of the box's text are read (and the terminating
// zero).
#define SEARCH_TEXT_MAX 127
// The most bytes such a text becomes: a half-width katakana takes one byte
// in code page 932 and three in UTF-8.
#define SEARCH_PATTERN_CAPACITY (3 * SEARCH_TEXT_MAX)
// One variant a search, or one an encoding in すべて.
#define SEARCH_VARIANT_MAX 4

// The string search's encodings, in the order of the dialog's list.
enum SearchEncoding {
    ENCODING_SHIFT_JIS = 0,
    ENCODING_UTF8,
    ENCODING_UTF16LE,
    ENCODING_UTF16BE,
    ENCODING_ALL,  // the four above in one pass
    ENCODING_COUNT
};

// The bytes one encoding makes of the text. Position i matches a file byte b
// when (b & mask[i]) == value[i]: mask 0xFF for an exact byte, 0xDF for an
// ASCII letter of either case (value upper case), 0 for any byte.
struct SearchVariant {
    uint32_t length;
    unsigned char encoding;  // a SearchEncoding other than ENCODING_ALL
    unsigned char exact;     // every mask byte is 0xFF
    unsigned char value[SEARCH_PATTERN_CAPACITY];
    unsigned char mask[SEARCH_PATTERN_CAPACITY];
};

// What a search looks for: one variant, or up to four with すべて. Variants
// are ordered longest first, those of one length in the list's order, so the
// first that matches at a position is the hit there; variants with the same
// bytes (ASCII text in Shift-JIS and UTF-8) are held once, under the
// earlier encoding.
struct SearchPattern {
    uint32_t count;
    uint32_t longest;
    uint32_t shortest;
    SearchVariant variants[SEARCH_VARIANT_MAX];
};

// Converts length bytes of code page 932 text to UTF-16 code units (at most
// capacity): their count, or 0 when the text holds bytes that are no
// character. The shell's MultiByteToWideChar; tests give their own.
typedef uint32_t (*WideOfAnsi)(const char *text, uint32_t length, uint16_t *wide,
                               uint32_t capacity);

// Hex mode: HexPairValue on a working copy of the text (its first
// SEARCH_TEXT_MAX characters) at every third character, 0, 3, 6, ... while
// below the text's length, the pair "??" standing for any byte. The
// characters in between are never looked at; a lone last digit pairs with
// the terminating zero. 1 with the one variant set; 0 when the text is no
// hex pattern: a '?' anywhere but in a "??" pair, or a "??" first or last.
int HexSearchPattern(const char *text, SearchPattern *pattern);

// String mode: the text (up to SEARCH_TEXT_MAX bytes) in encoding, a
// SearchEncoding. Shift-JIS takes the bytes as they are; the others convert
// them with toWide, leaving out a lead byte that the box's limit cut from its
// trail byte. With ignoreCase the letters A-Z and a-z match either case: as
// single bytes in Shift-JIS and UTF-8, as code units with a zero high byte
// in UTF-16; a double-byte character's bytes always match exactly. 1 with
// the variants set; 0 for an empty text or one toWide cannot convert.
int StringSearchPattern(const char *text, int encoding, int ignoreCase, WideOfAnsi toWide,
                        SearchPattern *pattern);

// The encoding's name as the dialog's list and the hit list show it.
const char *SearchEncodingName(int encoding);

#endif
