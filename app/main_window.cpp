// The main window procedure: every user command arrives here as WM_COMMAND
// (menu bar, tray menu, accelerator or the picture button), as do the hooks'
// reports and the tray icon's callback.
#include "app/main_window.h"
#include "app/elevate_win.h"
#include "app/tray.h"
#include "dialogs/dialogs.h"
#include "input/hook_watch_win.h"
#include "input/hooks.h"
#include "input/raw_keys.h"
#include "scroll/engine.h"
#include "scroll/foreground_win.h"
#include "scroll/glide_win.h"
#include "scroll/monitors.h"
#include "scroll/rules_win.h"
#include "scroll/wheel_win.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/step_posts.h"
#include "store/programs_file.h"
#include "store/settings_store.h"
#include <string.h>

static void ShowError(HWND hwnd, const char *text)
{
    MessageBoxA(hwnd, text, "Error", MB_ICONERROR);
}

// Grays the command just carried out, then enables the other one, in the
// menu bar and (by command, through its nested popups) in the tray menu.
static void SetStartStopItems(HMENU menu, UINT idDone, UINT idOther)
{
    HMENU menus[2] = {menu, Settings.hPopupMenu};
    for (HMENU m : menus) {
        EnableMenuItem(m, idDone, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
        EnableMenuItem(m, idOther, MF_BYCOMMAND | MF_ENABLED);
    }
}

// The faces of the switch, in this order: menu items, title, tray tip,
// caption, the flag the engine reads, the button picture.
static void ShowSwitchState(HWND hwnd, HMENU menu, int bOn)
{
    if (bOn)
        SetStartStopItems(menu, IDM_START, IDM_STOP);
    else
        SetStartStopItems(menu, IDM_STOP, IDM_START);
    strcpy(Settings.szTitle, bOn ? TITLE_ON : TITLE_OFF);
    UpdateTrayIcon(hwnd);
    SetWindowTextA(hwnd, Settings.szTitle);
    Settings.bScrolling = bOn;
    SendMessageA(Settings.hButton, BM_SETIMAGE, IMAGE_BITMAP,
                 (LPARAM)(bOn ? Settings.hGoBitmap : Settings.hStopBitmap));
}

// The drag lock shows where the user looks: in the tray icon's tip, and as a
// pressed-in picture button. Never in the title: the hooks find the window
// by it.
static void ShowDragLock(HWND hwnd)
{
    UpdateTrayIcon(hwnd);
    SendMessageA(Settings.hButton, BM_SETSTATE, DragLocked(), 0);
}

static void SwitchOn(HWND hwnd)
{
    // Never a second keyboard hook: Start while ON is ignored.
    if (Settings.bScrolling)
        return;
    HMENU menu = GetMenu(hwnd);
    if (!menu) {
        ShowError(hwnd, "Unable to get menu handle.");
        return;
    }
    Settings.hKeyboardHook = InstallKeyboardHook();
    if (!Settings.hKeyboardHook) {
        ShowError(hwnd, "Unable to hook keyboard.");
        return;
    }
    ShowSwitchState(hwnd, menu, 1);
    // What was held at OFF counts no more: a release then was never seen.
    SyncHeldTriggers();
    // The rules in force from the first event (ON right at start comes
    // before the timer that reads them).
    CheckProgramRulesFileNow();
}

static void SwitchOff(HWND hwnd)
{
    HMENU menu = GetMenu(hwnd);
    if (!menu) {
        ShowError(hwnd, "Unable to get menu handle.");
        return;
    }
    // What the hooks still owe programs goes out first: without the
    // keyboard hook, the real releases would overtake the queued presses.
    GiveBackHeldInput();
    if (Settings.hKeyboardHook)
        UnhookWindowsHookEx(Settings.hKeyboardHook);
    Settings.hKeyboardHook = NULL;
    // A key kept from programs stays theirs to release: without the keyboard
    // hook its real release reaches them on its own, harmlessly. A kept
    // button's release would not be harmless (Back's sends a browser back):
    // the mouse hook stays, and keeps it.
    ForgetHeldTriggers(FORGET_KEEP_BUTTONS);
    EndDragLock();                      // and the glide
    ShowSwitchState(hwnd, menu, 0);
    SendMessageA(Settings.hButton, BM_SETSTATE, FALSE, 0);
}

// One copy of each modeless dialog: create it, or raise the open one.
static void OpenDialog(HWND owner, HWND *phDialog, const char *templateName, DLGPROC proc)
{
    if (*phDialog) {
        SetForegroundWindow(*phDialog);
        return;
    }
    *phDialog = CreateDialogParamA(Settings.hInst, templateName, owner, proc, 0);
}

static void ToTray(void)
{
    if (!AddTrayIcon(Settings.hMainWnd)) {
        ShowError(Settings.hMainWnd, "Unable to Minimize to system tray.");
        return;
    }
    ShowWindow(Settings.hMainWnd, SW_MINIMIZE);
    ShowWindow(Settings.hMainWnd, SW_HIDE);
}

static void ToWindow(void)
{
    RemoveTrayIcon(Settings.hMainWnd);
    ShowWindow(Settings.hMainWnd, SW_RESTORE);
}

static void ShowTrayMenu(void)
{
    // A tray menu only closes on an outside click when its owner is the
    // foreground window, and needs a message posted after it (WM_NULL).
    SetForegroundWindow(Settings.hMainWnd);
    TrackPopupMenu(GetSubMenu(Settings.hPopupMenu, 0), 0, Settings.nMouseX, Settings.nMouseY,
                   0, Settings.hMainWnd, NULL);
    PostMessageA(Settings.hMainWnd, WM_NULL, 0, 0);
}

static void OnCommand(HWND hwnd, UINT id)
{
    switch (id) {
    case 0:   // the picture button
        SendMessageA(hwnd, WM_COMMAND, Settings.bScrolling ? IDM_STOP : IDM_START, 0);
        break;
    case IDM_EXIT: PostQuitMessage(0); break;
    case IDM_START: SwitchOn(hwnd); break;
    case IDM_STOP: SwitchOff(hwnd); break;
    case IDM_OPTIONS: OpenDialog(hwnd, &Settings.hOptionsDlg, "OPTIONSDLG", OptionsDlgProc); break;
    case IDM_WINDOWS: OpenDialog(hwnd, &Settings.hWindowsDlg, "WINDOWSDLG", WindowsDlgProc); break;
    case IDM_ABOUT: OpenDialog(hwnd, &Settings.hAboutDlg, "ABOUTDLG", AboutDlgProc); break;
    case IDM_PROGRAMS:
        CheckProgramRulesFileNow();
        OpenDialog(hwnd, &Settings.hProgramsDlg, "PROGRAMSDLG", ProgramsDlgProc);
        break;
    case IDM_LOADSETTINGS:
        LoadSettings();
        LoadProgramRules();
        SendMessageA(hwnd, WM_OPTIONSCHANGED, 0, 0);
        break;
    case IDM_SAVESETTINGS: SaveSettings(); break;
    case IDM_HELP: ShowHelp(hwnd); break;
    case IDM_TOTRAY: ToTray(); break;
    case IDM_TOWINDOW: ToWindow(); break;
    default: break;
    }
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Explorer forgets every tray icon when it restarts and then broadcasts
    // this message; put the icon back or a hidden window becomes unreachable.
    // Asked for on first use, without a guarded local static: the guard
    // would link the C++ runtime's exception machinery. Two threads racing
    // here would both get the same number, so no guard is needed.
    static UINT uTaskbarCreated;
    if (!uTaskbarCreated)
        uTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");

    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_MOVE:
        // Minimised (and so also in the tray) the window sits at -32000,
        // -32000; saved, that would open the next start off-screen.
        if (hwnd == Settings.hMainWnd && IsWindowVisible(hwnd) && !IsIconic(hwnd)) {
            RECT rc;
            GetWindowRect(hwnd, &rc);
            Settings.nWindowX = rc.left;
            Settings.nWindowY = rc.top;
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(Settings.hButton);
        return 0;
    case WM_DISPLAYCHANGE:
        RefreshMonitors();
        return 0;
    case WM_SETTINGCHANGE:
        // A work area that changed (taskbar moved or resized) comes this
        // way, and so do the wheel's lines per notch.
        RefreshMonitors();
        RefreshWheelSettings();
        RefreshDragBox();
        break;
    case WM_COMMAND:
        OnCommand(hwnd, LOWORD(wParam));
        return 0;
    case WM_HOOKMOUSE:
        OnMouseReport((int)wParam, (int)lParam);
        return 0;
    case WM_HOOKKEY:
        OnKeyReport((int)wParam, (int)lParam);
        return 0;
    case WM_HOOKSTILLMOVE:
        OnStillMove((int)wParam, (int)lParam);
        return 0;
    case WM_FOREGROUNDCHANGED:
        RefreshForeground();
        return 0;
    case WM_LEARNPROCESS:
        LearnProcess((DWORD)wParam);
        return 0;
    case WM_HOOKACTIVITY:
        StopGlide();
        return 0;
    case WM_GIVEBACK:
        GiveBackHeldInput();
        return 0;
    case WM_POSTSTEPS:
        PostQueuedSteps();
        return 0;
    case WM_HOOKTRIGGER:
        // Inside a hook: the tray tip waits on Explorer, so it is shown after.
        if (OnTriggerReport((int)wParam, (int)lParam))
            PostMessageA(hwnd, WM_SHOWDRAGLOCK, 0, 0);
        return 0;
    case WM_SHOWDRAGLOCK:
        ShowDragLock(hwnd);
        return 0;
    case WM_OPTIONSCHANGED:
        UseGlobalOptions();             // matched anew with the new options
        SyncHeldTriggers();
        if (EndUnusableDragLock())
            ShowDragLock(hwnd);
        return 0;
    case WM_INPUT:
        OnRawInput((HRAWINPUT)lParam);
        break;                          // DefWindowProc cleans up after raw input
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
        WatchRawKeys(hwnd, message == WM_EXITMENULOOP);
        return 0;
    case WM_TIMER:
        if (wParam == READ_RULES_TIMER) {
            KillTimer(hwnd, READ_RULES_TIMER);
            CheckProgramRulesFileNow();
            return 0;
        }
        if (wParam == HOOK_HEALTH_TIMER) {
            CheckHookHealth();
            CheckDragLockFront();       // a desktop at rest has no moves to ask it
            CurrentForeground(FALSE);   // a new window in front, or one gone full-screen
            CheckProgramRulesFile();    // changed by an editor
            return 0;
        }
        break;
    case WM_ELEVATEDTARGET:
        TellElevatedTarget(hwnd, (HWND)wParam);
        return 0;
    case WM_TRAYNOTIFY:
        if (lParam == WM_LBUTTONDOWN) {
            ShowTrayMenu();
        } else if (lParam == NIN_BALLOONHIDE || lParam == NIN_BALLOONTIMEOUT ||
                   lParam == NIN_BALLOONUSERCLICK) {
            EndTrayBalloon(hwnd);
            // The one balloon this program shows offers the restart.
            if (lParam == NIN_BALLOONUSERCLICK)
                RestartElevated();
        }
        return 0;
    default:
        if (message == uTaskbarCreated && uTaskbarCreated) {
            TrayIconsLost();
            if (Settings.bInTray)
                AddTrayIcon(hwnd);
        }
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
