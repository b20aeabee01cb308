// The main dialog as start-up leaves it, the version dialog, the exit
// sequence and the columns' wrap, through the real controls.
#include "harness.h"

#include "base/messages.h"
#include "app/startup.h"
#include "base/viewer_state.h"
#include "edit/key_filter.h"
#include "res/resource.h"
#include "res/version.h"

#include <gtest/gtest.h>

namespace {

struct MainDialogTest : testing::Test {
    HWND dialog = NULL;
    void SetUp() override
    {
        dialog = OpenMainDialog();
        ASSERT_TRUE(dialog != NULL);
    }
    void TearDown() override { CloseMainDialog(dialog); }
};

LONG Style(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE);
}

TEST_F(MainDialogTest, StartsVisibleCentredReadOnlyWithNothingShown)
{
    EXPECT_EQ(viewer.mainDialog, dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(WindowText(dialog), "Korvex+");

    RECT desktop;
    RECT rect;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(dialog, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    EXPECT_EQ(rect.left, (desktop.right - width) / 2);
    EXPECT_EQ(rect.top, (desktop.bottom - height) / 2);

    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_GO)));
    EXPECT_TRUE(Style(viewer.hexEdit) & ES_READONLY);
    EXPECT_TRUE(Style(viewer.charEdit) & ES_READONLY);

    EXPECT_EQ(ItemText(dialog, IDC_JUMP), "0");
    EXPECT_EQ(ItemText(dialog, IDC_HEX), "");
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), "");
    EXPECT_EQ(ItemText(dialog, IDC_TEXT), "");
    EXPECT_EQ(ItemText(dialog, IDC_JUMP_UNIT), "(KB)");
    EXPECT_EQ(ItemText(dialog, IDC_READONLY), "読み取り専用");
    EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), "ﾌｧｲﾙｻｲｽﾞ(byte)");
    EXPECT_EQ(ItemText(dialog, IDC_GO), "GO");
    EXPECT_EQ(ItemText(dialog, IDC_TEXT_RULER), "0123456789ABCDEF");
    EXPECT_EQ(ItemText(dialog, IDC_HEX_RULER), "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(ItemText(dialog, IDC_CARET_OFFSET), "");

    EXPECT_EQ(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(viewer.mappingHandle, (HANDLE)NULL);
    EXPECT_EQ(viewer.viewOffset, 1u);
    EXPECT_EQ(viewer.lineCount, 1u);
    // Shown, the dialog gives the focus to its first tab stop, the hex column.
    EXPECT_EQ(GetFocus(), viewer.hexEdit);
    EXPECT_EQ(viewer.editFocus, 1);
    EXPECT_TRUE(viewer.keyboardHook != NULL);
    for (int i = 0; i < FONT_COUNT; i++) {
        EXPECT_EQ(GetObjectType(viewer.fonts[i]), (DWORD)OBJ_FONT) << i;
    }
    EXPECT_EQ((HFONT)SendMessageA(viewer.hexEdit, WM_GETFONT, 0, 0), viewer.fonts[0]);
    EXPECT_EQ((HFONT)SendMessageA(viewer.addressEdit, WM_GETFONT, 0, 0), viewer.fonts[1]);
    EXPECT_EQ((HFONT)SendMessageA(viewer.charEdit, WM_GETFONT, 0, 0), viewer.fonts[2]);
}

std::string MenuText(HMENU menu, UINT position)
{
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(MainDialogTest, MenuHasTheFourPopupsAndTheirCommands)
{
    HMENU menu = GetMenu(dialog);
    ASSERT_TRUE(menu != NULL);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(MenuText(menu, 0), "ファイル(&F)");
    EXPECT_EQ(MenuText(menu, 1), "編集(&E)");
    EXPECT_EQ(MenuText(menu, 2), "表示(&V)");
    EXPECT_EQ(MenuText(menu, 3), "ヘルプ(&H)");

    HMENU file = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(GetMenuItemID(file, 0), (UINT)IDM_OPEN);
    EXPECT_EQ(MenuText(file, 0), "ﾌｧｲﾙを開く(&O)");
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(file, 2), (UINT)IDM_EXIT);
    EXPECT_EQ(MenuText(file, 2), "終了(&X)");

    HMENU edit = GetSubMenu(menu, 1);
    ASSERT_EQ(GetMenuItemCount(edit), 7);
    EXPECT_EQ(GetMenuItemID(edit, 0), (UINT)IDM_SEARCH);
    EXPECT_EQ(MenuText(edit, 0), "検索(&S)");
    EXPECT_EQ(GetMenuItemID(edit, 1), (UINT)IDM_GOTO);
    EXPECT_EQ(MenuText(edit, 1), "ｱﾄﾞﾚｽ指定(&G)\tCtrl+G");
    EXPECT_TRUE(GetMenuState(edit, 2, MF_BYPOSITION) & MF_SEPARATOR);
    const char *fileItems[] = {"ｺﾋﾟｰ(&C)\tCtrl+C", "貼り付け(&V)\tCtrl+V", "範囲指定(&R)...",
                               "ﾁｪｯｸｻﾑ(&K)"};
    const UINT fileIds[] = {IDM_COPY, IDM_PASTE, IDM_RANGE, IDM_CHECKSUM};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(GetMenuItemID(edit, 3 + i), fileIds[i]);
        EXPECT_EQ(MenuText(edit, 3 + i), fileItems[i]);
    }
    // No file is open yet.
    for (int i : {1, 3, 4, 5, 6}) {
        EXPECT_TRUE(GetMenuState(edit, i, MF_BYPOSITION) & MF_GRAYED) << i;
    }

    HMENU view = GetSubMenu(menu, 2);
    ASSERT_EQ(GetMenuItemCount(view), 6);
    EXPECT_EQ(GetMenuItemID(view, 0), (UINT)IDM_INSPECTOR);
    EXPECT_EQ(MenuText(view, 0), "ﾃﾞｰﾀ ｲﾝｽﾍﾟｸﾀ(&I)\tCtrl+I");
    // The character column's modes: radio items, 半角文字のみ checked.
    const char *modes[] = {"半角文字のみ(&N)", "ｼﾌﾄJIS(&S)", "UTF-8(&U)", "UTF-16LE(&L)"};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(GetMenuItemID(view, 2 + i), (UINT)(IDM_CHAR_HALF_WIDTH + i));
        EXPECT_EQ(MenuText(view, 2 + i), modes[i]);
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        GetMenuItemInfoA(view, 2 + i, TRUE, &info);
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, i == 0) << i;
        EXPECT_EQ((info.fType & MFT_RADIOCHECK) != 0, i == 0) << i;
    }

    HMENU help = GetSubMenu(menu, 3);
    ASSERT_EQ(GetMenuItemCount(help), 1);
    EXPECT_EQ(GetMenuItemID(help, 0), (UINT)IDM_VERSION);
    EXPECT_EQ(MenuText(help, 0), "ﾊﾞｰｼﾞｮﾝ情報(&V)");
}

TEST(MessageText, IsCodePage932InTheBinary)
{
    const unsigned char caption[] = {0xD2, 0xAF, 0xBE, 0xB0, 0xBC, 0xDE, 0};
    EXPECT_STREQ(MSG_CAPTION, (const char *)caption);
    const unsigned char cannotOpen[] = {0xCC, 0xA7, 0xB2, 0xD9, 0x82, 0xF0};
    EXPECT_EQ(memcmp(MSG_CANNOT_OPEN, cannotOpen, sizeof cannotOpen), 0);
    EXPECT_EQ(GetACP(), 932u);
}

// The hex column wraps every 48 characters (16 bytes) and the address column
// puts each 18-character group on a line of its own, level with the hex lines.
TEST_F(MainDialogTest, ColumnsWrapAFullPageSixteenBytesPerLine)
{
    std::string hex;
    for (int i = 0; i < 768; i++) {
        hex += "A5 ";
    }
    SetWindowTextA(viewer.hexEdit, hex.c_str());
    const struct {
        int position;
        int line;
    } cases[] = {{0, 0}, {47, 0}, {48, 1}, {2255, 46}, {2256, 47}, {2303, 47}, {2304, 47}};
    for (const auto &c : cases) {
        EXPECT_EQ(SendMessageA(viewer.hexEdit, EM_LINEFROMCHAR, c.position, 0), c.line) << c.position;
    }
    EXPECT_EQ(SendMessageA(viewer.hexEdit, EM_GETLINECOUNT, 0, 0), 48);

    std::string address;
    for (int i = 0; i < 48; i++) {
        char group[32];
        wsprintfA(group, "%08X %08X ", 0x3FF, 0xFFFFFD00 + i * 16);
        address += group;
    }
    SetWindowTextA(viewer.addressEdit, address.c_str());
    EXPECT_EQ(SendMessageA(viewer.addressEdit, EM_GETLINECOUNT, 0, 0), 48);
    for (int i = 0; i < 48; i++) {
        EXPECT_EQ(SendMessageA(viewer.addressEdit, EM_LINEINDEX, i, 0), 18 * i) << i;
    }

    // Character lines full of blanks and wide letters must not word-wrap.
    std::string chars;
    for (int i = 0; i < 48; i++) {
        chars += i % 2 ? "W m W m W m W m " : " @W%M w#M W&m Wm";
        if (i < 47) {
            chars += "\r\n";
        }
    }
    SetWindowTextA(viewer.charEdit, chars.c_str());
    EXPECT_EQ(SendMessageA(viewer.charEdit, EM_GETLINECOUNT, 0, 0), 48);
    for (int i = 0; i < 48; i++) {
        EXPECT_EQ(SendMessageA(viewer.charEdit, EM_LINEINDEX, i, 0), 18 * i) << i;
    }
}

// A control's rectangle in the dialog's client coordinates.
RECT ChildRect(HWND dialog, int id)
{
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(NULL, dialog, (POINT *)&rect, 2);
    return rect;
}

// The status line has a row of its own under the columns, starting where the
// address column starts, and its longest text fits it in the dialog's font.
TEST_F(MainDialogTest, StatusLineStandsUnderTheColumnsLevelWithTheAddresses)
{
    RECT status = ChildRect(dialog, IDC_CARET_OFFSET);
    EXPECT_EQ(status.left, ChildRect(dialog, IDC_ADDRESS).left);
    const int above[] = {IDC_HEX, IDC_ADDRESS, IDC_TEXT, IDC_SCROLL};
    for (int id : above) {
        EXPECT_GE(status.top, ChildRect(dialog, id).bottom) << id;
    }
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_LE(status.bottom, client.bottom);

    HWND line = GetDlgItem(dialog, IDC_CARET_OFFSET);
    HDC context = GetDC(line);
    HGDIOBJ old = SelectObject(context, (HFONT)SendMessageA(line, WM_GETFONT, 0, 0));
    const char longest[] = "ｱﾄﾞﾚｽ 000003FF FFFFFFFF  選択 768 ﾊﾞｲﾄ";
    SIZE extent;
    GetTextExtentPoint32A(context, longest, lstrlenA(longest), &extent);
    SelectObject(context, old);
    ReleaseDC(line, context);
    EXPECT_LE(extent.cx, status.right - status.left);
    EXPECT_LE(extent.cy, status.bottom - status.top);
}

HWND FindVersionDialog(void)
{
    return FindWindowA("#32770", "ﾊﾞｰｼﾞｮﾝ情報");
}

struct VersionProbe {
    std::string name;
    std::string notice;
    int seen;
    int editFocusWhileOpen;
    int ticks;
    int closeBy;  // 0 Enter, 1 Esc, 2 close box
};
VersionProbe versionProbe;

// Runs inside the version dialog's modal loop.
void CALLBACK CloseVersionDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND version = FindVersionDialog();
    if (++versionProbe.ticks > 100) {
        // Never hang the run: a dialog that did not close fails the test.
        KillTimer(NULL, timer);
        if (version != NULL) {
            EndDialog(version, 0);
        }
        return;
    }
    if (version == NULL || !IsWindowVisible(version) || versionProbe.seen) {
        return;
    }
    versionProbe.seen = 1;
    versionProbe.editFocusWhileOpen = viewer.editFocus;
    versionProbe.name = ItemText(version, IDC_VERSION_NAME);
    versionProbe.notice = ItemText(version, IDC_VERSION_NOTICE);
    SetForegroundWindow(version);
    if (versionProbe.closeBy == 0) {
        InjectKey(VK_RETURN);
    } else if (versionProbe.closeBy == 1) {
        InjectKey(VK_ESCAPE);
    } else {
        PostMessageA(version, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

// Closing gives the focus back to the control that had it: the filter serves
// a column again only when that control is a column.
TEST_F(MainDialogTest, VersionDialogShowsItsTextsClosesAndLeavesTheFilterIdle)
{
    for (int closeBy = 0; closeBy < 3; closeBy++) {
        for (int fromColumn = 0; fromColumn < 2; fromColumn++) {
            BringToFront(dialog);
            SetFocus(fromColumn ? viewer.hexEdit : GetDlgItem(dialog, IDC_JUMP));
            Pump();
            ASSERT_EQ(viewer.editFocus, fromColumn ? 1 : 0);

            versionProbe = VersionProbe();
            versionProbe.closeBy = closeBy;
            versionProbe.editFocusWhileOpen = -1;
            UINT_PTR timer = SetTimer(NULL, 0, 30, CloseVersionDialog);
            // Returns when the modal dialog has closed.
            SendMessageA(dialog, WM_COMMAND, IDM_VERSION, 0);
            KillTimer(NULL, timer);
            Pump();

            EXPECT_EQ(versionProbe.seen, 1) << closeBy;
            EXPECT_LE(versionProbe.ticks, 100) << "the dialog did not close, by " << closeBy;
            EXPECT_EQ(versionProbe.name, KORVEX_PRODUCT " Version " KORVEX_VERSION_TEXT);
            EXPECT_FALSE(versionProbe.notice.empty());
            EXPECT_EQ(versionProbe.editFocusWhileOpen, 0) << closeBy;
            EXPECT_TRUE(FindVersionDialog() == NULL);
            EXPECT_EQ(viewer.editFocus, fromColumn ? 1 : 0) << closeBy;
        }
    }
}

TEST_F(MainDialogTest, ClickIntoTheAddressColumnFocusesTheHexColumn)
{
    BringToFront(dialog);
    ClickAt(viewer.addressEdit, 10, 10);
    EXPECT_EQ(GetFocus(), viewer.hexEdit);
    EXPECT_EQ(viewer.editFocus, 1);

    ClickAt(GetDlgItem(dialog, IDC_JUMP), 5, 5);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_JUMP));
    EXPECT_EQ(viewer.editFocus, 0);

    ClickAt(viewer.charEdit, 5, 5);
    EXPECT_EQ(viewer.editFocus, 2);
}

TEST(ExitSequence, EachExitCommandDeletesFontsRemovesHookAndQuitsWithZero)
{
    const int commands[] = {IDM_EXIT, IDOK, IDCANCEL};
    for (int command : commands) {
        HWND dialog = OpenMainDialog();
        ASSERT_TRUE(dialog != NULL);
        HFONT fonts[FONT_COUNT];
        memcpy(fonts, viewer.fonts, sizeof fonts);
        HHOOK hook = viewer.keyboardHook;

        StartMessageBoxCapture();
        PostMessageA(dialog, WM_COMMAND, command, 0);
        int code = CloseMainDialog(NULL);
        StopMessageBoxCapture();

        EXPECT_EQ(code, 0) << command;
        EXPECT_FALSE(IsWindow(dialog)) << command;
        EXPECT_EQ(CapturedMessageCount(), 0) << CapturedText(0);
        for (int i = 0; i < FONT_COUNT; i++) {
            EXPECT_EQ(GetObjectType(fonts[i]), 0u) << command << " font " << i;
        }
        // The hook is gone: releasing it again fails.
        EXPECT_FALSE(UnhookWindowsHookEx(hook)) << command;
    }
}

HHOOK WINAPI FailingSetHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    return NULL;
}

TEST(KeyFilterInstall, FailureIsReportedAndSoIsTheReleaseAtExit)
{
    StartMessageBoxCapture();
    setKeyboardHook = FailingSetHook;
    HWND dialog = OpenMainDialog();
    setKeyboardHook = SetWindowsHookExA;
    ASSERT_TRUE(dialog != NULL);
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_EQ(CapturedMessageCount(), 1);
    EXPECT_EQ(CapturedText(0), "ﾌｯｸ失敗。");
    EXPECT_EQ(CapturedCaption(0), "ﾒｯｾｰｼﾞ");

    int code = CloseMainDialog(dialog);
    StopMessageBoxCapture();
    EXPECT_EQ(code, 0);
    ASSERT_EQ(CapturedMessageCount(), 2);
    EXPECT_EQ(CapturedText(1), "ﾌｯｸ解除に失敗。");
    EXPECT_EQ(CapturedCaption(1), "ﾒｯｾｰｼﾞ");
    EXPECT_FALSE(IsWindow(dialog));
}

// A module without the dialog resource: the main dialog cannot be created,
// and the program must end rather than wait in a loop with no window.
TEST(StartUp, EndsWithCodeZeroWhenTheMainDialogCannotBeCreated)
{
    HINSTANCE withoutResources = GetModuleHandleA("kernel32.dll");
    ASSERT_TRUE(withoutResources != NULL);
    EXPECT_EQ(KorvexMain(withoutResources, L"Korvex.exe"), 0);
    memset(&viewer, 0, sizeof viewer);
}

}  // namespace
