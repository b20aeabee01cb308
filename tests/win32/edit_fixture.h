// The main dialog with a file open for typing into the hex column: real
// keystrokes and clicks, the file's bytes as the mapping holds them and as
// the disk holds them once closed, and a model of what must be stored.
#ifndef KORVEX_TEST_EDIT_FIXTURE_H
#define KORVEX_TEST_EDIT_FIXTURE_H

#include "address_space.h"
#include "open_file_fixture.h"

#include "edit/key_filter.h"
#include "app/file_life.h"
#include "edit/write_back.h"
#include "file/mapped_file.h"
#include "view/load_page.h"

#include <stdint.h>
#include <stdio.h>

#include <vector>

struct HexSelection {
    DWORD start;
    DWORD end;
    bool operator==(const HexSelection &other) const
    {
        return start == other.start && end == other.end;
    }
};

inline std::ostream &operator<<(std::ostream &out, const HexSelection &selection)
{
    return out << "(" << selection.start << ", " << selection.end << ")";
}

inline HexSelection ReadHexSelection(void)
{
    HexSelection selection = {0, 0};
    SendMessageA(viewer.hexEdit, EM_GETSEL, (WPARAM)&selection.start, (LPARAM)&selection.end);
    return selection;
}

inline void SelectHex(DWORD start, DWORD end)
{
    SendMessageA(viewer.hexEdit, EM_SETSEL, start, end);
}

// "" when equal, else where the first difference lies: a failure names the
// offset instead of printing two whole files.
inline std::string FirstDifference(const std::vector<unsigned char> &actual,
                                   const std::vector<unsigned char> &expected)
{
    char text[160];
    if (actual.size() != expected.size()) {
        snprintf(text, sizeof text, "size %u, expected %u", (unsigned)actual.size(),
                 (unsigned)expected.size());
        return text;
    }
    for (size_t i = 0; i < actual.size(); i++) {
        if (actual[i] != expected[i]) {
            snprintf(text, sizeof text, "offset %u (line %u, byte %u): %02X, expected %02X",
                     (unsigned)i, (unsigned)(i / 16), (unsigned)(i % 16), actual[i], expected[i]);
            return text;
        }
    }
    return "";
}

// The whole open file through a view of its own on the program's mapping:
// the bytes the file holds, without closing it.
inline std::vector<unsigned char> MappedFileBytes(void)
{
    std::vector<unsigned char> bytes;
    if (viewer.mappingHandle == NULL) {
        return bytes;
    }
    const unsigned char *view =
        (const unsigned char *)MapViewOfFile(viewer.mappingHandle, FILE_MAP_READ, 0, 0, 0);
    if (view == NULL) {
        return bytes;
    }
    bytes.assign(view, view + (size_t)viewer.fileSize);
    UnmapViewOfFile(view);
    return bytes;
}

// A closed file's bytes, read with ordinary file reads.
inline std::vector<unsigned char> DiskBytes(const std::string &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::vector<unsigned char>();
    }
    return ReadTestFile(path, 0, data.nFileSizeLow);
}

inline FILETIME FileWriteTime(const std::string &path)
{
    FILETIME written = {0, 0};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        GetFileTime(file, NULL, NULL, &written);
        CloseHandle(file);
    }
    return written;
}

// Puts the file's write time far in the past, so that any store shows.
inline int AgeFile(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    SYSTEMTIME old = {2001, 2, 0, 3, 4, 5, 6, 0};
    FILETIME time;
    SystemTimeToFileTime(&old, &time);
    BOOL ok = SetFileTime(file, NULL, NULL, &time);
    CloseHandle(file);
    return ok ? 1 : 0;
}

inline bool SameTime(const FILETIME &a, const FILETIME &b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

inline HHOOK WINAPI RefuseKeyboardHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    return NULL;
}

// One key, possibly with Ctrl or Shift held, as real keystrokes.
struct KeyStroke {
    const char *name;
    WORD modifier;  // 0, VK_CONTROL or VK_SHIFT
    WORD key;
};

inline void PressStroke(const KeyStroke &stroke)
{
    if (stroke.modifier != 0) {
        KeyDown(stroke.modifier);
    }
    PressKey(stroke.key);
    if (stroke.modifier != 0) {
        KeyUp(stroke.modifier);
    }
}

// Text that would break the column's shape if it were ever pasted.
inline int PutTextOnClipboard(const char *text)
{
    if (!OpenClipboard(NULL)) {
        return 0;
    }
    EmptyClipboard();
    size_t size = strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    int ok = SetClipboardData(CF_TEXT, memory) != NULL;
    CloseClipboard();
    return ok;
}

inline std::string ClipboardText(void)
{
    std::string text;
    if (OpenClipboard(NULL)) {
        HANDLE memory = GetClipboardData(CF_TEXT);
        if (memory != NULL) {
            text = (const char *)GlobalLock(memory);
            GlobalUnlock(memory);
        }
        CloseClipboard();
    }
    return text;
}

struct EditTest : OpenFileTest {
    std::string path;
    // What the open file must hold; every stored edit goes in here.
    std::vector<unsigned char> model;

    // Writes the bytes into a new file, opens it, and gives the hex column
    // the keyboard focus.
    void OpenBytes(const char *name, const std::vector<unsigned char> &bytes)
    {
        path = Path(name);
        ASSERT_TRUE(WriteTestFile(path, bytes.data(), bytes.size()));
        model = bytes;
        OpenExisting();
    }

    // Opens path as it stands on the disk.
    void OpenExisting()
    {
        OpenFile(dialog, path.c_str());
        ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE) << CapturedMessages();
        FocusHex();
    }

    void OpenPatterned(const char *name, size_t size) { OpenBytes(name, PatternBytes(0, size)); }

    void FocusHex()
    {
        if (GetForegroundWindow() != dialog) {
            BringToFront(dialog);
        }
        if (GetFocus() != viewer.hexEdit) {
            SetFocus(viewer.hexEdit);
            Pump(10);
        }
    }

    void SetReadOnlyBox(int checked)
    {
        SendDlgItemMessageA(dialog, IDC_READONLY, BM_SETCHECK,
                            checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    int BoxChecked() const { return IsDlgButtonChecked(dialog, IDC_READONLY) == BST_CHECKED; }

    // A real click on the read-only box; the focus then goes back to the
    // hex column, as a click there would put it.
    void ClickReadOnlyBox()
    {
        ClickAt(GetDlgItem(dialog, IDC_READONLY), 5, 5);
        FocusHex();
    }

    // The page shown as the model says it must look, edits included.
    std::vector<unsigned char> ModelPage(void) const
    {
        size_t first = (size_t)viewer.topLine * 16;
        return std::vector<unsigned char>(model.begin() + first,
                                          model.begin() + first + viewer.pageBytes);
    }

    // Types keys with the caret before the high digit of page byte k.
    void TypeAtByte(uint32_t k, const char *keys)
    {
        FocusHex();
        SelectHex(3 * k, 3 * k);
        TypeText(keys);
    }

    // Types the byte's two digits (lower case: the column enters them upper
    // case) at page byte k, and notes it in the model as stored on leaving.
    void TypeStoredByte(uint32_t k, unsigned char value)
    {
        char keys[3];
        snprintf(keys, sizeof keys, "%02x", value);
        TypeAtByte(k, keys);
        model[(size_t)viewer.topLine * 16 + k] = value;
    }
};

// The same dialog started while the key filter could not be installed.
struct EditWithoutFilterTest : EditTest {
    void SetUp() override
    {
        setKeyboardHook = RefuseKeyboardHook;
        EditTest::SetUp();
        setKeyboardHook = SetWindowsHookExA;
        ASSERT_TRUE(viewer.keyboardHook == NULL);
        ASSERT_EQ(CapturedText(0), "ﾌｯｸ失敗。");
        StartMessageBoxCapture();
    }
};

#endif
