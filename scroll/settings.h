// The one process-wide record: every user option, the two title lists, the
// runtime state the engine, hooks, window procedure and dialogs share, and
// the program's handles. There is exactly one instance, Settings.
#pragma once
#include <windows.h>
#include "res/resource.h"
#include "scroll/steps.h"

#define WM_HOOKMOUSE   (WM_USER + 100)   // 1124: wParam x, lParam y
#define WM_HOOKKEY     (WM_USER + 101)   // 1125: wParam vk, lParam 1 pressed / 0 released
#define WM_GIVEBACK    (WM_USER + 102)   // 1126: the hooks kept input that programs must get
#define WM_HOOKTRIGGER (WM_USER + 103)   // 1127: wParam TRIGGER_TAPPED or TRIGGER_DRAGGED
// 1128: wParam a window whose program runs as administrator, lParam its
// process id: tell the user (once per program, posted by target selection).
#define WM_ELEVATEDTARGET (WM_USER + 104)
#define WM_SHOWDRAGLOCK (WM_USER + 105)  // 1129: the lock changed; shown outside the hooks
#define WM_OPTIONSCHANGED (WM_USER + 106) // 1130: OK, Apply or Load Settings changed options
#define WM_HOOKSTILLMOVE (WM_USER + 107) // 1131: a move kept from programs: wParam dx, lParam dy
#define WM_HOOKACTIVITY (WM_USER + 108)  // 1132: a key, button or wheel turn: a glide stops
#define WM_FOREGROUNDCHANGED (WM_USER + 109) // 1133: another window is in front: read its facts
#define WM_TRAYNOTIFY  (WM_USER + 800)   // 1824: tray icon callback

#define MIDDLE_BUTTON_KEY 1827           // WM_HOOKKEY "key" of the middle button

// What a trigger's press turned out to be, at its release (WM_HOOKTRIGGER).
#define TRIGGER_TAPPED  1                // a tap or click: nothing else between down and up
#define TRIGGER_DRAGGED 2                // it dragged

// The button the middle-button option drags with (nDragButton).
#define DRAG_BUTTON_MIDDLE 0
#define DRAG_BUTTON_X1     1             // Back
#define DRAG_BUTTON_X2     2             // Forward

#define LIST_TEXT_SIZE 100050            // bytes of a list text, terminator included
#define SCROLL_KEY_SIZE 32               // 31 characters and the terminator

#define MAIN_CLASS_NAME "Veltrac Window Class"
#define TITLE_OFF "Veltrac --- OFF"
#define TITLE_ON  "Veltrac --- ON"

#define MAX_MONITOR_RECTS 16                  // rectangles kept of the desktop's monitors

struct SETTINGS {
    // Options (settings.dat lines 2..21, see store/settings_table.cpp).
    int nSensitivity;
    int nScrollTimes;
    int nMessageType;
    int bArrowKeys;
    int bHoldKey;
    int bEdgeScroll;          // on only when exactly 1
    int bEdgeRepeat;          // on only when exactly 1
    int nRepeatMs;
    // The Options dialog addresses these five as check boxes 1730 + i.
    union {
        int abClassOptions[5];
        struct {
            int bClassEdit;
            int bClassAfx;
            int bClassChannel;
            int bClassOther;
            int bMiddleButton;
        };
    };
    int bSaveOnExit;
    char szScrollKey[SCROLL_KEY_SIZE];
    int bExcludeList;
    int bIncludeList;
    int nEdgeMargin;          // edge thickness minus one
    int nWindowX;
    int nWindowY;
    // Drag options (lines 22..24, written only when one is on).
    int bDragLock;            // a tap of a trigger locks drag scrolling on
    int bOneAxis;             // a drag scrolls along one axis at a time
    int bReverse;             // drags scroll the other way
    // Newer options (lines 25..28, written with the drag options).
    int bPauseFullScreen;     // nothing scrolls while a full-screen program is in front
    int bKeepPointerStill;    // a drag holds the pointer where it was pressed
    int bGlide;               // a drag released while moving glides on and slows down
    int nDragButton;          // the button that drags: DRAG_BUTTON_*

    // Title lists: fragments each followed by '\n', zero-terminated.
    char szExcludeList[LIST_TEXT_SIZE];
    char szIncludeList[LIST_TEXT_SIZE];

    // Runtime state, never saved.
    int nScrollVk;
    int bScrolling;
    short bKeyHeld;           // the hold key or the middle button: the last report said down
    int bHoldKeyDown;         // each on its own, for the "Mouse wheel" type, where
    int bMiddleDown;          // each drags only when its own option is on
    unsigned nDragTicks;      // ticks that delivered drag steps, ever
    int bDragLocked;          // locked: moves drag as if the hold key were held
    int nDragAxis;            // the axis a one-axis drag keeps (DRAG_AXIS_*), 0 none yet
    int nDragSumX, nDragSumY; // "Mouse wheel" type: distance dragged since the last step
    int nGlideDirection;      // the direction of the drag's last step
    int nMouseX, nMouseY;
    int nLastX, nLastY;
    int nScreenMaxX, nScreenMaxY;
    // The desktop's monitors and their work areas, gathered at start and on
    // display and work-area changes; none yet means the primary screen alone.
    SCREENRECT arcMonitors[MAX_MONITOR_RECTS];
    SCREENRECT arcWorkAreas[MAX_MONITOR_RECTS];
    int nMonitors;
    // One scroll step as a wheel turn (from the user's wheel settings;
    // 0 until read), vertically and horizontally.
    int nWheelLineDelta;
    int nWheelCharDelta;
    int bTimerRunning;
    UINT_PTR idRepeatTimer;
    int bInTray;
    char szTitle[32];

    // Handles.
    HINSTANCE hInst;
    HWND hMainWnd;
    HWND hButton;
    HMENU hPopupMenu;
    HBITMAP hStopBitmap;
    HBITMAP hGoBitmap;
    HBITMAP hAboutBitmap;
    HICON hSmallIcon;
    HHOOK hMouseHook;
    HHOOK hKeyboardHook;
    HWND hOptionsDlg;
    HWND hWindowsDlg;
    HWND hAboutDlg;
};

extern SETTINGS Settings;

// Gives every field its start-up value. The record itself is zero-filled at
// load (its two 100,000-byte lists stay out of the executable's data).
void SetDefaultSettings(void);
