// The recorder thread. Records are kept under a lock: the windows' thread
// writes them, the test thread takes them.
#include "e2e_support_recorder.h"
#include "e2e_support.h"
#include "e2e_support_settings.h"
#include "res/resource.h"
#include "scroll/settings.h"

#define WM_MARKER (WM_APP + 10)
#define WM_QUERYKEY (WM_APP + 11)
#define WM_TAKEFOCUS (WM_APP + 12)
#define WM_FULLSCREEN (WM_APP + 13)

static CRITICAL_SECTION lock;
static std::vector<WHEELRECORD> wheels;
static std::vector<INPUTRECORD> inputs;
static int nScrolled, nZooms;
static volatile LONG nMarkerSeen;
static LONG nMarkerPosted;
static HANDLE hThread, hReady;
static DWORD dwThreadId;
static RECORDER windows;

static bool ControlDown(void)
{
    return GetKeyState(VK_CONTROL) < 0;
}

static LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        // The frame itself never scrolls: only its content does.
        if (hwnd == windows.hFramed)
            return 0;
        WHEELRECORD w = {hwnd, msg, (short)HIWORD(wParam), LOWORD(wParam),
                         (short)LOWORD(lParam), (short)HIWORD(lParam), ControlDown(),
                         GetAsyncKeyState(VK_CONTROL) < 0, (ULONG_PTR)GetMessageExtraInfo(),
                         (DWORD)GetMessageTime()};
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
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_MBUTTONDOWN: case WM_MBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        if (hwnd == windows.hPlain) {
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            ClientToScreen(hwnd, &pt);
            EnterCriticalSection(&lock);
            inputs.push_back({msg, wParam, ControlDown(), (int)pt.x, (int)pt.y,
                              (DWORD)GetMessageTime()});
            LeaveCriticalSection(&lock);
        }
        // An X button is the browser's Back: handled here, it goes no further.
        if (msg == WM_XBUTTONDOWN || msg == WM_XBUTTONUP)
            return TRUE;
        return msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP
                   ? DefWindowProcA(hwnd, msg, wParam, lParam) : 0;
    case WM_MARKER:
        InterlockedExchange(&nMarkerSeen, (LONG)wParam);
        return 0;
    case WM_QUERYKEY:
        return GetKeyState((int)wParam) < 0;
    case WM_TAKEFOCUS:
        SetForegroundWindow(hwnd);
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
    WNDCLASSA wc = {};
    if (!GetClassInfoA(GetModuleHandleA(NULL), cls, &wc)) {
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = cls;
        wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        RegisterClassA(&wc);
    }
    DWORD style = parent ? WS_CHILD | WS_VISIBLE | WS_BORDER : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    return CreateWindowExA(0, cls, cls, style, x, y, w, h, parent, NULL, GetModuleHandleA(NULL),
                           NULL);
}

static DWORD WINAPI RecorderThread(void *)
{
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
    return 0;
}

bool StartRecorder(RECORDER *r)
{
    InitializeCriticalSection(&lock);
    hReady = CreateEventA(NULL, TRUE, FALSE, NULL);
    hThread = CreateThread(NULL, 0, RecorderThread, NULL, 0, &dwThreadId);
    WaitForSingleObject(hReady, 20000);
    *r = windows;
    return windows.hPlain && windows.hFramed && windows.hContent && windows.hXaml;
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

bool RecorderForeground(HWND hwnd)
{
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(hwnd, WM_TAKEFOCUS, 0, 0, SMTO_NORMAL, 5000, &ok);
    return WaitFor([&] { return GetForegroundWindow() == hwnd; });
}

void MiddleButton(bool bDown)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    SendInput(1, &in, sizeof in);
}

void BackButton(bool bDown)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_XDOWN : MOUSEEVENTF_XUP;
    in.mi.mouseData = XBUTTON1;
    SendInput(1, &in, sizeof in);
}

void WheelTurn(int turn)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = (DWORD)turn;
    SendInput(1, &in, sizeof in);
}

void Rest(int x, int y)
{
    MoveMouseTo(x, y + 1);
    MoveMouseTo(x, y);
}

bool AnyDown(void)
{
    for (int vk : {VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_SHIFT, (int)'C', VK_MBUTTON, VK_LBUTTON})
        if (GetAsyncKeyState(vk) < 0)
            return true;
    return false;
}

std::string InputNames(const std::vector<INPUTRECORD> &in)
{
    std::string s;
    for (const INPUTRECORD &r : in) {
        switch (r.msg) {
        case WM_KEYDOWN: s += "kd"; break;
        case WM_KEYUP: s += "ku"; break;
        case WM_CHAR: s += "ch"; break;
        case WM_LBUTTONDOWN: s += "ld"; break;
        case WM_LBUTTONUP: s += "lu"; break;
        case WM_MBUTTONDOWN: s += "md"; break;
        case WM_MBUTTONUP: s += "mu"; break;
        case WM_XBUTTONDOWN: s += "xd"; break;
        case WM_XBUTTONUP: s += "xu"; break;
        default: s += "?"; break;
        }
        if (r.msg == WM_KEYDOWN || r.msg == WM_KEYUP)
            s += r.wParam == VK_CONTROL ? "Ctl" : std::string(1, (char)r.wParam);
        if (r.msg == WM_CHAR)
            s += std::to_string((int)r.wParam);
        if (r.bControl && r.msg != WM_KEYDOWN && r.msg != WM_KEYUP)
            s += "^";
        s += " ";
    }
    return s;
}

// The program gives back what it kept from a message it posts itself, later
// than the input that caused it, but always in order: once the mark has come
// through, so has everything before it. The mark is a chord of the hold key,
// so it goes the same way as what it follows, and unlike a plain tap it
// cannot be taken for a tap that is still on its way.
std::string InputsUpToMark(void)
{
    static const std::string mark = "kdCtl kdQ ch17^ kuQ kuCtl ";
    KeyDown(VK_CONTROL);
    PressKey('Q');
    KeyUp(VK_CONTROL);
    std::string all;
    bool done = WaitFor([&] {
        all += InputNames(TakeInputs());
        return all.size() >= mark.size() &&
               all.compare(all.size() - mark.size(), mark.size(), mark) == 0;
    });
    if (!done)
        return "(no mark) " + all;
    return all.substr(0, all.size() - mark.size());
}

WHEELSESSION::WHEELSESSION(const std::function<void()> &edit)
{
    EnterScratchDir("e2e_session");
    bool bWritten = WriteSettingsDat([&] {
        Settings.bSaveOnExit = 0;
        edit();
    });
    bool bStarted = bWritten && StartRecorder(&rec);
    app = StartVeltrac("-start");
    if (!bStarted || !app.hwnd ||
        !WaitFor([&] { return WindowText(app.hwnd) == "Veltrac --- ON"; }, 10000))
        app.hwnd = NULL;                 // the test's REQUIRE(s.app.hwnd) stops it
    TakeWheels();
    TakeInputs();
}

WHEELSESSION::~WHEELSESSION()
{
    EndVeltrac(&app);
    CloseChild(&app);
    StopRecorder();
    LeaveScratchDir();
}
