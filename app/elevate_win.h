// Programs run as administrator: Windows drops the messages and the input
// that a program at a lower integrity level sends them (User Interface
// Privilege Isolation), so Veltrac cannot scroll them. It tells the user
// once per program and can restart itself as administrator.
#pragma once
#include <windows.h>

// WM_ELEVATEDTARGET: the balloon about this window's program.
void TellElevatedTarget(HWND hwnd, HWND target);

// The balloon was clicked: the same program started as administrator in the
// same folder, ON and in the tray as this one is; once it started, the
// settings saved as the exit path saves them (only with "Save Settings On
// Exit"), and this instance ends without saving again. When the user
// declines or the start fails, nothing changes and no file is written. When
// the save fails, the error box says so, this instance goes on as before and
// the new copy ends without a window. TRUE when this instance is ending.
BOOL RestartElevated(void);

// At the start of a copy started by RestartElevated ("-restartof" on the
// command line): waits until the copy that started it has ended (TRUE: go on
// and start) or has stayed after a failed save (FALSE: end at once, having
// read and written nothing). TRUE at once without the switch.
BOOL WaitForRestartingCopy(const char *cmd);
