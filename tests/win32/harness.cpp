#include "harness.h"

#include "app/startup.h"
#include "base/viewer_state.h"
#include "bytes/checksum_dialog.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string.h>

#include <vector>

HWND testFrame;

HWND OpenMainDialog(void)
{
    memset(&viewer, 0, sizeof viewer);
    viewer.instance = GetModuleHandleA(NULL);
    HWND dialog = CreateMainDialog(viewer.instance, testFrame);
    Pump();
    return dialog;
}

int CloseMainDialog(HWND dialog)
{
    if (dialog != NULL && IsWindow(dialog)) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    int code = -1;
    DWORD until = GetTickCount() + 200;
    MSG message;
    while ((int)(until - GetTickCount()) > 0) {
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                code = (int)message.wParam;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    }
    return code;
}

// WM_QUIT is dropped: CloseMainDialog is the one that looks for it.
static void PumpMessages(DWORD milliseconds, int searchDialogFirst)
{
    DWORD until = GetTickCount() + milliseconds;
    MSG message;
    do {
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                continue;
            }
            if (searchDialogFirst && viewer.searchDialog != NULL &&
                IsDialogMessageA(viewer.searchDialog, &message)) {
                continue;
            }
            if (searchDialogFirst && viewer.hitsDialog != NULL &&
                IsDialogMessageA(viewer.hitsDialog, &message)) {
                continue;
            }
            HWND checksum = ChecksumDialogWindow();
            if (searchDialogFirst && checksum != NULL && IsDialogMessageA(checksum, &message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    } while ((int)(until - GetTickCount()) > 0);
}

void Pump(DWORD milliseconds)
{
    PumpMessages(milliseconds, 0);
}

void PumpLoop(DWORD milliseconds)
{
    PumpMessages(milliseconds, 1);
}

int PumpUntil(int (*predicate)(void), DWORD milliseconds)
{
    DWORD until = GetTickCount() + milliseconds;
    while ((int)(until - GetTickCount()) > 0) {
        Pump(5);
        if (predicate()) {
            return 1;
        }
    }
    return predicate();
}

int PumpLoopUntil(int (*predicate)(void), DWORD milliseconds)
{
    DWORD until = GetTickCount() + milliseconds;
    while (!predicate() && (int)(until - GetTickCount()) > 0) {
        PumpLoop(2);
    }
    return predicate();
}

std::string WindowText(HWND window)
{
    char text[6000];
    text[0] = '\0';
    SendMessageA(window, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

void SendKey(WORD key, DWORD flags)
{
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    // Wine types no keypad digit without the scan code.
    input.ki.wScan = (WORD)MapVirtualKeyA(key, 0);
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void KeyDown(WORD key)
{
    SendKey(key, 0);
    Pump(15);
}

void KeyUp(WORD key)
{
    SendKey(key, KEYEVENTF_KEYUP);
    Pump(15);
}

void InjectKey(WORD key)
{
    SendKey(key, 0);
    SendKey(key, KEYEVENTF_KEYUP);
}

void PressKey(WORD key)
{
    SendKey(key, 0);
    SendKey(key, KEYEVENTF_KEYUP);
    Pump(20);
}

void TypeText(const char *keys)
{
    for (const char *c = keys; *c != '\0'; c++) {
        PressKey((WORD)VkKeyScanA(*c) & 0xFF);
    }
}

void BringToFront(HWND window)
{
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Pump(30);
}

void MouseClickAtScreen(POINT point, int right)
{
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3];
    ZeroMemory(inputs, sizeof inputs);
    for (int i = 0; i < 3; i++) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = (LONG)((point.x * 65536 + width / 2) / width);
        inputs[i].mi.dy = (LONG)((point.y * 65536 + height / 2) / height);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags =
        (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN) | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags =
        (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP) | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

void ClickAt(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    MouseClickAtScreen(point, 0);
    Pump(40);
}

struct CapturedBox {
    std::string text;
    std::string caption;
};

static HHOOK captureHook;
static int captureCommand;
static std::vector<CapturedBox> capturedBoxes;

static BOOL CALLBACK FindBoxText(HWND child, LPARAM lParam)
{
    char className[32];
    GetClassNameA(child, className, sizeof className);
    std::string *text = (std::string *)lParam;
    if (lstrcmpiA(className, "Static") == 0) {
        std::string candidate = WindowText(child);
        if (!candidate.empty() && text->empty()) {
            *text = candidate;
        }
    }
    return TRUE;
}

static LRESULT CALLBACK CaptureProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = (HWND)wParam;
        char className[32];
        GetClassNameA(window, className, sizeof className);
        // Only message boxes: a dialog with an OK button and a static text
        // but none of the program's own controls.
        if (lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, IDC_HEX) == NULL &&
            GetDlgItem(window, IDC_VERSION_NAME) == NULL &&
            GetDlgItem(window, IDC_SEARCH_TEXT) == NULL &&
            GetDlgItem(window, IDC_GOTO_OFFSET) == NULL &&
            GetDlgItem(window, IDC_RANGE_START) == NULL &&
            GetDlgItem(window, IDC_CHECKSUM_START) == NULL && GetDlgItem(window, IDOK) != NULL) {
            CapturedBox box;
            box.caption = WindowText(window);
            EnumChildWindows(window, FindBoxText, (LPARAM)&box.text);
            capturedBoxes.push_back(box);
            PostMessageA(window, WM_COMMAND, captureCommand, 0);
        }
    }
    return CallNextHookEx(captureHook, code, wParam, lParam);
}

void StartMessageBoxCapture(int closeCommand)
{
    capturedBoxes.clear();
    captureCommand = closeCommand;
    if (captureHook == NULL) {
        captureHook = SetWindowsHookExA(WH_CBT, CaptureProc, NULL, GetCurrentThreadId());
    }
}

void StopMessageBoxCapture(void)
{
    if (captureHook != NULL) {
        UnhookWindowsHookEx(captureHook);
        captureHook = NULL;
    }
}

int CapturedMessageCount(void)
{
    return (int)capturedBoxes.size();
}

std::string CapturedText(int index)
{
    return index < (int)capturedBoxes.size() ? capturedBoxes[index].text : std::string();
}

std::string CapturedCaption(int index)
{
    return index < (int)capturedBoxes.size() ? capturedBoxes[index].caption : std::string();
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!RegisterFrameClass(GetModuleHandleA(NULL))) {
        fprintf(stderr, "cannot register the frame class\n");
        return 2;
    }
    testFrame = CreateFrameWindow(GetModuleHandleA(NULL));
    if (testFrame == NULL) {
        fprintf(stderr, "cannot create the frame window\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
