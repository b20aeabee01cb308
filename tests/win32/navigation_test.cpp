// Moving through a real file: keys typed through SendInput (so the key
// filter, the column subclass and the edit control's own handling run in
// their real order), real clicks, wheel and scroll-bar messages, the jump
// box. Each case checks the page shown against the file's bytes, the caret
// and the thumb.
#include "harness.h"
#include "temp_files.h"

#include "base/viewer_state.h"
#include "app/file_life.h"
#include "file/mapped_file.h"
#include "res/resource.h"
#include "view/load_page.h"

#include <gtest/gtest.h>

#include <stdint.h>
#include <stdio.h>

#include <string>
#include <vector>

namespace {

// Every page of a file of up to 16 MB has a text of its own, also across
// windows: a page copied from the wrong place shows.
unsigned char NavByte(uint64_t offset)
{
    return (unsigned char)(offset * 7 + (offset >> 8) + 3 * (offset >> 16));
}

const uint64_t BIG_FILE = 320000;      // 20,000 lines: scaled scroll bar, 5 windows
const uint64_t BIG_LAST_TOP = 19952;   // 20,000 - 48
const uint64_t WINDOW = 65536;

// Where two texts part, for a message shorter than two 2304-character dumps.
std::string Difference(const char *what, const std::string &expected, const std::string &actual)
{
    if (expected == actual) {
        return "";
    }
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        at++;
    }
    char text[256];
    snprintf(text, sizeof text, "%s differs at %u (lengths %u, %u): expected \"%s\", got \"%s\"; ",
             what, (unsigned)at, (unsigned)expected.size(), (unsigned)actual.size(),
             expected.substr(at, 12).c_str(), actual.substr(at, 12).c_str());
    return text;
}

DWORD SelStart(HWND column)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(column, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return start;
}

DWORD SelEnd(HWND column)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(column, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return end;
}

void SetCaret(HWND column, int position)
{
    SendMessageA(column, EM_SETSEL, position, position);
}

void CtrlPress(WORD key)
{
    KeyDown(VK_CONTROL);
    PressKey(key);
    KeyUp(VK_CONTROL);
}

// Real wheel input with the pointer over a client point of the window.
void WheelAt(HWND window, int x, int y, int delta)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    Pump(20);
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_MOUSE;
    input.mi.mouseData = (DWORD)delta;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    SendInput(1, &input, sizeof input);
    Pump(40);
}

// Counts the Page Down and Page Up presses that arrive as auto-repeats.
int repeatedPresses;
HHOOK repeatHook;

LRESULT CALLBACK CountRepeats(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && (wParam == VK_NEXT || wParam == VK_PRIOR) &&
        !(lParam & 0x80000000) && (lParam & 0x40000000)) {
        repeatedPresses++;
    }
    return CallNextHookEx(repeatHook, code, wParam, lParam);
}

struct NavigationTest : testing::Test {
    HWND dialog = NULL;
    std::string folder;
    std::string path;
    std::vector<unsigned char> fileBytes;

    void SetUp() override
    {
        dialog = OpenMainDialog();
        ASSERT_TRUE(dialog != NULL);
        char base[MAX_PATH];
        ASSERT_NE(GetTempPathA(sizeof base, base), 0u);
        char name[MAX_PATH];
        wsprintfA(name, "%skorvex-nav-%lu", base, GetCurrentProcessId());
        folder = name;
        CreateDirectoryA(folder.c_str(), NULL);
    }

    void TearDown() override
    {
        CloseMainDialog(dialog);
        if (!path.empty()) {
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA(folder.c_str());
    }

    // Writes a patterned file of the size and opens it as the program does.
    void Open(uint64_t size)
    {
        fileBytes.resize((size_t)size);
        for (uint64_t i = 0; i < size; i++) {
            fileBytes[(size_t)i] = NavByte(i);
        }
        path = folder + "\\nav.bin";
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, fileBytes.data(), (DWORD)size, &written, NULL);
        CloseHandle(file);
        ASSERT_EQ(written, (DWORD)size);

        OpenFile(dialog, path.c_str());
        ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
        ASSERT_EQ(viewer.fileSize, size);
    }

    std::vector<unsigned char> PageAt(uint64_t line) const
    {
        size_t start = (size_t)(line * 16);
        size_t count = fileBytes.size() - start < 768 ? fileBytes.size() - start : 768;
        return std::vector<unsigned char>(fileBytes.begin() + start,
                                          fileBytes.begin() + start + count);
    }

    // "" when topLine is the line and all three columns show its bytes.
    std::string PageMismatch(uint64_t line) const
    {
        std::string problems;
        if (viewer.topLine != line) {
            char text[80];
            snprintf(text, sizeof text, "topLine %llu, expected %llu; ",
                     (unsigned long long)viewer.topLine, (unsigned long long)line);
            problems += text;
        }
        std::vector<unsigned char> page = PageAt(line);
        problems += Difference("hex", ExpectedHex(page), ItemText(dialog, IDC_HEX));
        problems += Difference("characters", ExpectedChars(page), ItemText(dialog, IDC_TEXT));
        problems += Difference("addresses", ExpectedAddresses(line, page.size()),
                               ItemText(dialog, IDC_ADDRESS));
        return problems;
    }

    HWND Scroll() const { return GetDlgItem(dialog, IDC_SCROLL); }
    int Thumb() const { return GetScrollPos(Scroll(), SB_CTL); }

    void VScroll(int code, int position)
    {
        SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(code, position), (LPARAM)Scroll());
        Pump(5);
    }

    void Wheel(HWND target, int delta)
    {
        SendMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)delta),
                     MAKELPARAM(100, 100));
        Pump(5);
    }

    // The dialog in front and the focus in the column, as a user's click
    // leaves it: the key filter serves that column.
    void FocusColumn(HWND column)
    {
        BringToFront(dialog);
        SetFocus(column);
        Pump();
        ASSERT_EQ(GetFocus(), column);
        ASSERT_EQ(viewer.editFocus, column == viewer.hexEdit ? 1 : 2);
    }

    // The page at the line and the caret placed, the focus in the column.
    void Start(HWND column, uint64_t line, int caret)
    {
        LoadPage(dialog, line);
        ASSERT_EQ(viewer.topLine, line);
        FocusColumn(column);
        SetCaret(column, caret);
        ASSERT_EQ(SelStart(column), (DWORD)caret);
    }
};

const char *ColumnName(int hex)
{
    return hex ? "hex" : "character";
}

struct EdgeKeyCase {
    int hex;           // 1 the hex column, 0 the character column
    WORD key;
    uint64_t topLine;
    int caret;
    uint64_t expectedTop;
    int expectedCaret;
};

// Left and Right step the caret through the page, and off its edges onto the
// neighbouring line, which the page then shows.
TEST_F(NavigationTest, LeftAndRightCrossThePageEdgesDigitByDigit)
{
    Open(BIG_FILE);
    const EdgeKeyCase cases[] = {
        {1, VK_LEFT, 10, 0, 9, 46},
        {0, VK_LEFT, 10, 0, 9, 15},
        {1, VK_LEFT, 0, 0, 0, 0},
        {0, VK_LEFT, 0, 0, 0, 0},
        {1, VK_LEFT, 10, 3, 10, 1},      // off the blank before byte 1
        {1, VK_LEFT, 10, 4, 10, 3},
        {1, VK_RIGHT, 10, 2302, 11, 2256},
        {1, VK_RIGHT, 10, 2303, 11, 2256},
        {1, VK_RIGHT, 10, 2304, 11, 2256},
        {1, VK_RIGHT, 10, 1, 10, 3},     // over the blank after byte 0
        {1, VK_RIGHT, 10, 0, 10, 1},
        {1, VK_RIGHT, BIG_LAST_TOP, 2302, BIG_LAST_TOP, 2304},
        {0, VK_RIGHT, 10, 862, 11, 846},
        {0, VK_RIGHT, 10, 861, 10, 862},
        {0, VK_RIGHT, 10, 16, 10, 18},   // over the line break
        {0, VK_RIGHT, BIG_LAST_TOP, 862, BIG_LAST_TOP, 862},
    };
    for (const EdgeKeyCase &c : cases) {
        SCOPED_TRACE(testing::Message() << ColumnName(c.hex) << (c.key == VK_LEFT ? " Left" : " Right")
                                        << " at " << c.caret << ", line " << c.topLine);
        HWND column = c.hex ? viewer.hexEdit : viewer.charEdit;
        Start(column, c.topLine, c.caret);
        PressKey(c.key);
        EXPECT_EQ(PageMismatch(c.expectedTop), "");
        EXPECT_EQ(SelStart(column), (DWORD)c.expectedCaret);
        EXPECT_EQ(SelEnd(column), (DWORD)c.expectedCaret);
    }
}

struct UpDownCase {
    int hex;
    int ctrl;
    WORD key;
    uint64_t topLine;
    int caret;
    uint64_t expectedTop;
    int expectedCaret;
};

// Up and Down move the page under the caret at the top and bottom visual
// lines, and anywhere with Ctrl; the edit control's own movement follows.
TEST_F(NavigationTest, UpAndDownMoveThePageAtTheEdgesOrWithCtrl)
{
    Open(BIG_FILE);
    const int line20 = 20 * 48 + 6;   // byte 2 of visual line 20, hex
    const int line47 = 47 * 48 + 6;
    const UpDownCase cases[] = {
        {1, 1, VK_DOWN, 10, line20, 11, line20 + 48},
        {1, 1, VK_UP, 10, line20, 9, line20 - 48},
        {1, 0, VK_DOWN, 10, line20, 10, line20 + 48},
        {1, 0, VK_DOWN, 10, line47, 11, line47},
        {1, 0, VK_UP, 10, 6, 9, 6},
        {1, 0, VK_UP, 0, 6, 0, 6},
        {1, 1, VK_DOWN, BIG_LAST_TOP, line20, BIG_LAST_TOP, line20 + 48},
        {1, 0, VK_DOWN, BIG_LAST_TOP, line47, BIG_LAST_TOP, line47},
        {0, 1, VK_DOWN, 10, 20 * 18 + 3, 11, 21 * 18 + 3},
        {0, 0, VK_DOWN, 10, 47 * 18 + 3, 11, 47 * 18 + 3},
        {0, 0, VK_UP, 10, 3, 9, 3},
    };
    for (const UpDownCase &c : cases) {
        SCOPED_TRACE(testing::Message() << ColumnName(c.hex) << (c.ctrl ? " Ctrl+" : " ")
                                        << (c.key == VK_UP ? "Up" : "Down") << " at " << c.caret
                                        << ", line " << c.topLine);
        HWND column = c.hex ? viewer.hexEdit : viewer.charEdit;
        Start(column, c.topLine, c.caret);
        if (c.ctrl) {
            CtrlPress(c.key);
        } else {
            PressKey(c.key);
        }
        EXPECT_EQ(PageMismatch(c.expectedTop), "");
        EXPECT_EQ(SelStart(column), (DWORD)c.expectedCaret);
    }
}

// On the last page Ctrl+Down asks for the next line, which is clamped back:
// the same page is loaded again, so a hex text changed on screen (and not
// stored, the read-only box being checked) is replaced by the file's bytes.
TEST_F(NavigationTest, CtrlDownOnTheLastPageReloadsIt)
{
    Open(BIG_FILE);
    Start(viewer.hexEdit, BIG_LAST_TOP, 20 * 48);
    std::string changed(2304, ' ');
    for (int i = 0; i < 768; i++) {
        changed[3 * i] = 'A';
        changed[3 * i + 1] = 'A';
    }
    SetWindowTextA(viewer.hexEdit, changed.c_str());
    SetCaret(viewer.hexEdit, 20 * 48);
    CtrlPress(VK_DOWN);
    EXPECT_EQ(PageMismatch(BIG_LAST_TOP), "");
    EXPECT_EQ(std::string(viewer.hexSnapshot), ExpectedHex(PageAt(BIG_LAST_TOP)));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_CHECKED);
}

// A file whose last line is partial: the end of the text is shorter there.
TEST_F(NavigationTest, CtrlEndShowsTheLastPageAndCtrlHomeTheFirst)
{
    Open(100008);   // 6,251 lines, the last of 8 bytes
    const uint64_t lastTop = 6251 - 48;
    const struct {
        int hex;
        int endCaret;
    } cases[] = {{1, 3 * (47 * 16 + 8)}, {0, 47 * 18 + 8}};
    for (const auto &c : cases) {
        SCOPED_TRACE(ColumnName(c.hex));
        HWND column = c.hex ? viewer.hexEdit : viewer.charEdit;
        Start(column, 100, 30);
        CtrlPress(VK_END);
        EXPECT_EQ(PageMismatch(lastTop), "");
        EXPECT_EQ(SelStart(column), (DWORD)c.endCaret);
        EXPECT_EQ(GetWindowTextLengthA(column), c.endCaret);
        EXPECT_EQ(Thumb(), 1000);

        SetCaret(column, 30);
        CtrlPress(VK_HOME);
        EXPECT_EQ(PageMismatch(0), "");
        EXPECT_EQ(SelStart(column), 0u);
        EXPECT_EQ(Thumb(), 0);
    }
}

// Held down, Page Down and Page Up repeat their presses, which only move the
// caret; the one release moves the page by 48 lines and keeps the caret.
TEST_F(NavigationTest, PageKeysHeldWithAutoRepeatMoveOnceOnRelease)
{
    Open(BIG_FILE);
    const struct {
        int hex;
        WORD key;
        uint64_t topLine;
        uint64_t expectedTop;
    } cases[] = {
        {1, VK_NEXT, 100, 148},
        {1, VK_PRIOR, 148, 100},
        {1, VK_PRIOR, 30, 0},
        {1, VK_NEXT, BIG_LAST_TOP - 10, BIG_LAST_TOP},
        {0, VK_NEXT, 100, 148},
        {0, VK_PRIOR, 100, 52},
    };
    repeatHook = SetWindowsHookExA(WH_KEYBOARD, CountRepeats, NULL, GetCurrentThreadId());
    ASSERT_TRUE(repeatHook != NULL);
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << ColumnName(c.hex) << (c.key == VK_NEXT ? " Page Down" : " Page Up")
                                        << " from line " << c.topLine);
        HWND column = c.hex ? viewer.hexEdit : viewer.charEdit;
        Start(column, c.topLine, c.hex ? 24 * 48 + 9 : 24 * 18 + 3);
        repeatedPresses = 0;
        for (int i = 0; i < 4; i++) {
            KeyDown(c.key);
            EXPECT_EQ(viewer.topLine, c.topLine) << "press " << i;
        }
        EXPECT_EQ(repeatedPresses, 3);
        DWORD caret = SelStart(column);
        KeyUp(c.key);
        EXPECT_EQ(PageMismatch(c.expectedTop), "");
        EXPECT_EQ(SelStart(column), caret);
    }
    UnhookWindowsHookEx(repeatHook);
    repeatHook = NULL;
}

// A click leaves the hex caret on a digit: a release on a blank takes it
// back onto the low digit before; a release in the character column does
// the same to the hex column's selection.
TEST_F(NavigationTest, MouseReleaseTakesTheHexCaretOffABlank)
{
    Open(BIG_FILE);
    const struct {
        int position;   // where the click lands
        int expected;
    } cases[] = {{2, 1}, {17, 16}, {18, 18}, {20 * 48 + 41, 20 * 48 + 40}, {19 * 48 + 46, 19 * 48 + 46}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "click at " << c.position);
        FocusColumn(viewer.hexEdit);
        LRESULT at = SendMessageA(viewer.hexEdit, EM_POSFROMCHAR, c.position, 0);
        // One pixel into the character: the caret lands before it.
        ClickAt(viewer.hexEdit, (short)LOWORD(at) + 1, (short)HIWORD(at) + 5);
        EXPECT_EQ(SelStart(viewer.hexEdit), (DWORD)c.expected);
        EXPECT_EQ(SelEnd(viewer.hexEdit), (DWORD)c.expected);
        EXPECT_EQ(viewer.topLine, 0u);
    }

    SetCaret(viewer.hexEdit, 5 * 48 + 11);
    ClickAt(viewer.charEdit, 3, 3);
    EXPECT_EQ(viewer.editFocus, 2);
    EXPECT_EQ(SelStart(viewer.hexEdit), (DWORD)(5 * 48 + 10));
}

// One line per wheel message whatever its size, in the dialog and in the
// columns; none above the first line or below the last page.
TEST_F(NavigationTest, EachWheelMessageMovesOneLine)
{
    Open(BIG_FILE);
    HWND targets[] = {dialog, viewer.hexEdit, viewer.charEdit};
    const struct {
        uint64_t topLine;
        int delta;
        uint64_t expectedTop;
    } cases[] = {
        {10, -120, 11}, {10, -30, 11}, {10, 120, 9}, {10, 30, 9}, {0, 120, 0},
        {BIG_LAST_TOP, -120, BIG_LAST_TOP}, {10, -240, 11}, {0, 30, 0}, {0, -120, 1}, {1, 120, 0},
        {BIG_LAST_TOP, 120, BIG_LAST_TOP - 1},
    };
    for (HWND target : targets) {
        // The columns only hand the message on: a few rows suffice there.
        size_t rows = target == dialog ? sizeof cases / sizeof cases[0] : 6;
        for (size_t i = 0; i < rows; i++) {
            const auto &c = cases[i];
            SCOPED_TRACE(testing::Message() << "delta " << c.delta << " at line " << c.topLine
                                            << (target == dialog ? " to the dialog" : " to a column"));
            LoadPage(dialog, c.topLine);
            Wheel(target, c.delta);
            EXPECT_EQ(PageMismatch(c.expectedTop), "");
        }
    }
}

// The wheel turned with the pointer over the hex column.
TEST_F(NavigationTest, RealWheelInputOverTheColumnMovesOneLine)
{
    Open(BIG_FILE);
    Start(viewer.hexEdit, 10, 0);
    WheelAt(viewer.hexEdit, 50, 50, -120);
    EXPECT_EQ(PageMismatch(11), "");
    WheelAt(viewer.hexEdit, 50, 50, 120);
    EXPECT_EQ(PageMismatch(10), "");
    WheelAt(viewer.hexEdit, 50, 50, 30);
    EXPECT_EQ(PageMismatch(9), "");
}

struct ScrollCase {
    uint64_t topLine;
    int code;
    int position;
    uint64_t expectedTop;
    int expectedThumb;
};

void RunScrollCases(NavigationTest &test, const ScrollCase *cases, size_t count)
{
    for (size_t i = 0; i < count; i++) {
        const ScrollCase &c = cases[i];
        SCOPED_TRACE(testing::Message() << "code " << c.code << " position " << c.position
                                        << " from line " << c.topLine);
        LoadPage(test.dialog, c.topLine);
        test.VScroll(c.code, c.position);
        EXPECT_EQ(test.PageMismatch(c.expectedTop), "");
        EXPECT_EQ(test.Thumb(), c.expectedThumb);
    }
}

// 200 lines: the thumb position is the line, 0 to 152.
TEST_F(NavigationTest, ScrollBarOverFewLinesFollowsTheLine)
{
    Open(200 * 16);
    int low = -1;
    int high = -1;
    GetScrollRange(Scroll(), SB_CTL, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 152);
    const ScrollCase cases[] = {
        {0, SB_LINEUP, 0, 0, 0},
        {5, SB_LINEUP, 0, 4, 4},
        {0, SB_LINEDOWN, 0, 1, 1},
        {152, SB_LINEDOWN, 0, 152, 152},
        {0, SB_PAGEDOWN, 0, 48, 48},
        {120, SB_PAGEDOWN, 0, 152, 152},
        {100, SB_PAGEUP, 0, 52, 52},
        {49, SB_PAGEUP, 0, 1, 1},
        {48, SB_PAGEUP, 0, 0, 0},
        {0, SB_THUMBPOSITION, 100, 100, 100},
        {3, SB_THUMBPOSITION, 152, 152, 152},
        {100, SB_THUMBPOSITION, 0, 0, 0},
        {7, SB_THUMBTRACK, 100, 7, 7},
        {7, SB_TOP, 0, 7, 7},
        {7, SB_BOTTOM, 0, 7, 7},
        {7, SB_ENDSCROLL, 0, 7, 7},
    };
    RunScrollCases(*this, cases, sizeof cases / sizeof cases[0]);
}

// 20,000 lines: the thumb runs 0 to 1000 and a released thumb asks for
// position x lineCount / 1000; the thumb then settles on the line shown.
TEST_F(NavigationTest, ScaledScrollBarMapsThumbToLineAndBack)
{
    Open(BIG_FILE);
    EXPECT_EQ(viewer.scaledScroll, 1);
    int low = -1;
    int high = -1;
    GetScrollRange(Scroll(), SB_CTL, &low, &high);
    EXPECT_EQ(high, 1000);
    const ScrollCase cases[] = {
        {0, SB_THUMBPOSITION, 0, 0, 0},
        {77, SB_THUMBPOSITION, 0, 0, 0},
        {0, SB_THUMBPOSITION, 500, 10000, 501},
        {0, SB_THUMBPOSITION, 1000, BIG_LAST_TOP, 1000},
        {0, SB_THUMBPOSITION, 999, BIG_LAST_TOP, 1000},
        {0, SB_THUMBPOSITION, 1, 20, 1},
        {0, SB_LINEDOWN, 0, 1, 0},
        {0, SB_PAGEDOWN, 0, 48, 2},
        {BIG_LAST_TOP, SB_LINEDOWN, 0, BIG_LAST_TOP, 1000},
        {BIG_LAST_TOP, SB_PAGEDOWN, 0, BIG_LAST_TOP, 1000},
        {10000, SB_PAGEUP, 0, 9952, 498},
        {10000, SB_LINEUP, 0, 9999, 501},
        {10000, SB_THUMBTRACK, 900, 10000, 501},
    };
    RunScrollCases(*this, cases, sizeof cases / sizeof cases[0]);
}

// The jump box counts 768-byte pages: n is line 48 n; what is no number is
// 0, and what lies past the end (a negative number wraps) is the last page.
TEST_F(NavigationTest, JumpBoxTypedOrSetThenGo)
{
    Open(BIG_FILE);
    HWND jump = GetDlgItem(dialog, IDC_JUMP);
    HWND go = GetDlgItem(dialog, IDC_GO);
    ASSERT_TRUE(IsWindowEnabled(go));
    RECT goBox;
    GetClientRect(go, &goBox);
    const struct {
        const char *text;
        int typed;   // 1: real keys into the box; 0: set (it takes only digits, as many as fit)
        uint64_t expectedTop;
    } cases[] = {
        {"", 0, 0},
        {"0", 1, 0},
        {"1", 1, 48},
        {"2", 1, 96},
        {" 2KB", 0, 96},
        {"+2", 0, 96},
        {"KB", 0, 0},
        {"415", 1, 19920},
        {"416", 1, BIG_LAST_TOP},
        {"99999", 1, BIG_LAST_TOP},
        {"-1", 0, BIG_LAST_TOP},
        {"-3", 0, BIG_LAST_TOP},
        // Twenty digits do not fit the box's width to be typed.
        {"99999999999999999999", 0, BIG_LAST_TOP},
        {"00000000000000000002", 0, 96},
    };
    BringToFront(dialog);
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "jump box \"" << c.text << "\"");
        LoadPage(dialog, 500);
        if (c.typed) {
            ClickAt(jump, 5, 5);
            ASSERT_EQ(GetFocus(), jump);
            EXPECT_EQ(viewer.editFocus, 0);
            SendMessageA(jump, EM_SETSEL, 0, -1);
            TypeText(c.text);
        } else {
            SetWindowTextA(jump, c.text);
        }
        EXPECT_EQ(WindowText(jump), c.text);
        ClickAt(go, goBox.right / 2, goBox.bottom / 2);
        EXPECT_EQ(PageMismatch(c.expectedTop), "");
    }
}

// A page that straddles two 64 KB windows, reached each way: its bytes come
// from both, and the second window stays mapped.
TEST_F(NavigationTest, PagesAcrossWindowBoundariesShowTheFilesBytes)
{
    Open(BIG_FILE);
    ASSERT_EQ(viewer.windowSize, WINDOW);
    HWND jump = GetDlgItem(dialog, IDC_JUMP);

    struct Route {
        const char *name;
        uint64_t from;
        uint64_t expectedTop;
    };
    // Each route moves the page from `from`; done in the switch below.
    const Route routes[] = {
        {"Right at the page end", 4048, 4049},
        {"Down on the last visual line", 4048, 4049},
        {"Left at the page start", 4096, 4095},
        {"wheel down", 4079, 4080},
        {"wheel up", 4096, 4095},
        {"scroll bar line down", 4048, 4049},
        {"scroll bar thumb 204", 0, 4080},
        {"scroll bar thumb 409", 0, 8180},
        {"jump box 85", 0, 4080},
        {"Page Down", 4040, 4088},
        {"Page Up", 4136, 4088},
    };
    for (size_t i = 0; i < sizeof routes / sizeof routes[0]; i++) {
        const Route &r = routes[i];
        SCOPED_TRACE(r.name);
        Start(viewer.hexEdit, r.from, 0);
        switch (i) {
        case 0:
            SetCaret(viewer.hexEdit, 2302);
            PressKey(VK_RIGHT);
            break;
        case 1:
            SetCaret(viewer.hexEdit, 47 * 48 + 3);
            PressKey(VK_DOWN);
            break;
        case 2:
            PressKey(VK_LEFT);
            break;
        case 3:
            Wheel(viewer.hexEdit, -120);
            break;
        case 4:
            Wheel(dialog, 120);
            break;
        case 5:
            VScroll(SB_LINEDOWN, 0);
            break;
        case 6:
            VScroll(SB_THUMBPOSITION, 204);
            break;
        case 7:
            VScroll(SB_THUMBPOSITION, 409);
            break;
        case 8:
            SetWindowTextA(jump, "85");
            SendMessageA(GetDlgItem(dialog, IDC_GO), BM_CLICK, 0, 0);
            Pump();
            break;
        case 9:
            PressKey(VK_NEXT);
            break;
        case 10:
            PressKey(VK_PRIOR);
            break;
        }
        EXPECT_EQ(PageMismatch(r.expectedTop), "");
        uint64_t lastByte = r.expectedTop * 16 + 767;
        EXPECT_EQ(viewer.viewOffset, lastByte / WINDOW * WINDOW);
        EXPECT_NE(r.expectedTop * 16 / WINDOW, lastByte / WINDOW) << "the page does not straddle";
    }
}

// A real drag with the left button between two client points of the window.
void DragAcross(HWND window, POINT from, POINT to)
{
    ClientToScreen(window, &from);
    ClientToScreen(window, &to);
    SetCursorPos(from.x, from.y);
    Pump(20);
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof input);
    Pump(30);
    SetCursorPos(to.x, to.y);
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Pump(30);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Pump(40);
}

// One pixel into the hex column's character at the position.
POINT HexPoint(int position)
{
    LRESULT at = SendMessageA(viewer.hexEdit, EM_POSFROMCHAR, position, 0);
    POINT point = {(short)LOWORD(at) + 1, (short)HIWORD(at) + 5};
    return point;
}

// The status line under the columns follows the caret of the column last
// focused through every kind of move: the offset of the byte it stands on,
// and the bytes a selection touches.
TEST_F(NavigationTest, StatusLineFollowsTheCaretThroughEveryKindOfMove)
{
    Open(BIG_FILE);
    struct Route {
        const char *name;
        int hex;      // the column focused first
        uint64_t from;
        int caret;
        void (*move)(NavigationTest &test);
        const char *status;
    };
    const int line20 = 20 * 48 + 6;
    const Route routes[] = {
        {"hex Right off the page end", 1, 10, 2302, [](NavigationTest &) { PressKey(VK_RIGHT); },
         "ｱﾄﾞﾚｽ 00000000 000003A0"},
        {"character Left off the page start", 0, 10, 0, [](NavigationTest &) { PressKey(VK_LEFT); },
         "ｱﾄﾞﾚｽ 00000000 0000009F"},
        {"hex Ctrl+Down", 1, 10, line20, [](NavigationTest &) { CtrlPress(VK_DOWN); },
         "ｱﾄﾞﾚｽ 00000000 00000202"},
        {"character Ctrl+End: the file size", 0, 100, 30,
         [](NavigationTest &) { CtrlPress(VK_END); }, "ｱﾄﾞﾚｽ 00000000 0004E200"},
        {"a click", 1, 10, 0, [](NavigationTest &) {
             POINT point = HexPoint(5 * 48 + 10);
             ClickAt(viewer.hexEdit, point.x, point.y);
         }, "ｱﾄﾞﾚｽ 00000000 000000F3"},
        {"a drag", 1, 10, 0, [](NavigationTest &) {
             DragAcross(viewer.hexEdit, HexPoint(9), HexPoint(44));
         }, "ｱﾄﾞﾚｽ 00000000 000000A3  選択 12 ﾊﾞｲﾄ"},
        {"the wheel", 1, 10, 30, [](NavigationTest &t) { t.Wheel(viewer.hexEdit, -120); },
         "ｱﾄﾞﾚｽ 00000000 000000B0"},
        {"scroll bar line down", 1, 10, 30, [](NavigationTest &t) { t.VScroll(SB_LINEDOWN, 0); },
         "ｱﾄﾞﾚｽ 00000000 000000B0"},
        {"scroll bar thumb", 0, 10, 30, [](NavigationTest &t) { t.VScroll(SB_THUMBPOSITION, 204); },
         "ｱﾄﾞﾚｽ 00000000 0000FF00"},
        {"typing over byte 3", 1, 10, 9, [](NavigationTest &) { TypeText("41"); },
         "ｱﾄﾞﾚｽ 00000000 000000A4"},
        {"the jump box", 1, 10, 30, [](NavigationTest &t) {
             SetDlgItemTextA(t.dialog, IDC_JUMP, "2");
             SendMessageA(GetDlgItem(t.dialog, IDC_GO), BM_CLICK, 0, 0);
             Pump();
         }, "ｱﾄﾞﾚｽ 00000000 00000600"},
    };
    for (const Route &r : routes) {
        SCOPED_TRACE(r.name);
        Start(r.hex ? viewer.hexEdit : viewer.charEdit, r.from, r.caret);
        r.move(*this);
        EXPECT_EQ(ItemText(dialog, IDC_CARET_OFFSET), r.status);
    }
}

// The key handlers take the caret's visual line from the edit control:
// with the program's font and wrap it must be 48 characters a line in the
// hex column (the end of the text still on line 47) and 18 in the other.
TEST_F(NavigationTest, CaretLineOfEveryPositionOfAFullPage)
{
    Open(BIG_FILE);
    LoadPage(dialog, 1234);
    ASSERT_EQ(GetWindowTextLengthA(viewer.hexEdit), 2304);
    ASSERT_EQ(GetWindowTextLengthA(viewer.charEdit), 862);
    int hexWrong = 0;
    for (int p = 0; p <= 2304; p++) {
        SetCaret(viewer.hexEdit, p);
        int expected = p / 48 > 47 ? 47 : p / 48;
        LRESULT line = SendMessageA(viewer.hexEdit, EM_LINEFROMCHAR, (WPARAM)-1, 0);
        if (line != expected && ++hexWrong <= 5) {
            ADD_FAILURE() << "hex position " << p << ": line " << line << ", expected " << expected;
        }
    }
    EXPECT_EQ(hexWrong, 0);
    int charWrong = 0;
    for (int p = 0; p <= 862; p++) {
        SetCaret(viewer.charEdit, p);
        LRESULT line = SendMessageA(viewer.charEdit, EM_LINEFROMCHAR, (WPARAM)-1, 0);
        if (line != p / 18 && ++charWrong <= 5) {
            ADD_FAILURE() << "character position " << p << ": line " << line << ", expected " << p / 18;
        }
    }
    EXPECT_EQ(charWrong, 0);
    // With a selection, the line of its start.
    SendMessageA(viewer.hexEdit, EM_SETSEL, 95, 200);
    EXPECT_EQ(SendMessageA(viewer.hexEdit, EM_LINEFROMCHAR, (WPARAM)-1, 0), 1);
    SendMessageA(viewer.charEdit, EM_SETSEL, 35, 100);
    EXPECT_EQ(SendMessageA(viewer.charEdit, EM_LINEFROMCHAR, (WPARAM)-1, 0), 1);
}

// Before any file: nothing moves and nothing is shown or reported.
TEST_F(NavigationTest, WithoutAFileNothingMoves)
{
    StartMessageBoxCapture();
    const int codes[] = {SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBPOSITION,
                         SB_THUMBTRACK, SB_TOP, SB_BOTTOM, SB_ENDSCROLL};
    for (int code : codes) {
        VScroll(code, 500);
    }
    Wheel(dialog, -120);
    Wheel(dialog, 120);
    Wheel(viewer.hexEdit, -120);
    SendMessageA(dialog, WM_COMMAND, IDC_GO, 0);
    HWND columns[] = {viewer.hexEdit, viewer.charEdit};
    for (HWND column : columns) {
        FocusColumn(column);
        const WORD keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_NEXT, VK_PRIOR, VK_HOME, VK_END};
        for (WORD key : keys) {
            PressKey(key);
            CtrlPress(key);
        }
    }
    StopMessageBoxCapture();
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedText(0);
    EXPECT_EQ(viewer.topLine, 0u);
    EXPECT_EQ(viewer.lineCount, 1u);
    EXPECT_EQ(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Thumb(), 0);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), "");
    EXPECT_EQ(ItemText(dialog, IDC_TEXT), "");
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), "");
    EXPECT_EQ(ItemText(dialog, IDC_CARET_OFFSET), "");
}

HWND FindSearchDialog(void)
{
    return FindWindowA("#32770", "単語検索");
}

// Ctrl+F in the hex column opens a search with an empty text; F3 opens one
// only when a text is remembered.
TEST_F(NavigationTest, CtrlFOpensAnEmptySearchAndF3WithoutATextOpensNothing)
{
    Open(BIG_FILE);
    lstrcpyA(viewer.searchInput, "41 42");
    Start(viewer.hexEdit, 100, 30);
    CtrlPress('F');
    HWND search = FindSearchDialog();
    ASSERT_TRUE(search != NULL);
    EXPECT_EQ(viewer.searchDialog, search);
    EXPECT_TRUE(IsWindowVisible(search));
    EXPECT_EQ(ItemText(search, IDC_SEARCH_TEXT), "");
    EXPECT_EQ(viewer.searchInput[0], '\0');
    EXPECT_EQ(viewer.editFocus, 0);
    EXPECT_EQ(PageMismatch(100), "");

    SetForegroundWindow(search);
    SetFocus(GetDlgItem(search, IDC_SEARCH_TEXT));
    InjectKey(VK_ESCAPE);
    PumpLoop(100);
    EXPECT_FALSE(IsWindow(search));
    if (IsWindow(search)) {
        SendMessageA(search, WM_COMMAND, IDCANCEL, 0);
    }

    FocusColumn(viewer.hexEdit);
    // Forget the closed dialog, so a new one would show here.
    viewer.searchDialog = NULL;
    PressKey(VK_F3);
    EXPECT_TRUE(FindSearchDialog() == NULL);
    EXPECT_TRUE(viewer.searchDialog == NULL);
    EXPECT_EQ(PageMismatch(100), "");
}

}  // namespace
