// The data inspector over a real file: its rows follow the caret, a page
// move and a typed digit; bytes past the page come from the file and the
// file's end gives "-"; a value written lands on disk, across a window
// boundary, in either byte order; read-only and bad values write nothing.
#include "edit_fixture.h"
#include "view/caret_place.h"

#include <stdint.h>

#include <string>
#include <vector>

namespace {

struct InspectorTest : EditTest {
    HWND inspector = NULL;

    void OpenInspector()
    {
        SendMessageA(dialog, WM_COMMAND, IDM_INSPECTOR, 0);
        Pump();
        inspector = viewer.inspectorDialog;
        ASSERT_TRUE(inspector != NULL);
    }

    std::string Row(int id) const { return ItemText(inspector, id); }

    // The caret onto page byte k by a real key (Right from its high digit
    // to its low one), as a user's move reaches the inspector.
    void CaretTo(uint32_t k)
    {
        FocusHex();
        SelectHex(3 * k, 3 * k);
        PressKey(VK_RIGHT);
        Pump();
    }

    // A value typed into a row and confirmed as Enter confirms it.
    void Confirm(int id, const char *text)
    {
        HWND row = GetDlgItem(inspector, id);
        SetFocus(row);
        SetWindowTextA(row, text);
        SendMessageA(inspector, WM_COMMAND, IDOK, 0);
        Pump();
    }

    void SetBigEndian(int checked)
    {
        CheckDlgButton(inspector, IDC_INSPECTOR_BIG_ENDIAN, checked ? BST_CHECKED : BST_UNCHECKED);
        SendMessageA(inspector, WM_COMMAND, IDC_INSPECTOR_BIG_ENDIAN, 0);
    }

    uint32_t Uint32At(uint64_t offset) const
    {
        return model[offset] | model[offset + 1] << 8 | model[offset + 2] << 16
               | (uint32_t)model[offset + 3] << 24;
    }

    void Put(uint64_t offset, std::vector<unsigned char> bytes)
    {
        for (size_t i = 0; i < bytes.size(); i++) {
            model[offset + i] = bytes[i];
        }
    }
};

TEST_F(InspectorTest, OpensBesideTheDialogAndClosesFromTheMenu)
{
    OpenInspector();
    EXPECT_EQ(WindowText(inspector), "ﾃﾞｰﾀ ｲﾝｽﾍﾟｸﾀ");
    EXPECT_TRUE(GetMenuState(GetMenu(dialog), IDM_INSPECTOR, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT8), "") << "no file open";
    RECT main;
    RECT own;
    RECT work;
    GetWindowRect(dialog, &main);
    GetWindowRect(inspector, &own);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(own.left == main.right || own.right == work.right) << own.left << " " << main.right;
    EXPECT_TRUE(own.left >= work.left && own.right <= work.right && own.bottom <= work.bottom);
    EXPECT_EQ(own.top, main.top);
    SendMessageA(inspector, WM_COMMAND, IDCANCEL, 0);
    Pump();
    EXPECT_TRUE(viewer.inspectorDialog == NULL);
    EXPECT_FALSE(IsWindow(inspector));
    EXPECT_FALSE(GetMenuState(GetMenu(dialog), IDM_INSPECTOR, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(InspectorTest, RowsFollowTheCaretAPageMoveAndATypedDigit)
{
    model = PatternBytes(0, 2000);
    Put(16, {0x78, 0x56, 0x34, 0x12});
    OpenBytes("follow.bin", model);
    OpenInspector();
    CaretTo(16);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT32), "305419896");
    EXPECT_EQ(Row(IDC_INSPECTOR_BINARY), "01111000");
    EXPECT_EQ(Row(IDC_INSPECTOR_SHIFT_JIS), "x (78)");
    SetBigEndian(1);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT32), "2018915346");
    SetBigEndian(0);

    PressKey(VK_NEXT);
    Pump();
    ASSERT_EQ(viewer.topLine, 48u);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT32), std::to_string(Uint32At(CaretFileOffset())));

    TypeAtByte(0, "f");  // the high digit of byte 768; the caret stays on it
    Pump();
    model[768] = (unsigned char)((model[768] & 0x0F) | 0xF0);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT32), std::to_string(Uint32At(768)))
        << "shown before it is stored";
    EXPECT_NE(MappedFileBytes()[768], model[768]);

    SendMessageA(dialog, WM_COMMAND, IDM_INSPECTOR, 0);
    Pump();
    EXPECT_TRUE(viewer.inspectorDialog == NULL) << "the menu command closes it again";
}

TEST_F(InspectorTest, BytesPastThePageComeFromTheFileAndTheEndGivesADash)
{
    std::vector<unsigned char> bytes(800, 0x20);
    model = bytes;
    Put(764, {1, 2, 3, 4, 5, 6, 7, 8});
    Put(797, {0x41, 0x42, 0x82});
    OpenBytes("tail.bin", model);
    OpenInspector();
    CaretTo(764);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT64), "578437695752307201");
    EXPECT_EQ(Row(IDC_INSPECTOR_DOUBLE), "5.447603722011605e-270");

    LoadPage(dialog, 2);  // the last page: 32 .. 799
    CaretTo(797 - 32);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT16), "16961");
    EXPECT_EQ(Row(IDC_INSPECTOR_INT32), "-");
    EXPECT_EQ(Row(IDC_INSPECTOR_TIME32), "-");
    CaretTo(799 - 32);
    EXPECT_EQ(Row(IDC_INSPECTOR_SHIFT_JIS), "-") << "a lead byte at the end";
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT8), "130");

    CloseFile(dialog);
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT8), "");
}

// A uint32 over the first window's last two bytes and the next window's
// first two, in both byte orders; the page shows it selected.
TEST_F(InspectorTest, WrittenUint32LandsOnDiskAcrossAWindowBoundary)
{
    OpenPatterned("write.bin", 65536 + 1000);
    ASSERT_EQ(viewer.windowSize, 65536u);
    OpenInspector();
    SetReadOnlyBox(0);
    LoadPage(dialog, 4090);  // page from 65440: 65534 is its byte 94
    CaretTo(94);
    Confirm(IDC_INSPECTOR_UINT32, "305419896");
    Put(65534, {0x78, 0x56, 0x34, 0x12});
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
    EXPECT_EQ(ReadHexSelection(), (HexSelection{3 * 94, 3 * 97 + 2}));
    EXPECT_EQ(Row(IDC_INSPECTOR_UINT32), "305419896");

    SetBigEndian(1);
    Confirm(IDC_INSPECTOR_UINT32, " 287454020 ");
    Put(65534, {0x11, 0x22, 0x33, 0x44});
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
}

TEST_F(InspectorTest, ReadOnlyAndBadValuesWriteNothing)
{
    OpenPatterned("refuse.bin", 1000);
    OpenInspector();
    CaretTo(0);
    HWND row = GetDlgItem(inspector, IDC_INSPECTOR_UINT16);
    EXPECT_TRUE(GetWindowLongA(row, GWL_STYLE) & ES_READONLY) << "読み取り専用 checked";
    Confirm(IDC_INSPECTOR_UINT16, "1");
    EXPECT_EQ(CapturedMessageCount(), 0);

    ClickReadOnlyBox();
    EXPECT_FALSE(GetWindowLongA(row, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(inspector, IDC_INSPECTOR_TIME32), GWL_STYLE)
                & ES_READONLY);
    Confirm(IDC_INSPECTOR_UINT16, "65536");
    EXPECT_ONE_MESSAGE("値が正しくありません。");
    // Too long to read whole: refused, not cut short into "0".
    Confirm(IDC_INSPECTOR_UINT8, (std::string(70, '0') + "1").c_str());
    EXPECT_EQ(CapturedMessageCount(), 2);
    LoadPage(dialog, 100);  // the last page, from 240: 996 is its byte 756
    CaretTo(756);
    Confirm(IDC_INSPECTOR_UINT64, "1");
    EXPECT_EQ(CapturedMessageCount(), 3) << "past the end of the file";
    EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "");
}

}  // namespace
