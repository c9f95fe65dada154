// Turning a trigger event back into input with SendInput. Buttons and wheel
// turns are injected at the point of the real event, with an absolute move
// in the same input: given back a moment later, they must still land where
// the user pressed, not where the pointer has got to since. The program's
// own wheel turns carry no point and no move.
#include "input/inject.h"

LONG AbsoluteCoordinate(int nPixel, int nOrigin, int nSize)
{
    return (LONG)((((long long)nPixel - nOrigin) * 65536 + 32768) / (nSize > 0 ? nSize : 1));
}

DWORD ButtonInputFlags(int nCode, int bDown, int bSwapped, DWORD *pData)
{
    *pData = 0;
    if (bSwapped && (nCode == TRIG_LEFT || nCode == TRIG_RIGHT))
        nCode = nCode == TRIG_LEFT ? TRIG_RIGHT : TRIG_LEFT;
    switch (nCode) {
    case TRIG_LEFT: return bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    case TRIG_RIGHT: return bDown ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case TRIG_MIDDLE: return bDown ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default:
        *pData = nCode == TRIG_X1 ? XBUTTON1 : XBUTTON2;
        return bDown ? MOUSEEVENTF_XDOWN : MOUSEEVENTF_XUP;
    }
}

BOOL InjectEvent(const TRIGGEREVENT *e)
{
    INPUT in = {};
    if (e->nKind == TRIG_KEY) {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = (WORD)e->nRawVk;
        in.ki.wScan = (WORD)e->nScan;
        in.ki.dwFlags = (e->bDown ? 0 : KEYEVENTF_KEYUP) | (e->bExtended ? KEYEVENTF_EXTENDEDKEY : 0);
        in.ki.dwExtraInfo = OWN_INPUT_TAG;
        return SendInput(1, &in, sizeof in) == 1;
    }
    in.type = INPUT_MOUSE;
    DWORD data = 0;
    if (e->nKind == TRIG_WHEEL) {
        in.mi.dwFlags = e->bHorizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL;
        data = (DWORD)e->nWheelDelta;
    } else {
        in.mi.dwFlags = ButtonInputFlags(e->nCode, e->bDown, GetSystemMetrics(SM_SWAPBUTTON), &data);
    }
    in.mi.mouseData = data;
    in.mi.dwExtraInfo = OWN_INPUT_TAG;
    // The program's own turn goes where the pointer is, as a real wheel's.
    if (e->bOwnTurn)
        return SendInput(1, &in, sizeof in) == 1;
    in.mi.dx = AbsoluteCoordinate(e->nX, GetSystemMetrics(SM_XVIRTUALSCREEN),
                                  GetSystemMetrics(SM_CXVIRTUALSCREEN));
    in.mi.dy = AbsoluteCoordinate(e->nY, GetSystemMetrics(SM_YVIRTUALSCREEN),
                                  GetSystemMetrics(SM_CYVIRTUALSCREEN));
    in.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    return SendInput(1, &in, sizeof in) == 1;
}
