// Turning a trigger event back into input with SendInput. Buttons and wheel
// turns are injected without a move, so they happen where the cursor is.
#include "input/inject.h"

static DWORD ButtonFlags(int code, int bDown, DWORD *pData)
{
    *pData = 0;
    switch (code) {
    case TRIG_LEFT: return bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    case TRIG_RIGHT: return bDown ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case TRIG_MIDDLE: return bDown ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default:
        *pData = code == TRIG_X1 ? XBUTTON1 : XBUTTON2;
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
    } else {
        in.type = INPUT_MOUSE;
        DWORD data = 0;
        if (e->nKind == TRIG_WHEEL) {
            in.mi.dwFlags = e->bHorizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL;
            data = (DWORD)e->nWheelDelta;
        } else {
            in.mi.dwFlags = ButtonFlags(e->nCode, e->bDown, &data);
        }
        in.mi.mouseData = data;
        in.mi.dwExtraInfo = OWN_INPUT_TAG;
    }
    return SendInput(1, &in, sizeof in) == 1;
}
