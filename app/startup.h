// Bringing the program up around its message loop and taking it down again.
#pragma once
#include <windows.h>

// The single-instance rule: TRUE when this process must end at once (another
// instance runs and "-letmeopen2" is absent); that instance is brought to the
// foreground unless "-tosystemtray" is given.
BOOL YieldToOtherInstance(const char *cmd);

// Every start-up step in order. On failure the step's message box has been
// shown and FALSE is returned; nothing is released.
BOOL StartUp(HINSTANCE hInstance, const char *cmd, int nCmdShow, HACCEL *phAccel);

// Runs until WM_QUIT and returns its wParam.
int MessageLoop(HACCEL hAccel);

// The save of the exit path, and of the restart as administrator: the three
// files when "Save Settings On Exit" is on, nothing otherwise. FALSE when a
// file could not be written (named in *pszFailed, and drawn on the window).
BOOL SaveOnExit(const char **pszFailed = NULL);

// Hooks, bitmaps and timer released, settings saved, tray icon removed.
void ShutDown(void);
