// The notification-area icon: add, update the tip, remove, and balloons
// over it.
#pragma once
#include <windows.h>

#define TRAY_ICON_ID 1

int AddTrayIcon(HWND window);
void UpdateTrayIcon(HWND window);
BOOL RemoveTrayIcon(HWND window);

// A balloon over the icon; when the program is not in the tray the icon
// comes just for it. FALSE when the shell refused.
BOOL ShowTrayBalloon(HWND window, const char *szText);
// The balloon closed (NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT or
// NIN_BALLOONUSERCLICK): an icon that came just for it goes.
void EndTrayBalloon(HWND window);
// Explorer started again and forgot every icon, the balloon's too.
void TrayIconsLost(void);
