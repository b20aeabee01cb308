#include "search/search_pattern.h"

#include <string.h>

#include "base/messages.h"
#include "edit/hex_pair.h"
#include "decode/char_codes.h"

#define MASK_EXACT 0xFF
#define MASK_EITHER_CASE 0xDF
#define MASK_ANY 0x00

static uint32_t TextLength(const char *text)
{
    uint32_t length = 0;
    while (length < SEARCH_TEXT_MAX && text[length] != '\0')
        length++;
    return length;
}

static int IsAsciiLetter(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// Appends one byte to the variant; a letter matches either case when fold
// is set.
static void PutByte(SearchVariant *variant, unsigned char b, int fold)
{
    if (fold && IsAsciiLetter(b)) {
        variant->value[variant->length] = (unsigned char)(b & MASK_EITHER_CASE);
        variant->mask[variant->length] = MASK_EITHER_CASE;
        variant->exact = 0;
    } else {
        variant->value[variant->length] = b;
        variant->mask[variant->length] = MASK_EXACT;
    }
    variant->length++;
}

static SearchVariant *NewVariant(SearchPattern *pattern, int encoding)
{
    SearchVariant *variant = &pattern->variants[pattern->count++];
    variant->length = 0;
    variant->encoding = (unsigned char)encoding;
    variant->exact = 1;
    return variant;
}

int HexSearchPattern(const char *text, SearchPattern *pattern)
{
    // HexPairValue rewrites what it reads, and the text must stay as typed.
    char work[SEARCH_TEXT_MAX + 2];
    memset(work, 0, sizeof work);
    uint32_t length = TextLength(text);
    memcpy(work, text, length);
    pattern->count = 0;
    SearchVariant *variant = NewVariant(pattern, ENCODING_SHIFT_JIS);
    for (uint32_t p = 0; p < length; p += 3) {
        if (p + 2 < length && work[p + 2] == '?')
            return 0;
        if (work[p] == '?' && work[p + 1] == '?') {
            variant->value[variant->length] = 0;
            variant->mask[variant->length] = MASK_ANY;
            variant->length++;
            variant->exact = 0;
            continue;
        }
        if (work[p] == '?' || work[p + 1] == '?')
            return 0;
        PutByte(variant, HexPairValue(work + p), 0);
    }
    if (variant->length == 0 || variant->mask[0] == MASK_ANY ||
        variant->mask[variant->length - 1] == MASK_ANY)
        return 0;
    pattern->longest = pattern->shortest = variant->length;
    return 1;
}

static void PutShiftJis(SearchPattern *pattern, const unsigned char *text, uint32_t length,
                        int fold)
{
    SearchVariant *variant = NewVariant(pattern, ENCODING_SHIFT_JIS);
    for (uint32_t i = 0; i < length;) {
        // A double-byte character's trail byte may be a letter's code; it
        // always matches exactly.
        uint32_t size = ShiftJisLength(text + i, length - i);
        if (size == 2) {
            PutByte(variant, text[i], 0);
            PutByte(variant, text[i + 1], 0);
            i += 2;
        } else {
            PutByte(variant, text[i], fold && size == 1);
            i++;
        }
    }
}

static void PutUtf8(SearchPattern *pattern, const uint16_t *wide, uint32_t units, int fold)
{
    SearchVariant *variant = NewVariant(pattern, ENCODING_UTF8);
    for (uint32_t i = 0; i < units;) {
        uint32_t codePoint = 0;
        i += DecodeUtf16(wide + i, units - i, &codePoint);
        unsigned char bytes[4];
        uint32_t size = EncodeUtf8(codePoint, bytes);
        for (uint32_t k = 0; k < size; k++)
            PutByte(variant, bytes[k], fold && size == 1);
    }
}

static void PutUtf16(SearchPattern *pattern, const uint16_t *wide, uint32_t units, int fold,
                     int bigEndian)
{
    SearchVariant *variant = NewVariant(pattern, bigEndian ? ENCODING_UTF16BE : ENCODING_UTF16LE);
    for (uint32_t i = 0; i < units; i++) {
        unsigned char low = (unsigned char)wide[i];
        unsigned char high = (unsigned char)(wide[i] >> 8);
        // Only a unit with a zero high byte is an ASCII letter.
        int letter = fold && high == 0;
        if (bigEndian) {
            PutByte(variant, high, 0);
            PutByte(variant, low, letter);
        } else {
            PutByte(variant, low, letter);
            PutByte(variant, high, 0);
        }
    }
}

static int SameBytes(const SearchVariant *a, const SearchVariant *b)
{
    return a->length == b->length && memcmp(a->value, b->value, a->length) == 0 &&
           memcmp(a->mask, b->mask, a->length) == 0;
}

// Drops variants that repeat an earlier one, orders the rest longest first
// (a stable insertion sort keeps the list's order among equal lengths) and
// notes the extremes.
static void SettleVariants(SearchPattern *pattern)
{
    uint32_t kept = 0;
    for (uint32_t i = 0; i < pattern->count; i++) {
        int repeated = 0;
        for (uint32_t k = 0; k < kept; k++)
            repeated = repeated || SameBytes(&pattern->variants[k], &pattern->variants[i]);
        if (!repeated) {
            if (kept != i)
                pattern->variants[kept] = pattern->variants[i];
            kept++;
        }
    }
    pattern->count = kept;
    for (uint32_t i = 1; i < kept; i++) {
        for (uint32_t k = i; k > 0 && pattern->variants[k - 1].length < pattern->variants[k].length;
             k--) {
            SearchVariant swap = pattern->variants[k];
            pattern->variants[k] = pattern->variants[k - 1];
            pattern->variants[k - 1] = swap;
        }
    }
    pattern->longest = pattern->variants[0].length;
    pattern->shortest = pattern->variants[kept - 1].length;
}

int StringSearchPattern(const char *text, int encoding, int ignoreCase, WideOfAnsi toWide,
                        SearchPattern *pattern)
{
    const unsigned char *bytes = (const unsigned char *)text;
    uint32_t length = TextLength(text);
    pattern->count = 0;
    if (length == 0)
        return 0;
    int all = encoding == ENCODING_ALL;
    if (all || encoding == ENCODING_SHIFT_JIS)
        PutShiftJis(pattern, bytes, length, ignoreCase);
    if (encoding != ENCODING_SHIFT_JIS) {
        // A character cut in two by the box's limit is none the user typed.
        uint32_t whole = length;
        for (uint32_t i = 0; i < length;) {
            uint32_t size = ShiftJisLength(bytes + i, length - i);
            if (size == 0 && i == length - 1 && IsShiftJisLead(bytes[i]))
                whole = i;
            i += size ? size : 1;
        }
        uint16_t wide[SEARCH_TEXT_MAX];
        uint32_t units = whole ? toWide(text, whole, wide, SEARCH_TEXT_MAX) : 0;
        if (units == 0) {
            pattern->count = 0;
            return 0;
        }
        if (all || encoding == ENCODING_UTF8)
            PutUtf8(pattern, wide, units, ignoreCase);
        if (all || encoding == ENCODING_UTF16LE)
            PutUtf16(pattern, wide, units, ignoreCase, 0);
        if (all || encoding == ENCODING_UTF16BE)
            PutUtf16(pattern, wide, units, ignoreCase, 1);
    }
    SettleVariants(pattern);
    return 1;
}

const char *SearchEncodingName(int encoding)
{
    static const char *const names[ENCODING_COUNT] = {
        ENCODING_NAME_SHIFT_JIS, ENCODING_NAME_UTF8, ENCODING_NAME_UTF16LE, ENCODING_NAME_UTF16BE,
        ENCODING_NAME_ALL};
    return encoding >= 0 && encoding < ENCODING_COUNT ? names[encoding] : "";
}
