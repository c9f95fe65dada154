// What the hook procedures share with the files beside them in input/: the
// trigger they drive (its give-back queue inside it). Not for other folders.
#pragma once
#include <windows.h>
#include "input/trigger.h"

TRIGGER *HookTrigger(void);
// The trigger's configuration from the options in force now.
TRIGGERCONFIG HookTriggerConfig(void);

// Tells delivery what programs have now: input owed, a modifier down
// (scroll/delivery.h SetProgramInput).
void TellDelivery(void);

// Where the pointer is as the mouse hook last saw it (a move it kept leaves
// it where it was). Under Wine GetCursorPos can lag behind the events the
// hooks have already passed, while input goes where they put the pointer.
POINT HookPointer(void);

// The program's own wheel events, as they are injected, in order: the window
// each is meant for (NULL: a turn given back, which goes wherever it goes)
// and the point where the pointer was seen over it just before. The system
// routes a wheel event by where the pointer is when it gets to it, after
// every event queued before it; the mouse hook sees it then, and drops one
// that would land anywhere but where it was meant.
void NoteOwnWheel(HWND hReceiver, POINT ptSeen);
void DropLastOwnWheel(void);            // SendInput refused it
HWND TakeOwnWheel(POINT *pptSeen);

// Lets delivery queue real wheel turns behind the give-back queue
// (input/give_back_win.cpp); done when the mouse hook is installed.
void InstallRealTurns(void);
