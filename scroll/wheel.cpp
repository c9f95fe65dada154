// Wheel delivery's decisions as plain arithmetic.
#include "scroll/wheel.h"

int WheelStepDelta(unsigned int nPerNotch)
{
    if (nPerNotch == 0 || nPerNotch == 0xFFFFFFFFu)
        return WHEEL_NOTCH;
    unsigned int d = WHEEL_NOTCH / nPerNotch;
    return d > 0 ? (int)d : 1;
}

void WheelPoint(int cursorX, int cursorY, const SCREENRECT &window, const SCREENRECT &client,
                int *pX, int *pY)
{
    if (cursorX >= window.left && cursorX < window.right && cursorY >= window.top &&
        cursorY < window.bottom) {
        *pX = cursorX;
        *pY = cursorY;
        return;
    }
    *pX = (int)(((long long)client.left + client.right) / 2);
    *pY = (int)(((long long)client.top + client.bottom) / 2);
}

unsigned int WheelMessage(int direction)
{
    return direction == SCROLL_LEFT || direction == SCROLL_RIGHT ? 0x020Eu    // WM_MOUSEHWHEEL
                                                                 : 0x020Au;   // WM_MOUSEWHEEL
}

int WheelTurn(int direction, int nVerticalDelta, int nHorizontalDelta)
{
    switch (direction) {
    case SCROLL_UP: return nVerticalDelta;
    case SCROLL_DOWN: return -nVerticalDelta;
    case SCROLL_RIGHT: return nHorizontalDelta;
    default: return -nHorizontalDelta;
    }
}
