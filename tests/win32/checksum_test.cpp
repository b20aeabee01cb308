// The checksum dialog on real files: its range from the selection, the file's
// bytes as stored summed, refusals and failures that show no result, and a
// running sum stopped by closing the file. The digests themselves are checked
// against the native tools end to end.
#include "edit_fixture.h"

#include "bytes/checksum_dialog.h"
#include "bytes/checksum_run.h"

namespace {

const char FAILED[] = "ﾌｧｲﾙの読み書きに失敗しました。";
const char BAD_RANGE[] = "範囲が正しくありません。";

int SumEnded(void)
{
    return !ChecksumRunning();
}

struct ChecksumTest : EditTest {
    HWND sums = NULL;

    void OpenSums()
    {
        SendMessageA(dialog, WM_COMMAND, IDM_CHECKSUM, 0);
        sums = ChecksumDialogWindow();
        ASSERT_TRUE(sums != NULL);
    }
    std::string Text(int id) const { return ItemText(sums, id); }
    void CheckEvery()
    {
        for (int id = IDC_CHECKSUM_CRC32; id <= IDC_CHECKSUM_SHA512; id++) {
            CheckDlgButton(sums, id, BST_CHECKED);
        }
    }
    void Start(const char *start, const char *size)
    {
        SetDlgItemTextA(sums, IDC_CHECKSUM_START, start);
        SetDlgItemTextA(sums, IDC_CHECKSUM_SIZE, size);
        SendMessageA(sums, WM_COMMAND, IDOK, 0);
    }
    // The result of a sum that runs to its end.
    std::string Sum(const char *start, const char *size)
    {
        Start(start, size);
        EXPECT_TRUE(PumpLoopUntil(SumEnded, 20000));
        return Text(IDC_CHECKSUM_RESULT);
    }
    // A file too long to sum within the test, all but its last byte a hole.
    void OpenLong(const char *name)
    {
        const unsigned char tail[1] = {0x5A};
        path = Path(name);
        ASSERT_TRUE(WriteSparseFile(path, 1ull << 32, tail, 1));
        OpenExisting();
    }
};

}  // namespace

// The dialog starts with the selection; while read-only is checked the typed
// digits stay on the page and out of the sum, once it is clear they are
// stored first and summed; ｺﾋﾟｰ copies the result as shown.
TEST_F(ChecksumTest, RangeFromTheSelectionAndTheBytesAsStored)
{
    OpenPatterned("sums.bin", 200 * 1024 + 5);
    LoadPage(dialog, 4090);
    SelectHex(3 * 95, 3 * 99);
    OpenSums();
    EXPECT_EQ(Text(IDC_CHECKSUM_START), "0000FFFF");
    EXPECT_EQ(Text(IDC_CHECKSUM_SIZE), "00000004");
    const int checked[] = {IDC_CHECKSUM_CRC32, IDC_CHECKSUM_SHA256};
    for (int id = IDC_CHECKSUM_CRC32; id <= IDC_CHECKSUM_SHA512; id++) {
        int expected = id == checked[0] || id == checked[1] ? BST_CHECKED : BST_UNCHECKED;
        EXPECT_EQ(IsDlgButtonChecked(sums, id), (UINT)expected) << id;
    }
    EXPECT_EQ(Text(IDCANCEL), "閉じる");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sums, IDC_CHECKSUM_COPY)));

    std::string before = Sum("FFF0", "20");
    EXPECT_EQ(before.substr(0, 9), "CRC-32   ");
    EXPECT_NE(before.find("\r\nSHA-256  "), std::string::npos) << before;
    std::vector<unsigned char> original = model;
    TypeAtByte(90, "7");
    SetReadOnlyBox(1);
    EXPECT_EQ(Sum("FFF0", "20"), before);
    EXPECT_EQ(ItemText(dialog, IDC_HEX)[3 * 90], '7');
    EXPECT_EQ(FirstDifference(MappedFileBytes(), original), "");

    TypeAtByte(90, "7");
    model[0xFFFA] = (unsigned char)(0x70 | (model[0xFFFA] & 0x0F));
    SetReadOnlyBox(0);
    std::string after = Sum("FFF0", "20");
    EXPECT_NE(after, before);
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
    SendMessageA(sums, WM_COMMAND, IDC_CHECKSUM_COPY, 0);
    EXPECT_EQ(ClipboardText(), after);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// Bad ranges keep the dialog open with no result; a file shrunk under a
// running sum says so and shows none; closing the file stops a sum.
TEST_F(ChecksumTest, RefusalsAndFailuresShowNoResult)
{
    OpenLong("long.bin");
    OpenSums();
    const char *bad[][2] = {{"100000000", "1"}, {"0", "0"}, {"FFFFFFFF", "2"}, {"x", "1"}};
    for (const auto &b : bad) {
        Start(b[0], b[1]);
        EXPECT_FALSE(ChecksumRunning()) << b[0];
    }
    ASSERT_EQ(CapturedMessageCount(), 4) << CapturedMessages();
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(CapturedText(i), BAD_RANGE);
    }
    EXPECT_EQ(ChecksumDialogWindow(), sums);

    CheckEvery();
    Start("0", "100000000");
    EXPECT_EQ(Text(IDCANCEL), "中止");
    PumpLoop(300);
    ASSERT_TRUE(ChecksumRunning());
    ASSERT_TRUE(RunHostShell("truncate -s 1048576 '" + UnixPath(path) + "'"));
    EXPECT_TRUE(PumpLoopUntil(SumEnded, 20000));
    ASSERT_EQ(CapturedMessageCount(), 5) << CapturedMessages();
    EXPECT_EQ(CapturedText(4), FAILED);
    EXPECT_EQ(Text(IDC_CHECKSUM_RESULT), "");
    EXPECT_EQ(WindowText(sums), "ﾁｪｯｸｻﾑ");
    EXPECT_EQ(Text(IDCANCEL), "閉じる");
    CloseFile(dialog);
    EXPECT_EQ(ChecksumDialogWindow(), (HWND)NULL);

    OpenLong("long2.bin");
    OpenSums();
    Start("0", "100000000");
    PumpLoop(100);
    ASSERT_TRUE(ChecksumRunning());
    CloseFile(dialog);
    EXPECT_FALSE(ChecksumRunning());
    EXPECT_EQ(ChecksumDialogWindow(), (HWND)NULL);
    EXPECT_EQ(CapturedMessageCount(), 5) << CapturedMessages();
}
