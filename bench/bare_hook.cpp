// The yardstick for "any program's hook": a low-level mouse hook whose
// procedure only passes the event on, in a process that pumps messages until
// it is sent WM_QUIT. Arguments: the name of an event to set once the hook is
// in, and optionally a number of milliseconds for the procedure to sleep
// (the benchmark's check that SendInput waits for the hooks).
#include <windows.h>
#include <stdio.h>

static HHOOK hHook;
static DWORD dwSleepMs;

static LRESULT CALLBACK BareMouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && dwSleepMs)
        Sleep(dwSleepMs);
    return CallNextHookEx(hHook, code, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    char szReady[64] = "";
    unsigned long ms = 0;
    if (sscanf(lpCmdLine ? lpCmdLine : "", "%63s %lu", szReady, &ms) < 1)
        return 2;
    dwSleepMs = (DWORD)ms;

    MSG msg;
    // Create the message queue before anyone may post WM_QUIT to it.
    PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
    hHook = SetWindowsHookExA(WH_MOUSE_LL, BareMouseProc, hInstance, 0);
    if (!hHook)
        return 1;
    HANDLE hReady = OpenEventA(EVENT_MODIFY_STATE, FALSE, szReady);
    if (hReady) {
        SetEvent(hReady);
        CloseHandle(hReady);
    }
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    UnhookWindowsHookEx(hHook);
    return 0;
}
