// Tray icon requests. The record is the first, 88-byte form of
// NOTIFYICONDATAA (in the 32-bit build; NOTIFYICONDATAA_V1_SIZE in general),
// which every shell version accepts; only a balloon needs the larger second
// form. A balloon while the program is not in the tray brings the icon
// along just for itself: bInTray stays 0 (the window is where the user left
// it) and the icon goes again when the balloon closes.
#include "app/tray.h"
#include "scroll/messages.h"
#include "scroll/engine.h"
#include "scroll/settings.h"
#include <string.h>

static int bBalloonIcon;      // the icon is there only for a balloon

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
        const char *szMiddle = DragLocked() ? szLocked : "";
        int nRoom = (int)(sizeof nid->szTip - (sizeof szHint - 1) - lstrlenA(szMiddle));
        lstrcpynA(nid->szTip, Settings.szTitle, nRoom);
        lstrcatA(nid->szTip, szMiddle);
        lstrcatA(nid->szTip, szHint);
    }
}

void EndTrayBalloon(HWND window)
{
    if (!bBalloonIcon)
        return;
    bBalloonIcon = 0;
    NOTIFYICONDATAA nid;
    FillTrayData(&nid, window, 0);
    Shell_NotifyIconA(NIM_DELETE, &nid);
}

int AddTrayIcon(HWND window)
{
    // A second add of the same icon fails; the balloon's icon makes way.
    EndTrayBalloon(window);
    NOTIFYICONDATAA nid;
    FillTrayData(&nid, window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    Settings.bInTray = Shell_NotifyIconA(NIM_ADD, &nid) ? 1 : 0;
    return Settings.bInTray;
}

void UpdateTrayIcon(HWND window)
{
    if (!Settings.bInTray && !bBalloonIcon)
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
    bBalloonIcon = 0;
    return Shell_NotifyIconA(NIM_DELETE, &nid);
}

BOOL ShowTrayBalloon(HWND window, const char *szText)
{
    if (!Settings.bInTray && !bBalloonIcon) {
        NOTIFYICONDATAA nid;
        FillTrayData(&nid, window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        if (!Shell_NotifyIconA(NIM_ADD, &nid))
            return FALSE;
        bBalloonIcon = 1;
    }
    NOTIFYICONDATAA nid;
    memset(&nid, 0, sizeof nid);
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    nid.hWnd = window;
    nid.uID = TRAY_ICON_ID;
    nid.uFlags = NIF_INFO;
    lstrcpynA(nid.szInfo, szText, sizeof nid.szInfo);
    lstrcpynA(nid.szInfoTitle, "Veltrac", sizeof nid.szInfoTitle);
    nid.dwInfoFlags = NIIF_WARNING;
    nid.uTimeout = 15000;     // what older shells show it for; newer ones choose
    if (Shell_NotifyIconA(NIM_MODIFY, &nid))
        return TRUE;
    EndTrayBalloon(window);
    return FALSE;
}

void TrayIconsLost(void)
{
    bBalloonIcon = 0;
}
