// Injected input as the tests and the benchmark build it: screen pixels to
// the absolute coordinates of a mouse move (the program's own conversion,
// which its give-backs use too), and a key going down or up.
#pragma once
#include <windows.h>
#include "input/inject.h"

inline INPUT AbsoluteMove(int x, int y, DWORD dwExtraFlags = 0)
{
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = AbsoluteCoordinate(x, left, w);
    in.mi.dy = AbsoluteCoordinate(y, top, h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | dwExtraFlags;
    return in;
}

inline INPUT KeyInput(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}
