// Hook health decisions, plain arithmetic on samples taken half a second
// apart. A move of the cursor with no mouse event seen means the mouse hook
// is gone; input with no event seen by either hook while the cursor stayed
// put means the keyboard hook is gone (only while it should exist).
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
    if (bKeyboardHooked && input && !moved && !mouseSeen && !keySeen)
        repair |= REPAIR_KEYBOARD;
    return repair;
}
