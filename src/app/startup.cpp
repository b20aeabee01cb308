#include "app/startup.h"

#include "app/file_life.h"
#include "app/main_dialog.h"
#include "app/session_end.h"
#include "base/viewer_state.h"
#include "bytes/checksum_dialog.h"
#include "bytes/range_save.h"
#include "res/resource.h"

#include <commctrl.h>

// Reserved window bytes of the frame class; never read or written.
#define FRAME_EXTRA_BYTES 30

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        InitCommonControls();
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENDSESSION:
        OnEndSession(wParam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int RegisterFrameClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = FrameWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = FRAME_EXTRA_BYTES;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KORVEX));
    windowClass.hIconSm = LoadIconA(NULL, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszMenuName = NULL;
    windowClass.lpszClassName = FRAME_CLASS_NAME;
    if (RegisterClassExA(&windowClass) != 0) {
        return 1;
    }
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS ? 1 : 0;
}

HWND CreateFrameWindow(HINSTANCE instance)
{
    return CreateWindowExA(0, FRAME_CLASS_NAME, "Korvex", WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           NULL, NULL, instance, NULL);
}

HWND CreateMainDialog(HINSTANCE instance, HWND frame)
{
    return CreateDialogParamA(instance, "IDD_MAIN", frame, MainDialogProc, 0);
}

int KorvexMain(HINSTANCE instance, const char *commandLine)
{
    viewer.searchDialog = NULL;
    if (!RegisterFrameClass(instance)) {
        return 0;
    }
    viewer.instance = instance;
    HWND frame = CreateFrameWindow(instance);
    if (frame == NULL) {
        return 0;
    }
    // Without the main dialog nothing could ever end the loop: the process
    // would live on invisibly.
    HWND dialog = CreateMainDialog(instance, frame);
    if (dialog == NULL) {
        DestroyWindow(frame);
        return 0;
    }
    // The dialog is shown by now, so its messages have an owner on screen.
    OpenCommandLineFile(dialog, commandLine);

    MSG message;
    message.wParam = 0;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (viewer.searchDialog != NULL && IsDialogMessageA(viewer.searchDialog, &message)) {
            continue;
        }
        if (viewer.hitsDialog != NULL && IsDialogMessageA(viewer.hitsDialog, &message)) {
            continue;
        }
        // Esc and Enter stop a save from its progress dialog.
        HWND save = RangeSaveWindow();
        if (save != NULL && IsDialogMessageA(save, &message)) {
            continue;
        }
        HWND checksum = ChecksumDialogWindow();
        if (checksum != NULL && IsDialogMessageA(checksum, &message)) {
            continue;
        }
        if (viewer.inspectorDialog != NULL
            && IsDialogMessageA(viewer.inspectorDialog, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
