// The main dialog with a private temp folder of real files and every message
// box captured, for the tests that open files and move through them.
#ifndef KORVEX_TEST_OPEN_FILE_FIXTURE_H
#define KORVEX_TEST_OPEN_FILE_FIXTURE_H

#include "harness.h"
#include "temp_files.h"

#include "base/viewer_state.h"
#include "app/file_life.h"
#include "file/choose_file.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string.h>

struct OpenFileTest : testing::Test {
    HWND dialog = NULL;
    std::string folder;

    void SetUp() override
    {
        folder = MakeTempFolder();
        ASSERT_FALSE(folder.empty());
        StartMessageBoxCapture();
        dialog = OpenMainDialog();
        ASSERT_TRUE(dialog != NULL);
    }
    void TearDown() override
    {
        CloseMainDialog(dialog);
        StopMessageBoxCapture();
        RemoveTempFolder(folder);
    }
    std::string Path(const char *name) const { return folder + "\\" + name; }
};

// Messages shown since the capture started, as "text|caption" lines, so a
// failure shows them all.
inline std::string CapturedMessages(void)
{
    std::string all;
    for (int i = 0; i < CapturedMessageCount(); i++) {
        all += CapturedText(i) + "|" + CapturedCaption(i) + "\n";
    }
    return all;
}

// Exactly one message box, with this text and the program's caption.
#define EXPECT_ONE_MESSAGE(text)                                  \
    do {                                                          \
        EXPECT_EQ(CapturedMessageCount(), 1) << CapturedMessages(); \
        EXPECT_EQ(CapturedText(0), text);                         \
        EXPECT_EQ(CapturedCaption(0), "ﾒｯｾｰｼﾞ");                  \
    } while (0)

#define EXPECT_NO_FILE_OPEN()                                      \
    do {                                                           \
        EXPECT_EQ(viewer.fileHandle, INVALID_HANDLE_VALUE);        \
        EXPECT_EQ(viewer.mappingHandle, (HANDLE)NULL);             \
        EXPECT_TRUE(viewer.viewBase == NULL);                      \
        EXPECT_EQ(viewer.viewOffset, 1u);                          \
    } while (0)

// What every successful page load leaves: the columns hold the state's texts
// and the snapshot is the text as rendered.
#define EXPECT_PAGE_RENDERED(dialog)                                  \
    do {                                                              \
        EXPECT_EQ(viewer.pageRendered, 1);                            \
        EXPECT_STREQ(viewer.hexSnapshot, viewer.hexText);             \
        EXPECT_EQ(ItemText(dialog, IDC_HEX), viewer.hexText);         \
        EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), viewer.addressText); \
        EXPECT_EQ(ItemText(dialog, IDC_TEXT), viewer.charText);       \
    } while (0)

inline int ScrollTop(HWND dialog)
{
    int low = -1;
    int high = -1;
    GetScrollRange(GetDlgItem(dialog, IDC_SCROLL), SB_CTL, &low, &high);
    return low == 0 ? high : -1;
}

inline int ScrollPosition(HWND dialog)
{
    return GetScrollPos(GetDlgItem(dialog, IDC_SCROLL), SB_CTL);
}

// 1 when the menu's goto command can be chosen.
inline int GotoEnabled(HWND dialog)
{
    return (GetMenuState(GetMenu(dialog), IDM_GOTO, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

inline std::string StatusLine(HWND dialog)
{
    return ItemText(dialog, IDC_CARET_OFFSET);
}

inline int HexColumnWritable(void)
{
    return (GetWindowLongA(viewer.hexEdit, GWL_STYLE) & ES_READONLY) == 0;
}

#endif
