// Programs run as administrator: Windows drops the messages and the input
// that a program at a lower integrity level sends them (User Interface
// Privilege Isolation), so Veltrac cannot scroll them. It tells the user
// once per program and can restart itself as administrator.
#pragma once
#include <windows.h>

// WM_ELEVATEDTARGET: the balloon about this window's program.
void TellElevatedTarget(HWND hwnd, HWND target);

// The balloon was clicked: settings saved, the same program started as
// administrator in the same folder, ON and in the tray as this one is, and
// this instance ends without saving again. When the user declines or the
// start fails, nothing changes. TRUE when the new copy was started.
BOOL RestartElevated(void);
