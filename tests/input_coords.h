// Injected input as the tests and the benchmark build it: screen pixels to
// the absolute coordinates of a mouse move (the one conversion they share),
// and a key going down or up. Absolute coordinates run
// from 0 to 65535 across the desktop (MOUSEEVENTF_VIRTUALDESK) and the
// system maps them back with a multiply and a shift; aiming at the middle of
// the pixel survives either rounding, on any desktop origin and size.
#pragma once
#include <windows.h>

inline INPUT AbsoluteMove(int x, int y, DWORD dwExtraFlags = 0)
{
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)(((long long)(x - left) * 65536 + 32768) / (w > 0 ? w : 1));
    in.mi.dy = (LONG)(((long long)(y - top) * 65536 + 32768) / (h > 0 ? h : 1));
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
