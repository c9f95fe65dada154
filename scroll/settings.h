// The one process-wide record: every user option, the two title lists, the
// runtime state the engine, hooks, window procedure and dialogs share, and
// the program's handles. There is exactly one instance, Settings.
#pragma once
#include <windows.h>
#include "res/resource.h"
#include "scroll/options.h"
#include "scroll/steps.h"

#define MAIN_CLASS_NAME "Veltrac Window Class"
#define TITLE_OFF "Veltrac --- OFF"
#define TITLE_ON  "Veltrac --- ON"

#define MAX_MONITOR_RECTS 16                  // rectangles kept of the desktop's monitors

struct SETTINGS {
    // Options (settings.dat lines 2..21; every option is a row of
    // scroll/options.h).
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
    int bUnderPointer;        // a drag scrolls the window under the pointer, not the one in front

    // Title lists: fragments each followed by '\n', zero-terminated.
    char szExcludeList[LIST_TEXT_SIZE];
    char szIncludeList[LIST_TEXT_SIZE];

    // Runtime state, never saved.
    int nScrollVk;
    int bScrolling;
    short bKeyHeld;           // the hold key or the middle button: the last report said down
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
    unsigned nWheelLines, nWheelChars;  // the settings themselves (0xFFFFFFFF: a page)
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
    HWND hProgramsDlg;
};

extern SETTINGS Settings;

// Gives every field its start-up value. The record itself is zero-filled at
// load (its two 100,000-byte lists stay out of the executable's data).
void SetDefaultSettings(void);
