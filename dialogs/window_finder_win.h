// The window finder of the Programs dialog: the cross-hair the user presses
// and drags onto any window, the facts it reads from there, and the rule it
// makes on release. The mouse is captured for the drag; Escape cancels.
#pragma once
#include <windows.h>
#include "scroll/program_rules.h"

// A press at this point of the dialog (client coordinates): starts a drag
// when it is on the cross-hair. TRUE when it did.
BOOL StartFinderDrag(HWND dialog, POINT ptClient);
// Whether a drag is going on.
BOOL FinderDragging(void);
// The pointer moved during the drag: shows what is under it.
void TrackFinder(HWND dialog);
// The button went up: ends the drag. TRUE, with *rule filled (its program,
// and its class where the program alone is ambiguous), when it was
// released over another program's window.
BOOL DropFinder(HWND dialog, PROGRAMRULE *rule);
// Escape, or the capture taken away: ends the drag, makes nothing.
void CancelFinder(HWND dialog);
