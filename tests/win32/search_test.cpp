// The search dialog over real files: the hit's page and selection, the
// not-found message, F3, the launches, the one dialog, idle stops, the key
// filter's switch while the dialog is active, the main dialog during a long
// search (its stores included) and the progress in the caption.
#include "open_file_fixture.h"

#include "base/messages.h"
#include "app/file_life.h"
#include "file/mapped_file.h"
#include "search/incremental_search.h"
#include "search/search_progress.h"
#include "search/search_buffer.h"
#include "view/load_page.h"

#include <stdio.h>

#include <algorithm>
#include <string>

namespace {

const uint64_t WINDOW = 65536;
const char NOT_FOUND[] = "検索文字が見つかりませんでした。";

// --- the program's own loop and input ------------------------------------

// Keys pumped as the program's loop does, so the search dialog sees them.
void Press(WORD key)
{
    SendKey(key, 0);
    SendKey(key, KEYEVENTF_KEYUP);
    PumpLoop(20);
}

void PressWith(WORD modifier, WORD key)
{
    SendKey(modifier, 0);
    SendKey(key, 0);
    SendKey(key, KEYEVENTF_KEYUP);
    SendKey(modifier, KEYEVENTF_KEYUP);
    PumpLoop(30);
}

// Types printable ASCII, with Shift where the character needs it.
void TypeWords(const char *text)
{
    for (const char *c = text; *c != '\0'; c++) {
        SHORT scan = VkKeyScanA(*c);
        WORD key = LOBYTE(scan);
        if (HIBYTE(scan) & 1) {
            PressWith(VK_SHIFT, key);
        } else {
            Press(key);
        }
    }
}

// --- the search dialog -----------------------------------------------------

HWND SearchDialog(void)
{
    return viewer.searchDialog != NULL && IsWindow(viewer.searchDialog) ? viewer.searchDialog
                                                                         : NULL;
}

int SearchDialogGone(void)
{
    return SearchDialog() == NULL;
}

int SearchDialogShown(void)
{
    return SearchDialog() != NULL && IsWindowVisible(SearchDialog());
}

BOOL CALLBACK CountSearchDialog(HWND window, LPARAM lParam)
{
    if (IsWindow(window) && WindowText(window) == "単語検索") {
        ++*(int *)lParam;
    }
    return TRUE;
}

int SearchDialogCount(void)
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountSearchDialog, (LPARAM)&count);
    return count;
}

std::string ButtonText(void)
{
    return ItemText(SearchDialog(), IDC_SEARCH_START);
}

void ClickStartButton(void)
{
    SendDlgItemMessageA(SearchDialog(), IDC_SEARCH_START, BM_CLICK, 0, 0);
}

struct Selection {
    DWORD start;
    DWORD end;
};

Selection HexSelection(void)
{
    Selection selection = {0, 0};
    SendMessageA(viewer.hexEdit, EM_GETSEL, (WPARAM)&selection.start, (LPARAM)&selection.end);
    return selection;
}

// --- files -------------------------------------------------------------------

// No filler byte is a letter, a digit, a blank or one of the patterns' bytes.
unsigned char Filler(uint64_t offset)
{
    return (unsigned char)(0x10 + offset % 13);
}

std::vector<unsigned char> FilledBytes(size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; i++) {
        bytes[i] = Filler(i);
    }
    return bytes;
}

void Put(std::vector<unsigned char> &bytes, uint64_t offset, const std::vector<unsigned char> &what)
{
    std::copy(what.begin(), what.end(), bytes.begin() + (ptrdiff_t)offset);
}

void Put(std::vector<unsigned char> &bytes, uint64_t offset, const std::string &what)
{
    std::copy(what.begin(), what.end(), bytes.begin() + (ptrdiff_t)offset);
}

std::vector<unsigned char> Bytes(const std::string &text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

// The first line of the file's last page, counted without the program.
uint64_t LastPageTop(uint64_t fileSize)
{
    uint64_t lines = (fileSize + 15) / 16;
    return lines > 48 ? lines - 48 : 0;
}

// Letters, upper and lower case by turns of 26.
std::string LongText(size_t length)
{
    std::string text;
    for (size_t i = 0; i < length; i++) {
        text += (char)('A' + i % 26 + (i / 26 % 2) * 32);
    }
    return text;
}

struct Search : OpenFileTest {
    void TearDown() override
    {
        searchTickBudgetMs = SEARCH_TICK_BUDGET_MS;
        searchBufferBytes = SEARCH_BUFFER_BYTES;
        OpenFileTest::TearDown();
    }

    void OpenBytes(const char *name, const std::vector<unsigned char> &bytes)
    {
        std::string path = Path(name);
        ASSERT_TRUE(WriteTestFile(path, bytes.data(), bytes.size()));
        OpenFile(dialog, path.c_str());
        ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE) << CapturedMessages();
        ASSERT_EQ(viewer.fileSize, bytes.size());
    }

    void OpenSparse(const char *name, uint64_t size, const std::vector<unsigned char> &tail)
    {
        std::string path = Path(name);
        ASSERT_TRUE(WriteSparseFile(path, size, tail.data(), tail.size()));
        OpenFile(dialog, path.c_str());
        ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE) << CapturedMessages();
        ASSERT_EQ(viewer.fileSize, size);
    }

    // The page at line with the hex column's caret or selection set.
    void PlaceCaret(uint64_t line, DWORD start, DWORD end)
    {
        LoadPage(dialog, line);
        SendMessageA(viewer.hexEdit, EM_SETSEL, start, end);
    }

    HWND LaunchFromMenu(void)
    {
        SendMessageA(dialog, WM_COMMAND, IDM_SEARCH, 0);
        PumpLoop(20);
        return SearchDialog();
    }

    // Fills in the box and the mode of the open dialog.
    void FillIn(const std::string &text, int hex)
    {
        HWND search = SearchDialog();
        ASSERT_TRUE(search != NULL);
        CheckRadioButton(search, IDC_SEARCH_HEX, IDC_SEARCH_STRING,
                         hex ? IDC_SEARCH_HEX : IDC_SEARCH_STRING);
        SetDlgItemTextA(search, IDC_SEARCH_TEXT, text.c_str());
    }

    // Fills it in and presses its button.
    void Start(const std::string &text, int hex)
    {
        FillIn(text, hex);
        ClickStartButton();
    }

    // Pumps until the search has closed its dialog; 1 when it did in time.
    int RunToEnd(DWORD milliseconds = 20000)
    {
        return PumpLoopUntil(SearchDialogGone, milliseconds);
    }

    // Launches from the menu, searches and waits for the end.
    void SearchFor(const std::string &text, int hex)
    {
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        Start(text, hex);
        ASSERT_TRUE(RunToEnd()) << "the search did not end";
    }

    // The hit at offset: its line's page (or the last page) shown, the
    // match's digits selected, no message.
    void ExpectHit(uint64_t hit, const std::vector<unsigned char> &match)
    {
        EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
        EXPECT_TRUE(SearchDialogGone());
        uint64_t top = std::min(hit / 16, LastPageTop(viewer.fileSize));
        ASSERT_EQ(viewer.topLine, top) << "hit " << hit;
        DWORD index = (DWORD)(hit - top * 16);
        std::string hex = ItemText(dialog, IDC_HEX);
        DWORD end = std::min<DWORD>(index * 3 + (DWORD)match.size() * 3 - 1, (DWORD)hex.size());
        Selection selection = HexSelection();
        EXPECT_EQ(selection.start, index * 3) << "hit " << hit;
        EXPECT_EQ(selection.end, end) << "hit " << hit;
        std::string digits = ExpectedHex(match);
        digits.resize(digits.size() - 1);
        EXPECT_EQ(hex.substr(index * 3, end - index * 3), digits.substr(0, end - index * 3));
        // The status line: the hit and the bytes selected of it on the page.
        char status[64];
        wsprintfA(status, "ｱﾄﾞﾚｽ %08X %08X  選択 %u ﾊﾞｲﾄ", (DWORD)(hit >> 32), (DWORD)hit,
                  (end - index * 3 + 2) / 3);
        EXPECT_EQ(StatusLine(dialog), status);
    }

    void ExpectNotFound(void)
    {
        EXPECT_ONE_MESSAGE(NOT_FOUND);
        EXPECT_TRUE(SearchDialogGone());
    }
};

// --- finding across windows --------------------------------------------------

// Matches cut by a window boundary at every split, strings longer than the
// 64 bytes a fixed carry would hold, and a partial copy before each real one;
// with the search's buffer of its usual size and of one window, where every
// window boundary is also one between two reads.
TEST_F(Search, MatchSplitByAWindowBoundaryIsFoundAndSelectedWhole)
{
    const std::string text100 = LongText(100);
    const std::string text130 = LongText(130);
    const std::string text127 = text130.substr(0, 127);
    const uint64_t BUFFER = SEARCH_BUFFER_BYTES;
    const struct {
        const char *name;
        std::string typed;
        int hex;
        std::vector<unsigned char> match;
        uint64_t decoy;  // where the match's first bytes stand, the last one wrong
        uint64_t hit;
        uint64_t size;
    } cases[] = {
        {"two.bin", "C1 C2", 1, {0xC1, 0xC2}, WINDOW - 1 - 16, WINDOW - 1, 3 * WINDOW + 1000},
        {"five.bin", "C1 C2 C3 C4 C5", 1, {0xC1, 0xC2, 0xC3, 0xC4, 0xC5}, WINDOW - 3,
         2 * WINDOW - 2, 3 * WINDOW + 1000},
        {"hundred.bin", text100, 0, Bytes(text100), WINDOW - 64, 2 * WINDOW - 70,
         3 * WINDOW + 1000},
        {"long.bin", text130, 0, Bytes(text127), 2 * WINDOW - 126, 3 * WINDOW - 126,
         3 * WINDOW + 1000},
        // The last window of one read and the first of the next.
        {"reads.bin", "C1 C2 C3 C4 C5", 1, {0xC1, 0xC2, 0xC3, 0xC4, 0xC5}, BUFFER - 3,
         BUFFER - 2, BUFFER + WINDOW + 1000},
    };
    for (uint32_t bufferBytes : {SEARCH_BUFFER_BYTES, (uint32_t)WINDOW}) {
        searchBufferBytes = bufferBytes;
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", buffer " + std::to_string(bufferBytes));
            std::vector<unsigned char> bytes = FilledBytes((size_t)c.size);
            std::vector<unsigned char> decoy = c.match;
            ASSERT_FALSE(decoy.empty());
            decoy[decoy.size() - 1] ^= 0x20;
            Put(bytes, c.decoy, decoy);
            Put(bytes, c.hit, c.match);
            OpenBytes(c.name, bytes);
            PlaceCaret(0, 0, 0);
            SearchFor(c.typed, c.hex);
            ExpectHit(c.hit, c.match);
            EXPECT_EQ(searchPattern.variants[0].length, c.match.size());
            EXPECT_EQ(std::string(viewer.searchInput), c.typed.substr(0, 127));
            StartMessageBoxCapture();
        }
    }
}

// The carry holds the previous window's undecided tail, which here is the
// match's first bytes without its last: the next window's own first byte
// must still be tried.
TEST_F(Search, MatchAtAWindowsFirstByteIsFoundFromAnEarlierWindow)
{
    std::vector<unsigned char> bytes = FilledBytes(3 * WINDOW + 100);
    const std::vector<unsigned char> match = {0xD1, 0xD2, 0xD3};
    Put(bytes, 2 * WINDOW - 2, std::vector<unsigned char>{0xD1, 0xD2});
    Put(bytes, 2 * WINDOW, match);
    OpenBytes("first-byte.bin", bytes);

    const uint64_t startLines[] = {0, 4000, 4096 + 100};
    for (uint64_t line : startLines) {
        SCOPED_TRACE(line);
        PlaceCaret(line, 30, 30);
        SearchFor("D1 D2 D3", 1);
        ExpectHit(2 * WINDOW, match);
        EXPECT_EQ(viewer.topLine, 2 * WINDOW / 16);
        StartMessageBoxCapture();
    }
}

TEST_F(Search, MatchCutShortByTheEndOfTheFileIsNotFoundAndTheLastPageShows)
{
    const uint64_t sizes[] = {1000, WINDOW + 500, 2 * WINDOW};
    for (uint64_t size : sizes) {
        SCOPED_TRACE(size);
        std::vector<unsigned char> bytes = FilledBytes((size_t)size);
        Put(bytes, size - 2, std::vector<unsigned char>{0xE1, 0xE2});
        char name[32];
        wsprintfA(name, "end-%lu.bin", (unsigned long)size);
        OpenBytes(name, bytes);
        PlaceCaret(0, 0, 0);
        SearchFor("E1 E2 E3", 1);
        ExpectNotFound();
        EXPECT_EQ(viewer.topLine, LastPageTop(size));
        std::vector<unsigned char> page(bytes.begin() + (ptrdiff_t)(LastPageTop(size) * 16),
                                        bytes.end());
        if (page.size() > 768) {
            page.resize(768);
        }
        EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(page));
        StartMessageBoxCapture();
    }
}

// A page that runs from one window into the next, with the caret's byte in
// the later window: the search begins at that byte, tests nothing before it
// (not the page's part in the first window, not the later window's bytes
// before the caret) and carries nothing, so a match ending at the caret's
// byte is not taken either.
TEST_F(Search, StartInTheLaterWindowOfAStraddlingPageBeginsAtTheCaretsByte)
{
    const std::vector<unsigned char> match = {0xF1, 0xF2};
    const struct {
        const char *name;
        uint64_t size;
        uint64_t top;   // the page shown, straddling WINDOW
        uint32_t caret; // byte index in the page, past the first window's part
        uint64_t hit;
    } cases[] = {
        // 96 bytes of the page in the first window.
        {"straddle.bin", 2 * WINDOW + 5000, 4090, 200, 65700},
        // The file's last page; its last window holds 200 bytes, fewer than
        // the caret's index on the page's last line.
        {"short-tail.bin", WINDOW + 200, LastPageTop(WINDOW + 200), 752, WINDOW + 194},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> bytes = FilledBytes((size_t)c.size);
        uint64_t caretByte = c.top * 16 + c.caret;
        ASSERT_GT(caretByte, WINDOW);
        Put(bytes, c.top * 16 + 10, match);  // on the page, first window
        Put(bytes, WINDOW + 2, match);       // later window, before the caret
        bytes[caretByte - 1] = 0xF1;         // a match ending at the caret's byte
        bytes[caretByte] = 0xF2;
        Put(bytes, c.hit, match);
        OpenBytes(c.name, bytes);
        PlaceCaret(c.top, c.caret * 3, c.caret * 3);
        ASSERT_EQ(viewer.topLine, c.top);
        SearchFor("F1 F2", 1);
        ExpectHit(c.hit, match);
        StartMessageBoxCapture();
    }
}

// --- where the search begins ------------------------------------------------

TEST_F(Search, SelectionOrCaretNamesTheStartByte)
{
    std::vector<unsigned char> bytes = FilledBytes(2000);
    const std::vector<unsigned char> match = {0xC7, 0xC8};
    Put(bytes, 400, match);
    Put(bytes, 600, match);
    OpenBytes("caret.bin", bytes);
    const struct {
        DWORD start, end;
        uint64_t hit;
    } cases[] = {
        {1200, 1200, 400},  // before the byte's digits
        {1201, 1201, 400},  // between them
        {1202, 1202, 600},  // after them: the next byte
        {1200, 1205, 600},  // a previous hit's selection: after its first byte
        {1197, 1197, 400},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.start);
        PlaceCaret(0, c.start, c.end);
        SearchFor("C7 C8", 1);
        ExpectHit(c.hit, match);
        StartMessageBoxCapture();
    }
}

// The caret after a page's last blank names the byte after the page, also
// when the page's last line is full and the control shows no line there.
TEST_F(Search, CaretAfterThePagesLastBlankBeginsAfterThePage)
{
    std::vector<unsigned char> bytes = FilledBytes(3000);
    const std::vector<unsigned char> match = {0xB1, 0xB2};
    Put(bytes, 752, match);
    Put(bytes, 768, match);
    OpenBytes("full-page.bin", bytes);
    PlaceCaret(0, 2304, 2304);
    SearchFor("B1 B2", 1);
    ExpectHit(768, match);
}

// At the end of the file the first tick ends the search: the message, and
// the page stays, even with the pattern on the page's last line.
TEST_F(Search, CaretAfterTheFilesLastByteEndsAtOnceWithThePageKept)
{
    const struct {
        const char *name;
        uint64_t size;
    } cases[] = {
        {"hundred.bin", 100},      // a short line at the end
        {"twenty-lines.bin", 320}, // a full last line, fewer than 48 lines
        {"last-page.bin", 1536},   // a full last page
        {"long.bin", 1605},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> bytes = FilledBytes((size_t)c.size);
        Put(bytes, (c.size - 1) / 16 * 16, std::vector<unsigned char>{0xB3});
        OpenBytes(c.name, bytes);
        uint64_t top = LastPageTop(c.size);
        DWORD end = (DWORD)(3 * (c.size - top * 16));
        PlaceCaret(top, end, end);
        std::string hex = ItemText(dialog, IDC_HEX);
        ASSERT_EQ(hex.size(), end);
        SearchFor("B3", 1);
        ExpectNotFound();
        EXPECT_EQ(viewer.topLine, top);
        EXPECT_EQ(ItemText(dialog, IDC_HEX), hex);
        StartMessageBoxCapture();
    }
}

TEST_F(Search, HitOnTheLastLineOfALongFileShowsTheLastPage)
{
    std::vector<unsigned char> bytes = FilledBytes(1605);
    const std::vector<unsigned char> match = {0xA1, 0xA2, 0xA3};
    Put(bytes, 1601, match);
    OpenBytes("last-line.bin", bytes);
    PlaceCaret(0, 0, 0);
    SearchFor("a1 a2 a3", 1);
    ExpectHit(1601, match);
    EXPECT_EQ(viewer.topLine, 53u);
    EXPECT_EQ(SendMessageA(viewer.hexEdit, EM_LINEFROMCHAR, HexSelection().start, 0), 47);
}

// --- what is searched for ----------------------------------------------------

TEST_F(Search, HexIgnoresTheDigitsCaseAndStringsMatchExactly)
{
    std::vector<unsigned char> bytes = FilledBytes(1500);
    Put(bytes, 100, std::string("Korvex"));
    Put(bytes, 300, std::string("KORVEX"));
    Put(bytes, 500, std::string("korvex"));
    Put(bytes, 700, std::vector<unsigned char>{0x4D, 0x5A});
    Put(bytes, 900, std::string("4d 5a"));
    Put(bytes, 1100, std::string("4D 5A"));
    OpenBytes("case.bin", bytes);
    const struct {
        const char *typed;
        int hex;
        int64_t hit;  // -1: not found
        std::vector<unsigned char> match;
    } cases[] = {
        {"korvex", 0, 500, Bytes("korvex")},
        {"KORVEX", 0, 300, Bytes("KORVEX")},
        {"Korvex", 0, 100, Bytes("Korvex")},
        {"kORVEX", 0, -1, {}},
        {"4d 5a", 1, 700, {0x4D, 0x5A}},
        {"4D 5A", 1, 700, {0x4D, 0x5A}},
        {"4d 5a", 0, 900, Bytes("4d 5a")},
        {"4D 5A", 0, 1100, Bytes("4D 5A")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.hex ? " hex" : " string"));
        PlaceCaret(0, 0, 0);
        SearchFor(c.typed, c.hex);
        if (c.hit < 0) {
            ExpectNotFound();
        } else {
            ExpectHit((uint64_t)c.hit, c.match);
        }
        EXPECT_EQ(viewer.searchHexMode, c.hex);
        StartMessageBoxCapture();
    }
}

// --- F3, the menu and Ctrl+F -----------------------------------------------

// The hex column with the focus and the main dialog in front, the
// selection kept.
void FocusHexColumn(HWND dialog)
{
    Selection selection = HexSelection();
    BringToFront(dialog);
    SetFocus(viewer.hexEdit);
    SendMessageA(viewer.hexEdit, EM_SETSEL, selection.start, selection.end);
    PumpLoop(20);
}

TEST_F(Search, F3FindsEachOccurrenceInARunInTurn)
{
    std::vector<unsigned char> bytes = FilledBytes(2000);
    Put(bytes, 500, std::vector<unsigned char>{0xAA, 0xAA, 0xAA});
    OpenBytes("run.bin", bytes);
    PlaceCaret(0, 0, 0);
    SearchFor("AA AA", 1);
    ExpectHit(500, {0xAA, 0xAA});
    EXPECT_EQ(ItemText(dialog, IDC_HEX).substr(12, 5), "AA AA");

    HWND previous = viewer.searchDialog;
    FocusHexColumn(dialog);
    Press(VK_F3);
    ASSERT_NE(viewer.searchDialog, previous) << "F3 opened no dialog";
    ASSERT_TRUE(RunToEnd());
    ExpectHit(501, {0xAA, 0xAA});
    EXPECT_EQ(ItemText(dialog, IDC_HEX).substr(15, 5), "AA AA");

    // The run's last byte is followed by a filler byte.
    previous = viewer.searchDialog;
    FocusHexColumn(dialog);
    Press(VK_F3);
    ASSERT_NE(viewer.searchDialog, previous) << "F3 opened no dialog";
    ASSERT_TRUE(RunToEnd());
    ExpectNotFound();
}

// A long search: 256 MB of holes, one window per tick.
struct LongSearch : Search {
    static const uint64_t SIZE = 256ull << 20;
    void SetUp() override
    {
        Search::SetUp();
        searchTickBudgetMs = 0;
        OpenSparse("long.bin", SIZE, {0x12, 0x34, 0, 0});
    }
};

int SearchPassedFirstWindow(void)
{
    return viewer.searchLine >= 3 * WINDOW / 16;
}

int CaptionShowsProgress(void)
{
    return SearchDialog() != NULL && WindowText(SearchDialog()) != "単語検索";
}

TEST_F(LongSearch, DialogOpenedByF3RunsAtOnceAndOnePressStopsIt)
{
    ASSERT_TRUE(LaunchFromMenu() != NULL);
    Start("12 34", 1);
    SendMessageA(SearchDialog(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(SearchDialogGone());
    PlaceCaret(0, 0, 0);

    FocusHexColumn(dialog);
    Press(VK_F3);
    ASSERT_TRUE(SearchDialogShown());
    EXPECT_EQ(ItemText(SearchDialog(), IDC_SEARCH_TEXT), "12 34");
    EXPECT_EQ(IsDlgButtonChecked(SearchDialog(), IDC_SEARCH_HEX), BST_CHECKED);
    EXPECT_EQ(ButtonText(), "検索中止");
    EXPECT_EQ(viewer.searchActive, 1);
    ASSERT_TRUE(PumpLoopUntil(SearchPassedFirstWindow, 5000));
    EXPECT_EQ(viewer.topLine, 0u);

    // The caption tells how far the search has got.
    ASSERT_TRUE(PumpLoopUntil(CaptionShowsProgress, 5000)) << WindowText(SearchDialog());
    unsigned percent = 0;
    std::string caption = WindowText(SearchDialog());
    ASSERT_EQ(sscanf(caption.c_str(), "単語検索 (%u", &percent), 1) << caption;
    EXPECT_LE(percent, SearchPercent(0, viewer.searchPos, SIZE));
    EXPECT_EQ(caption, "単語検索 (" + std::to_string(percent) + "%)");

    ClickStartButton();
    EXPECT_EQ(ButtonText(), "検索開始");
    EXPECT_EQ(WindowText(SearchDialog()), "単語検索");
    EXPECT_EQ(viewer.searchActive, 0);
    // The page shows the first line of the first window not scanned: every
    // byte before it was, none after it.
    EXPECT_EQ(viewer.topLine, viewer.searchLine);
    EXPECT_EQ(viewer.topLine % (WINDOW / 16), 0u);
    EXPECT_EQ(viewer.searchPos, viewer.topLine * 16);
    uint64_t reached = viewer.searchLine;
    PumpLoop(100);
    EXPECT_EQ(viewer.searchLine, reached);
    EXPECT_TRUE(SearchDialogShown());
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// A new launch stops the running search, closes its dialog and opens
// a fresh one: never two dialogs, never two timers.
TEST_F(LongSearch, ANewLaunchReplacesTheOpenDialog)
{
    HWND first = LaunchFromMenu();
    ASSERT_TRUE(first != NULL);
    Start("12 34", 1);
    ASSERT_TRUE(PumpLoopUntil(SearchPassedFirstWindow, 5000));

    HWND second = LaunchFromMenu();
    EXPECT_FALSE(IsWindow(first));
    ASSERT_TRUE(second != NULL && second != first);
    EXPECT_EQ(SearchDialogCount(), 1);
    EXPECT_EQ(viewer.topLine, viewer.searchLine);
    EXPECT_EQ(ButtonText(), "検索開始");
    EXPECT_EQ(viewer.searchActive, 0);
    uint64_t reached = viewer.searchLine;
    PumpLoop(100);
    EXPECT_EQ(viewer.searchLine, reached);

    // F3 with a search running: the running one stops (its page shows
    // where it had got to) and a new one runs from there.
    PlaceCaret(0, 0, 0);
    Start("12 34", 1);
    ASSERT_TRUE(PumpLoopUntil(SearchPassedFirstWindow, 5000));
    FocusHexColumn(dialog);
    Press(VK_F3);
    EXPECT_FALSE(IsWindow(second));
    ASSERT_TRUE(SearchDialogShown());
    EXPECT_EQ(SearchDialogCount(), 1);
    EXPECT_EQ(ButtonText(), "検索中止");
    EXPECT_EQ(viewer.searchActive, 1);
    EXPECT_GE(viewer.topLine, 3 * WINDOW / 16);
    reached = viewer.searchLine;
    PumpLoop(50);
    EXPECT_GT(viewer.searchLine, reached);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// Opening another file ends the running search where it stands: it never
// goes on into the new file at the old one's position, and its dialog stays
// open, idle, for a search of the new file.
TEST_F(LongSearch, OpeningAnotherFileEndsTheRunningSearch)
{
    ASSERT_TRUE(LaunchFromMenu() != NULL);
    Start("12 34", 1);
    ASSERT_TRUE(PumpLoopUntil(SearchPassedFirstWindow, 5000));
    std::vector<unsigned char> other = FilledBytes(4 * WINDOW);
    Put(other, 0, std::vector<unsigned char>{0x12, 0x34});
    Put(other, 3 * WINDOW + 5, std::vector<unsigned char>{0x12, 0x34});
    OpenBytes("other.bin", other);

    PumpLoop(100);
    EXPECT_EQ(viewer.searchActive, 0);
    EXPECT_TRUE(SearchDialogShown());
    EXPECT_EQ(ButtonText(), "検索開始");
    EXPECT_EQ(WindowText(SearchDialog()), "単語検索");
    EXPECT_EQ(viewer.topLine, 0u);
    EXPECT_EQ(HexSelection().start, HexSelection().end);

    // One press searches the new file from its caret.
    ClickStartButton();
    ASSERT_TRUE(RunToEnd());
    ExpectHit(0, {0x12, 0x34});
}

// The idle press: a start with an empty box, or with no file open, begins
// nothing and leaves the button saying "検索開始"; the next press with a text
// searches at once.
TEST_F(Search, PressAfterAStartThatBeganNothingStarts)
{
    std::vector<unsigned char> bytes = FilledBytes(5000);
    Put(bytes, 4000, std::vector<unsigned char>{0x9A});
    OpenBytes("press.bin", bytes);
    for (int noFile = 0; noFile < 2; noFile++) {
        SCOPED_TRACE(noFile ? "no file" : "empty box");
        if (noFile) {
            CloseFile(dialog);
        } else {
            PlaceCaret(0, 0, 0);
        }
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        Start(noFile ? "9A" : "", 1);
        EXPECT_EQ(viewer.searchActive, 0);
        EXPECT_EQ(ButtonText(), "検索開始");
        if (noFile) {
            OpenBytes("press.bin", bytes);
            PlaceCaret(0, 0, 0);
        }
        Start("9A", 1);
        EXPECT_EQ(ButtonText(), "検索中止");
        ASSERT_TRUE(RunToEnd());
        ExpectHit(4000, {0x9A});
    }
}

// The menu and Ctrl+F clear the remembered text: the box is empty, the
// last started search's mode is checked and nothing starts.
TEST_F(Search, MenuAndCtrlFOpenAnEmptyIdleDialogWithTheLastMode)
{
    std::vector<unsigned char> bytes = FilledBytes(2000);
    Put(bytes, 40, std::string("ab"));
    Put(bytes, 1000, std::vector<unsigned char>{0xAB});
    OpenBytes("modes.bin", bytes);
    const struct {
        const char *before;  // the search run first; null: none
        int hex;
    } priors[] = {{NULL, 0}, {"AB", 1}, {"ab", 0}};
    for (int ctrlF = 0; ctrlF < 2; ctrlF++) {
        for (const auto &prior : priors) {
            SCOPED_TRACE(std::string(ctrlF ? "Ctrl+F " : "menu ") +
                         (prior.before ? prior.before : "first"));
            if (prior.before != NULL) {
                PlaceCaret(0, 0, 0);
                SearchFor(prior.before, prior.hex);
                ASSERT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
            }
            PlaceCaret(10, 30, 30);
            if (ctrlF) {
                FocusHexColumn(dialog);
                PressWith(VK_CONTROL, 'F');
            } else {
                LaunchFromMenu();
            }
            ASSERT_TRUE(SearchDialogShown());
            HWND search = SearchDialog();
            EXPECT_EQ(ItemText(search, IDC_SEARCH_TEXT), "");
            EXPECT_EQ(viewer.searchInput[0], '\0');
            EXPECT_EQ(IsDlgButtonChecked(search, IDC_SEARCH_HEX),
                      prior.hex ? BST_CHECKED : BST_UNCHECKED);
            EXPECT_EQ(IsDlgButtonChecked(search, IDC_SEARCH_STRING),
                      prior.hex ? BST_UNCHECKED : BST_CHECKED);
            EXPECT_EQ(ButtonText(), "検索開始");
            EXPECT_EQ(viewer.searchActive, 0);
            PumpLoop(60);
            EXPECT_TRUE(SearchDialogShown());
            EXPECT_EQ(viewer.topLine, 10u);
            EXPECT_EQ(HexSelection().start, 30u);
            SendMessageA(search, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(SearchDialogGone());
            EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
        }
    }
}

// --- the key filter's switch --------------------------------------------------

// Words the dump columns' filter would swallow: letters past F, blanks,
// Shift combinations.
const char WORDS[] = "Quiz Grape XYZ wv";

TEST_F(Search, KeysTypedIntoTheBoxRightAfterCtrlFReachItAndEnterStarts)
{
    std::vector<unsigned char> bytes = FilledBytes(3000);
    Put(bytes, 2000, std::string(WORDS));
    OpenBytes("words.bin", bytes);
    PlaceCaret(0, 0, 0);
    FocusHexColumn(dialog);
    ASSERT_EQ(viewer.editFocus, 1);
    PressWith(VK_CONTROL, 'F');
    ASSERT_TRUE(SearchDialogShown());
    EXPECT_EQ(viewer.editFocus, 0);
    EXPECT_EQ(GetFocus(), GetDlgItem(SearchDialog(), IDC_SEARCH_TEXT));
    CheckRadioButton(SearchDialog(), IDC_SEARCH_HEX, IDC_SEARCH_STRING, IDC_SEARCH_STRING);

    TypeWords(WORDS);
    EXPECT_EQ(ItemText(SearchDialog(), IDC_SEARCH_TEXT), WORDS);
    Press(VK_RETURN);
    ASSERT_TRUE(RunToEnd());
    ExpectHit(2000, Bytes(WORDS));
}

// A client point of the window that no other window covers.
POINT VisiblePoint(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    for (int y = 5; y < client.bottom; y += 10) {
        for (int x = 5; x < client.right; x += 10) {
            POINT point = {x, y};
            ClientToScreen(window, &point);
            if (WindowFromPoint(point) == window) {
                POINT found = {x, y};
                return found;
            }
        }
    }
    POINT none = {-1, -1};
    return none;
}

// Clicking a dump column and then back into the box: the filter is off
// again for the keys typed there.
TEST_F(Search, KeysTypedIntoTheBoxAfterVisitingAColumnReachIt)
{
    std::vector<unsigned char> bytes = FilledBytes(3000);
    OpenBytes("visit.bin", bytes);
    const struct {
        HWND column;
        int focus;
    } columns[] = {{viewer.hexEdit, 1}, {viewer.charEdit, 2}};
    for (const auto &column : columns) {
        SCOPED_TRACE(column.focus);
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        HWND search = SearchDialog();
        HWND box = GetDlgItem(search, IDC_SEARCH_TEXT);
        // Without a window manager the main dialog, once clicked, covers the
        // centred search dialog: a corner keeps the box in reach.
        RECT rect;
        GetWindowRect(search, &rect);
        SetWindowPos(search, NULL, GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left),
                     GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        POINT inColumn = VisiblePoint(column.column);
        ASSERT_GE(inColumn.x, 0);
        ClickAt(column.column, inColumn.x, inColumn.y);
        ASSERT_EQ(viewer.editFocus, column.focus);
        ASSERT_NE(GetActiveWindow(), search);
        POINT inBox = VisiblePoint(box);
        ASSERT_GE(inBox.x, 0);
        ClickAt(box, inBox.x, inBox.y);
        EXPECT_EQ(GetFocus(), box);
        EXPECT_EQ(viewer.editFocus, 0);
        TypeWords(WORDS);
        EXPECT_EQ(ItemText(search, IDC_SEARCH_TEXT), WORDS);
        // Esc closes the dialog with nothing started and the page kept.
        uint64_t top = viewer.topLine;
        Press(VK_ESCAPE);
        EXPECT_TRUE(SearchDialogGone());
        EXPECT_EQ(viewer.topLine, top);
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// --- idle stops ------------------------------------------------------------

// Closing a dialog that never started, or pressing its button again after
// a start that began nothing, leaves the page where the user has it, even
// when an earlier search's position lies elsewhere.
TEST_F(Search, IdleStopsLeaveThePageAlone)
{
    std::vector<unsigned char> bytes = FilledBytes(5000);
    Put(bytes, 4000, std::vector<unsigned char>{0x9A});
    OpenBytes("idle.bin", bytes);
    PlaceCaret(0, 0, 0);
    SearchFor("9A", 1);
    ExpectHit(4000, {0x9A});

    enum { CLOSE_BY_COMMAND, CLOSE_BOX, ESC_KEY, EMPTY_START_THEN_STOP };
    for (int way = CLOSE_BY_COMMAND; way <= EMPTY_START_THEN_STOP; way++) {
        SCOPED_TRACE(way);
        PlaceCaret(100, 33, 33);
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        HWND search = SearchDialog();
        if (way == CLOSE_BY_COMMAND) {
            SendMessageA(search, WM_COMMAND, IDCANCEL, 0);
        } else if (way == CLOSE_BOX) {
            SendMessageA(search, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else if (way == ESC_KEY) {
            BringToFront(search);
            Press(VK_ESCAPE);
        } else {
            // A start that begins nothing leaves the search idle: the next
            // press starts, as the button says.
            ClickStartButton();
            EXPECT_EQ(viewer.searchActive, 0);
            EXPECT_EQ(ButtonText(), "検索開始");
            PumpLoop(30);
            EXPECT_TRUE(SearchDialogShown());
        }
        PumpLoop(20);
        EXPECT_EQ(viewer.topLine, 100u);
        EXPECT_EQ(HexSelection().start, 33u);
        if (SearchDialog() != NULL) {
            SendMessageA(search, WM_COMMAND, IDCANCEL, 0);
        }
        EXPECT_EQ(viewer.topLine, 100u);
        EXPECT_TRUE(SearchDialogGone());
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// --- the main dialog during a search --------------------------------------

// 256 MB of holes with the match across the last window boundary: the page
// moves between ticks (which maps other windows), and the search still
// finds the match; then bytes typed into a page ahead of the search, in
// bytes it has already read, are stored by a page move and found there.
struct ResponsiveSearch : Search {};

int SearchUnderway(void)
{
    return viewer.searchLine > 0 || SearchDialogGone();
}

TEST_F(ResponsiveSearch, MainDialogMovesThePageWhileTheSearchRuns)
{
    const uint64_t size = 256ull << 20;
    const std::vector<unsigned char> match = {0x5A, 0x4B, 0x3C, 0x2D};
    std::vector<unsigned char> tail(WINDOW + 100, 0);
    Put(tail, 100 - 2, match);
    OpenSparse("holes.bin", size, tail);
    const uint64_t hit = size - WINDOW - 2;

    // One window a tick while the page moves, so that the search is still
    // under way.
    searchTickBudgetMs = 0;
    PlaceCaret(0, 0, 0);
    ASSERT_TRUE(LaunchFromMenu() != NULL);
    Start("5A 4B 3C 2D", 1);
    ASSERT_TRUE(PumpLoopUntil(SearchUnderway, 5000));
    ASSERT_TRUE(SearchDialogShown()) << "the search ended too soon to test";

    SendMessageA(dialog, WM_VSCROLL, SB_PAGEDOWN, (LPARAM)GetDlgItem(dialog, IDC_SCROLL));
    EXPECT_EQ(viewer.topLine, 48u);
    SetDlgItemTextA(dialog, IDC_JUMP, "100000");
    SendMessageA(dialog, WM_COMMAND, IDC_GO, 0);
    EXPECT_EQ(viewer.topLine, 4800000u);
    EXPECT_TRUE(SearchDialogShown());
    // The ticks go on and leave the page and its window alone.
    uint64_t reached = viewer.searchLine;
    uint64_t pageWindow = viewer.viewOffset;
    PumpLoop(60);
    EXPECT_TRUE(SearchDialogShown());
    EXPECT_GT(viewer.searchLine, reached);
    EXPECT_EQ(viewer.topLine, 4800000u);
    EXPECT_EQ(viewer.viewOffset, pageWindow);

    searchTickBudgetMs = SEARCH_TICK_BUDGET_MS;
    ASSERT_TRUE(RunToEnd(30000));
    ExpectHit(hit, match);
}

TEST_F(ResponsiveSearch, BytesStoredAheadOfTheSearchAreFound)
{
    const uint64_t size = 256ull << 20;
    const std::vector<unsigned char> match = {0x5A, 0x4B, 0x3C, 0x2D};
    std::vector<unsigned char> tail(100, 0);
    Put(tail, 0, match);
    OpenSparse("typed.bin", size, tail);
    // Reads of 256 windows from the first: the search is still in the
    // first read while the match is typed into its window 200.
    searchBufferBytes = 256 * WINDOW;
    searchTickBudgetMs = 0;
    SendDlgItemMessageA(dialog, IDC_READONLY, BM_SETCHECK, BST_UNCHECKED, 0);
    PlaceCaret(0, 0, 0);
    ASSERT_TRUE(LaunchFromMenu() != NULL);
    Start("5A 4B 3C 2D", 1);
    ASSERT_TRUE(PumpLoopUntil(SearchUnderway, 5000));

    const uint64_t typed = 200 * WINDOW + 16 * 5 + 3;
    LoadPage(dialog, typed / 16 - 5);
    BringToFront(dialog);
    SetFocus(viewer.hexEdit);
    SendMessageA(viewer.hexEdit, EM_SETSEL, 5 * 48 + 9, 5 * 48 + 9);
    TypeText("5a4b3c2d");
    LoadPage(dialog, 0);
    ASSERT_LT(viewer.searchPos, 200 * WINDOW) << "the search passed the typed bytes";

    searchTickBudgetMs = SEARCH_TICK_BUDGET_MS;
    ASSERT_TRUE(RunToEnd(30000));
    ExpectHit(typed, match);
}

// --- backward -----------------------------------------------------------------

// From the end of the file the dialog's backward search finds the last hit,
// and Shift+F3 walks the others in turn, one of them across a window
// boundary (and, with a buffer of one window, across two reads); at the
// file's start the message, and the page and selection stay.
TEST_F(Search, ShiftF3WalksHitsBackwardToTheFilesStart)
{
    const std::vector<unsigned char> match = {0xC1, 0xC2, 0xC3};
    const uint64_t hits[] = {2 * WINDOW + 10, WINDOW + 500, WINDOW - 1, 100};
    std::vector<unsigned char> bytes = FilledBytes(3 * WINDOW + 1000);
    for (uint64_t hit : hits) {
        Put(bytes, hit, match);
    }
    for (uint32_t bufferBytes : {SEARCH_BUFFER_BYTES, (uint32_t)WINDOW}) {
        SCOPED_TRACE(bufferBytes);
        searchBufferBytes = bufferBytes;
        OpenBytes(bufferBytes == WINDOW ? "back-window.bin" : "back.bin", bytes);
        PlaceCaret(LastPageTop(bytes.size()), 2304, 2304);
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        CheckDlgButton(SearchDialog(), IDC_SEARCH_BACKWARD, BST_CHECKED);
        Start("C1 C2 C3", 1);
        ASSERT_TRUE(RunToEnd());
        ExpectHit(hits[0], match);
        for (size_t i = 1; i <= 4; i++) {
            HWND previous = viewer.searchDialog;
            FocusHexColumn(dialog);
            PressWith(VK_SHIFT, VK_F3);
            ASSERT_NE(viewer.searchDialog, previous) << "Shift+F3 opened no dialog";
            ASSERT_TRUE(RunToEnd());
            if (i < 4) {
                ExpectHit(hits[i], match);
            }
        }
        ExpectNotFound();
        EXPECT_EQ(viewer.topLine, 100u / 16);
        EXPECT_EQ(HexSelection().start, 100u % 16 * 3);
        // The direction is kept for the next dialog, as the mode is.
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        EXPECT_EQ(IsDlgButtonChecked(SearchDialog(), IDC_SEARCH_BACKWARD), BST_CHECKED);
        SendMessageA(SearchDialog(), WM_COMMAND, IDCANCEL, 0);
        StartMessageBoxCapture();
    }
}

// --- every hit ------------------------------------------------------------------

HWND HitList(void)
{
    return viewer.hitsDialog != NULL ? GetDlgItem(viewer.hitsDialog, IDC_HITS_LIST) : NULL;
}

std::vector<std::string> HitRows(void)
{
    std::vector<std::string> rows;
    LRESULT count = SendMessageA(HitList(), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        char row[64] = "";
        SendMessageA(HitList(), LB_GETTEXT, (WPARAM)i, (LPARAM)row);
        rows.push_back(row);
    }
    return rows;
}

int FindAllEnded(void)
{
    return !viewer.findAllActive;
}

void ClickFindAll(void)
{
    SendDlgItemMessageA(SearchDialog(), IDC_SEARCH_ALL, BM_CLICK, 0, 0);
}

// Overlapping hits and one across a window boundary, listed in order with
// the caption's total; Enter on a row shows that hit; another file empties
// the list.
TEST_F(Search, FindAllListsEveryHitInOrder)
{
    std::vector<unsigned char> bytes = FilledBytes(3 * WINDOW + 1000);
    Put(bytes, 40, std::vector<unsigned char>{0xAA, 0xAA, 0xAA});
    Put(bytes, WINDOW - 1, std::vector<unsigned char>{0xAA, 0xAA});
    Put(bytes, 3 * WINDOW + 7, std::vector<unsigned char>{0xAA, 0xAA});
    OpenBytes("all.bin", bytes);
    PlaceCaret(100, 0, 0);
    ASSERT_TRUE(LaunchFromMenu() != NULL);
    FillIn("AA AA", 1);
    ClickFindAll();
    ASSERT_TRUE(viewer.hitsDialog != NULL);
    ASSERT_TRUE(PumpLoopUntil(FindAllEnded, 20000));
    const std::vector<std::string> expected = {"00000000 00000028", "00000000 00000029",
                                               "00000000 0000FFFF", "00000000 00030007"};
    EXPECT_EQ(HitRows(), expected);
    EXPECT_EQ(WindowText(viewer.hitsDialog), "検索結果 (4 件)");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(viewer.hitsDialog, IDC_HITS_STOP)));
    EXPECT_TRUE(SearchDialogShown());
    SendMessageA(SearchDialog(), WM_COMMAND, IDCANCEL, 0);

    BringToFront(viewer.hitsDialog);
    SetFocus(HitList());
    SendMessageA(HitList(), LB_SETCURSEL, 3, 0);
    Press(VK_RETURN);
    ExpectHit(3 * WINDOW + 7, {0xAA, 0xAA});
    EXPECT_TRUE(IsWindowVisible(viewer.hitsDialog));

    OpenBytes("all-again.bin", bytes);
    EXPECT_TRUE(HitRows().empty());
    EXPECT_EQ(WindowText(viewer.hitsDialog), "検索結果");
    SendMessageA(viewer.hitsDialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(viewer.hitsDialog == NULL);
}

int FindAllPassedFirstWindow(void)
{
    return viewer.searchPos >= 3 * WINDOW;
}

// 中止 ends the scan where it stands; while it ran, the dialog's own search
// was refused with a word, and nothing started.
TEST_F(LongSearch, FindAllStopsAtTheStopButton)
{
    ASSERT_TRUE(LaunchFromMenu() != NULL);
    FillIn("12 34", 1);
    ClickFindAll();
    ASSERT_TRUE(PumpLoopUntil(FindAllPassedFirstWindow, 5000));
    ClickStartButton();
    EXPECT_ONE_MESSAGE("ほかの検索を実行中です。中止してから開始してください。");
    EXPECT_EQ(ButtonText(), "検索開始");
    EXPECT_EQ(viewer.searchActive, 0);

    SendDlgItemMessageA(viewer.hitsDialog, IDC_HITS_STOP, BM_CLICK, 0, 0);
    EXPECT_EQ(viewer.findAllActive, 0);
    EXPECT_EQ(WindowText(viewer.hitsDialog), "検索結果 (0 件以上)");
    uint64_t reached = viewer.searchPos;
    PumpLoop(100);
    EXPECT_EQ(viewer.searchPos, reached);
    EXPECT_LT(reached, viewer.fileSize);
    EXPECT_TRUE(HitRows().empty());
}

}  // namespace

// --- encodings, case and any byte ----------------------------------------------

namespace {

// Sets the dialog's encoding list and case box as a user's choice leaves them.
void ChooseOptions(int encoding, int ignoreCase)
{
    SendDlgItemMessageA(SearchDialog(), IDC_SEARCH_ENCODING, CB_SETCURSEL, (WPARAM)encoding, 0);
    CheckDlgButton(SearchDialog(), IDC_SEARCH_IGNORE_CASE, ignoreCase ? BST_CHECKED : BST_UNCHECKED);
}

// "aア表" in its four encodings, UTF-16LE at an odd offset across a window
// boundary: each encoding finds its own bytes and selects them; すべて lists
// all four named, and a row selects that encoding's bytes.
TEST_F(Search, EachEncodingFindsItsOwnBytesAndAllFourAreListedByName)
{
    const std::vector<unsigned char> encoded[] = {
        {0x61, 0x83, 0x41, 0x95, 0x5C},
        {0x61, 0xE3, 0x82, 0xA2, 0xE8, 0xA1, 0xA8},
        {0x61, 0x00, 0xA2, 0x30, 0x68, 0x88},
        {0x00, 0x61, 0x30, 0xA2, 0x88, 0x68},
    };
    const uint64_t at[] = {1000, 3001, WINDOW - 3, 2 * WINDOW + 7};
    std::vector<unsigned char> bytes = FilledBytes(3 * WINDOW);
    for (int e = 0; e < 4; e++) {
        Put(bytes, at[e], encoded[e]);
    }
    OpenBytes("encodings.bin", bytes);
    for (int e = 0; e < 4; e++) {
        SCOPED_TRACE(e);
        PlaceCaret(0, 0, 0);
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        ChooseOptions(e, 0);
        Start("aア表", 0);
        ASSERT_TRUE(RunToEnd());
        ExpectHit(at[e], encoded[e]);
    }

    ASSERT_TRUE(LaunchFromMenu() != NULL);
    EXPECT_EQ(SendDlgItemMessageA(SearchDialog(), IDC_SEARCH_ENCODING, CB_GETCURSEL, 0, 0), 3);
    ChooseOptions(ENCODING_ALL, 0);
    FillIn("aア表", 0);
    ClickFindAll();
    ASSERT_TRUE(PumpLoopUntil(FindAllEnded, 20000));
    const std::vector<std::string> expected = {
        "00000000 000003E8  ｼﾌﾄJIS", "00000000 00000BB9  UTF-8",
        "00000000 0000FFFD  UTF-16LE", "00000000 00020007  UTF-16BE"};
    EXPECT_EQ(HitRows(), expected);
    SendMessageA(SearchDialog(), WM_COMMAND, IDCANCEL, 0);
    BringToFront(viewer.hitsDialog);
    SetFocus(HitList());
    SendMessageA(HitList(), LB_SETCURSEL, 2, 0);
    Press(VK_RETURN);
    ExpectHit(at[2], encoded[2]);
    SendMessageA(viewer.hitsDialog, WM_COMMAND, IDCANCEL, 0);
}

// Letters match either case where the box is checked, never a double-byte
// character's trail byte; the box and the list are greyed for a hex search,
// which takes its bytes as typed, and the next dialog shows them as last
// used.
TEST_F(Search, IgnoringCaseLeavesTrailBytesAlone)
{
    std::vector<unsigned char> bytes = FilledBytes(1000);
    Put(bytes, 100, std::vector<unsigned char>{0x83, 0x61});  // ア's lead, then an a
    Put(bytes, 200, std::string("aBc"));
    Put(bytes, 300, std::vector<unsigned char>{0x83, 0x41});  // ア
    OpenBytes("case.bin", bytes);
    const struct {
        const char *typed;
        uint64_t hit;
        std::string match;
    } cases[] = {{"ア", 300, "\x83\x41"}, {"AbC", 200, "aBc"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        PlaceCaret(0, 0, 0);
        ASSERT_TRUE(LaunchFromMenu() != NULL);
        ChooseOptions(ENCODING_SHIFT_JIS, 1);
        Start(c.typed, 0);
        ASSERT_TRUE(RunToEnd());
        ExpectHit(c.hit, Bytes(c.match));
    }

    HWND search = LaunchFromMenu();
    ASSERT_TRUE(search != NULL);
    EXPECT_EQ(IsDlgButtonChecked(search, IDC_SEARCH_IGNORE_CASE), BST_CHECKED);
    SendDlgItemMessageA(search, IDC_SEARCH_HEX, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(search, IDC_SEARCH_IGNORE_CASE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(search, IDC_SEARCH_ENCODING)));
    PlaceCaret(0, 0, 0);
    Start("41 42 43", 1);
    ASSERT_TRUE(RunToEnd());
    ExpectNotFound();
}

// "??" matches any byte, forward and backward (Shift+F3, with the text and
// mode kept) across a window boundary; a pattern that begins with it is
// refused with a word and starts nothing.
TEST_F(Search, AnyByteWorksForwardAndBackwardAcrossAWindowBoundary)
{
    const std::vector<unsigned char> match = {0xC1, 0xEE, 0xC3};
    std::vector<unsigned char> bytes = FilledBytes(3 * WINDOW);
    Put(bytes, 700, std::vector<unsigned char>{0xC1, 0x55, 0xC4});  // the last byte differs
    Put(bytes, WINDOW - 2, match);
    OpenBytes("any.bin", bytes);
    PlaceCaret(0, 0, 0);
    SearchFor("C1 ?? C3", 1);
    ExpectHit(WINDOW - 2, match);
    PlaceCaret(LastPageTop(bytes.size()), 2304, 2304);
    FocusHexColumn(dialog);
    PressWith(VK_SHIFT, VK_F3);
    ASSERT_TRUE(RunToEnd());
    ExpectHit(WINDOW - 2, match);

    ASSERT_TRUE(LaunchFromMenu() != NULL);
    Start("?? C3", 1);
    EXPECT_ONE_MESSAGE("16進数として検索できません。");
    EXPECT_EQ(ButtonText(), "検索開始");
    SendMessageA(SearchDialog(), WM_COMMAND, IDCANCEL, 0);
}

}  // namespace
