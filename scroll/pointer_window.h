// The window under the pointer, as the option "Scroll the Window Under the
// Pointer" finds it: which top-level windows are looked beneath (tooltips,
// shadows, a touchpad's overlays, click-through overlays) and which are the
// shell's own, never scrolled. No window calls.
#pragma once

// Whether the top-level window is one to look beneath, by its class and its
// extended style (WS_EX_LAYERED and WS_EX_TRANSPARENT together: an overlay
// that clicks go through).
int SeenThroughRoot(const char *szClass, unsigned long nExStyle);

// Whether the top-level window is the shell's (the taskbar, the desktop,
// menus, the task switcher, the Start menu...): nothing there is scrolled
// and a press there is left to programs. szExe: the file name of its
// program, asked only for a Windows.UI.Core.CoreWindow ("" when unknown).
int RefusedRoot(const char *szClass, const char *szExe);
// Whether RefusedRoot needs the program's file name for this class.
int RefusalNeedsProgram(const char *szClass);
