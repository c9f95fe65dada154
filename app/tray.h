// The notification-area icon: add, update the tip, remove.
#pragma once
#include <windows.h>

#define TRAY_ICON_ID 1

int AddTrayIcon(HWND window);
void UpdateTrayIcon(HWND window);
BOOL RemoveTrayIcon(HWND window);
