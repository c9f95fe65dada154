// The program's private messages to its main window: the hooks' reports, the
// requests the engine, target selection and the tray make of it, and what a
// report carries. Numbers are fixed: other copies of the program and the
// tests send some of them.
#pragma once
#include <windows.h>

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
#define WM_LEARNPROCESS (WM_USER + 110)  // 1134: wParam a process id: learn whether it runs above us
#define WM_POSTSTEPS   (WM_USER + 111)   // 1135: scroll messages a hook call made may leave now
#define WM_TRAYNOTIFY  (WM_USER + 800)   // 1824: tray icon callback

#define MIDDLE_BUTTON_KEY 1827           // WM_HOOKKEY "key" of the middle button

// What a trigger's press turned out to be, at its release (WM_HOOKTRIGGER).
#define TRIGGER_TAPPED  1                // a tap or click: nothing else between down and up
#define TRIGGER_DRAGGED 2                // it dragged

