// What the hook procedures share with the files beside them in input/: the
// trigger they drive (its give-back queue inside it). Not for other folders.
#pragma once
#include "input/trigger.h"

TRIGGER *HookTrigger(void);

// Lets delivery queue real wheel turns behind the give-back queue
// (input/give_back_win.cpp); done when the mouse hook is installed.
void InstallRealTurns(void);
