// Input the program injects itself: the events the trigger gives back to
// programs. They carry the program's own tag, so its hooks pass them on
// untouched and unreported.
#pragma once
#include <windows.h>
#include "input/trigger_event.h"

// The dwExtraInfo of the program's own events ("VELT").
#define OWN_INPUT_TAG ((ULONG_PTR)0x56454C54)

inline BOOL IsOwnInput(ULONG_PTR dwExtraInfo)
{
    return dwExtraInfo == OWN_INPUT_TAG;
}

// Injects the event as it came: a key by its code, scan code and extended
// flag; a button or a wheel turn at the point where it happened.
BOOL InjectEvent(const TRIGGEREVENT *e);

// A screen pixel as an absolute SendInput coordinate over the virtual
// desktop (0..65535 across it), aimed at the middle of the pixel so that the
// system's mapping back lands on it whichever way it rounds.
LONG AbsoluteCoordinate(int nPixel, int nOrigin, int nSize);

// The SendInput flags (and mouseData) of a button as the hooks report it.
// The hooks see the buttons as programs do, after a left-handed swap;
// SendInput takes them as the hardware has them, before it: with bSwapped
// the left and right buttons trade flags.
DWORD ButtonInputFlags(int nCode, int bDown, int bSwapped, DWORD *pData);
