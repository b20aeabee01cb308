#include "edit/overwrite_text.h"

#include <string.h>

#include <gtest/gtest.h>

#include "view/column_format.h"

namespace {

const uint32_t kBuffer = 5120;

// The columns of a page as the render leaves them; the buffers past each
// text's end hold a fill, so a stray write beyond the text shows.
struct Columns {
    char hex[kBuffer];
    char chars[kBuffer];
};

void Render(const unsigned char *bytes, uint32_t count, Columns *out)
{
    static char address[kBuffer];
    memset(out->hex, '#', kBuffer);
    memset(out->chars, '#', kBuffer);
    FormatColumns(0, bytes, count, address, out->hex, out->chars);
}

void PageBytes(uint32_t count, unsigned char *bytes)
{
    for (uint32_t i = 0; i < count; i++)
        bytes[i] = (unsigned char)(i * 37 + 5);
}

// What the edit control holds after taking ch at the caret.
uint32_t Insert(const char *text, uint32_t caret, char ch, char *out)
{
    uint32_t length = (uint32_t)strlen(text);
    memcpy(out, text, caret);
    out[caret] = ch;
    memcpy(out + caret + 1, text + caret, length - caret + 1);
    return length + 1;
}

int DigitOf(char ch)
{
    return ch <= '9' ? ch - '0' : ch - 'A' + 10;
}

TEST(OverwriteText, TypingOverAByteUpdatesBothColumns)
{
    unsigned char bytes[20];
    PageBytes(20, bytes);
    bytes[17] = 0x41;
    Columns page;
    Render(bytes, 20, &page);
    char control[kBuffer];

    uint32_t s = 51, e = 51;  // before the 4 of byte 17
    uint32_t length = Insert(page.hex, s, '6', control);
    s = e = 52;
    ASSERT_EQ(ApplyHexColumnEdit(page.hex, page.chars, 20, control, length, &s, &e), 1);
    EXPECT_EQ(std::string(page.hex + 51, 3), "61 ");
    EXPECT_EQ(page.chars[19], 'a');
    EXPECT_EQ(s, 52u);
    EXPECT_EQ(e, 52u);

    length = Insert(page.hex, s, '2', control);
    s = e = 53;
    ASSERT_EQ(ApplyHexColumnEdit(page.hex, page.chars, 20, control, length, &s, &e), 1);
    EXPECT_EQ(std::string(page.hex + 51, 3), "62 ");
    EXPECT_EQ(page.chars[19], 'b');
    EXPECT_EQ(s, 54u);  // over the blank, onto the next byte
    EXPECT_EQ(e, 54u);
}

// Every caret position of pages of several sizes, against the render of the
// bytes the keystroke should leave.
TEST(OverwriteText, EveryCaretPositionMatchesTheRenderedModel)
{
    const uint32_t sizes[] = {1, 15, 16, 17, 37, 767, 768};
    const char digits[] = {'0', 'A', 'F', '7'};
    static unsigned char bytes[768], expectedBytes[768];
    static Columns page, expected;
    static char control[kBuffer];
    for (uint32_t size : sizes) {
        PageBytes(size, bytes);
        for (uint32_t caret = 0; caret <= 3 * size; caret++) {
            char ch = digits[caret % 4];
            SCOPED_TRACE(testing::Message() << "page " << size << " caret " << caret);
            Render(bytes, size, &page);
            memcpy(expectedBytes, bytes, size);
            uint32_t k = caret / 3;
            uint32_t caretAfter = caret + 1;
            if (caret == 3 * size) {
                caretAfter = 3 * size;
            } else if (caret % 3 == 0) {
                expectedBytes[k] = (unsigned char)(DigitOf(ch) << 4 | (bytes[k] & 0x0F));
            } else if (caret % 3 == 1) {
                expectedBytes[k] = (unsigned char)((bytes[k] & 0xF0) | DigitOf(ch));
                caretAfter = caret + 2;
            }
            Render(expectedBytes, size, &expected);

            uint32_t length = Insert(page.hex, caret, ch, control);
            uint32_t s = caret + 1, e = caret + 1;
            ASSERT_EQ(ApplyHexColumnEdit(page.hex, page.chars, size, control, length, &s, &e), 1);
            ASSERT_STREQ(page.hex, expected.hex);
            ASSERT_EQ(memcmp(page.chars, expected.chars, kBuffer), 0);
            ASSERT_EQ(IsHexColumnShape(page.hex, (uint32_t)strlen(page.hex), size), 1);
            ASSERT_EQ(s, caretAfter);
            ASSERT_EQ(e, caretAfter);
        }
    }
}

TEST(OverwriteText, CellShowsPrintableValuesOnly)
{
    struct CellCase {
        char high;
        char low;
        char shown;
    };
    const CellCase cases[] = {
        {'7', 'F', '.'}, {'1', 'F', '.'}, {'8', '0', '.'}, {'2', '0', ' '}, {'0', '0', '.'},
    };
    for (const CellCase &c : cases) {
        SCOPED_TRACE(c.shown);
        unsigned char bytes[1] = {0x55};
        Columns page;
        Render(bytes, 1, &page);
        char control[kBuffer];
        uint32_t s = 1, e = 1;
        uint32_t length = Insert(page.hex, 0, c.high, control);
        ASSERT_EQ(ApplyHexColumnEdit(page.hex, page.chars, 1, control, length, &s, &e), 1);
        length = Insert(page.hex, s, c.low, control);
        s = e = 2;
        ASSERT_EQ(ApplyHexColumnEdit(page.hex, page.chars, 1, control, length, &s, &e), 1);
        EXPECT_EQ(page.chars[0], c.shown);
        EXPECT_EQ(page.chars[1], '\0');
    }
}

// Typing straight through a page overwrites it all and stops at its end:
// nothing flows past the last byte.
TEST(OverwriteText, TypingAcrossTheWholePageStopsAtItsEnd)
{
    const uint32_t size = 40;
    unsigned char bytes[size], typed[size];
    PageBytes(size, bytes);
    for (uint32_t i = 0; i < size; i++)
        typed[i] = (unsigned char)(0xF0 - i * 3);
    Columns page, expected;
    Render(bytes, size, &page);
    Render(typed, size, &expected);
    const char *hex = "0123456789ABCDEF";
    char control[kBuffer];
    uint32_t s = 0, e = 0;
    for (uint32_t i = 0; i < 2 * size + 5; i++) {
        char ch = i < 2 * size ? hex[i % 2 ? typed[i / 2] & 15 : typed[i / 2] >> 4] : 'E';
        uint32_t length = Insert(page.hex, s, ch, control);
        s = e = s + 1;
        ASSERT_EQ(ApplyHexColumnEdit(page.hex, page.chars, size, control, length, &s, &e), 1);
    }
    EXPECT_STREQ(page.hex, expected.hex);
    EXPECT_EQ(memcmp(page.chars, expected.chars, kBuffer), 0);
    EXPECT_EQ(s, 3 * size);
}

TEST(OverwriteText, StepsOnTheRawInsertion)
{
    // Typed onto the blank of byte 0: dropped, caret already on byte 1.
    char text[kBuffer] = "41X 42 ";
    char chars[kBuffer] = "AB";
    uint32_t s = 3, e = 3;
    CharCellChange cell;
    OverwriteTypedDigit(text, chars, 2, &s, &e, &cell);
    EXPECT_STREQ(text, "41 42 ");
    EXPECT_EQ(cell.changed, 0);
    EXPECT_EQ(s, 3u);
    EXPECT_STREQ(chars, "AB");

    // Typed after the page's last byte: the character text is kept.
    strcpy(text, "41 42 5");
    s = e = 7;
    OverwriteTypedDigit(text, chars, 2, &s, &e, &cell);
    EXPECT_STREQ(text, "41 42 ");
    EXPECT_EQ(cell.changed, 0);
    EXPECT_STREQ(chars, "AB");
    EXPECT_EQ(s, 6u);

    // Second digit of byte 1 reports its cell.
    strcpy(text, "41 432 ");
    s = e = 5;
    OverwriteTypedDigit(text, chars, 2, &s, &e, &cell);
    EXPECT_STREQ(text, "41 43 ");
    EXPECT_EQ(cell.changed, 1);
    EXPECT_EQ(cell.index, 1u);
    EXPECT_EQ(cell.value, 'C');
    EXPECT_STREQ(chars, "AC");
    EXPECT_EQ(s, 6u);
}

TEST(OverwriteText, ShapeOfTheHexText)
{
    struct ShapeCase {
        const char *text;
        uint32_t pageBytes;
        int shaped;
    };
    const ShapeCase cases[] = {
        {"", 0, 1},
        {"00 ", 1, 1},
        {"4F A0 FF ", 3, 1},
        {"4F A0 FF", 3, 0},   // lost the last blank
        {"4F A0 FF  ", 3, 0}, // one too many
        {"4f A0 FF ", 3, 0},  // lower case
        {"4G A0 FF ", 3, 0},
        {"4F_A0 FF ", 3, 0},
        {"4F  0 FF ", 3, 0},
        {"4F A0 FF ", 2, 0},
    };
    for (const ShapeCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsHexColumnShape(c.text, (uint32_t)strlen(c.text), c.pageBytes), c.shaped);
    }
}

// Changes that are not one typed hex digit are refused, and the caller's
// texts are left exactly as they were.
TEST(OverwriteText, OtherChangesAreRefused)
{
    const char *valid = "4F A0 FF ";
    struct GuardCase {
        const char *name;
        const char *control;
        uint32_t selStart;
        uint32_t selEnd;
        int accepted;
    };
    const GuardCase cases[] = {
        {"digit typed", "4F 3A0 FF ", 4, 4, 1},
        {"letter typed", "4F A0 FFC ", 9, 9, 1},
        {"typed after the end", "4F A0 FF 1", 10, 10, 1},
        {"typed at the start", "E4F A0 FF ", 1, 1, 1},
        {"G typed", "4F GA0 FF ", 4, 4, 0},
        {"blank typed", "4F  A0 FF ", 4, 4, 0},
        {"lower case typed", "4F aA0 FF ", 4, 4, 0},
        {"deletion", "4F 0 FF ", 3, 3, 0},
        {"backspace", "4 A0 FF ", 1, 1, 0},
        {"paste of two", "4F 12A0 FF ", 5, 5, 0},
        {"paste over a selection", "4F 120 FF ", 5, 5, 0},
        {"cut", "4F FF ", 3, 3, 0},
        {"empty", "", 0, 0, 0},
        {"caret not after the inserted digit", "4F 3A0 FF ", 5, 5, 0},
        {"selection left", "4F 3A0 FF ", 4, 6, 0},
        {"caret at zero", "34F A0 FF ", 0, 0, 0},
        {"caret past the text", "4F A0 FF 1", 11, 11, 0},
    };
    for (const GuardCase &c : cases) {
        SCOPED_TRACE(c.name);
        uint32_t length = (uint32_t)strlen(c.control);
        EXPECT_EQ(IsOneTypedHexDigit(valid, c.control, length, c.selStart, c.selEnd, 3),
                  c.accepted);

        char hex[kBuffer] = "4F A0 FF ";
        char chars[kBuffer] = "O..";
        uint32_t s = c.selStart, e = c.selEnd;
        int applied = ApplyHexColumnEdit(hex, chars, 3, c.control, length, &s, &e);
        EXPECT_EQ(applied, c.accepted);
        ASSERT_EQ(IsHexColumnShape(hex, (uint32_t)strlen(hex), 3), 1);
        if (!applied) {
            EXPECT_STREQ(hex, valid);
            EXPECT_STREQ(chars, "O..");
            EXPECT_EQ(s, c.selStart < 9 ? c.selStart : 9);
            EXPECT_EQ(e, c.selEnd < 9 ? c.selEnd : 9);
        }
    }
}

}  // namespace
