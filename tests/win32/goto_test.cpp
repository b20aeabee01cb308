// Going to a byte offset: the goto dialog opened by the menu command or by
// Ctrl+G in a column, typed into with real keys; where the page, the hex
// caret and the status line then stand; refused texts; the typing on the
// page left behind.
#include "edit_fixture.h"

#include <stdint.h>

#include <string>
#include <vector>

namespace {

const char BAD_OFFSET[] = "ｱﾄﾞﾚｽが正しくありません。";
// 12,501 lines, the last of 8 bytes; four 64 KB windows.
const uint64_t FILE_SIZE = 200008;
const uint64_t LAST_TOP = 12501 - 48;

HWND FindGotoDialog(void)
{
    return FindWindowA("#32770", "ｱﾄﾞﾚｽ指定");
}

// The box as the probe found it: on opening, then after each refused text.
struct GotoSeen {
    std::string text;
    DWORD selStart;
    DWORD selEnd;
};

// Drives the modal dialog from a timer that runs inside its loop: types each
// text with real keys over the box's selected text and presses Enter. A
// refused text brings a message box, which the capture closes; the next
// text follows. A dialog still open after the last text is left with Esc.
struct GotoProbe {
    std::vector<std::string> texts;
    int releaseCtrl;  // opened by Ctrl+G: let go of Ctrl before typing
    std::vector<GotoSeen> seen;
    int editFocusWhileOpen;
    std::string caption;
    std::string okText;
    std::string cancelText;
    std::string fontFace;
    int phase;
    size_t step;
    int ticks;
    int messages;
};
GotoProbe probe;

void Record(HWND edit)
{
    GotoSeen seen = {WindowText(edit), 0, 0};
    SendMessageA(edit, EM_GETSEL, (WPARAM)&seen.selStart, (LPARAM)&seen.selEnd);
    probe.seen.push_back(seen);
}

void InjectText(const std::string &text)
{
    for (char c : text) {
        InjectKey((WORD)(VkKeyScanA(c) & 0xFF));
    }
}

void CALLBACK DriveGotoDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindGotoDialog();
    if (++probe.ticks > 300) {
        // Never hang the run: a dialog that would not close fails the test.
        KillTimer(NULL, timer);
        if (box != NULL) {
            EndDialog(box, IDCANCEL);
        }
        return;
    }
    HWND edit = GetDlgItem(box, IDC_GOTO_OFFSET);
    if (box == NULL || !IsWindowVisible(box) || !IsWindowEnabled(box) || GetFocus() != edit) {
        return;
    }
    switch (probe.phase) {
    case 0: {
        probe.editFocusWhileOpen = viewer.editFocus;
        probe.caption = WindowText(box);
        probe.okText = ItemText(box, IDOK);
        probe.cancelText = ItemText(box, IDCANCEL);
        LOGFONTA font;
        GetObjectA((HFONT)SendMessageA(edit, WM_GETFONT, 0, 0), sizeof font, &font);
        probe.fontFace = font.lfFaceName;
        Record(edit);
        if (probe.releaseCtrl) {
            SendKey(VK_CONTROL, KEYEVENTF_KEYUP);
        }
        probe.phase = 1;
        break;
    }
    case 1:
        if (probe.step == probe.texts.size()) {
            InjectKey(VK_ESCAPE);
            probe.phase = 4;
            break;
        }
        InjectText(probe.texts[probe.step]);
        probe.phase = 2;
        break;
    case 2:
        if (WindowText(edit) == probe.texts[probe.step]) {
            probe.messages = CapturedMessageCount();
            InjectKey(VK_RETURN);
            probe.phase = 3;
        }
        break;
    case 3:
        if (CapturedMessageCount() > probe.messages) {
            Record(edit);
            probe.step++;
            probe.phase = 1;
        }
        break;
    }
}

void Drop(HWND dialog, const std::string &path)
{
    HDROP drop = MakeDrop({path});
    ASSERT_TRUE(drop != NULL);
    SendMessageA(dialog, WM_DROPFILES, (WPARAM)drop, 0);
    Pump(10);
}

struct GotoTest : EditTest {
    // The goto command as the menu sends it, or Ctrl+G typed into the
    // column that has the focus; returns when the dialog has closed.
    void RunGoto(const std::vector<std::string> &texts, int byCtrlG = 0)
    {
        probe = GotoProbe();
        probe.texts = texts;
        probe.releaseCtrl = byCtrlG;
        probe.editFocusWhileOpen = -1;
        UINT_PTR timer = SetTimer(NULL, 0, 20, DriveGotoDialog);
        if (byCtrlG) {
            KeyDown(VK_CONTROL);
            PressKey('G');
            KeyUp(VK_CONTROL);
        } else {
            SendMessageA(dialog, WM_COMMAND, IDM_GOTO, 0);
        }
        KillTimer(NULL, timer);
        Pump();
        EXPECT_LE(probe.ticks, 300) << "the goto dialog did not close";
        EXPECT_TRUE(FindGotoDialog() == NULL);
    }

    // The page at top shown in the three columns, from the file's bytes.
    void ExpectPage(uint64_t top)
    {
        EXPECT_EQ(viewer.topLine, top);
        size_t count = (size_t)(FILE_SIZE - top * 16 < 768 ? FILE_SIZE - top * 16 : 768);
        EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), ExpectedAddresses(top, count));
        EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage()));
    }
};

// Without a file the command is grayed and neither it nor Ctrl+G opens the
// dialog. With one, the dialog opens from the menu and from Ctrl+G in
// either column, in the search dialog's font, with the offset of the caret's
// byte (or the selection's first) selected in its box, the key filter idle.
TEST_F(GotoTest, OpensOnlyWithAFileAndStartsAtTheCaretsOffset)
{
    EXPECT_FALSE(GotoEnabled(dialog));
    FocusHex();
    RunGoto({});
    RunGoto({}, 1);
    EXPECT_TRUE(probe.seen.empty());

    path = Path("goto.bin");
    ASSERT_TRUE(WritePatternFile(path, (size_t)FILE_SIZE));
    model = PatternBytes(0, (size_t)FILE_SIZE);
    Drop(dialog, path);
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(GotoEnabled(dialog));

    const struct {
        const char *name;
        int hex;
        uint64_t line;
        DWORD selStart;
        DWORD selEnd;
        int byCtrlG;
        const char *text;
    } cases[] = {
        {"hex caret before byte 5", 1, 100, 15, 15, 1, "00000645"},
        {"hex caret on the low digit, from the menu", 1, 100, 16, 16, 0, "00000645"},
        {"hex selection", 1, 100, 9, 44, 1, "00000643"},
        {"character caret", 0, 100, 19, 19, 1, "00000651"},
        {"end of the last page: the file size", 1, LAST_TOP, 2280, 2280, 1, "00030D48"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LoadPage(dialog, c.line);
        HWND column = c.hex ? viewer.hexEdit : viewer.charEdit;
        BringToFront(dialog);
        SetFocus(column);
        SendMessageA(column, EM_SETSEL, c.selStart, c.selEnd);
        Pump(10);

        RunGoto({}, c.byCtrlG);

        ASSERT_EQ(probe.seen.size(), 1u);
        EXPECT_EQ(probe.seen[0].text, c.text);
        EXPECT_EQ(probe.seen[0].selStart, 0u);
        EXPECT_EQ(probe.seen[0].selEnd, (DWORD)strlen(c.text));
        EXPECT_EQ(probe.editFocusWhileOpen, 0);
        EXPECT_EQ(probe.caption, "ｱﾄﾞﾚｽ指定");
        EXPECT_EQ(probe.okText, "OK");
        EXPECT_EQ(probe.cancelText, "ｷｬﾝｾﾙ");
        EXPECT_EQ(probe.fontFace, "ＭＳ 明朝");
        // Cancelled: nothing moved.
        ExpectPage(c.line);
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(column, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, c.selStart);
        EXPECT_EQ(end, c.selEnd);
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// An offset on the page shown leaves the page; any other becomes the top
// line, clamped near the end. The hex column gets the focus with the caret
// before the byte's first digit, and the status line shows the offset.
TEST_F(GotoTest, AcceptedOffsetShowsItsByteWithTheHexCaretBeforeIt)
{
    OpenPatterned("goto.bin", (size_t)FILE_SIZE);
    const struct {
        const char *name;
        uint64_t from;
        const char *typed;
        uint64_t top;
        DWORD caret;
        const char *status;
    } cases[] = {
        {"on the page shown", 10, "2f3", 10, 1785, "ｱﾄﾞﾚｽ 00000000 000002F3"},
        {"in another window", 10, "0x1a2b3", 0x1A2B, 9, "ｱﾄﾞﾚｽ 00000000 0001A2B3"},
        {"a page across two windows", 10, " ffa5h ", 4090, 15, "ｱﾄﾞﾚｽ 00000000 0000FFA5"},
        {"the file's last byte", 10, "30d47", LAST_TOP, 2277, "ｱﾄﾞﾚｽ 00000000 00030D47"},
        {"clamped to the last page", 10, "30c00", LAST_TOP, 1296, "ｱﾄﾞﾚｽ 00000000 00030C00"},
        {"the first byte", LAST_TOP, "0", 0, 0, "ｱﾄﾞﾚｽ 00000000 00000000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LoadPage(dialog, c.from);
        BringToFront(dialog);
        SetFocus(viewer.charEdit);
        Pump(10);

        RunGoto({c.typed});

        EXPECT_EQ(probe.seen.size(), 1u);
        ExpectPage(c.top);
        EXPECT_EQ(GetFocus(), viewer.hexEdit);
        EXPECT_EQ(ReadHexSelection(), (HexSelection{c.caret, c.caret}));
        EXPECT_EQ(StatusLine(dialog), c.status);
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// The last byte of a 4096 GB file, whose offset needs eleven digits.
TEST_F(GotoTest, LastByteOfTheLargestFile)
{
    const uint64_t size = 1ull << 42;
    const unsigned char tail[] = {0x11, 0x22, 0x33, 0xE7};
    path = Path("largest.bin");
    ASSERT_TRUE(WriteSparseFile(path, size, tail, sizeof tail));
    OpenExisting();

    RunGoto({"3ffffffffff"});

    EXPECT_EQ(viewer.topLine, (1ull << 38) - 48);
    EXPECT_EQ(ReadHexSelection(), (HexSelection{2301, 2301}));
    EXPECT_EQ(ItemText(dialog, IDC_HEX).substr(2292), "11 22 33 E7 ");
    EXPECT_EQ(StatusLine(dialog), "ｱﾄﾞﾚｽ 000003FF FFFFFFFF");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// Texts that are no offset, and offsets at or past the end: one message
// each, the dialog stays with the text selected, nothing moves and the
// typing on the page stays unstored. A goto on the page shown stores nothing
// either; one that moves the page stores it, the read-only box being clear.
TEST_F(GotoTest, RefusedTextsMoveNothingAndOnlyAMoveStoresTheTyping)
{
    OpenPatterned("goto.bin", (size_t)FILE_SIZE);
    const std::vector<unsigned char> original = model;
    SetReadOnlyBox(0);
    LoadPage(dialog, 10);
    TypeStoredByte(3, 0x5A);
    ASSERT_EQ(ReadHexSelection(), (HexSelection{12, 12}));

    const std::vector<std::string> refused = {"30d48", "zz",  "10000000000000000",
                                              "0x",    "1a 2b", "-1"};
    RunGoto(refused);

    ASSERT_EQ(probe.seen.size(), refused.size() + 1);
    EXPECT_EQ(probe.seen[0].text, "000000A4");
    for (size_t i = 0; i < refused.size(); i++) {
        SCOPED_TRACE(refused[i]);
        EXPECT_EQ(CapturedText((int)i), BAD_OFFSET);
        EXPECT_EQ(CapturedCaption((int)i), "ﾒｯｾｰｼﾞ");
        EXPECT_EQ(probe.seen[i + 1].text, refused[i]);
        EXPECT_EQ(probe.seen[i + 1].selStart, 0u);
        EXPECT_EQ(probe.seen[i + 1].selEnd, (DWORD)refused[i].size());
    }
    EXPECT_EQ(CapturedMessageCount(), (int)refused.size());
    EXPECT_EQ(viewer.topLine, 10u);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage()));
    EXPECT_EQ(ReadHexSelection(), (HexSelection{12, 12}));
    EXPECT_EQ(FirstDifference(MappedFileBytes(), original), "");

    StartMessageBoxCapture();
    RunGoto({"a0"});
    EXPECT_EQ(viewer.topLine, 10u);
    EXPECT_EQ(ReadHexSelection(), (HexSelection{0, 0}));
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage()));
    EXPECT_EQ(FirstDifference(MappedFileBytes(), original), "");

    RunGoto({"1a2b3"});
    EXPECT_EQ(viewer.topLine, 0x1A2Bu);
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

}  // namespace
