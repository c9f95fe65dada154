// Tray icon requests. The record is the first, 88-byte form of
// NOTIFYICONDATAA (in the 32-bit build; NOTIFYICONDATAA_V1_SIZE in general),
// which every shell version accepts.
#include "app/tray.h"
#include "scroll/settings.h"
#include <stdio.h>
#include <string.h>

static void FillTrayData(NOTIFYICONDATAA *nid, HWND window, UINT uFlags)
{
    memset(nid, 0, sizeof *nid);
    nid->cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid->hWnd = window;
    nid->uID = TRAY_ICON_ID;
    nid->uFlags = uFlags;
    nid->uCallbackMessage = WM_TRAYNOTIFY;
    if (uFlags) {
        nid->hIcon = Settings.hSmallIcon;
        snprintf(nid->szTip, 64, "%s:  Left click for options.", Settings.szTitle);
    }
}

int AddTrayIcon(HWND window)
{
    NOTIFYICONDATAA nid;
    FillTrayData(&nid, window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    Settings.bInTray = Shell_NotifyIconA(NIM_ADD, &nid) ? 1 : 0;
    return Settings.bInTray;
}

void UpdateTrayIcon(HWND window)
{
    if (!Settings.bInTray)
        return;
    NOTIFYICONDATAA nid;
    FillTrayData(&nid, window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    Shell_NotifyIconA(NIM_MODIFY, &nid);
}

BOOL RemoveTrayIcon(HWND window)
{
    NOTIFYICONDATAA nid;
    FillTrayData(&nid, window, 0);
    Settings.bInTray = 0;
    return Shell_NotifyIconA(NIM_DELETE, &nid);
}
