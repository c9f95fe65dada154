// Input the program injects itself: the events the trigger gives back to
// programs. They carry the program's own tag, so its hooks pass them on
// untouched and unreported.
#pragma once
#include <windows.h>
#include "input/trigger.h"

// The dwExtraInfo of the program's own events ("VELT").
#define OWN_INPUT_TAG ((ULONG_PTR)0x56454C54)

inline BOOL IsOwnInput(ULONG_PTR dwExtraInfo)
{
    return dwExtraInfo == OWN_INPUT_TAG;
}

// Injects the event as it came: a key by its code, scan code and extended
// flag; a button or a wheel turn at the cursor's current position.
BOOL InjectEvent(const TRIGGEREVENT *e);
