// A seeded random walk of typing, page moves, read-only clicks, opens and
// failed loads, with both files compared after every step against a model of
// what must be stored: a page's typing becomes durable only when the page is
// left with the read-only box clear, and typing into a page that no longer
// belongs to the open file's page at topLine never does.
//
// KORVEX_MODEL_SEED and KORVEX_MODEL_STEPS choose the walk (default 1, 300);
// KORVEX_MODEL_TRACE=1 names each step before it runs.
#include "edit_fixture.h"

#include <stdlib.h>

#include <algorithm>

namespace {

struct Random {
    uint64_t state;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t Below(uint32_t bound) { return (uint32_t)(Next() % bound); }
};

unsigned long EnvironmentNumber(const char *name, unsigned long fallback)
{
    char text[32];
    DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
    if (length == 0 || length >= sizeof text) {
        return fallback;
    }
    return strtoul(text, NULL, 10);
}

const uint32_t kLinesPerWindow = 65536 / 16;

struct ModelFile {
    std::string path;
    std::vector<unsigned char> bytes;
    uint64_t LineCount() const { return (bytes.size() + 15) / 16; }
};

struct EditModel : EditTest {
    ModelFile files[2];
    int openFile = -1;         // index into files, -1 when none is open
    uint64_t topLine = 0;
    uint32_t pageBytes = 0;    // of the page at topLine, as the load computed it
    std::vector<unsigned char> shown;  // the page in the hex column, typing included
    int stale = 0;             // shown is not the open file's page at topLine
    int readOnly = 1;
    int expectedMessages = 0;
    const char *expectedMessage = "";
    std::string action;
    // How much of the walk did something: changed pages stored, of them
    // pages across a window boundary, failed loads, and stores that failed.
    int stores = 0;
    int straddlingStores = 0;
    int failedLoads = 0;
    int lostStores = 0;

    const ModelFile &Open() const { return files[openFile]; }

    uint64_t Clamp(uint64_t line) const
    {
        uint64_t lines = Open().LineCount();
        uint64_t last = lines > 48 ? lines - 48 : 0;
        return line < last ? line : last;
    }

    std::vector<unsigned char> FilePage(uint64_t line, uint32_t count) const
    {
        const std::vector<unsigned char> &bytes = Open().bytes;
        return std::vector<unsigned char>(bytes.begin() + line * 16,
                                          bytes.begin() + line * 16 + count);
    }

    // What the write-back of the page being left does.
    void LeavePage()
    {
        if (openFile < 0 || readOnly || stale) {
            return;
        }
        std::vector<unsigned char>::iterator at = files[openFile].bytes.begin() + topLine * 16;
        if (!std::equal(shown.begin(), shown.end(), at)) {
            stores += 1;
            straddlingStores += topLine / kLinesPerWindow != (topLine + 47) / kLinesPerWindow &&
                                topLine + 48 <= Open().LineCount();
        }
        std::copy(shown.begin(), shown.end(), at);
    }

    void ShowPage(uint64_t line)
    {
        topLine = line;
        uint64_t remaining = Open().bytes.size() - line * 16;
        pageBytes = (uint32_t)(remaining < 768 ? remaining : 768);
        shown = FilePage(topLine, pageBytes);
        stale = 0;
    }

    void ModelLoad(uint64_t line)
    {
        if (openFile < 0) {
            return;
        }
        line = Clamp(line);
        LeavePage();
        ShowPage(line);
    }

    void ModelOpen(int file)
    {
        LeavePage();
        openFile = file;
        ShowPage(0);
    }

    void ModelFailedOpen()
    {
        LeavePage();
        openFile = -1;
        stale = 1;
    }

    int trace = 0;

    // With KORVEX_MODEL_TRACE set, each step is named before it runs.
    void Announce()
    {
        if (trace) {
            printf("  %s\n", action.c_str());
            fflush(stdout);
        }
    }

    // --- steps ------------------------------------------------------------

    void StepType(Random &random)
    {
        uint32_t count = (uint32_t)shown.size();
        uint32_t byte = random.Below(4) == 0 ? (random.Below(2) ? 0 : count - 1)
                                             : random.Below(count);
        uint32_t kind = random.Below(10);
        uint32_t caret = kind < 4 ? 3 * byte : kind < 8 ? 3 * byte + 1
                                             : kind < 9 ? 3 * byte + 2 : 3 * count;
        char keys[3] = {"0123456789abcdef"[random.Below(16)], "0123456789ABCDEF"[random.Below(16)],
                        '\0'};
        if (random.Below(3) == 0) {
            keys[1] = '\0';
        }
        action = "type \"" + std::string(keys) + "\" at " + std::to_string(caret);
        Announce();

        FocusHex();
        SelectHex(caret, caret);
        TypeText(keys);

        // With no file open the column is read-only; and a page whose load
        // failed may hold another count of bytes than the text still shown.
        // Either way the column takes no typing at all.
        if (openFile < 0 || pageBytes != count) {
            return;
        }
        for (const char *key = keys; *key != '\0'; key++) {
            if (caret >= 3 * count) {
                break;
            }
            if (caret % 3 == 2) {
                caret += 1;
                continue;
            }
            unsigned char digit =
                (unsigned char)(*key <= '9' ? *key - '0' : (*key | 0x20) - 'a' + 10);
            unsigned char &value = shown[caret / 3];
            value = caret % 3 == 0 ? (unsigned char)((digit << 4) | (value & 15))
                                   : (unsigned char)((value & 0xF0) | digit);
            caret += caret % 3 == 0 ? 1 : 2;
        }
        if (caret > 3 * count) {
            caret = 3 * count;
        }
        EXPECT_EQ(ReadHexSelection(), (HexSelection{caret, caret})) << "caret";
    }

    uint64_t RandomLine(Random &random)
    {
        uint64_t lines = openFile >= 0 ? Open().LineCount() : 1;
        switch (random.Below(8)) {
        case 0:
        case 1:
            return random.Below((uint32_t)lines + 60);
        case 2:
        case 3:
        case 4:
        case 5: {
            // Around a window boundary: the page straddles it or ends on it.
            uint64_t windows = lines / kLinesPerWindow;
            uint64_t boundary = (1 + random.Below((uint32_t)windows + 1)) * kLinesPerWindow;
            return boundary - random.Below(60);
        }
        case 6:
            return lines - 1 - random.Below(3);
        default:
            return ~(uint64_t)random.Below(3);
        }
    }

    void StepLoad(Random &random)
    {
        uint64_t line = RandomLine(random);
        action = "LoadPage " + std::to_string(line);
        Announce();
        LoadPage(dialog, line);
        ModelLoad(line);
    }

    void StepPageKey(Random &random)
    {
        int down = random.Below(2);
        action = down ? "Page Down" : "Page Up";
        Announce();
        FocusHex();
        DWORD caret = 3 * random.Below((uint32_t)shown.size()) + random.Below(2);
        SelectHex(caret, caret);
        PressKey(down ? VK_NEXT : VK_PRIOR);
        if (openFile >= 0) {
            ModelLoad(down ? topLine + 48 : topLine > 48 ? topLine - 48 : 0);
        }
    }

    void StepReadOnly(Random &random)
    {
        if (random.Below(2)) {
            action = "click the read-only box";
            Announce();
            ClickReadOnlyBox();
        } else {
            action = "BM_CLICK the read-only box";
            Announce();
            SendDlgItemMessageA(dialog, IDC_READONLY, BM_CLICK, 0, 0);
            Pump(10);
        }
        readOnly = !readOnly;
        EXPECT_EQ(BoxChecked(), readOnly);
    }

    void StepOpen(int file)
    {
        action = "open " + files[file].path;
        Announce();
        OpenFile(dialog, files[file].path.c_str());
        ModelOpen(file);
    }

    void StepFailedOpen()
    {
        action = "open a missing file";
        Announce();
        OpenFile(dialog, Path("missing.bin").c_str());
        ModelFailedOpen();
        expectedMessages = 1;
        expectedMessage = "ﾌｧｲﾙを開けません。";
    }

    // A page load whose first map fails for real: no view held (the state a
    // failed map leaves) and no address space free until the failure's
    // message box opens. With the page left edited and the box clear, that
    // first map is the write-back's: the edits are lost and the load, with
    // the space back, succeeds.
    void StepFailedLoad(Random &random)
    {
        uint64_t line = RandomLine(random);
        action = "LoadPage " + std::to_string(line) + " with no address space";
        Announce();
        int storeTried = !readOnly && !stale && shown != FilePage(topLine, pageBytes);
        if (viewer.viewBase != NULL) {
            UnmapViewOfFile(viewer.viewBase);
            viewer.viewBase = NULL;
            viewer.viewOffset = 1;
        }
        ReservedAddressSpace reserved;
        reserved.ReleaseAtNextWindow();
        reserved.ReserveAll();
        LoadPage(dialog, line);
        reserved.Release();
        Pump(10);

        expectedMessages = 1;
        expectedMessage = "MapViewOfFileに失敗しました。";
        line = Clamp(line);
        if (storeTried) {
            lostStores += 1;
            ShowPage(line);
            return;
        }
        topLine = line;
        uint64_t remaining = Open().bytes.size() - line * 16;
        pageBytes = (uint32_t)(remaining < 768 ? remaining : 768);
        stale = 1;
        failedLoads += 1;
    }

    // --- checks -----------------------------------------------------------

    void Check()
    {
        EXPECT_EQ(CapturedMessageCount(), expectedMessages) << CapturedMessages();
        for (int i = 0; i < CapturedMessageCount(); i++) {
            EXPECT_EQ(CapturedText(i), expectedMessage);
        }
        EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(shown));
        EXPECT_EQ(ItemText(dialog, IDC_TEXT), ExpectedChars(shown));
        for (int file = 0; file < 2; file++) {
            std::vector<unsigned char> bytes =
                file == openFile ? MappedFileBytes() : DiskBytes(files[file].path);
            EXPECT_EQ(FirstDifference(bytes, files[file].bytes), "") << files[file].path;
        }
        if (openFile >= 0) {
            EXPECT_EQ(viewer.topLine, topLine);
        }
    }
};

TEST_F(EditModel, RandomEditingStoresExactlyWhatTheModelSays)
{
    const unsigned long seed = EnvironmentNumber("KORVEX_MODEL_SEED", 1);
    const unsigned long steps = EnvironmentNumber("KORVEX_MODEL_STEPS", 300);
    trace = EnvironmentNumber("KORVEX_MODEL_TRACE", 0) != 0;
    printf("edit model: seed %lu, %lu steps\n", seed, steps);
    fflush(stdout);
    Random random = {seed};

    const size_t sizes[2] = {200 * 1024 + 5, 5000 + 3};
    const char *names[2] = {"model-a.bin", "model-b.bin"};
    for (int file = 0; file < 2; file++) {
        files[file].path = Path(names[file]);
        files[file].bytes = PatternBytes(file * 7777, sizes[file]);
        ASSERT_TRUE(WriteTestFile(files[file].path, files[file].bytes.data(), sizes[file]));
    }
    StepOpen(0);
    FocusHex();

    std::vector<std::string> recent;
    for (unsigned long step = 0; step < steps; step++) {
        StartMessageBoxCapture();
        expectedMessages = 0;
        expectedMessage = "";
        uint32_t pick = random.Below(100);
        if (pick < 50) {
            StepType(random);
        } else if (pick < 68) {
            StepLoad(random);
        } else if (pick < 74) {
            StepPageKey(random);
        } else if (pick < 81) {
            StepReadOnly(random);
        } else if (pick < 85) {
            StepOpen(openFile >= 0 ? openFile : 0);
        } else if (pick < 90) {
            StepOpen(openFile == 0 ? 1 : 0);
        } else if (pick < 95) {
            StepFailedOpen();
        } else if (openFile >= 0) {
            StepFailedLoad(random);
        } else {
            StepOpen(1);
        }
        recent.push_back(std::to_string(step) + ": " + action);
        if (recent.size() > 10) {
            recent.erase(recent.begin());
        }
        Check();
        if (HasFailure()) {
            std::string trail;
            for (const std::string &line : recent) {
                trail += line + "\n";
            }
            FAIL() << "seed " << seed << ", step " << step << " (" << action
                   << "), read-only " << readOnly << ", stale " << stale << ", file " << openFile
                   << ", topLine " << topLine << "; the last steps:\n"
                   << trail;
        }
        if ((step + 1) % 50 == 0) {
            printf("edit model: %lu steps\n", step + 1);
            fflush(stdout);
        }
    }

    // The close stores the last page too.
    CloseFile(dialog);
    LeavePage();
    for (int file = 0; file < 2; file++) {
        EXPECT_EQ(FirstDifference(DiskBytes(files[file].path), files[file].bytes), "")
            << files[file].path;
    }
    printf("edit model: %d pages stored (%d across a window boundary), %d failed loads, %d "
           "failed stores\n",
           stores, straddlingStores, failedLoads, lostStores);
}

}  // namespace
