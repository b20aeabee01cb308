// Overwrite typing in the hex column and the write-back of the page into the
// file, with real keystrokes and clicks, checked on the file's own bytes.
#include "edit_fixture.h"

#include <functional>

namespace {

unsigned char DigitValue(char c)
{
    return (unsigned char)(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
}

std::string HexPair(unsigned char value)
{
    return ExpectedHex(std::vector<unsigned char>(1, value)).substr(0, 2);
}

// What the columns show: the two texts and the caret.
struct ColumnState {
    std::string hex;
    std::string chars;
    HexSelection selection;
};

ColumnState ReadColumns(HWND dialog)
{
    ColumnState state;
    state.hex = ItemText(dialog, IDC_HEX);
    state.chars = ItemText(dialog, IDC_TEXT);
    state.selection = ReadHexSelection();
    return state;
}

#define EXPECT_COLUMNS_UNCHANGED(before, after, what)             \
    do {                                                          \
        EXPECT_EQ((after).hex, (before).hex) << what;             \
        EXPECT_EQ((after).chars, (before).chars) << what;         \
        EXPECT_EQ((after).selection, (before).selection) << what; \
    } while (0)

TEST_F(EditTest, TypedDigitsOverwriteTheByteItsCellAndMoveTheCaret)
{
    const struct {
        uint32_t byte;
        unsigned char before;
        const char *keys;
    } cases[] = {
        {17, 0x41, "62"},   // 61 and a between the digits, then 62 and b
        {18, 0x00, "7f"},   // 0x7F: '.', as every control character
        {19, 0x55, "1F"},   // below 0x20: '.'
        {20, 0x7F, "80"},   // from 0x80 on: '.'
        {21, 0x12, "cd"},   // lower case enters upper case
        {22, 0x9A, "20"},   // a blank cell
        {47, 0x30, "e9"},   // the last byte of visual line 2
        {767, 0x01, "ab"},  // the page's last byte: the caret ends at the text's end
    };
    std::vector<unsigned char> bytes = PatternBytes(0, 4096);
    for (const auto &c : cases) {
        bytes[c.byte] = c.before;
    }
    OpenBytes("typing.bin", bytes);
    SetReadOnlyBox(0);

    std::vector<unsigned char> shown = ModelPage();
    for (const auto &c : cases) {
        SelectHex(3 * c.byte, 3 * c.byte);
        for (int digit = 0; digit < 2; digit++) {
            PressKey((WORD)VkKeyScanA(c.keys[digit]) & 0xFF);
            unsigned char value = DigitValue(c.keys[digit]);
            shown[c.byte] = digit == 0 ? (unsigned char)((value << 4) | (shown[c.byte] & 15))
                                       : (unsigned char)((shown[c.byte] & 0xF0) | value);
            EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(shown)) << c.keys << " " << digit;
            EXPECT_EQ(ItemText(dialog, IDC_TEXT), ExpectedChars(shown)) << c.keys << " " << digit;
            DWORD caret = 3 * c.byte + (digit == 0 ? 1 : 3);
            EXPECT_EQ(ReadHexSelection(), (HexSelection{caret, caret})) << c.keys << " " << digit;
        }
        model[c.byte] = shown[c.byte];
    }
    EXPECT_EQ(ItemText(dialog, IDC_HEX).substr(3 * 17, 18), "62 7F 1F 80 CD 20 ");
    EXPECT_EQ(ItemText(dialog, IDC_TEXT).substr(18 + 1, 6), "b.... ");

    LoadPage(dialog, 48);
    LoadPage(dialog, 0);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage()));
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

TEST_F(EditTest, DigitBeforeABlankIsDroppedAndTheCaretMovesToTheNextByte)
{
    OpenPatterned("blanks.bin", 4096);
    SetReadOnlyBox(0);
    const ColumnState page = ReadColumns(dialog);
    const DWORD blanks[] = {2, 47, 48 + 2, 3 * 400 + 2, 3 * 767 + 2};
    for (DWORD blank : blanks) {
        SelectHex(blank, blank);
        TypeText("5");
        EXPECT_EQ(ItemText(dialog, IDC_HEX), page.hex) << blank;
        EXPECT_EQ(ItemText(dialog, IDC_TEXT), page.chars) << blank;
        EXPECT_EQ(ReadHexSelection(), (HexSelection{blank + 1, blank + 1})) << blank;
    }
    // Nothing changed, so leaving the page stores nothing.
    LoadPage(dialog, 48);
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
}

TEST_F(EditTest, DigitAfterThePagesLastByteIsDroppedAndThePageStays)
{
    const struct {
        size_t size;
        uint64_t line;
        uint32_t pageBytes;
    } cases[] = {
        {4096, 0, 768},   // a full page with more of the file after it
        {1000, 15, 760},  // the file's last page, with a partial last line
    };
    for (const auto &c : cases) {
        OpenPatterned(c.size == 4096 ? "first.bin" : "last.bin", c.size);
        SetReadOnlyBox(0);
        LoadPage(dialog, c.line);
        ASSERT_EQ(viewer.topLine, c.line);
        ASSERT_EQ(viewer.pageBytes, c.pageBytes);

        TypeStoredByte(c.pageBytes - 1, 0xAB);
        const DWORD end = 3 * c.pageBytes;
        const ColumnState typed = ReadColumns(dialog);
        EXPECT_EQ(typed.selection, (HexSelection{end, end})) << c.size;
        EXPECT_EQ(typed.hex, ExpectedHex(ModelPage())) << c.size;
        TypeText("7c");
        EXPECT_COLUMNS_UNCHANGED(typed, ReadColumns(dialog), c.size);
        EXPECT_EQ(viewer.topLine, c.line);

        LoadPage(dialog, 0);
        CloseFile(dialog);
        EXPECT_EQ(FirstDifference(DiskBytes(path), model), "") << c.size;
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

TEST_F(EditTest, RetypedOrTypedBackDigitsStoreNothingAndKeepTheWriteTime)
{
    path = Path("same.bin");
    ASSERT_TRUE(WritePatternFile(path, 4096));
    model = PatternBytes(0, 4096);
    ASSERT_TRUE(AgeFile(path));
    const FILETIME aged = FileWriteTime(path);
    OpenExisting();
    SetReadOnlyBox(0);
    const std::string shown = ItemText(dialog, IDC_HEX);

    // Byte 10 retyped as it stands; byte 11 changed and changed back digit
    // by digit; byte 12 changed whole and typed back whole.
    TypeAtByte(10, shown.substr(30, 2).c_str());
    char other = shown[33] == '0' ? '1' : '0';
    TypeAtByte(11, std::string(1, other).c_str());
    TypeAtByte(11, shown.substr(33, 1).c_str());
    TypeAtByte(12, HexPair((unsigned char)~model[12]).c_str());
    TypeAtByte(12, shown.substr(36, 2).c_str());
    EXPECT_EQ(ItemText(dialog, IDC_HEX), shown);

    LoadPage(dialog, 0);
    LoadPage(dialog, 48);
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
    EXPECT_TRUE(SameTime(FileWriteTime(path), aged)) << "the file was written";

    // A real change moves the time: the check above can see a store.
    OpenExisting();
    TypeStoredByte(10, (unsigned char)~model[10]);
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
    EXPECT_FALSE(SameTime(FileWriteTime(path), aged));
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// Only the box's state when the page is left counts; it starts checked.
TEST_F(EditTest, ReadOnlyBoxAtLeavingDecidesWhetherTheTypingIsStored)
{
    OpenPatterned("box.bin", 4096);
    ASSERT_EQ(IsDlgButtonChecked(dialog, IDC_READONLY), BST_CHECKED);
    const struct {
        int checkedWhileTyping;
        int checkedOnLeaving;
    } cases[] = {{1, 1}, {1, 0}, {0, 0}, {0, 1}};
    uint32_t byte = 5;
    for (const auto &c : cases) {
        if (BoxChecked() != c.checkedWhileTyping) {
            ClickReadOnlyBox();
        }
        ASSERT_EQ(BoxChecked(), c.checkedWhileTyping);
        std::vector<unsigned char> before = model;
        TypeStoredByte(byte, (unsigned char)(0xC0 + byte));
        TypeStoredByte(700 - byte, (unsigned char)(0x0C + byte));
        const std::string typed = ItemText(dialog, IDC_HEX);
        EXPECT_EQ(typed, ExpectedHex(ModelPage()));
        if (c.checkedOnLeaving) {
            model = before;
        }
        if (c.checkedOnLeaving != c.checkedWhileTyping) {
            ClickReadOnlyBox();
        }
        ASSERT_EQ(BoxChecked(), c.checkedOnLeaving);
        EXPECT_EQ(ItemText(dialog, IDC_HEX), typed) << "the click changed the column";

        LoadPage(dialog, 48);
        LoadPage(dialog, 0);
        // Coming back shows the file's bytes.
        EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage()))
            << c.checkedWhileTyping << c.checkedOnLeaving;
        EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "")
            << c.checkedWhileTyping << c.checkedOnLeaving;
        byte += 9;
    }
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
}

// Windows logging off: both top-level windows hear of it, the search still
// running is stopped, the typed page is stored once and the file released.
TEST_F(EditTest, EndingTheSessionStopsTheSearchStoresThePageAndReleasesTheFile)
{
    path = Path("session.bin");
    const unsigned char tail[] = {'x'};
    ASSERT_TRUE(WriteSparseFile(path, 512u << 20, tail, 1));
    OpenExisting();
    SetReadOnlyBox(0);
    TypeAtByte(3, "5a");
    SendMessageA(dialog, WM_COMMAND, IDM_SEARCH, 0);
    SetDlgItemTextA(viewer.searchDialog, IDC_SEARCH_TEXT, "KorvexAbsent");
    SendDlgItemMessageA(viewer.searchDialog, IDC_SEARCH_START, BM_CLICK, 0, 0);
    ASSERT_EQ(viewer.searchActive, 1);

    EXPECT_EQ(SendMessageA(testFrame, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(SendMessageA(dialog, WM_QUERYENDSESSION, 0, 0), TRUE);
    // A session that goes on after all changes nothing.
    SendMessageA(dialog, WM_ENDSESSION, FALSE, 0);
    EXPECT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    SendMessageA(dialog, WM_ENDSESSION, TRUE, 0);
    SendMessageA(testFrame, WM_ENDSESSION, TRUE, 0);
    // A search ticking on would fail to map a closed file and say so.
    PumpLoop(300);

    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
    EXPECT_EQ(viewer.searchActive, 0);
    EXPECT_NO_FILE_OPEN();
    const unsigned char stored[] = {0, 0, 0, 0x5A, 0};
    EXPECT_EQ(ReadTestFile(path, 0, 5), std::vector<unsigned char>(stored, stored + 5));
}

const size_t kWindow = 65536;
const size_t kFewWindows = 200 * 1024 + 5;

// The boundary between two windows falls after the page's first line, in
// its middle and before its last line, and on a page of the short last window.
TEST_F(EditTest, PageAcrossAWindowBoundaryIsStoredOnBothSidesExactly)
{
    OpenPatterned("straddle.bin", kFewWindows);
    ASSERT_EQ(viewer.windowSize, kWindow);
    SetReadOnlyBox(0);
    const uint64_t lines[] = {4095, 4072, 4049, 2 * 4096 - 2, 3 * 4096 - 30};
    unsigned char value = 0x11;
    for (uint64_t line : lines) {
        LoadPage(dialog, line);
        ASSERT_EQ(viewer.topLine, line);
        ASSERT_EQ(viewer.pageBytes, 768u);
        const uint32_t boundary = (uint32_t)((line / 4096 + 1) * 4096 - line) * 16;
        const uint32_t bytes[] = {0, boundary - 1, boundary, 767};
        for (uint32_t byte : bytes) {
            TypeStoredByte(byte, value);
            value = (unsigned char)(value * 5 + 0x3B);
        }
        ASSERT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage())) << line;
        LoadPage(dialog, 0);
        EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "") << line;
    }
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// The store touches only the page's own window: the view stays where it is
// and nothing is reported.
TEST_F(EditTest, PageWithinOneWindowIsStoredWithoutMappingAnother)
{
    const struct {
        const char *name;
        size_t size;
        uint64_t line;  // requested; past the end gives the last page
        uint64_t topLine;
        uint32_t pageBytes;
    } cases[] = {
        {"ends-at-window.bin", kFewWindows, 4048, 4048, 768},
        {"last-page.bin", kFewWindows, ~(uint64_t)0, 12753, 757},
        {"one-window.bin", kWindow, 5000, 4048, 768},
        {"small.bin", 100, 3, 0, 100},
    };
    for (const auto &c : cases) {
        OpenPatterned(c.name, c.size);
        SetReadOnlyBox(0);
        LoadPage(dialog, c.line);
        ASSERT_EQ(viewer.topLine, c.topLine) << c.name;
        ASSERT_EQ(viewer.pageBytes, c.pageBytes) << c.name;
        const uint32_t bytes[] = {0, c.pageBytes / 2, c.pageBytes - 1};
        for (uint32_t byte : bytes) {
            TypeStoredByte(byte, (unsigned char)(byte + 0x5A));
        }
        const uint64_t viewOffset = viewer.viewOffset;
        const unsigned char *viewBase = viewer.viewBase;
        WriteBack(dialog, viewer.topLine);
        EXPECT_EQ(viewer.viewOffset, viewOffset) << c.name;
        EXPECT_EQ(viewer.viewBase, viewBase) << c.name;
        EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
        EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "") << c.name;
        CloseFile(dialog);
        EXPECT_EQ(FirstDifference(DiskBytes(path), model), "") << c.name;
    }
}

TEST_F(EditTest, EditsOfOneFileNeverReachTheNextOne)
{
    const std::string pathB = Path("b.bin");
    ASSERT_TRUE(WritePatternFile(pathB, 3000));
    const std::vector<unsigned char> bytesB = DiskBytes(pathB);
    OpenPatterned("a.bin", 5000);
    SetReadOnlyBox(0);
    TypeStoredByte(0, 0xE1);
    TypeStoredByte(300, 0xE2);

    OpenFile(dialog, pathB.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(std::vector<unsigned char>(
                                             bytesB.begin(), bytesB.begin() + 768)));
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "") << "a.bin";
    LoadPage(dialog, 48);
    LoadPage(dialog, 0);
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(pathB), bytesB), "") << "b.bin";
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// After a failed open no file is open; the page still shown turns
// read-only, so typing there changes nothing and nothing is stored anywhere.
TEST_F(EditTest, TypingIntoThePageLeftByFailedOpensStoresNothing)
{
    const std::string pathB = Path("b.bin");
    ASSERT_TRUE(WritePatternFile(pathB, 3000));
    const std::vector<unsigned char> bytesB = DiskBytes(pathB);
    const std::string empty = Path("empty.bin");
    ASSERT_TRUE(WriteTestFile(empty, NULL, 0));
    OpenPatterned("a.bin", 5000);
    SetReadOnlyBox(0);
    TypeStoredByte(1, 0xA1);

    OpenFile(dialog, Path("missing.bin").c_str());
    ASSERT_EQ(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "") << "the edit before the open";
    std::string stale = ItemText(dialog, IDC_HEX);
    EXPECT_EQ(stale.substr(3, 3), "A1 ");
    TypeAtByte(1, "55");
    TypeAtByte(2, "66");
    EXPECT_EQ(ItemText(dialog, IDC_HEX), stale) << "typed with no file open";
    LoadPage(dialog, 48);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), stale) << "a page moved with no file open";

    OpenFile(dialog, empty.c_str());
    ASSERT_EQ(viewer.fileHandle, INVALID_HANDLE_VALUE);
    TypeAtByte(3, "77");
    OpenFile(dialog, Path("missing.bin").c_str());
    TypeAtByte(4, "88");
    EXPECT_EQ(ItemText(dialog, IDC_HEX), stale) << "typed after more failed opens";
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "") << "a.bin after the failed opens";

    OpenFile(dialog, pathB.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ItemText(dialog, IDC_HEX).substr(0, 15), ExpectedHex(bytesB).substr(0, 15));
    LoadPage(dialog, 48);
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(pathB), bytesB), "") << "b.bin";
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "") << "a.bin";
    ASSERT_EQ(CapturedMessageCount(), 3) << CapturedMessages();
    EXPECT_EQ(CapturedText(0), "ﾌｧｲﾙを開けません。");
    EXPECT_EQ(CapturedText(1), "空ﾌｧｲﾙは、扱えません。");
    EXPECT_EQ(CapturedText(2), "ﾌｧｲﾙを開けません。");
}

// MapViewOfFile fails for real while the address space is used up. A move
// between windows unmaps the old view before it maps the new one, which then
// fits the hole just left; so the space must run out while no view is held.
// An open holds none (its close gave the last one up); after a render the
// test gives the view up itself, the state a failed map leaves behind.
TEST_F(EditTest, DigitsTypedAfterAFailedPageLoadAreStoredNowhere)
{
    OpenPatterned("unmapped.bin", kFewWindows);
    SetReadOnlyBox(0);
    const struct {
        int atOpen;
        uint64_t from;
        uint64_t to;
    } cases[] = {{1, 100, 0}, {0, 100, 9000}, {0, 5000, 4095}};
    for (const auto &c : cases) {
        LoadPage(dialog, c.from);
        const std::string shown = ItemText(dialog, IDC_HEX);
        if (c.atOpen) {
            CloseFile(dialog);
        } else {
            ASSERT_TRUE(UnmapViewOfFile(viewer.viewBase));
            viewer.viewBase = NULL;
            viewer.viewOffset = 1;
        }
        StartMessageBoxCapture();
        ReservedAddressSpace reserved;
        reserved.ReleaseAtNextWindow();
        reserved.ReserveAll();
        if (c.atOpen) {
            OpenFile(dialog, path.c_str());
        } else {
            LoadPage(dialog, c.to);
        }
        const int mapped = viewer.viewBase != NULL;
        reserved.Release();
        Pump();
        ASSERT_EQ(mapped, 0) << c.to << ": a view was mapped with no address space free";
        EXPECT_EQ(CapturedMessageCount(), 1) << CapturedMessages();
        EXPECT_EQ(CapturedText(0), "MapViewOfFileに失敗しました。");
        ASSERT_EQ(viewer.topLine, c.to);
        ASSERT_EQ(ItemText(dialog, IDC_HEX), shown) << c.to;

        // The page of c.from is still shown and takes the typing.
        TypeAtByte(0, "de");
        TypeAtByte(767, "ad");
        EXPECT_EQ(ItemText(dialog, IDC_HEX).substr(0, 3), "DE ") << c.to;
        LoadPage(dialog, c.to);
        EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(ModelPage())) << c.to;
        LoadPage(dialog, c.from);
        EXPECT_EQ(FirstDifference(MappedFileBytes(), model), "") << c.to;
    }
    CloseFile(dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(path), model), "");
}

// ---------------------------------------------------------------------------
// Changes other than one typed hex digit: the column goes back at once to
// its last good text and caret, and leaving the page stores only the digits
// typed before.

struct Route {
    std::string name;
    std::function<void(void)> apply;
    int needsSelection;  // without a selection the route is ordinary typing
};

void Send(UINT message)
{
    SendMessageA(viewer.hexEdit, message, 0, 0);
}

void Replace(const char *text)
{
    SendMessageA(viewer.hexEdit, EM_REPLACESEL, TRUE, (LPARAM)text);
}

// The clipboard's text is no hex: the paste routes reach the program's own
// paste, which refuses it whole with its message and changes nothing.
void ExpectOnlyProgramPasteRefusals(void)
{
    EXPECT_GE(CapturedMessageCount(), 1);
    for (int i = 0; i < CapturedMessageCount(); i++) {
        EXPECT_EQ(CapturedText(i), "16進数として貼り付けできません。");
    }
}

// Runs each route once with the caret between a byte's digits and once over
// a selection of a byte and a half, typing a byte before each, and checks
// the columns right after it and the file after leaving the page.
void CheckRoutesRefused(EditTest &test, const std::vector<Route> &routes, const char *family)
{
    ASSERT_TRUE(PutTextOnClipboard("ZZ 0\r\n1"));
    uint32_t byte = 3;
    for (const Route &route : routes) {
        for (int selected = 0; selected < 2; selected++) {
            if (route.needsSelection && !selected) {
                continue;
            }
            std::string what = std::string(family) + " " + route.name +
                               (selected ? " over a selection" : " at the caret");
            // One digit typed before the route: the only change to store.
            test.TypeAtByte(byte, "c");
            unsigned char &stored = test.model[(size_t)viewer.topLine * 16 + byte];
            stored = (unsigned char)(0xC0 | (stored & 15));
            uint32_t at = (byte * 7 + 40) % 760;
            if (selected) {
                SelectHex(3 * at, 3 * at + 5);
            } else {
                SelectHex(3 * at + 1, 3 * at + 1);
            }
            const ColumnState before = ReadColumns(test.dialog);
            route.apply();
            Pump(20);
            EXPECT_COLUMNS_UNCHANGED(before, ReadColumns(test.dialog), what);

            LoadPage(test.dialog, viewer.topLine);
            EXPECT_EQ(FirstDifference(MappedFileBytes(), test.model), "") << what;
            byte = (byte + 11) % 700;
        }
    }
    CloseFile(test.dialog);
    EXPECT_EQ(FirstDifference(DiskBytes(test.path), test.model), "") << family;
}

TEST_F(EditTest, MessagesThatCutPasteClearUndoOrReplaceAreUndone)
{
    const std::vector<Route> routes = {
        {"WM_PASTE", [] { Send(WM_PASTE); }, 0},
        {"WM_CUT", [] { Send(WM_CUT); }, 0},
        {"WM_CLEAR", [] { Send(WM_CLEAR); }, 0},
        {"WM_UNDO", [] { Send(WM_UNDO); }, 0},
        {"EM_UNDO", [] { Send(EM_UNDO); }, 0},
        {"EM_REPLACESEL of two digits", [] { Replace("AB"); }, 0},
        {"EM_REPLACESEL of a byte", [] { Replace("0A "); }, 0},
        {"EM_REPLACESEL of G", [] { Replace("G"); }, 0},
        {"EM_REPLACESEL of a blank", [] { Replace(" "); }, 0},
        {"EM_REPLACESEL of nothing", [] { Replace(""); }, 1},
        {"EM_REPLACESEL of one digit", [] { Replace("7"); }, 1},
        {"WM_CHAR of G", [] { SendMessageA(viewer.hexEdit, WM_CHAR, 'G', 1); }, 0},
        {"WM_CHAR of a backspace", [] { SendMessageA(viewer.hexEdit, WM_CHAR, VK_BACK, 1); }, 0},
        // "あ" in code page 932, as an input method would hand it over.
        {"WM_IME_CHAR", [] { SendMessageA(viewer.hexEdit, WM_IME_CHAR, 0x82A0, 1); }, 0},
    };
    OpenPatterned("messages.bin", 4096);
    SetReadOnlyBox(0);
    LoadPage(dialog, 20);
    CheckRoutesRefused(*this, routes, "sent");
    ExpectOnlyProgramPasteRefusals();
}

// Keys that change text in an edit control; a digit at the caret is
// ordinary typing, over a selection it is not.
const KeyStroke kShapeBreakingKeys[] = {
    {"Delete", 0, VK_DELETE},       {"Backspace", 0, VK_BACK},      {"space", 0, VK_SPACE},
    {"G", 0, 'G'},                  {"Z", 0, 'Z'},                  {"Ctrl+V", VK_CONTROL, 'V'},
    {"Ctrl+X", VK_CONTROL, 'X'},    {"Ctrl+Z", VK_CONTROL, 'Z'},    {"digit", 0, '7'},
};

std::vector<Route> KeyRoutes(int holdF3, int withShiftKeys)
{
    std::vector<Route> routes;
    for (const KeyStroke &stroke : kShapeBreakingKeys) {
        routes.push_back({stroke.name,
                          [stroke, holdF3] {
                              if (holdF3) {
                                  KeyDown(VK_F3);
                              }
                              PressStroke(stroke);
                              if (holdF3) {
                                  KeyUp(VK_F3);
                              }
                          },
                          stroke.key == '7'});
    }
    if (withShiftKeys) {
        const KeyStroke shifted[] = {{"Shift+Insert", VK_SHIFT, VK_INSERT},
                                     {"Shift+Delete", VK_SHIFT, VK_DELETE},
                                     {"comma", 0, VK_OEM_COMMA},
                                     {"Ctrl+Backspace", VK_CONTROL, VK_BACK}};
        for (const KeyStroke &stroke : shifted) {
            routes.push_back({stroke.name, [stroke] { PressStroke(stroke); }, 0});
        }
    }
    return routes;
}

TEST_F(EditTest, KeysThatPassWhileF3IsHeldCannotChangeTheShape)
{
    OpenPatterned("f3.bin", 4096);
    SetReadOnlyBox(0);
    CheckRoutesRefused(*this, KeyRoutes(1, 0), "F3 held:");
    ExpectOnlyProgramPasteRefusals();
}

TEST_F(EditWithoutFilterTest, EveryKeyThatWouldChangeTheShapeIsUndone)
{
    OpenPatterned("nofilter.bin", 4096);
    SetReadOnlyBox(0);
    LoadPage(dialog, 100);
    CheckRoutesRefused(*this, KeyRoutes(0, 1), "no filter:");
    ExpectOnlyProgramPasteRefusals();
}

// The edit control's own context menu, opened with a real right click on
// the hex column; the item is chosen with a real click inside the menu's
// modal loop.
struct MenuProbe {
    UINT ids[2];
    int ticks;
    int clicked;
    int enabled;
    std::string items;
};
MenuProbe menuProbe;

void CALLBACK ChooseMenuItem(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND menuWindow = FindWindowA("#32768", NULL);
    if (++menuProbe.ticks > 40) {
        // Never hang: a menu still open fails the test.
        KillTimer(NULL, timer);
        EndMenu();
        return;
    }
    if (menuWindow == NULL || !IsWindowVisible(menuWindow) || menuProbe.clicked) {
        if (menuProbe.clicked && menuWindow != NULL && IsWindowVisible(menuWindow) &&
            menuProbe.ticks > menuProbe.clicked + 5) {
            EndMenu();
        }
        return;
    }
    HMENU menu = (HMENU)SendMessageA(menuWindow, MN_GETHMENU, 0, 0);
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++) {
        UINT id = GetMenuItemID(menu, i);
        char item[16];
        snprintf(item, sizeof item, "%X ", id);
        menuProbe.items += item;
        if (id != menuProbe.ids[0] && id != menuProbe.ids[1]) {
            continue;
        }
        menuProbe.enabled = !(GetMenuState(menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
        RECT rect;
        GetMenuItemRect(NULL, menu, i, &rect);
        POINT center = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        MouseClickAtScreen(center, 0);
        menuProbe.clicked = menuProbe.ticks;
        return;
    }
}

void ChooseFromContextMenu(UINT id, UINT otherId)
{
    menuProbe = MenuProbe();
    menuProbe.ids[0] = id;
    menuProbe.ids[1] = otherId;
    UINT_PTR timer = SetTimer(NULL, 0, 30, ChooseMenuItem);
    POINT point = {30, 30};
    ClientToScreen(viewer.hexEdit, &point);
    MouseClickAtScreen(point, 1);
    // The menu's modal loop runs inside this pump.
    Pump(400);
    KillTimer(NULL, timer);
    Pump(20);
}

TEST_F(EditTest, ContextMenuCommandsAreUndone)
{
    const struct {
        const char *name;
        UINT id;
        UINT otherId;
        int mustBeEnabled;
    } items[] = {
        {"Paste", WM_PASTE, WM_PASTE, 1},
        {"Cut", WM_CUT, WM_CUT, 1},
        {"Delete", WM_CLEAR, WM_CLEAR, 1},
        // The column never keeps an undo step: the item may be grayed.
        {"Undo", EM_UNDO, WM_UNDO, 0},
    };
    OpenPatterned("menu.bin", 4096);
    SetReadOnlyBox(0);
    std::vector<Route> routes;
    for (const auto &item : items) {
        routes.push_back({item.name,
                          [item] {
                              ChooseFromContextMenu(item.id, item.otherId);
                              EXPECT_TRUE(menuProbe.clicked)
                                  << item.name << ": " << menuProbe.items;
                              if (item.mustBeEnabled) {
                                  EXPECT_TRUE(menuProbe.enabled) << item.name;
                              }
                          },
                          1});
    }
    CheckRoutesRefused(*this, routes, "context menu:");
    ExpectOnlyProgramPasteRefusals();
}

}  // namespace
