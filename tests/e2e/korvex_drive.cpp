// korvex_drive: operates a running Korvex from another process the way a user
// would, and reports what its controls show. Runs in the same Wine prefix and
// display as the program; one command per run.
//
//   korvex_drive [-w CAPTION | -h HANDLE] [-c CLASS] [-t MILLISECONDS] COMMAND [ARGS]
//
// The target is the visible top-level window of class CLASS (default
// "#32770") captioned CAPTION (default "Korvex+"), or the window HANDLE that
// an earlier "wait" printed (-h HANDLE: for a window whose caption changes);
// every command first waits up to the timeout (default 10000 ms) for it to
// appear. Texts are printed as
// the control's code page 932 bytes in hex ("CC A7 ..."), an empty text as an
// empty line, so scripts compare them byte for byte.
//
// Commands:
//   wait              the window is there (prints its handle)
//   gone              waits until the window no longer exists
//   caption           the window's own text, hex
//   text ID           the text of control ID (WM_GETTEXT), hex
//   sel ID            the selection of edit ID (EM_GETSEL): "START END"
//   setsel ID S E     selects characters S to E of edit ID (EM_SETSEL)
//   check ID          BM_GETCHECK of button ID: 0, 1 or 2
//   enabled ID        1 when control ID is enabled, else 0
//   focus             the control ID holding the keyboard focus (0 for none)
//   list              one line per child: ID, class, text hex
//   keys KEY...       real keystrokes (SendInput) after bringing the window
//                     to the front. KEY is [ctrl+][alt+][shift+]NAME, NAME a
//                     letter, a digit, enter, esc, tab, space, back, delete,
//                     insert, home, end, pgup, pgdn, left, right, up, down,
//                     f1-f12, num0-num9 (keypad) or a code such as 0x41.
//   type TEXT         types printable ASCII text key by key
//   click ID          a real left click on the centre of control ID
//   settext ID TEXT   WM_SETTEXT of TEXT as given, in UTF-16 (a file name
//                     outside code page 932 too)
//   drop PATH         drops the file PATH on the window as Explorer does: a
//                     DROPFILES block with the UTF-16 path (fWide set),
//                     written into the window's process and sent as
//                     WM_DROPFILES: done when the window has handled it
//   command ID        posts WM_COMMAND ID. A fallback for a path whose keys
//                     are not what the case is about; prefer keys or click.
//   version FILE NAME...  FILE's version resource as Explorer reads it, no
//                     window needed: "FILEVERSION PRODUCTVERSION LANGUAGE
//                     CODEPAGE" ("1.0.5.0 1.0.5.0 0411 03A4"), then the string
//                     NAME of that language and code page in hex, one a line.
//
// Exit status: 0 done, 1 the window, control or condition did not come
// within the timeout, 2 bad usage.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

const char *windowClass = "#32770";
const char *windowCaption = "Korvex+";
HWND windowHandle = 0;
DWORD timeoutMs = 10000;

// Pause between keystrokes, so that a menu or dialog opened by one key is
// there before the next one is read.
const DWORD KEY_GAP_MS = 60;
const DWORD POLL_MS = 50;

char textBuffer[65536];

// The arguments as given, in UTF-16: main's are in code page 932, which
// spells some file names as other files' names.
wchar_t **wideArgs = 0;
char **mainArgs = 0;

int Usage(void)
{
    fprintf(stderr,
            "usage: korvex_drive [-w CAPTION | -h HANDLE] [-c CLASS] [-t MS] COMMAND [ARGS]\n"
            "commands: wait gone caption text sel setsel check enabled focus list\n"
            "          keys type click settext drop command version\n");
    return 2;
}

int Fail(const char *what, const char *detail)
{
    fprintf(stderr, "korvex_drive: %s%s%s\n", what, detail ? " " : "", detail ? detail : "");
    return 1;
}

// The target window when it exists, visible or not.
HWND FindAny(void)
{
    if (windowHandle) return IsWindow(windowHandle) ? windowHandle : 0;
    return FindWindowA(windowClass, windowCaption);
}

HWND FindTarget(void)
{
    HWND window = FindAny();
    return window && IsWindowVisible(window) ? window : 0;
}

HWND WaitForTarget(void)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindTarget();
        if (window || GetTickCount() - start >= timeoutMs) {
            return window;
        }
        Sleep(POLL_MS);
    }
}

int ParseNumber(const char *text, long *value)
{
    char *end = 0;
    *value = strtol(text, &end, 0);
    return end != text && *end == '\0';
}

void PrintHex(const char *bytes, int length)
{
    for (int i = 0; i < length; ++i) {
        printf(i ? " %02X" : "%02X", (unsigned char)bytes[i]);
    }
    printf("\n");
}

// Cross-process WM_GETTEXT: the system copies the text into our buffer.
int WindowTextHex(HWND window)
{
    int length = (int)SendMessageA(window, WM_GETTEXT, sizeof textBuffer, (LPARAM)textBuffer);
    PrintHex(textBuffer, length);
    return 0;
}

// --- the version resource ----------------------------------------------------

char versionData[16384];

int PrintVersion(const char *file, int count, char **names)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0 || size > sizeof versionData || !GetFileVersionInfoA(file, 0, sizeof versionData, versionData)) {
        return Fail("no version resource in", file);
    }
    VS_FIXEDFILEINFO *fixed = 0;
    WORD *translation = 0;
    UINT length = 0;
    if (!VerQueryValueA(versionData, "\\", (void **)&fixed, &length) || length < sizeof *fixed) {
        return Fail("no fixed version in", file);
    }
    if (!VerQueryValueA(versionData, "\\VarFileInfo\\Translation", (void **)&translation, &length) || length < 4) {
        return Fail("no translation in", file);
    }
    printf("%u.%u.%u.%u %u.%u.%u.%u %04X %04X\n",
           HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
           HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS),
           HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
           HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS),
           translation[0], translation[1]);
    for (int i = 0; i < count; ++i) {
        char query[128];
        char *value = 0;
        _snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], names[i]);
        query[sizeof query - 1] = '\0';
        if (!VerQueryValueA(versionData, query, (void **)&value, &length)) return Fail("no string", names[i]);
        PrintHex(value, lstrlenA(value));
    }
    return 0;
}

// --- input ---------------------------------------------------------------

int IsExtendedKey(WORD key)
{
    switch (key) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_LEFT: case VK_RIGHT:
    case VK_UP: case VK_DOWN:
        return 1;
    default:
        return 0;
    }
}

// The scan code matters: Wine types no keypad digit without one.
void SendKey(WORD key, int up)
{
    INPUT input;
    memset(&input, 0, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = (WORD)MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &input, sizeof input);
}

struct NamedKey {
    const char *name;
    WORD key;
};

const NamedKey NAMED_KEYS[] = {
    {"enter", VK_RETURN}, {"return", VK_RETURN}, {"esc", VK_ESCAPE}, {"escape", VK_ESCAPE},
    {"tab", VK_TAB}, {"space", VK_SPACE}, {"back", VK_BACK}, {"backspace", VK_BACK},
    {"delete", VK_DELETE}, {"del", VK_DELETE}, {"insert", VK_INSERT}, {"ins", VK_INSERT},
    {"home", VK_HOME}, {"end", VK_END}, {"pgup", VK_PRIOR}, {"pageup", VK_PRIOR},
    {"pgdn", VK_NEXT}, {"pagedown", VK_NEXT}, {"left", VK_LEFT}, {"right", VK_RIGHT},
    {"up", VK_UP}, {"down", VK_DOWN}, {"shift", VK_SHIFT}, {"ctrl", VK_CONTROL},
    {"alt", VK_MENU},
};

// Key name to virtual-key code; 0 when unknown.
WORD KeyCode(const char *name)
{
    size_t length = strlen(name);
    if (length == 1) {
        char c = name[0];
        if (c >= 'a' && c <= 'z') return (WORD)(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return (WORD)c;
        return 0;
    }
    for (size_t i = 0; i < sizeof NAMED_KEYS / sizeof NAMED_KEYS[0]; ++i) {
        if (lstrcmpiA(name, NAMED_KEYS[i].name) == 0) return NAMED_KEYS[i].key;
    }
    if ((name[0] == 'f' || name[0] == 'F') && length <= 3) {
        int n = atoi(name + 1);
        if (n >= 1 && n <= 12) return (WORD)(VK_F1 + n - 1);
    }
    if (strncmp(name, "num", 3) == 0 && length == 4 && name[3] >= '0' && name[3] <= '9') {
        return (WORD)(VK_NUMPAD0 + name[3] - '0');
    }
    long code = 0;
    if (strncmp(name, "0x", 2) == 0 && ParseNumber(name, &code) && code > 0 && code < 256) {
        return (WORD)code;
    }
    return 0;
}

// Presses "[ctrl+][alt+][shift+]NAME": modifiers down, key down and up,
// modifiers up in reverse order.
int PressChord(const char *chord)
{
    WORD held[4];
    int heldCount = 0;
    char part[32];
    const char *cursor = chord;
    for (;;) {
        const char *plus = strchr(cursor, '+');
        // A lone "+" or a trailing one names no key.
        size_t length = plus ? (size_t)(plus - cursor) : strlen(cursor);
        if (length == 0 || length >= sizeof part) return Fail("bad key", chord);
        memcpy(part, cursor, length);
        part[length] = '\0';
        WORD key = KeyCode(part);
        if (!key) return Fail("unknown key", part);
        if (!plus) {
            for (int i = 0; i < heldCount; ++i) SendKey(held[i], 0);
            SendKey(key, 0);
            SendKey(key, 1);
            for (int i = heldCount - 1; i >= 0; --i) SendKey(held[i], 1);
            return 0;
        }
        if (heldCount == 4) return Fail("too many modifiers", chord);
        held[heldCount++] = key;
        cursor = plus + 1;
    }
}

int BringToFront(HWND window)
{
    DWORD start = GetTickCount();
    for (;;) {
        SetForegroundWindow(window);
        if (GetForegroundWindow() == window) return 1;
        if (GetTickCount() - start >= timeoutMs) return 0;
        Sleep(POLL_MS);
    }
}

int SendKeys(HWND window, int count, char **keys)
{
    if (!BringToFront(window)) return Fail("cannot bring the window to the front", 0);
    for (int i = 0; i < count; ++i) {
        if (PressChord(keys[i])) return 1;
        Sleep(KEY_GAP_MS);
    }
    return 0;
}

int TypeText(HWND window, const char *text)
{
    if (!BringToFront(window)) return Fail("cannot bring the window to the front", 0);
    for (const char *c = text; *c; ++c) {
        SHORT scan = VkKeyScanA(*c);
        if (scan == -1) return Fail("cannot type", text);
        WORD key = LOBYTE(scan);
        int shifted = HIBYTE(scan) & 1;
        if (shifted) SendKey(VK_SHIFT, 0);
        SendKey(key, 0);
        SendKey(key, 1);
        if (shifted) SendKey(VK_SHIFT, 1);
        Sleep(KEY_GAP_MS / 3);
    }
    return 0;
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
void MouseAt(int x, int y, DWORD flags)
{
    INPUT input;
    memset(&input, 0, sizeof input);
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)((x * 65535LL + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input.mi.dy = (LONG)((y * 65535LL + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &input, sizeof input);
}

int Click(HWND window, HWND control)
{
    if (!BringToFront(window)) return Fail("cannot bring the window to the front", 0);
    RECT box;
    GetWindowRect(control, &box);
    int x = (box.left + box.right) / 2;
    int y = (box.top + box.bottom) / 2;
    MouseAt(x, y, 0);
    Sleep(KEY_GAP_MS / 3);
    MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
    MouseAt(x, y, MOUSEEVENTF_LEFTUP);
    Sleep(KEY_GAP_MS);
    return 0;
}

// --- queries ---------------------------------------------------------------

int PrintFocus(HWND window)
{
    GUITHREADINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, 0), &info)) {
        return Fail("GetGUIThreadInfo failed", 0);
    }
    printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
    return 0;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM)
{
    char className[64];
    GetClassNameA(child, className, sizeof className);
    printf("%d %s ", GetDlgCtrlID(child), className);
    WindowTextHex(child);
    return TRUE;
}

int WaitGone(void)
{
    DWORD start = GetTickCount();
    while (FindAny()) {
        if (GetTickCount() - start >= timeoutMs) return Fail("the window is still there", 0);
        Sleep(POLL_MS);
    }
    return 0;
}

// Commands that act on one control: "NAME ID [ARG]".
int ControlCommand(HWND window, const char *command, HWND control, int argc, char **argv)
{
    if (strcmp(command, "text") == 0) return WindowTextHex(control);
    if (strcmp(command, "sel") == 0) {
        DWORD start = 0, end = 0;
        SendMessageA(control, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        printf("%lu %lu\n", (unsigned long)start, (unsigned long)end);
        return 0;
    }
    if (strcmp(command, "setsel") == 0) {
        long start = 0, end = 0;
        if (argc < 2 || !ParseNumber(argv[0], &start) || !ParseNumber(argv[1], &end)) return Usage();
        SendMessageA(control, EM_SETSEL, (WPARAM)start, (LPARAM)end);
        return 0;
    }
    if (strcmp(command, "check") == 0) {
        printf("%d\n", (int)SendMessageA(control, BM_GETCHECK, 0, 0));
        return 0;
    }
    if (strcmp(command, "enabled") == 0) {
        printf("%d\n", IsWindowEnabled(control) ? 1 : 0);
        return 0;
    }
    if (strcmp(command, "click") == 0) return Click(window, control);
    if (strcmp(command, "settext") == 0) {
        if (argc < 1) return Usage();
        SendMessageW(control, WM_SETTEXT, 0, (LPARAM)wideArgs[argv - mainArgs]);
        return 0;
    }
    return Usage();
}

// A drop as Explorer makes it, in the window's own process: a handle made
// here would mean nothing there.
int DropFile(HWND window, const wchar_t *path)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return Fail("cannot open the window's process", 0);
    // The block, the path and the two terminators of the list.
    size_t pathBytes = (wcslen(path) + 2) * sizeof(wchar_t);
    SIZE_T size = sizeof(DROPFILES) + pathBytes;
    char *block = (char *)calloc(1, size);
    DROPFILES *files = (DROPFILES *)block;
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(block + sizeof(DROPFILES), path, wcslen(path) * sizeof(wchar_t));
    void *remote = VirtualAllocEx(process, 0, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    int written = remote && WriteProcessMemory(process, remote, block, size, 0);
    free(block);
    CloseHandle(process);
    if (!written) return Fail("cannot write the drop into the window's process", 0);
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, WM_DROPFILES, (WPARAM)remote, 0, SMTO_NORMAL, timeoutMs, &ignored)) {
        return Fail("the window did not take the drop within the timeout", 0);
    }
    return 0;
}

int Run(int argc, char **argv)
{
    const char *command = argv[0];
    if (strcmp(command, "gone") == 0) return WaitGone();
    if (strcmp(command, "version") == 0) return argc < 2 ? Usage() : PrintVersion(argv[1], argc - 2, argv + 2);

    HWND window = WaitForTarget();
    if (!window) return Fail("no window captioned", windowCaption);

    if (strcmp(command, "wait") == 0) {
        printf("%p\n", (void *)window);
        return 0;
    }
    if (strcmp(command, "caption") == 0) return WindowTextHex(window);
    if (strcmp(command, "focus") == 0) return PrintFocus(window);
    if (strcmp(command, "list") == 0) {
        EnumChildWindows(window, PrintChild, 0);
        return 0;
    }
    if (strcmp(command, "keys") == 0) return argc < 2 ? Usage() : SendKeys(window, argc - 1, argv + 1);
    if (strcmp(command, "type") == 0) return argc < 2 ? Usage() : TypeText(window, argv[1]);
    if (strcmp(command, "drop") == 0) return argc < 2 ? Usage() : DropFile(window, wideArgs[argv + 1 - mainArgs]);

    long id = 0;
    if (argc < 2 || !ParseNumber(argv[1], &id)) return Usage();
    if (strcmp(command, "command") == 0) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }
    HWND control = GetDlgItem(window, (int)id);
    if (!control) return Fail("no control", argv[1]);
    return ControlCommand(window, command, control, argc - 2, argv + 2);
}

} // namespace

int main(int argc, char **argv)
{
    int wideCount = 0;
    wideArgs = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    if (!wideArgs || wideCount != argc) return Fail("cannot read the command line in UTF-16", 0);
    mainArgs = argv;
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
        if (strcmp(argv[i], "-w") == 0) {
            windowCaption = argv[i + 1];
        } else if (strcmp(argv[i], "-h") == 0) {
            windowHandle = (HWND)(uintptr_t)strtoull(argv[i + 1], 0, 16);
            if (!windowHandle) return Usage();
        } else if (strcmp(argv[i], "-c") == 0) {
            windowClass = argv[i + 1];
        } else if (strcmp(argv[i], "-t") == 0) {
            long value = 0;
            if (!ParseNumber(argv[i + 1], &value) || value < 0) return Usage();
            timeoutMs = (DWORD)value;
        } else {
            return Usage();
        }
    }
    if (i >= argc) return Usage();
    int result = Run(argc - i, argv + i);
    fflush(stdout);
    return result;
}
