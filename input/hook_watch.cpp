// Hook health decisions, plain arithmetic on samples taken half a second
// apart, each hook judged on its own. A move of the cursor with no mouse
// event seen means the mouse hook is gone. Key events that raw input told of
// and the keyboard hook never saw mean the keyboard hook is gone (only while
// it should exist), whatever the mouse did meanwhile; where raw input tells
// nothing, input with no event seen by either hook while the cursor stayed
// put does.
#include "input/hook_watch.h"

int HooksToRepair(const HOOKSAMPLE *prev, const HOOKSAMPLE *now, int bKeyboardHooked)
{
    int repair = 0;
    bool moved = now->nCursorX != prev->nCursorX || now->nCursorY != prev->nCursorY;
    bool mouseSeen = now->nMouseEvents != prev->nMouseEvents;
    bool keySeen = now->nKeyEvents != prev->nKeyEvents;
    bool input = now->dwLastInput != prev->dwLastInput;
    if (moved && !mouseSeen)
        repair |= REPAIR_MOUSE;
    // Two raw events at least: the last one's hook call may still be on its
    // way when the sample is taken.
    bool keysMissed = now->nRawKeyEvents - prev->nRawKeyEvents >= 2 && !keySeen;
    if (bKeyboardHooked && (keysMissed || (input && !moved && !mouseSeen && !keySeen)))
        repair |= REPAIR_KEYBOARD;
    return repair;
}
