// The pointer held still while a drag goes on (the option "Keep Pointer
// Still"): whether a move is kept from programs, and how far it would have
// taken the pointer. Decided in the mouse hook, per move.
#pragma once
#include <windows.h>

// Whether this move is kept: bDragging tells that a trigger drags, or the
// lock is on. The pointer is held only where the window in front is
// scrolled, and is free the moment another window comes to the front.
BOOL HoldPointer(BOOL bWatch, BOOL bDragging);

// Where the pointer would have gone: the event's point, measured from where
// the pointer is now (where the previous move left it, or wherever another
// program has put it since).
POINT HeldMoveDelta(POINT ptEvent);

// The pointer is free again (a hook repaired, OFF).
void ReleasePointer(void);
int PointerHeld(void);
