// Start-up and shutdown: resources, the window class, the main window with
// its picture button, the initial OFF faces, the mouse hook, the message
// loop, and the orderly release at the end.
#include "app/startup.h"
#include "app/main_window.h"
#include "app/placement.h"
#include "app/tray.h"
#include "input/hook_watch_win.h"
#include "input/hooks.h"
#include "input/key_names.h"
#include "input/raw_keys.h"
#include "scroll/foreground_win.h"
#include "scroll/glide_win.h"
#include "scroll/monitors.h"
#include "scroll/settings.h"
#include "scroll/text_match.h"
#include "scroll/wheel_win.h"
#include "store/settings_store.h"
#include <commctrl.h>

static BOOL StartupError(const char *text, const char *title, HWND owner)
{
    MessageBoxA(owner, text, title, MB_ICONERROR);
    return FALSE;
}

BOOL YieldToOtherInstance(const char *cmd)
{
    HWND hOther = FindWindowA(MAIN_CLASS_NAME, NULL);
    if (!hOther || ContainsText(cmd, "-letmeopen2"))
        return FALSE;
    if (!ContainsText(cmd, "-tosystemtray"))
        SetForegroundWindow(hOther);
    return TRUE;
}

static BOOL LoadResources(HINSTANCE hInstance, HACCEL *phAccel)
{
    *phAccel = LoadAcceleratorsA(hInstance, "MYMENU");
    const char *szBitmapError = "Can't load bitmap...corrupt .exe?\nOut of memory?\n";
    // The About box's picture waits for the About box (dialogs/about_dlg.cpp).
    if (!(Settings.hStopBitmap = LoadBitmapA(hInstance, "STOPBMP")) ||
        !(Settings.hGoBitmap = LoadBitmapA(hInstance, "GOBMP")))
        return StartupError(szBitmapError, "Error", NULL);
    if (!(Settings.hPopupMenu = LoadMenuA(hInstance, "POPUPMENU")))
        return StartupError("Can't load menu...corrupt .exe?\nOut of memory?\n", "Error", NULL);
    return TRUE;
}

static BOOL RegisterMainClass(HINSTANCE hInstance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, "MAINICON");
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszMenuName = "MYMENU";
    wc.lpszClassName = MAIN_CLASS_NAME;
    wc.hIconSm = Settings.hSmallIcon = LoadIconA(hInstance, "SMALLICON");
    if (!RegisterClassExA(&wc))
        return StartupError("Unable to register window...out of memory?", "Error", NULL);
    return TRUE;
}

static BOOL CreateMainWindow(HINSTANCE hInstance, const char *cmd)
{
    DWORD dwExStyle = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE;
    if (ContainsText(cmd, "-ontop"))
        dwExStyle |= WS_EX_TOPMOST;
    int nHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + 70;
    // A saved place on no monitor would open the window where nobody sees it.
    int x = Settings.nWindowX, y = Settings.nWindowY;
    PlaceOnDesktop(&x, &y, 170, nHeight, Settings.arcMonitors, Settings.arcWorkAreas,
                   Settings.nMonitors);
    HWND hwnd = CreateWindowExA(dwExStyle, MAIN_CLASS_NAME, Settings.szTitle,
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 170, nHeight,
                                NULL, NULL, hInstance, NULL);
    // Set only now: the moves during creation must not store a position.
    Settings.hMainWnd = hwnd;
    if (!hwnd)
        return StartupError("Unable to create window...out of memory?", "Fatal Error", NULL);

    // The button covers the client area as it really is after creation.
    RECT rc;
    GetClientRect(hwnd, &rc);
    Settings.hButton = CreateWindowExA(0, "BUTTON", "",
                                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON |
                                           BS_BITMAP | BS_CENTER | BS_VCENTER,
                                       0, 0, rc.right, rc.bottom, hwnd, NULL, hInstance, NULL);
    if (!Settings.hButton)
        return StartupError("Unable to create hButton...out of memory?", "Fatal Error", NULL);
    SendMessageA(Settings.hButton, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)Settings.hStopBitmap);
    return TRUE;
}

BOOL StartUp(HINSTANCE hInstance, const char *cmd, int nCmdShow, HACCEL *phAccel)
{
    InitCommonControls();
    Settings.nScrollVk = KeyNameToVk(Settings.szScrollKey);
    RefreshMonitors();
    RefreshWheelSettings();
    RefreshDragBox();
    Settings.szExcludeList[0] = '\0';
    Settings.szIncludeList[0] = '\0';
    Settings.hInst = hInstance;

    if (!LoadResources(hInstance, phAccel) || !RegisterMainClass(hInstance))
        return FALSE;
    LoadSettings();
    if (!CreateMainWindow(hInstance, cmd))
        return FALSE;
    HWND hwnd = Settings.hMainWnd;

    if (ContainsText(cmd, "-tosystemtray"))
        PostMessageA(hwnd, WM_COMMAND, IDM_TOTRAY, 0);
    else
        ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);

    HMENU menu = GetMenu(hwnd);
    if (!menu)
        return FALSE;
    EnableMenuItem(menu, IDM_STOP, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    EnableMenuItem(menu, IDM_START, MF_BYCOMMAND | MF_ENABLED);
    EnableMenuItem(Settings.hPopupMenu, IDM_STOP, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    EnableMenuItem(Settings.hPopupMenu, IDM_START, MF_BYCOMMAND | MF_ENABLED);

    if (ContainsText(cmd, "-start"))
        PostMessageA(hwnd, WM_COMMAND, IDM_START, 0);

    Settings.hMouseHook = InstallMouseHook();
    if (!Settings.hMouseHook)
        return StartupError("Unable to hook mouse.", "Error", hwnd);
    // Without raw input the hooks' missed releases go unseen; nothing else
    // needs it, so a refusal is no error.
    WatchRawKeys(hwnd, TRUE);
    WatchForeground();
    StartHookHealth(hwnd);
    // programs.txt is read once the window is up and the program waits for
    // input (a timer comes only when nothing else is waiting), or at ON if
    // that comes first: a few hundred rules are a noticeable part of the
    // time to the first paint, and nothing is scrolled while OFF.
    SetTimer(hwnd, READ_RULES_TIMER, 0, NULL);
    return TRUE;
}

int MessageLoop(HACCEL hAccel)
{
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, NULL, 0, 0)) > 0) {
        // A null dialog handle takes no message; skipping the call saves a
        // message-filter round trip on every mouse move.
        if ((Settings.hOptionsDlg && IsDialogMessageA(Settings.hOptionsDlg, &msg)) ||
            (Settings.hWindowsDlg && IsDialogMessageA(Settings.hWindowsDlg, &msg)) ||
            (Settings.hAboutDlg && IsDialogMessageA(Settings.hAboutDlg, &msg)) ||
            (Settings.hProgramsDlg && IsDialogMessageA(Settings.hProgramsDlg, &msg)))
            continue;
        if (!TranslateAcceleratorA(Settings.hMainWnd, hAccel, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // -1 is a failure of GetMessageA itself (msg holds nothing then, at the
    // very first call not even an old message): the program did not end well.
    return got == 0 ? (int)msg.wParam : 1;
}

BOOL SaveOnExit(const char **pszFailed)
{
    return !Settings.bSaveOnExit || SaveSettings(pszFailed);
}

void ShutDown(void)
{
    // What the hooks still owe programs goes out while they can tell it
    // from real input.
    GiveBackHeldInput();
    // A Back or Forward press kept from programs must not lose its release
    // to them when the hook goes: it is waited for, a few seconds at most.
    WaitForKeptButtonRelease(KEPT_RELEASE_WAIT_MS);
    StopGlide();
    if (Settings.bScrolling)
        UnhookWindowsHookEx(Settings.hKeyboardHook);
    UnhookWindowsHookEx(Settings.hMouseHook);
    DeleteObject(Settings.hStopBitmap);
    DeleteObject(Settings.hGoBitmap);
    DeleteObject(Settings.hAboutBitmap);
    if (Settings.bTimerRunning)
        KillTimer(NULL, Settings.idRepeatTimer);
    // A failure is drawn on a window about to go: at the end there is no
    // one left to tell.
    SaveOnExit();
    RemoveTrayIcon(Settings.hMainWnd);
}
