// What the trigger is to follow, read from the options in force where the
// event happens: the hold key, the drag button, which of them are kept from
// programs, whether taps lock.
#include "input/hook_state.h"
#include "scroll/delivery.h"
#include "scroll/engine.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/target.h"

// Asked once per trigger press.
static int NothingScrollsHere(void)
{
    return FindTargetWindowForPress() == NULL;
}

static int DragButtonCode(void)
{
    switch (Settings.nDragButton) {
    case DRAG_BUTTON_X1: return TRIG_X1;
    case DRAG_BUTTON_X2: return TRIG_X2;
    default: return TRIG_MIDDLE;
    }
}

TRIGGERCONFIG HookTriggerConfig(void)
{
    TRIGGERCONFIG c;
    c.bWatch = Settings.bScrolling != 0;
    c.bKeepKey = Settings.bScrolling && IsWheelLikeType(OptionsNow()->nMessageType);
    c.nHoldVk = Settings.bHoldKey ? Settings.nScrollVk : 0;
    // The chosen button drags only when its option is on.
    c.nButton = Settings.bMiddleButton ? DragButtonCode() : 0;
    // Back and Forward would turn every drag into a page back in a browser:
    // they are kept in every type.
    c.bKeepButton = c.bKeepKey || (c.bWatch && c.nButton && c.nButton != TRIG_MIDDLE);
    c.bLockTaps = Settings.bDragLock != 0;
    c.nDrags = DragTicks();
    c.pfnLeaveAlone = NothingScrollsHere;
    return c;
}
