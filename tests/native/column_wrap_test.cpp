#include "app/column_wrap.h"

#include <gtest/gtest.h>

#include <string.h>

// Wine's edit control, with the 5-pixel font, wraps the hex sample after 48
// characters when the rectangle is 247 to 260 pixels wide: the width chosen
// must land there, and be limited by the control's client area.
TEST(ColumnWrap, HexColumnAtFivePixelsLandsInsideTheWorkingRange)
{
    int width = ColumnWrapWidth(48 * 5, 51 * 5, 284);
    EXPECT_GE(width, 247);
    EXPECT_LE(width, 260);
}

TEST(ColumnWrap, WidthStaysBetweenTheLineAndTheNextWord)
{
    const int charWidths[] = {4, 5, 6, 7, 8};
    for (int cw : charWidths) {
        int width = ColumnWrapWidth(48 * cw, 51 * cw, 10000);
        EXPECT_GT(width, 48 * cw) << cw;
        EXPECT_LT(width, 51 * cw) << cw;
        int address = ColumnWrapWidth(18 * cw, 27 * cw, 10000);
        EXPECT_GT(address, 18 * cw) << cw;
        EXPECT_LT(address, 27 * cw) << cw;
    }
}

TEST(ColumnWrap, ClientWidthLimitsTheRectangle)
{
    EXPECT_EQ(ColumnWrapWidth(90, 135, 102), 102);
    EXPECT_EQ(ColumnWrapWidth(200, 100, 300), 200);
}

TEST(ColumnWrap, SampleTextRepeatsTheUnitAndStopsAtCapacity)
{
    char text[160];
    ColumnSampleText(text, sizeof text, "00 ", 48);
    EXPECT_EQ(strlen(text), 144u);
    EXPECT_EQ(strncmp(text, "00 00 ", 6), 0);
    EXPECT_EQ(text[143], ' ');

    char small[8];
    ColumnSampleText(small, sizeof small, "00000000 ", 2);
    EXPECT_STREQ(small, "0000000");
}
