// Tray icon requests. The record is the first, 88-byte form of
// NOTIFYICONDATAA (in the 32-bit build; NOTIFYICONDATAA_V1_SIZE in general),
// which every shell version accepts.
#include "app/tray.h"
#include "scroll/settings.h"
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
        // The title, a colon, two spaces and the hint; the title is cut so
        // that the rest always fits the 64-byte tip. A drag lock shows
        // between them.
        static const char szHint[] = ":  Left click for options.";
        static const char szLocked[] = ", drag locked";
        const char *szMiddle = Settings.bDragLocked ? szLocked : "";
        int nRoom = (int)(sizeof nid->szTip - (sizeof szHint - 1) - lstrlenA(szMiddle));
        lstrcpynA(nid->szTip, Settings.szTitle, nRoom);
        lstrcatA(nid->szTip, szMiddle);
        lstrcatA(nid->szTip, szHint);
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
