// SendInput, one event at a time.
#include "testkit/kit_input.h"
#include "input/inject.h"
#include "scroll/options.h"
#include <initializer_list>

INPUT AbsoluteMove(int x, int y, DWORD dwExtraFlags)
{
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT in = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK |
                          dwExtraFlags);
    in.mi.dx = AbsoluteCoordinate(x, left, w);
    in.mi.dy = AbsoluteCoordinate(y, top, h);
    return in;
}

INPUT KeyInput(WORD vk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return in;
}

INPUT MouseInput(DWORD dwFlags, DWORD dwData, ULONG_PTR extra)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    in.mi.mouseData = dwData;
    in.mi.dwExtraInfo = extra;
    return in;
}

void SendOne(const INPUT &in)
{
    INPUT copy = in;
    SendInput(1, &copy, sizeof copy);
}

double TimedInput(const INPUT &in)
{
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    INPUT copy = in;
    QueryPerformanceCounter(&t0);
    SendInput(1, &copy, sizeof copy);
    QueryPerformanceCounter(&t1);
    return (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)f.QuadPart;
}

void KeyDown(WORD vk) { SendOne(KeyInput(vk, false)); }
void KeyUp(WORD vk) { SendOne(KeyInput(vk, true)); }

void PressKey(WORD vk)
{
    KeyDown(vk);
    KeyUp(vk);
}

void MoveMouseTo(int x, int y)
{
    SendOne(AbsoluteMove(x, y));
    // Wine does not move the X pointer for injected moves, and X events
    // about that pointer (a window appearing under it) come back as real
    // mouse moves to where it still is. A short gap lets such an event
    // arrive between two moves rather than in the middle of a gesture.
    Sleep(25);
}

void MoveMouseBy(int dx, int dy)
{
    INPUT in = MouseInput(MOUSEEVENTF_MOVE);
    in.mi.dx = dx;
    in.mi.dy = dy;
    SendOne(in);
    Sleep(25);                           // as MoveMouseTo: see there
}

void Rest(int x, int y)
{
    MoveMouseTo(x, y + 1);
    MoveMouseTo(x, y);
}

void ClickAt(int x, int y)
{
    SendOne(AbsoluteMove(x, y));
    SendOne(AbsoluteMove(x, y, MOUSEEVENTF_LEFTDOWN));
    SendOne(AbsoluteMove(x, y, MOUSEEVENTF_LEFTUP));
}

void MiddleButton(bool bDown)
{
    SendOne(MouseInput(bDown ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP));
}

void BackButton(bool bDown)
{
    SendOne(MouseInput(bDown ? MOUSEEVENTF_XDOWN : MOUSEEVENTF_XUP, XBUTTON1));
}

void ForwardButton(bool bDown)
{
    SendOne(MouseInput(bDown ? MOUSEEVENTF_XDOWN : MOUSEEVENTF_XUP, XBUTTON2));
}

void DragButtonInput(int nDragButton, bool bDown)
{
    switch (nDragButton) {
    case DRAG_BUTTON_X1: BackButton(bDown); break;
    case DRAG_BUTTON_X2: ForwardButton(bDown); break;
    default: MiddleButton(bDown); break;
    }
}

void WheelTurn(int turn)
{
    SendOne(MouseInput(MOUSEEVENTF_WHEEL, (DWORD)turn, USER_WHEEL_TAG));
}

bool AnyDown(void)
{
    for (int vk : {VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_SHIFT, VK_MENU, (int)'C', VK_MBUTTON,
                   VK_LBUTTON, VK_XBUTTON1, VK_XBUTTON2})
        if (GetAsyncKeyState(vk) < 0)
            return true;
    return false;
}
