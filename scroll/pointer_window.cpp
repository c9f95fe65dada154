// The classes of the window under the pointer that are looked beneath or
// refused, as data.
#include "scroll/pointer_window.h"
#include "scroll/receiver.h"
#include "scroll/text_match.h"
#include <string.h>

#define LAYERED_AND_TRANSPARENT (0x00080000UL | 0x00000020UL)   // WS_EX_LAYERED | WS_EX_TRANSPARENT

static const char *const aszSeenThrough[] = {
    "tooltips_class32", "SysShadow", "Syn Visual Class", "SynTrackCursorWindowClass",
    "Qt*QWindowToolTip*",
};

static const char *const aszRefused[] = {
    "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "NotifyIconOverflowWindow",
    "TopLevelWindowForOverflowXamlIsland", "SystemTray_ServerWindow", "ControlCenterWindow",
    "Progman", "WorkerW", "#32768", "Xaml_WindowedPopupClass", "XamlExplorerHostIslandWindow",
    "MultitaskingViewFrame", "TaskSwitcherWnd", "TaskSwitcherOverlayWnd", "ForegroundStaging",
    "TaskListThumbnailWnd", "Ghost", "PseudoConsoleWindow",
};

// The shell's own programs whose CoreWindows are the Start menu, search,
// the action center and the touch keyboard.
static const char *const aszShellPrograms[] = {
    "StartMenuExperienceHost.exe", "SearchHost.exe", "SearchApp.exe",
    "ShellExperienceHost.exe", "TextInputHost.exe",
};

int SeenThroughRoot(const char *szClass, unsigned long nExStyle)
{
    if ((nExStyle & LAYERED_AND_TRANSPARENT) == LAYERED_AND_TRANSPARENT)
        return 1;
    for (const char *p : aszSeenThrough)
        if (ClassMatches(p, szClass))
            return 1;
    return 0;
}

int RefusalNeedsProgram(const char *szClass)
{
    return strcmp(szClass, "Windows.UI.Core.CoreWindow") == 0;
}

int RefusedRoot(const char *szClass, const char *szExe)
{
    for (const char *p : aszRefused)
        if (strcmp(p, szClass) == 0)
            return 1;
    if (RefusalNeedsProgram(szClass))
        for (const char *p : aszShellPrograms)
            if (SameTextAnyCase(p, szExe ? szExe : ""))
                return 1;
    return 0;
}
