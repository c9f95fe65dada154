// The recorder thread. Records are kept under a lock: the windows' thread
// writes them, the test thread takes them.
#include "e2e_support_recorder.h"
#include "e2e_support.h"
#include "res/resource.h"
#include "scroll/settings.h"

#define WM_MARKER (WM_APP + 10)
#define WM_QUERYKEY (WM_APP + 11)
#define WM_TAKEFOCUS (WM_APP + 12)
#define WM_FULLSCREEN (WM_APP + 13)
#define WM_BUSY (WM_APP + 14)
#define WM_STANDIN (WM_APP + 15)

static CRITICAL_SECTION lock;
static std::vector<WHEELRECORD> wheels;
static std::vector<INPUTRECORD> inputs;
static std::vector<SCROLLRECORD> scrolls;
static std::vector<HWND> standIns;      // the further stand-ins, whose input is recorded too
static int nScrolled, nZooms;
static volatile LONG nMarkerSeen, nBusySeen;
static LONG nMarkerPosted, nBusyPosted;
static HANDLE hThread, hReady;
static DWORD dwThreadId;
static RECORDER windows;

static LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

static bool Down(int vk)
{
    return GetKeyState(vk) < 0;
}

static bool Recorded(HWND hwnd)
{
    if (hwnd == windows.hPlain || hwnd == windows.hExcluded)
        return true;
    for (HWND w : standIns)
        if (w == hwnd)
            return true;
    return false;
}

static HWND MakeStandIn(const STANDIN &w)
{
    // Registered for this program even where the system has a class of
    // the name (a program's own class comes first); a second time it fails,
    // as it may.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = w.szClass;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    RegisterClassA(&wc);
    DWORD style = w.dwStyle ? w.dwStyle : w.hParent ? WS_CHILD | WS_BORDER : WS_OVERLAPPEDWINDOW;
    HWND hwnd = CreateWindowExA(w.dwExStyle, w.szClass, w.szTitle ? w.szTitle : w.szClass, style,
                                w.x, w.y, w.cx, w.cy, w.hParent ? w.hParent : w.hOwner, NULL,
                                GetModuleHandleA(NULL), NULL);
    if (!hwnd)
        return NULL;
    // The system's class of the name, should it have won, is no stand-in.
    if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != (LONG_PTR)RecorderProc) {
        DestroyWindow(hwnd);
        return NULL;
    }
    if (w.dwExStyle & WS_EX_LAYERED)
        SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA);
    EnterCriticalSection(&lock);
    standIns.push_back(hwnd);
    LeaveCriticalSection(&lock);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return hwnd;
}

static LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
        EnterCriticalSection(&lock);
        scrolls.push_back({hwnd, msg, (int)LOWORD(wParam)});
        LeaveCriticalSection(&lock);
        return 0;
    case WM_STANDIN:
        return (LRESULT)MakeStandIn(*(const STANDIN *)lParam);
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        // The frame itself never scrolls: only its content does.
        if (hwnd == windows.hFramed)
            return 0;
        WHEELRECORD w = {hwnd, msg, (short)HIWORD(wParam), LOWORD(wParam),
                         (short)LOWORD(lParam), (short)HIWORD(lParam), Down(VK_CONTROL),
                         GetAsyncKeyState(VK_CONTROL) < 0, (ULONG_PTR)GetMessageExtraInfo(),
                         (DWORD)GetMessageTime(), Down(VK_SHIFT), Down(VK_MENU)};
        EnterCriticalSection(&lock);
        wheels.push_back(w);
        if (hwnd == windows.hPlain) {
            if (w.bControl)
                nZooms++;
            else
                nScrolled += w.turn;
        }
        LeaveCriticalSection(&lock);
        return 0;
    }
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR:
    case WM_SYSCHAR:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_MBUTTONDOWN: case WM_MBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        if (Recorded(hwnd)) {
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            ClientToScreen(hwnd, &pt);
            EnterCriticalSection(&lock);
            inputs.push_back({msg, wParam, Down(VK_CONTROL), (int)pt.x, (int)pt.y,
                              (DWORD)GetMessageTime(), (ULONG_PTR)GetMessageExtraInfo(), hwnd});
            LeaveCriticalSection(&lock);
        }
        // An X button is the browser's Back: handled here, it goes no further.
        // Alt is handled here too: a lone Alt, or Alt and a letter, would
        // enter the system menu's modal loop, which takes every key after it.
        if (msg == WM_XBUTTONDOWN || msg == WM_XBUTTONUP)
            return TRUE;
        return 0;
    case WM_MARKER:
        InterlockedExchange(&nMarkerSeen, (LONG)wParam);
        return 0;
    case WM_BUSY:
        InterlockedExchange(&nBusySeen, (LONG)lParam);
        Sleep((DWORD)wParam);           // the busy program's own work: nothing to wait for
        return 0;
    case WM_QUERYKEY:
        return GetKeyState((int)wParam) < 0;
    case WM_TAKEFOCUS:
        SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
        SetFocus(hwnd);
        return GetFocus() == hwnd;
    case WM_FULLSCREEN:
        SetWindowLongPtrA(hwnd, GWL_STYLE, (wParam ? WS_POPUP : WS_OVERLAPPEDWINDOW) | WS_VISIBLE);
        if (wParam)
            SetWindowPos(hwnd, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                         GetSystemMetrics(SM_CYSCREEN), SWP_FRAMECHANGED);
        else
            SetWindowPos(hwnd, HWND_TOP, 50, 100, 400, 300, SWP_FRAMECHANGED);
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static HWND Make(const char *cls, HWND parent, int x, int y, int w, int h)
{
    RegisterClassOnce(cls, RecorderProc);
    DWORD style = parent ? WS_CHILD | WS_VISIBLE | WS_BORDER : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    return CreateWindowExA(0, cls, cls, style, x, y, w, h, parent, NULL, GetModuleHandleA(NULL),
                           NULL);
}

static DWORD WINAPI RecorderThread(void *)
{
    // First, so that the plain window comes up above it.
    windows.hExcluded = Make(EXCLUDED_TITLE, NULL, 50, 100, 400, 300);
    windows.hPlain = Make("WheelOnlyPlain", NULL, 50, 100, 400, 300);
    windows.hFramed = Make("WheelOnlyFrame", NULL, 560, 420, 400, 300);
    // The content fills the frame's client area but for a margin, so the
    // middle of the client area lies on it.
    RECT rc = {};
    GetClientRect(windows.hFramed, &rc);
    windows.hContent = Make("WheelOnlyContent", windows.hFramed, 20, 20, rc.right - 40,
                            rc.bottom - 40);
    windows.hXaml = Make("Windows.UI.Core.CoreWindow", NULL, 560, 60, 400, 300);
    SetEvent(hReady);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(windows.hPlain);
    DestroyWindow(windows.hFramed);
    DestroyWindow(windows.hXaml);
    DestroyWindow(windows.hExcluded);
    for (HWND w : standIns)
        if (IsWindow(w) && !GetParent(w))
            DestroyWindow(w);
    return 0;
}

bool StartRecorder(RECORDER *r)
{
    InitializeCriticalSection(&lock);
    wheels.clear();
    inputs.clear();
    scrolls.clear();
    standIns.clear();
    nScrolled = nZooms = 0;
    hReady = CreateEventA(NULL, TRUE, FALSE, NULL);
    hThread = CreateThread(NULL, 0, RecorderThread, NULL, 0, &dwThreadId);
    WaitForSingleObject(hReady, 20000);
    *r = windows;
    return windows.hPlain && windows.hFramed && windows.hContent && windows.hXaml &&
           windows.hExcluded;
}

void StopRecorder(void)
{
    PostThreadMessageA(dwThreadId, WM_QUIT, 0, 0);
    WaitForSingleObject(hThread, 10000);
    CloseHandle(hThread);
    CloseHandle(hReady);
    DeleteCriticalSection(&lock);
}

// Posted messages of one thread are handled in order, and input that reached
// its queue before the marker is handled before it.
static void Settle(void)
{
    LONG id = ++nMarkerPosted;
    PostMessageA(windows.hPlain, WM_MARKER, (WPARAM)id, 0);
    WaitFor([&] { return nMarkerSeen == id; }, 10000);
}

std::vector<WHEELRECORD> TakeWheels(void)
{
    Settle();
    EnterCriticalSection(&lock);
    std::vector<WHEELRECORD> out;
    out.swap(wheels);
    LeaveCriticalSection(&lock);
    return out;
}

std::vector<INPUTRECORD> TakeInputs(void)
{
    Settle();
    EnterCriticalSection(&lock);
    std::vector<INPUTRECORD> out;
    out.swap(inputs);
    LeaveCriticalSection(&lock);
    return out;
}

std::vector<SCROLLRECORD> TakeScrolls(void)
{
    Settle();
    EnterCriticalSection(&lock);
    std::vector<SCROLLRECORD> out;
    out.swap(scrolls);
    LeaveCriticalSection(&lock);
    return out;
}

HWND RecorderStandIn(const STANDIN &w)
{
    DWORD_PTR made = 0;
    SendMessageTimeoutA(windows.hPlain, WM_STANDIN, 0, (LPARAM)&w, SMTO_NORMAL, 10000, &made);
    return (HWND)made;
}

int PlainScrolled(void)
{
    Settle();
    return nScrolled;
}

int PlainZooms(void)
{
    Settle();
    return nZooms;
}

bool RecorderKeyDown(int vk)
{
    Settle();
    DWORD_PTR down = 0;
    SendMessageTimeoutA(windows.hPlain, WM_QUERYKEY, (WPARAM)vk, 0, SMTO_NORMAL, 5000, &down);
    return down != 0;
}

void RecorderFullScreen(bool bOn)
{
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(windows.hPlain, WM_FULLSCREEN, bOn, 0, SMTO_NORMAL, 5000, &ok);
}

void RecorderBusy(int ms)
{
    LONG id = ++nBusyPosted;
    PostMessageA(windows.hPlain, WM_BUSY, (WPARAM)ms, (LPARAM)id);
    WaitFor([&] { return nBusySeen == id; }, 10000);
}

bool RecorderForeground(HWND hwnd)
{
    // The thread first takes what is on its way to it: the window system's
    // word of an earlier change of focus, taken after this one (the thread
    // was busy, say), would undo it.
    Settle();
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(hwnd, WM_TAKEFOCUS, 0, 0, SMTO_NORMAL, 5000, &ok);
    // In front for the keys, and on top for the pointer: Wine raises the
    // window a moment after it has become the foreground one. Such word can
    // still come late and undo it: then it is asked again.
    HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT rc = {};
    GetWindowRect(root, &rc);
    POINT mid = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    DWORD dwAsked = GetTickCount();
    return WaitFor([&] {
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        if (GetForegroundWindow() == root && GetGUIThreadInfo(dwThreadId, &gti) &&
            gti.hwndFocus == hwnd && GetAncestor(WindowFromPoint(mid), GA_ROOT) == root)
            return true;
        if (GetTickCount() - dwAsked > 500) {
            PostMessageA(hwnd, WM_TAKEFOCUS, 0, 0);
            dwAsked = GetTickCount();
        }
        return false;
    });
}

const RECORDER &RecorderWindows(void)
{
    return windows;
}
