// Bytes written over the open file by the paste's write path, and the paste,
// copy and range commands around it, checked on the file's own bytes.
#include "edit_fixture.h"

#include "base/byte_cell.h"
#include "bytes/range_save.h"
#include "file/choose_file.h"
#include "view/overwrite_bytes.h"

namespace {

const size_t kWindow = 65536;
const size_t kFewWindows = 200 * 1024 + 5;

}  // namespace

namespace {

const char NOT_HEX[] = "16進数として貼り付けできません。";
const char READ_ONLY[] = "読み取り専用のため、貼り付けできません。";
const char PAST_END[] = "ﾌｧｲﾙの終わりを超えるため、貼り付けできません。";
const char TOO_LARGE[] = "貼り付けられるのは 16MB までです。";
const char FAILED[] = "ﾌｧｲﾙの読み書きに失敗しました。";
const char SAVED[] = "保存しました。";
const char BAD_RANGE[] = "範囲が正しくありません。";

void EmptyTheClipboard(void)
{
    if (OpenClipboard(NULL)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

void SelectChars(DWORD start, DWORD end)
{
    SendMessageA(viewer.charEdit, EM_SETSEL, start, end);
}

}  // namespace

// The hex column's paste crosses a window boundary byte for byte and selects
// what it pasted; the character column's pastes the text's own bytes.
TEST_F(EditTest, PasteWritesTheClipboardsBytesFromTheCaret)
{
    OpenPatterned("paste.bin", kFewWindows);
    SetReadOnlyBox(0);
    LoadPage(dialog, 4090);
    ASSERT_TRUE(PutTextOnClipboard("{ 0x4D, 0x5A }, xx"));
    SelectHex(3 * 5, 3 * 5);
    SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
    model[4090 * 16 + 5] = 0x4D;
    model[4090 * 16 + 6] = 0x5A;

    std::string run;
    for (int i = 0; i < 200; i++)
        run += "a0b1 ";
    ASSERT_TRUE(PutTextOnClipboard(run.c_str()));
    SelectHex(3 * 90, 3 * 92);  // the selection's first byte, past its end
    SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
    for (size_t i = 0; i < 400; i++)
        model[4090 * 16 + 90 + i] = i % 2 ? 0xB1 : 0xA0;
    EXPECT_EQ(ReadHexSelection(), (HexSelection{3 * 90, 3 * 490 - 1}));
    EXPECT_EQ(GetFocus(), viewer.hexEdit);

    SetFocus(viewer.charEdit);
    Pump(10);
    SelectChars(18 + 3, 18 + 3);
    ASSERT_TRUE(PutTextOnClipboard("あ\\ｱ"));
    SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
    const unsigned char text[] = {0x82, 0xA0, 0x5C, 0xB1};
    std::copy(text, text + 4, model.begin() + 4090 * 16 + 16 + 3);

    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage()));
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// Each refusal writes nothing and says its one message; no text says nothing.
TEST_F(EditTest, RefusedPastesWriteNothing)
{
    OpenPatterned("refused.bin", 1000);
    LoadPage(dialog, 100);
    ASSERT_EQ(viewer.topLine * 16, 240u);
    std::string large(16 * 1024 * 1024 + 1, 'x');
    const struct {
        const char *name;
        int readOnly;
        int column;
        const char *text;  // null: the clipboard emptied
        const char *message;
    } cases[] = {
        {"read-only", 1, COLUMN_HEX, "00", READ_ONLY},
        {"not hex", 0, COLUMN_HEX, "4D 5A 9", NOT_HEX},
        {"past the end", 0, COLUMN_HEX, "01 02 03 04 05 06 07 08 09", PAST_END},
        {"too large", 0, COLUMN_CHAR, large.c_str(), TOO_LARGE},
        {"empty", 0, COLUMN_HEX, "", nullptr},
        {"no text", 0, COLUMN_HEX, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        SetReadOnlyBox(c.readOnly);
        if (c.text != nullptr) {
            ASSERT_TRUE(PutTextOnClipboard(c.text));
        } else {
            EmptyTheClipboard();
        }
        if (c.column == COLUMN_CHAR) {
            SetFocus(viewer.charEdit);
            Pump(10);
            SelectChars(0, 0);
        } else {
            FocusHex();
            SelectHex(3 * 752, 3 * 752);  // 8 bytes before the end
        }
        int before = CapturedMessageCount();
        SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
        EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "") << c.name;
        ASSERT_EQ(CapturedMessageCount(), before + (c.message ? 1 : 0)) << c.name;
        if (c.message) {
            EXPECT_EQ(CapturedText(before), c.message) << c.name;
        }
    }
}

// Digits typed on the page are stored before the pasted bytes, and copies
// read them as shown.
TEST_F(EditTest, CopyReadsThePageAsShownAndPasteStoresTypedDigitsFirst)
{
    OpenPatterned("typed.bin", 1000);
    SetReadOnlyBox(0);
    TypeStoredByte(2, 0x7F);
    SelectHex(3 * 1, 3 * 3 - 1);
    SendMessageA(dialog, WM_COMMAND, IDM_COPY, 0);
    EXPECT_EQ(ClipboardText(), ExpectedHex({model[1], 0x7F}).substr(0, 5));
    SetFocus(viewer.charEdit);
    Pump(10);
    SelectChars(0, 4);
    SendMessageA(dialog, WM_COMMAND, IDM_COPY, 0);
    EXPECT_EQ(ClipboardText(), ExpectedChars({model[0], model[1], 0x7F, model[3]}));
    // No selection, no copy.
    SelectChars(2, 2);
    SendMessageA(dialog, WM_COMMAND, IDM_COPY, 0);
    EXPECT_EQ(ClipboardText(), ExpectedChars({model[0], model[1], 0x7F, model[3]}));

    ASSERT_TRUE(PutTextOnClipboard("EE"));
    FocusHex();
    SelectHex(3 * 40, 3 * 40);
    SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
    model[40] = 0xEE;
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

namespace {

// Fills the modal range dialog from a timer running inside its loop and
// presses OK; a dialog still open once a refusal's message was closed is
// noted and cancelled.
struct RangeDrive {
    std::string start;
    std::string size;
    int button;
    int phase;
    int ticks;
    int stayedOpen;
    std::string shownStart;
    std::string shownSize;
};
RangeDrive drive;

void CALLBACK DriveRangeDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowA("#32770", "範囲指定");
    if (++drive.ticks > 300 || (drive.phase == 1 && box == NULL)) {
        KillTimer(NULL, timer);
        if (box != NULL) {
            EndDialog(box, IDCANCEL);
        }
        return;
    }
    if (box == NULL || !IsWindowVisible(box) || !IsWindowEnabled(box)) {
        return;
    }
    if (drive.phase == 0) {
        drive.shownStart = ItemText(box, IDC_RANGE_START);
        drive.shownSize = ItemText(box, IDC_RANGE_SIZE);
        SetDlgItemTextA(box, IDC_RANGE_START, drive.start.c_str());
        SetDlgItemTextA(box, IDC_RANGE_SIZE, drive.size.c_str());
        CheckRadioButton(box, IDC_RANGE_HEX, IDC_RANGE_SAVE, drive.button);
        drive.phase = 1;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    } else {
        drive.stayedOpen = 1;
        KillTimer(NULL, timer);
        EndDialog(box, IDCANCEL);
    }
}

std::string saveTarget;

int ChooseTestTarget(HWND, char *path)
{
    lstrcpyA(path, saveTarget.c_str());
    return 1;
}

int SaveEnded(void)
{
    return RangeSaveWindow() == NULL;
}

struct RangeTest : EditTest {
    void SetUp() override
    {
        EditTest::SetUp();
        chooseSaveTarget = ChooseTestTarget;
    }
    void TearDown() override
    {
        CloseFile(dialog);
        chooseSaveTarget = ChooseSaveFile;
        EditTest::TearDown();
    }
    void RunRange(const char *start, const char *size, int button)
    {
        drive = RangeDrive{start, size, button, 0, 0, 0, "", ""};
        SetTimer(NULL, 0, 20, DriveRangeDialog);
        SendMessageA(dialog, WM_COMMAND, IDM_RANGE, 0);
    }
};

}  // namespace

// The dialog starts with the selection; copies come from the file, typed
// digits stored first; bad ranges keep the dialog open with their message.
TEST_F(RangeTest, CopiesAndRefusalsOfARange)
{
    OpenPatterned("range.bin", kFewWindows);
    SetReadOnlyBox(0);
    LoadPage(dialog, 4090);
    TypeStoredByte(100, 0x01);
    SelectHex(3 * 95, 3 * 99);
    RunRange("FFF5", "13", IDC_RANGE_HEX);
    EXPECT_EQ(drive.shownStart, "0000FFFF");
    EXPECT_EQ(drive.shownSize, "00000004");
    std::vector<unsigned char> range(model.begin() + 0xFFF5, model.begin() + 0xFFF5 + 0x13);
    std::vector<unsigned char> first(range.begin(), range.begin() + 16);
    std::vector<unsigned char> rest(range.begin() + 16, range.end());
    EXPECT_EQ(ClipboardText(), ExpectedHex(first).substr(0, 47) + "\r\n"
                                   + ExpectedHex(rest).substr(0, 8) + "\r\n");
    RunRange("0", "3", IDC_RANGE_C);
    char array[160];
    snprintf(array, sizeof array, "unsigned char data[3] = {\r\n    0x%02X, 0x%02X, 0x%02X\r\n};\r\n",
             model[0], model[1], model[2]);
    EXPECT_EQ(ClipboardText(), array);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();

    const char *bad[][2] = {{"32005", "1"}, {"0", "0"}, {"32000", "6"}, {"x", "1"}};
    for (const auto &b : bad) {
        RunRange(b[0], b[1], IDC_RANGE_HEX);
        EXPECT_EQ(drive.stayedOpen, 1) << b[0];
    }
    CloseFile(dialog);
    const unsigned char tail[1] = {0x42};
    path = Path("large.bin");
    ASSERT_TRUE(WriteSparseFile(path, 17 * 1024 * 1024, tail, 1));
    OpenExisting();
    RunRange("0", "1000001", IDC_RANGE_C);
    EXPECT_EQ(drive.stayedOpen, 1);
    ASSERT_EQ(CapturedMessageCount(), 5) << CapturedMessages();
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(CapturedText(i), BAD_RANGE);
    EXPECT_EQ(CapturedText(4), "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰできるのは 16MB までです。");
}

// A range straddling windows saves as the file's bytes, over a longer file of
// that name too; the open file as the target is refused; 中止 leaves no
// target behind.
TEST_F(RangeTest, SaveWritesTheRangeOrNothing)
{
    OpenPatterned("source.bin", kFewWindows);
    saveTarget = Path("saved.bin");
    ASSERT_TRUE(WritePatternFile(saveTarget, 0x30000));
    RunRange("FF00", "20105", IDC_RANGE_SAVE);
    // Positioned reads between ticks move the open file's pointer.
    SetFilePointer(viewer.fileHandle, 7, NULL, FILE_BEGIN);
    ASSERT_TRUE(PumpLoopUntil(SaveEnded, 20000));
    std::vector<unsigned char> range(model.begin() + 0xFF00, model.begin() + 0xFF00 + 0x20105);
    EXPECT_EQ(FirstDifference(DiskBytes(saveTarget), range), "");
    ASSERT_EQ(CapturedMessageCount(), 1) << CapturedMessages();
    EXPECT_EQ(CapturedText(0), SAVED);

    saveTarget = path;
    RunRange("0", "10", IDC_RANGE_SAVE);
    EXPECT_TRUE(SaveEnded());
    ASSERT_EQ(CapturedMessageCount(), 2) << CapturedMessages();
    EXPECT_EQ(CapturedText(1), "開いているﾌｧｲﾙには保存できません。");

    saveTarget = Path("stopped.bin");
    RunRange("0", "20000", IDC_RANGE_SAVE);
    ASSERT_FALSE(SaveEnded());
    SendMessageA(RangeSaveWindow(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(SaveEnded());
    EXPECT_EQ(GetFileAttributesA(saveTarget.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(CapturedMessageCount(), 3) << CapturedMessages();
    EXPECT_EQ(CapturedText(2), FAILED);
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
}

// A target on a full disk fails part-way and is deleted.
TEST_F(RangeTest, SaveOntoAFullDiskLeavesNoTarget)
{
    std::string mountPoint = Path("full");
    ASSERT_TRUE(CreateDirectoryA(mountPoint.c_str(), NULL));
    std::string unixFolder = UnixPath(mountPoint);
    if (unixFolder.empty() ||
        !RunHostShell("mount -t tmpfs -o size=256k korvex-full '" + unixFolder + "'")) {
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root under Wine)";
    }
    OpenPatterned("source.bin", 640 * 1024);
    saveTarget = mountPoint + "\\saved.bin";
    RunRange("0", "A0000", IDC_RANGE_SAVE);
    EXPECT_TRUE(PumpLoopUntil(SaveEnded, 20000));
    EXPECT_EQ(GetFileAttributesA(saveTarget.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(CapturedMessageCount(), 1) << CapturedMessages();
    EXPECT_EQ(CapturedText(0), FAILED);
    RunHostShell("umount '" + unixFolder + "'");
}

// A file under 16 bytes is one window shorter than a line: a paste, a value
// written in the inspector and a range copied each take exactly their bytes.
TEST_F(RangeTest, FilesUnderALinePasteWriteAndCopy)
{
    for (size_t size : {1u, 10u, 15u}) {
        SCOPED_TRACE(size);
        OpenPatterned(("small" + std::to_string(size) + ".bin").c_str(), size);
        SetReadOnlyBox(0);
        ASSERT_TRUE(PutTextOnClipboard("AB"));
        SelectHex(0, 0);
        SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
        model[0] = 0xAB;

        SendMessageA(dialog, WM_COMMAND, IDM_INSPECTOR, 0);
        HWND row = GetDlgItem(viewer.inspectorDialog, IDC_INSPECTOR_INT8);
        SelectHex(3 * (DWORD)(size - 1), 3 * (DWORD)(size - 1));
        SetFocus(row);
        SetWindowTextA(row, "1");
        SendMessageA(viewer.inspectorDialog, WM_COMMAND, IDOK, 0);
        model[size - 1] = 0x01;
        SendMessageA(viewer.inspectorDialog, WM_COMMAND, IDCANCEL, 0);

        char hexSize[4];
        snprintf(hexSize, sizeof hexSize, "%X", (unsigned)size);
        RunRange("0", hexSize, IDC_RANGE_HEX);
        EXPECT_EQ(ClipboardText(), ExpectedHex(model).substr(0, 3 * size - 1) + "\r\n");
        CloseFile(dialog);
        EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// With 読み取り専用 checked the range dialog leaves the typed digits on the
// page and copies the file as stored. After a page that failed to load, the
// caret on screen points at no byte: the paste is refused with the page's
// message and writes nothing.
TEST_F(RangeTest, ReadOnlyRangeKeepsTypedDigitsAndNoPasteWithoutAPage)
{
    OpenPatterned("kept.bin", 4 * 65536);
    TypeAtByte(1, "e");
    std::string typed = ItemText(dialog, IDC_HEX);
    RunRange("0", "2", IDC_RANGE_HEX);
    EXPECT_TRUE(ItemText(dialog, IDC_HEX) == typed) << "the typed digit is gone";
    EXPECT_EQ(ClipboardText(), ExpectedHex({model[0], model[1]}).substr(0, 5) + "\r\n");

    std::string unixPath = UnixPath(path);
    if (unixPath.empty()) {
        GTEST_SKIP() << "needs Wine: the file is shrunk by a native program";
    }
    ASSERT_TRUE(RunHostShell("truncate -s 65536 '" + unixPath + "'"));
    LoadPage(dialog, 8192);
    ASSERT_EQ(viewer.pageRendered, 0);
    ASSERT_EQ(CapturedMessageCount(), 1) << CapturedMessages();
    SetReadOnlyBox(0);
    ASSERT_TRUE(PutTextOnClipboard("11 22"));
    SelectHex(3 * 5, 3 * 5);
    SendMessageA(dialog, WM_COMMAND, IDM_PASTE, 0);
    ASSERT_EQ(CapturedMessageCount(), 2) << CapturedMessages();
    EXPECT_EQ(CapturedText(0), FAILED);
    EXPECT_EQ(CapturedText(1), FAILED);
    CloseFile(dialog);
    model.resize(65536);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
}
