// The key filter on the real main dialog with a real file open, fed real
// keystrokes: what reaches the columns, what they do with it, and what the
// filter hands on down the hook chain.
#include "harness.h"

#include "base/viewer_state.h"
#include "app/file_life.h"
#include "edit/key_filter.h"
#include "file/mapped_file.h"
#include "res/resource.h"
#include "view/load_page.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

const int FILE_BYTES = 4096;
// Byte 84 of the page: line 5, fourth byte; the matching character cell.
const int HEX_CARET = 5 * 48 + 4 * 3;
const int CHAR_CARET = 5 * 18 + 4;

unsigned char FileByte(int i)
{
    return (unsigned char)(i * 37 + 11);
}

// Key messages arriving at a window, counted behind every other procedure of
// it (for the columns: behind ColumnSubclassProc).
struct KeyTrace {
    HWND window;
    WNDPROC next;
    int keyDowns[256];
    int chars;
};
const int TRACED = 3;
KeyTrace traces[TRACED];

LRESULT CALLBACK TraceKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (KeyTrace &trace : traces) {
        if (trace.window != window) {
            continue;
        }
        if (message == WM_KEYDOWN && wParam < 256) {
            trace.keyDowns[wParam]++;
        } else if (message == WM_CHAR) {
            trace.chars++;
        }
        return CallWindowProcA(trace.next, window, message, wParam, lParam);
    }
    return 0;
}

void TraceWindow(int slot, HWND window)
{
    memset(&traces[slot], 0, sizeof traces[slot]);
    traces[slot].window = window;
    traces[slot].next = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)TraceKeys);
}

void ClearTraces(void)
{
    for (KeyTrace &trace : traces) {
        memset(trace.keyDowns, 0, sizeof trace.keyDowns);
        trace.chars = 0;
    }
}

int KeyDownsReaching(int slot)
{
    int total = 0;
    for (int count : traces[slot].keyDowns) {
        total += count;
    }
    return total;
}

// A hook installed before the main dialog's sits behind the key filter in
// the chain: it sees exactly what the filter hands on.
HHOOK laterHook;
int handedOn[256];

LRESULT CALLBACK RecordHandedOn(int code, WPARAM wParam, LPARAM lParam)
{
    const int released = (lParam & 0x80000000) != 0;
    if (code == HC_ACTION && !released && wParam < 256) {
        handedOn[wParam]++;
    }
    return CallNextHookEx(laterHook, code, wParam, lParam);
}

HHOOK WINAPI FailingSetHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    return NULL;
}

struct Selection {
    DWORD start;
    DWORD end;
};

Selection SelectionOf(HWND edit)
{
    Selection selection = {0, 0};
    SendMessageA(edit, EM_GETSEL, (WPARAM)&selection.start, (LPARAM)&selection.end);
    return selection;
}

enum { HEX = 0, CHAR = 1, JUMP = 2 };

struct KeyFilterTest : testing::Test {
    HWND dialog = NULL;
    char path[MAX_PATH] = "";

    void SetUp() override
    {
        char directory[MAX_PATH];
        ASSERT_NE(GetTempPathA(sizeof directory, directory), 0u);
        ASSERT_NE(GetTempFileNameA(directory, "kf", 0, path), 0u);
        unsigned char bytes[FILE_BYTES];
        for (int i = 0; i < FILE_BYTES; i++) {
            bytes[i] = FileByte(i);
        }
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes, sizeof bytes, &written, NULL);
        CloseHandle(file);
        ASSERT_EQ(written, (DWORD)FILE_BYTES);
    }

    // The dialog as the user has it after opening the file: hex column
    // writable, read-only box checked, so nothing typed is ever stored.
    void Open(void)
    {
        dialog = OpenMainDialog();
        ASSERT_TRUE(dialog != NULL);
        OpenFile(dialog, path);
        ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
        ASSERT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_CHECKED);
        ASSERT_FALSE(GetWindowLongA(viewer.hexEdit, GWL_STYLE) & ES_READONLY);
        TraceWindow(HEX, viewer.hexEdit);
        TraceWindow(CHAR, viewer.charEdit);
        TraceWindow(JUMP, GetDlgItem(dialog, IDC_JUMP));
        BringToFront(dialog);
        // The keypad types digits only with Num Lock on. Toggled from the
        // jump box: the filter would swallow the key in a column. A new
        // thread may first see the lock off while Wine's desktop has it on,
        // and then the first press turns it off there.
        SetFocus(GetDlgItem(dialog, IDC_JUMP));
        for (int tries = 0; tries < 3 && !(GetKeyState(VK_NUMLOCK) & 1); tries++) {
            PressKey(VK_NUMLOCK);
        }
        ASSERT_TRUE(GetKeyState(VK_NUMLOCK) & 1);
    }

    void TearDown() override
    {
        if (laterHook != NULL) {
            UnhookWindowsHookEx(laterHook);
            laterHook = NULL;
        }
        CloseMainDialog(dialog);
        memset(traces, 0, sizeof traces);
        HANDLE file = CreateFileA(path, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        unsigned char bytes[FILE_BYTES + 1];
        DWORD read = 0;
        ReadFile(file, bytes, sizeof bytes, &read, NULL);
        CloseHandle(file);
        DeleteFileA(path);
        ASSERT_EQ(read, (DWORD)FILE_BYTES);
        int changed = 0;
        for (int i = 0; i < FILE_BYTES; i++) {
            changed += bytes[i] != FileByte(i);
        }
        EXPECT_EQ(changed, 0) << "the file was written";
    }

    HWND Column(int slot) { return slot == HEX ? viewer.hexEdit : viewer.charEdit; }

    // The first page afresh, the column focused and the caret inside a line.
    void FocusColumn(int slot)
    {
        // A page load renders all three columns, which is slow under Wine:
        // only when a key changed the page or its text.
        if (viewer.topLine != 0 || WindowText(viewer.hexEdit) != viewer.hexSnapshot) {
            LoadPage(dialog, 0);
        }
        SetFocus(Column(slot));
        SendMessageA(viewer.hexEdit, EM_SETSEL, HEX_CARET, HEX_CARET);
        SendMessageA(viewer.charEdit, EM_SETSEL, CHAR_CARET, CHAR_CARET);
        Pump(10);
        ClearTraces();
    }

    void SelectHexBytes(void)
    {
        SendMessageA(viewer.hexEdit, EM_SETSEL, HEX_CARET, HEX_CARET + 8);
        Pump(10);
        ClearTraces();
    }

    void PressWith(WORD modifier, WORD key)
    {
        KeyDown(modifier);
        PressKey(key);
        KeyUp(modifier);
    }
};

struct KeyCase {
    const char *name;
    WORD key;
    int passes;
    char typed;  // what the hex column then holds at the caret; 0: not typing
};

const KeyCase plainKeys[] = {
    {"Tab", VK_TAB, 0, 0},
    {"Enter", VK_RETURN, 0, 0},
    {"Backspace", VK_BACK, 0, 0},
    {"Delete", VK_DELETE, 0, 0},
    {"Insert", VK_INSERT, 0, 0},
    {"space", VK_SPACE, 0, 0},
    {"G", 'G', 0, 0},
    {"Q", 'Q', 0, 0},
    {"Z", 'Z', 0, 0},
    {"F1", VK_F1, 0, 0},
    {"minus", VK_OEM_MINUS, 0, 0},
    {"0", '0', 1, '0'},
    {"5", '5', 1, '5'},
    {"9", '9', 1, '9'},
    {"a", 'A', 1, 'A'},
    {"c", 'C', 1, 'C'},
    {"f", 'F', 1, 'F'},
    {"keypad 0", VK_NUMPAD0, 1, '0'},
    {"keypad 7", VK_NUMPAD7, 1, '7'},
    {"Left", VK_LEFT, 1, 0},
    {"Right", VK_RIGHT, 1, 0},
    {"Up", VK_UP, 1, 0},
    {"Down", VK_DOWN, 1, 0},
    {"Home", VK_HOME, 1, 0},
    {"End", VK_END, 1, 0},
    {"Page Up", VK_PRIOR, 1, 0},
    {"Page Down", VK_NEXT, 1, 0},
    {"Esc", VK_ESCAPE, 1, 0},
};

// Only hex digits and the navigation keys reach a dump column; a hex digit
// types into the hex column (lower case entered upper case), the cursor keys
// move the caret, and a swallowed key leaves text and caret alone.
TEST_F(KeyFilterTest, ColumnsGetHexDigitsAndNavigationKeysOnly)
{
    Open();
    for (int slot = HEX; slot <= CHAR; slot++) {
        for (const KeyCase &c : plainKeys) {
            SCOPED_TRACE(testing::Message() << (slot == HEX ? "hex column, " : "character column, ")
                                            << c.name);
            FocusColumn(slot);
            ASSERT_EQ(viewer.editFocus, slot == HEX ? 1 : 2);
            HWND column = Column(slot);
            const int caret = slot == HEX ? HEX_CARET : CHAR_CARET;
            const std::string before = WindowText(column);

            PressKey(c.key);

            const std::string after = WindowText(column);
            const Selection selection = SelectionOf(column);
            EXPECT_EQ(traces[slot].keyDowns[c.key], c.passes);
            if (!c.passes) {
                EXPECT_EQ(KeyDownsReaching(slot), 0);
                EXPECT_EQ(traces[slot].chars, 0);
                EXPECT_EQ(after, before);
                EXPECT_EQ(selection.start, (DWORD)caret);
                EXPECT_EQ(selection.end, (DWORD)caret);
            } else if (c.typed != 0 && slot == HEX) {
                ASSERT_GT(after.size(), (size_t)caret);
                EXPECT_EQ(after[caret], c.typed);
                EXPECT_GT(selection.start, (DWORD)caret);
            } else if (c.typed != 0) {
                // The character column is read-only: the digit reaches it
                // and changes nothing.
                EXPECT_EQ(after, before);
            } else if (c.key >= VK_END && c.key <= VK_DOWN) {
                EXPECT_NE(selection.start, (DWORD)caret);
                EXPECT_EQ(selection.start, selection.end);
            }
        }
    }
}

// Shift swallows every key in either column, Shift's own messages too: no
// keyboard selection and no shifted character.
TEST_F(KeyFilterTest, ShiftSelectsNothingAndTypesNothing)
{
    Open();
    const WORD keys[] = {VK_RIGHT, VK_DOWN, VK_END, VK_NEXT, '5', 'A', VK_NUMPAD3};
    for (int slot = HEX; slot <= CHAR; slot++) {
        FocusColumn(slot);
        HWND column = Column(slot);
        const int caret = slot == HEX ? HEX_CARET : CHAR_CARET;
        const std::string before = WindowText(column);
        KeyDown(VK_SHIFT);
        for (WORD key : keys) {
            PressKey(key);
        }
        KeyUp(VK_SHIFT);
        EXPECT_EQ(KeyDownsReaching(slot), 0) << slot;
        EXPECT_EQ(traces[slot].chars, 0) << slot;
        EXPECT_EQ(WindowText(column), before) << slot;
        EXPECT_EQ(SelectionOf(column).start, (DWORD)caret) << slot;
        EXPECT_EQ(SelectionOf(column).end, (DWORD)caret) << slot;
        EXPECT_EQ(viewer.topLine, 0u) << slot;
    }
}

// A selection in the hex column may be moved away from but never typed over,
// whichever column is served.
TEST_F(KeyFilterTest, HexSelectionSwallowsDigitsButNotNavigationOrCtrlF)
{
    Open();
    const struct {
        const char *name;
        WORD key;
        int passes;
    } keys[] = {
        {"0", '0', 0}, {"9", '9', 0},   {"a", 'A', 0},       {"e", 'E', 0},
        {"f", 'F', 0}, {"keypad 4", VK_NUMPAD4, 0}, {"Left", VK_LEFT, 1}, {"End", VK_END, 1},
        {"Esc", VK_ESCAPE, 1},
    };
    for (int slot = HEX; slot <= CHAR; slot++) {
        for (const auto &k : keys) {
            SCOPED_TRACE(testing::Message() << slot << " " << k.name);
            FocusColumn(slot);
            SelectHexBytes();
            const std::string before = WindowText(viewer.hexEdit);
            PressKey(k.key);
            EXPECT_EQ(traces[slot].keyDowns[k.key], k.passes);
            EXPECT_EQ(WindowText(viewer.hexEdit), before);
            if (!k.passes) {
                EXPECT_EQ(KeyDownsReaching(slot), 0);
                EXPECT_EQ(SelectionOf(viewer.hexEdit).start, (DWORD)HEX_CARET);
                EXPECT_EQ(SelectionOf(viewer.hexEdit).end, (DWORD)HEX_CARET + 8);
            }
        }
    }

    // Ctrl+F reaches the hex column over a selection, and its key handler
    // opens the search.
    FocusColumn(HEX);
    SelectHexBytes();
    PressWith(VK_CONTROL, 'F');
    EXPECT_EQ(traces[HEX].keyDowns['F'], 1);
    EXPECT_EQ(traces[HEX].keyDowns[VK_CONTROL], 0);
    ASSERT_TRUE(viewer.searchDialog != NULL && IsWindowVisible(viewer.searchDialog));
    SendMessageA(viewer.searchDialog, WM_COMMAND, IDCANCEL, 0);
    Pump();
    EXPECT_FALSE(IsWindow(viewer.searchDialog));

    // Without the selection the character column takes digits again.
    BringToFront(dialog);
    FocusColumn(CHAR);
    PressKey('4');
    EXPECT_EQ(traces[CHAR].keyDowns['4'], 1);
}

void DragAcross(HWND window, POINT from, POINT to)
{
    ClientToScreen(window, &from);
    ClientToScreen(window, &to);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const POINT points[4] = {from, from, {(from.x + to.x) / 2, to.y}, to};
    const DWORD actions[4] = {0, MOUSEEVENTF_LEFTDOWN, 0, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 4; i++) {
        INPUT input;
        ZeroMemory(&input, sizeof input);
        input.type = INPUT_MOUSE;
        input.mi.dx = (LONG)((points[i].x * 65536 + width / 2) / width);
        input.mi.dy = (LONG)((points[i].y * 65536 + height / 2) / height);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | actions[i];
        SendInput(1, &input, sizeof input);
        Pump(20);
    }
}

POINT CharacterPoint(HWND edit, int position)
{
    LRESULT packed = SendMessageA(edit, EM_POSFROMCHAR, position, 0);
    POINT point = {(short)LOWORD(packed) + 1, (short)HIWORD(packed) + 4};
    return point;
}

TEST_F(KeyFilterTest, MouseSelectionIsNotTypedOver)
{
    Open();
    FocusColumn(CHAR);
    DragAcross(viewer.hexEdit, CharacterPoint(viewer.hexEdit, 2 * 48 + 3),
               CharacterPoint(viewer.hexEdit, 2 * 48 + 20));
    ASSERT_EQ(GetFocus(), viewer.hexEdit);
    ASSERT_EQ(viewer.editFocus, 1);
    const Selection selection = SelectionOf(viewer.hexEdit);
    ASSERT_LT(selection.start, selection.end);
    const std::string before = WindowText(viewer.hexEdit);
    ClearTraces();

    const WORD keys[] = {'0', '7', VK_NUMPAD2, 'B', 'E', 'F'};
    for (WORD key : keys) {
        PressKey(key);
    }
    EXPECT_EQ(KeyDownsReaching(HEX), 0);
    EXPECT_EQ(WindowText(viewer.hexEdit), before);
    EXPECT_EQ(SelectionOf(viewer.hexEdit).start, selection.start);
    EXPECT_EQ(SelectionOf(viewer.hexEdit).end, selection.end);

    PressKey(VK_RIGHT);
    EXPECT_EQ(traces[HEX].keyDowns[VK_RIGHT], 1);
}

// The edit control receives the keypad key itself and types its digit; the
// hooks behind the filter see the main-row digit.
TEST_F(KeyFilterTest, KeypadDigitsTypeLikeMainRowDigitsAndGoOnLowered)
{
    memset(handedOn, 0, sizeof handedOn);
    laterHook = SetWindowsHookExA(WH_KEYBOARD, RecordHandedOn, NULL, GetCurrentThreadId());
    ASSERT_TRUE(laterHook != NULL);
    Open();

    for (int digit = 0; digit <= 9; digit++) {
        SCOPED_TRACE(digit);
        FocusColumn(HEX);
        memset(handedOn, 0, sizeof handedOn);
        PressKey((WORD)(VK_NUMPAD0 + digit));
        EXPECT_EQ(traces[HEX].keyDowns[VK_NUMPAD0 + digit], 1);
        EXPECT_EQ(WindowText(viewer.hexEdit)[HEX_CARET], '0' + digit);
        EXPECT_EQ(handedOn['0' + digit], 1);
        EXPECT_EQ(handedOn[VK_NUMPAD0 + digit], 0);
    }

    // What the filter swallows no later hook sees.
    FocusColumn(HEX);
    memset(handedOn, 0, sizeof handedOn);
    PressKey('G');
    PressWith(VK_SHIFT, '1');
    EXPECT_EQ(handedOn['G'], 0);
    EXPECT_EQ(handedOn['1'], 0);
    EXPECT_EQ(handedOn[VK_SHIFT], 0);

    // Idle, it hands every key on as it came.
    SetFocus(GetDlgItem(dialog, IDC_JUMP));
    Pump(10);
    ASSERT_EQ(viewer.editFocus, 0);
    memset(handedOn, 0, sizeof handedOn);
    PressKey(VK_NUMPAD7);
    PressKey('G');
    EXPECT_EQ(handedOn[VK_NUMPAD7], 1);
    EXPECT_EQ(handedOn['7'], 0);
    EXPECT_EQ(handedOn['G'], 1);
}

// F3 held lets every key through, onto a selection too; Shift still swallows.
TEST_F(KeyFilterTest, HeldF3OpensEveryKeyButShift)
{
    Open();
    FocusColumn(HEX);
    KeyDown(VK_F3);
    EXPECT_EQ(traces[HEX].keyDowns[VK_F3], 1);
    const WORD keys[] = {VK_TAB, VK_BACK, VK_DELETE, VK_SPACE, 'G', VK_F1};
    for (WORD key : keys) {
        PressKey(key);
        EXPECT_EQ(traces[HEX].keyDowns[key], 1) << key;
    }
    // The characters were typed; the column put its text back.
    EXPECT_GE(traces[HEX].chars, 3);

    SelectHexBytes();
    PressKey('1');
    EXPECT_EQ(traces[HEX].keyDowns['1'], 1);
    EXPECT_EQ(traces[HEX].chars, 1);

    // Shift's own key-down is judged before Shift reads down, and F3 lets it
    // through; what is pressed with it is swallowed.
    ClearTraces();
    PressWith(VK_SHIFT, '2');
    EXPECT_EQ(traces[HEX].keyDowns['2'], 0);
    EXPECT_EQ(traces[HEX].chars, 0);
    KeyUp(VK_F3);

    ClearTraces();
    PressKey('G');
    EXPECT_EQ(KeyDownsReaching(HEX), 0);
}

// A click on the check box sends the main dialog no EN_SETFOCUS: the filter
// still serves the column, and the space bar does not toggle the box. Coming
// from the jump box it does.
TEST_F(KeyFilterTest, SpaceDoesNotToggleTheReadOnlyBoxClickedFromAColumn)
{
    Open();
    HWND box = GetDlgItem(dialog, IDC_READONLY);

    ClickAt(GetDlgItem(dialog, IDC_JUMP), 5, 5);
    ASSERT_EQ(viewer.editFocus, 0);
    ClickAt(box, 5, 5);
    ASSERT_EQ(GetFocus(), box);
    ASSERT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_UNCHECKED);
    PressKey(VK_SPACE);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_CHECKED);

    ClickAt(viewer.hexEdit, 5, 5);
    ASSERT_EQ(viewer.editFocus, 1);
    ClickAt(box, 5, 5);
    ASSERT_EQ(GetFocus(), box);
    EXPECT_EQ(viewer.editFocus, 1);
    // The click cleared the box; the column's text is as rendered, so
    // nothing could be stored meanwhile.
    ASSERT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_UNCHECKED);
    EXPECT_EQ(WindowText(viewer.hexEdit), viewer.hexSnapshot);
    PressKey(VK_SPACE);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_READONLY, BST_CHECKED);
}

// In the jump box the filter is idle: every key reaches it, shifted ones too;
// what it refuses, ES_NUMBER refuses.
TEST_F(KeyFilterTest, JumpBoxGetsEveryKey)
{
    Open();
    HWND jump = GetDlgItem(dialog, IDC_JUMP);
    ClickAt(jump, 5, 5);
    ASSERT_EQ(GetFocus(), jump);
    ASSERT_EQ(viewer.editFocus, 0);
    SendMessageA(jump, EM_SETSEL, 0, -1);
    ClearTraces();

    PressKey('1');
    PressKey('2');
    PressKey(VK_NUMPAD3);
    EXPECT_EQ(WindowText(jump), "123");
    PressKey(VK_BACK);
    EXPECT_EQ(WindowText(jump), "12");
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(WindowText(jump), "2");
    PressKey('G');
    PressWith(VK_SHIFT, '4');
    PressWith(VK_SHIFT, VK_END);
    EXPECT_EQ(WindowText(jump), "2");
    EXPECT_EQ(traces[JUMP].keyDowns['G'], 1);
    EXPECT_EQ(traces[JUMP].keyDowns['4'], 1);
    EXPECT_EQ(traces[JUMP].keyDowns[VK_SHIFT], 2);
    // Shift+End selected the rest of the box.
    EXPECT_EQ(SelectionOf(jump).start, 0u);
    EXPECT_EQ(SelectionOf(jump).end, 1u);
}

// Drives a modal window of the thread from a timer inside its own loop: types
// real keys into it once it is up, then reads it and closes it.
struct ModalDrive {
    const char *caption;
    const char *keys;  // typed as characters; null: the key below
    WORD key;
    int phase;
    int ticks;
    std::string nameBox;  // the open dialog's file name, as typed
    int leftOpen;         // the keys did not close it
};
ModalDrive modal;

void CALLBACK DriveModal(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowA("#32770", modal.caption);
    if (box == NULL || !IsWindowVisible(box)) {
        if (++modal.ticks > 300 || modal.phase > 0) {
            KillTimer(NULL, timer);
        }
        return;
    }
    if (modal.phase == 0) {
        SetForegroundWindow(box);
        for (const char *c = modal.keys; c != NULL && *c != '\0'; c++) {
            InjectKey((WORD)(VkKeyScanA(*c) & 0xFF));
        }
        if (modal.keys == NULL) {
            InjectKey(modal.key);
        }
        modal.phase = 1;
    } else if (++modal.phase > 10) {
        // The file name box: the combo box of the explorer-style dialog.
        char name[MAX_PATH] = "";
        GetDlgItemTextA(box, 0x47C, name, sizeof name);
        modal.nameBox = name;
        modal.leftOpen = 1;
        KillTimer(NULL, timer);
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    }
}

// Keys typed into another window of the thread are that window's, whatever
// dump column was clicked last: the open dialog's name box gets every letter,
// with or without a hex selection, and Enter answers a message box.
TEST_F(KeyFilterTest, OtherWindowsGetTheirOwnKeys)
{
    Open();
    for (int selected = 0; selected < 2; selected++) {
        ClickAt(viewer.hexEdit, 5, 5);
        ASSERT_EQ(viewer.editFocus, 1);
        if (selected) {
            SelectHexBytes();
        }
        HANDLE open = viewer.fileHandle;
        modal = ModalDrive{"開く", "data.bin", 0, 0, 0, "", 0};
        SetTimer(NULL, 0, 20, DriveModal);
        SendMessageA(dialog, WM_COMMAND, IDM_OPEN, 0);
        EXPECT_EQ(modal.nameBox, "data.bin") << (selected ? "with a selection" : "no selection");
        EXPECT_EQ(viewer.fileHandle, open) << "the dialog was cancelled";
    }

    ClickAt(viewer.charEdit, 5, 5);
    ASSERT_EQ(viewer.editFocus, 2);
    modal = ModalDrive{"ﾒｯｾｰｼﾞ", NULL, VK_RETURN, 0, 0, "", 0};
    SetTimer(NULL, 0, 20, DriveModal);
    EXPECT_EQ(MessageBoxA(dialog, "Enter", "ﾒｯｾｰｼﾞ", MB_OK), IDOK);
    EXPECT_EQ(modal.leftOpen, 0);
}

// Without a hook the columns take every key: the failure is not hidden.
TEST_F(KeyFilterTest, AfterAFailedInstallKeysAreUnfiltered)
{
    StartMessageBoxCapture();
    setKeyboardHook = FailingSetHook;
    Open();
    setKeyboardHook = SetWindowsHookExA;
    ASSERT_EQ(CapturedMessageCount(), 1);
    EXPECT_EQ(CapturedText(0), "ﾌｯｸ失敗。");

    FocusColumn(HEX);
    PressKey('G');
    PressWith(VK_SHIFT, VK_RIGHT);
    EXPECT_EQ(traces[HEX].keyDowns['G'], 1);
    EXPECT_EQ(traces[HEX].keyDowns[VK_RIGHT], 1);
    EXPECT_EQ(traces[HEX].chars, 1);
    EXPECT_NE(SelectionOf(viewer.hexEdit).start, SelectionOf(viewer.hexEdit).end);

    CloseMainDialog(dialog);
    dialog = NULL;
    StopMessageBoxCapture();
    ASSERT_EQ(CapturedMessageCount(), 2);
    EXPECT_EQ(CapturedText(1), "ﾌｯｸ解除に失敗。");
}

}  // namespace
