// Injected input as a user gives it: keys, buttons, wheel turns, and moves
// to a screen pixel (through the program's own conversion to absolute
// coordinates, which its give-backs use too) or by so many pixels. Windows
// calls every low-level hook of the desktop before SendInput returns, so
// the time one call takes is what the hooks cost that event.
#pragma once
#include <windows.h>

// The tag of the user's wheel turns (WheelTurn), which may come with Control
// (a zoom), unlike the program's own wheel messages.
#define USER_WHEEL_TAG ((ULONG_PTR)0x55534552)

// The events, built: a move to the screen pixel (x, y) over the virtual
// desktop, a key going down or up (with its scan code, as a keyboard sends
// it), and any other mouse event where the pointer is.
INPUT AbsoluteMove(int x, int y, DWORD dwExtraFlags = 0);
INPUT KeyInput(WORD vk, bool bUp);
INPUT MouseInput(DWORD dwFlags, DWORD dwData = 0, ULONG_PTR extra = 0);

// Sends one event; the same, returning how long SendInput took, in ms.
void SendOne(const INPUT &in);
double TimedInput(const INPUT &in);
inline double TimedMove(int x, int y) { return TimedInput(AbsoluteMove(x, y)); }

void KeyDown(WORD vk);
void KeyUp(WORD vk);
void PressKey(WORD vk);
// A pen's or tablet's move to a place, and a mouse's move by so many pixels
// from wherever the pointer is. Each leaves a short gap after it (see there).
void MoveMouseTo(int x, int y);
void MoveMouseBy(int dx, int dy);
// Moves the pointer to (x, y) so that the last two reports are close: a key
// press compares them.
void Rest(int x, int y);
void ClickAt(int x, int y);
void MiddleButton(bool bDown);
void BackButton(bool bDown);                        // X1
void ForwardButton(bool bDown);                     // X2
void DragButtonInput(int nDragButton, bool bDown);  // the DRAG_BUTTON_* one
void WheelTurn(int turn);                           // tagged USER_WHEEL_TAG

// Where the system has the pointer now.
inline POINT Cursor(void)
{
    POINT pt = {};
    GetCursorPos(&pt);
    return pt;
}
// Whether Control, Shift, Alt, C or a button is down for the system.
bool AnyDown(void);
